#pragma once

#include "atlas/PrefixSearch.h"

#include <QDialog>
#include <string>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;
class StatusLine;
class ValidatedEdit;

/// "Search Atlas": the picker of one atlas entry. It lists every entry by prefix or
/// by name and selects the line that matches what the user types. After OK,
/// selectedPrefix() is the prefix of the highlighted entry (look it up with
/// FindAtlasEntry). Open it only for an atlas with entries.
class AtlasSearchDialog : public QDialog {
    Q_OBJECT
public:
    /// `statusLine` (may be null) shows the controls' hints.
    AtlasSearchDialog(const Atlas& atlas, StatusLine* statusLine, QWidget* parent = nullptr);

    /// The prefix of the selected line, spaces removed; empty when nothing is selected.
    QString selectedPrefix() const;
    PrefixSearchMode mode() const { return m_mode; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setMode(PrefixSearchMode mode);
    void IncSearchEditChange(const QString& text);
    void PrefixListBoxClick(int row);
    void SearchByToggleBtnClick();
    void selectLine(int row);
    void copySelectedField();
    void scrollToShow(int row);
    int visibleLines() const;

    const Atlas& m_atlas;
    StatusLine* m_statusLine;
    PrefixSearchMode m_mode = PrefixSearchMode::ByPrefix;
    std::vector<std::string> m_lines;
    bool m_copying = false;

    ValidatedEdit* m_incSearchEdit;
    QListWidget* m_list;
    QLabel* m_header;
    QPushButton* m_toggleBtn;
    QPushButton* m_okBtn;
    QPushButton* m_cancelBtn;
};

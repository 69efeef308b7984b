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

/// "View Atlas": every atlas entry with its coordinates, by prefix or by name, with
/// the incremental search of the atlas search window. Open it only for an atlas with
/// entries.
class AtlasViewWindow : public QDialog {
    Q_OBJECT
public:
    /// `statusLine` (may be null) shows the controls' hints.
    AtlasViewWindow(const Atlas& atlas, StatusLine* statusLine, QWidget* parent = nullptr);

    PrefixSearchMode mode() const { return m_mode; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setMode(PrefixSearchMode mode);
    void IncSearchEditChange(const QString& text);
    void AtlasListBoxClick(int row);
    void ViewToggleBtnClick();
    void selectLine(int row);
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
    QPushButton* m_closeBtn;
};

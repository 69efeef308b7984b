#pragma once

#include "graphs/HopsList.h"
#include "prediction/PredictionResultsWindow.h"

#include <QDialog>
#include <functional>

class HeaderLinesDelegate;
class QAction;
class QLabel;
class QListWidget;
class QPushButton;

/// The advanced prediction: for the shown path one line per half hour and frequency
/// with the MUF, signal level, S/N, availability, take-off angle and hop configuration,
/// grouped by time or by frequency and filtered by the suppression settings. Lines are
/// shortened only on screen; the printed and saved list has them whole.
class HopsWindow : public QDialog {
    Q_OBJECT
public:
    HopsWindow(PredictionResultsInput input, PathKind kind, QWidget* parent = nullptr);

    PathKind pathKind() const { return m_pathKind; }
    HopsGrouping grouping() const { return m_grouping; }
    /// The list of the shown path and grouping, lines whole.
    const HopsList& list() const { return m_list; }
    /// The printed and saved lines.
    std::vector<std::string> reportLines() const;
    QString printDirectory() const { return m_printDirectory; }
    QString hintText() const;

    /// Writes the list as text to `path`; for an existing file the append-or-overwrite
    /// dialog asks first. Failures are reported by a message naming the operation.
    bool saveReportTo(const QString& path);

    /// The window of "&Info" (the path information with its Close button); tests
    /// replace it.
    void setPathInfoOpener(std::function<void(QWidget*)> opener) {
        m_pathInfoOpener = std::move(opener);
    }

public slots:
    void PathToggleBtnClick();
    void GroupToggleBtnClick();
    void Print1Click();
    void SaveAsText1Click();
    void Info1Click();
    void reject() override;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildControls();
    void Rebuild();
    void fillList();
    void setBusy(bool busy);

    PredictionResultsInput m_input;
    PathKind m_pathKind;
    HopsGrouping m_grouping = HopsGrouping::ByTime;
    HopsRules m_rules;
    HopsList m_list;
    QString m_printDirectory;
    bool m_busy = false;
    std::function<void(QWidget*)> m_pathInfoOpener;

    QListWidget* m_headerList = nullptr;
    HeaderLinesDelegate* m_headerDelegate = nullptr;
    QLabel* m_topLabel = nullptr;
    QListWidget* m_hopsList = nullptr;
    QLabel* m_footerLabel = nullptr;
    QPushButton* m_pathToggle = nullptr;
    QPushButton* m_groupToggle = nullptr;
    QPushButton* m_closeButton = nullptr;
    QLabel* m_hintPanel = nullptr;
    QLabel* m_helpPanel = nullptr;
    QAction* m_print = nullptr;
    QAction* m_saveAsText = nullptr;
};

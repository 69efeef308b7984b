#pragma once

#include "settings/Settings.h"
#include "settings/StationSettings.h"

#include <QDialog>

#include <functional>

class FrequencyPage;
class PredictionParamsPage;
class PreferencesPage;
class QPushButton;
class QTabWidget;
class StationPage;
class StatusLine;
class TerminalPage;

/// "Hopscope Options": the editor of the settings, on five pages (default terminal,
/// frequencies and constants, prediction parameters, user preferences, station). It edits a
/// copy: settings() gives the edited settings after "Save My Settings and Exit"
/// (exec() returns Accepted); Cancel, Escape or the close box give Rejected and the
/// caller keeps its settings. The window holds the pages, moves between them and saves;
/// each page is a widget of its own.
class OptionsDialog : public QDialog {
    Q_OBJECT
public:
    /// The page indexes of OptionsNotebook (as StartingOptionsPage numbers them).
    enum Page { TermPage = 0, FFParamsPage = 1, ParamsPage = 2, PrefsPage = 3, StationPg = 4 };

    /// `lastPage` is the page shown when the window was last closed in this run (−1
    /// at the first opening); `statusLine` (may be null) shows the controls' hints.
    OptionsDialog(const Settings& settings, int lastPage, StatusLine* statusLine,
                  QWidget* parent = nullptr);
    /// Hiding in QDialog's destructor takes the focus out of a field; the fields' handlers
    /// are cut off first, so that none runs on the half-destroyed dialog.
    ~OptionsDialog() override;

    /// The settings as edited: the original ones with every control written back.
    Settings settings() const;
    /// The choice, kept apart from the settings, to fetch the solar figures whenever a
    /// dialog with solar index fields opens (off unless the user turns it on).
    void setSolarFillOnOpen(bool on);
    bool solarFillOnOpen() const;
    /// The station and mode, kept in a file of their own, edited on the Station page;
    /// `dataDir` is where a pattern file's relative name is looked for.
    void setStationSettings(const StationSettings& station, const QString& dataDir);
    StationSettings stationSettings() const;
    /// The server of the published solar data, kept with that choice ("" for the
    /// default server), in the field "SolarServerEdit" of the preferences page. Save
    /// hands the text to `check`, when one is set, and refuses it with the message
    /// `check` returns unless that is empty.
    void setSolarServer(const QString& address);
    QString solarServer() const;
    void setSolarServerCheck(std::function<QString(const QString&)> check);
    /// The page shown now, to be handed to the next opening.
    int lastPage() const { return m_lastPage; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void placeOnScreen();
    void focusFirstControl(int page);
    bool pageLeaveAllowed();
    void pageChanged(int page);
    void focusField(QWidget* field);
    void save();
    bool validateForSave();

    Settings m_original;
    int m_lastPage = 0;
    bool m_firstShow = true;
    bool m_focusingField = false;

    QTabWidget* m_notebook = nullptr;
    TerminalPage* m_terminalPage = nullptr;
    FrequencyPage* m_frequencyPage = nullptr;
    PredictionParamsPage* m_paramsPage = nullptr;
    PreferencesPage* m_prefsPage = nullptr;
    StationPage* m_stationPage = nullptr;
    QPushButton* m_saveBtn = nullptr;
    QPushButton* m_cancelBtn = nullptr;
};

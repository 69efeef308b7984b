#pragma once

#include "settings/FrequencyRows.h"
#include "settings/Settings.h"
#include "settings/StationSettings.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTabWidget;
class StationPage;
class StatusLine;
class ValidatedEdit;
class IntegerEdit;
class LatitudeEdit;
class LongitudeEdit;
class NameEdit;
class RadioGroup;
class RealEdit;
class UpDown;
class WordEdit;

/// "Hopscope Options": the editor of the settings, on five pages (default terminal,
/// frequencies and constants, prediction parameters, user preferences, station). It edits a
/// copy: settings() gives the edited settings after "Save My Settings and Exit"
/// (exec() returns Accepted); Cancel, Escape or the close box give Rejected and the
/// caller keeps its settings.
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
    enum class FrequencyMode { Idle, Adding, Modifying };

    QWidget* buildTermPage();
    QWidget* buildFrequencyPage();
    QWidget* buildParamsPage();
    QWidget* buildPrefsPage();
    void placeOnScreen();

    void loadTerminal(const Settings& settings);
    void loadFrequencies(const Settings& settings);
    void loadParams(const Settings& settings);
    void loadPrefs(const Settings& settings);

    void focusFirstControl(int page);
    bool pageLeaveAllowed();
    void pageChanged(int page);
    void focusField(QWidget* field);

    void showRows(int selected);
    void setFrequencyMode(FrequencyMode mode);
    void selectRow(int row);
    int selectedRow() const;
    void AddFreqBtnClick();
    void NewFreqAddBtnClick();
    void NewFreqCancelBtnClick();
    void DeleteFreqBtnClick();
    void ModifyConstantBtnClick();
    void ModifyConstantModifyBtnClick();
    void ModifyConstantCancelBtnClick();
    void RestoreFactoryFAndFBtnClick();
    void RestoreFactoryPredParamsBtnClick();
    void RestoreFactoryPreferencesBtnClick();
    void SaveBtnClick();
    bool validateForSave();
    /// Fills the latitude and longitude (and an empty name) from the grid locator
    /// typed; false, after saying so, when it is no locator.
    bool applyLocator();

    Settings m_original;
    FrequencyRows m_rows;
    FrequencyMode m_mode = FrequencyMode::Idle;
    int m_lastPage = 0;
    bool m_firstShow = true;
    bool m_focusingField = false;

    QTabWidget* m_notebook = nullptr;
    // Default terminal.
    LatitudeEdit* m_latEdit = nullptr;
    LongitudeEdit* m_lonEdit = nullptr;
    NameEdit* m_nameEdit = nullptr;
    ValidatedEdit* m_locatorEdit = nullptr;
    // Frequencies and constants.
    QListWidget* m_freqList = nullptr;
    QListWidget* m_fudgeList = nullptr;
    QPushButton* m_deleteFreqBtn = nullptr;
    QPushButton* m_addFreqBtn = nullptr;
    QLabel* m_enterNewFreqLabel = nullptr;
    RealEdit* m_newFreqEdit = nullptr;
    QPushButton* m_newFreqAddBtn = nullptr;
    QPushButton* m_newFreqCancelBtn = nullptr;
    QPushButton* m_modifyConstantBtn = nullptr;
    QLabel* m_editConstantLabel = nullptr;
    RealEdit* m_constantEdit = nullptr;
    QPushButton* m_modifyBtn = nullptr;
    QPushButton* m_modifyCancelBtn = nullptr;
    QPushButton* m_restoreFAndFBtn = nullptr;
    // Prediction parameters.
    RealEdit* m_minRadAngleEdit = nullptr;
    IntegerEdit* m_noiseBWEdit = nullptr;
    RadioGroup* m_thresholdGroup = nullptr;
    RadioGroup* m_noiseGroup = nullptr;
    QCheckBox* m_suppressionCheckBox = nullptr;
    QPushButton* m_restorePredParamsBtn = nullptr;
    // User preferences.
    RadioGroup* m_sigDisplayGroup = nullptr;
    RadioGroup* m_timeDisplayGroup = nullptr;
    WordEdit* m_minutesEdit = nullptr;
    UpDown* m_minutesUpDown = nullptr;
    QLabel* m_minutesLabel = nullptr;
    RadioGroup* m_freqMapResGroup = nullptr;
    QGroupBox* m_primarySolarGroup = nullptr;
    QRadioButton* m_ssnRadioBtn = nullptr;
    QRadioButton* m_sfRadioBtn = nullptr;
    QPushButton* m_restorePrefsBtn = nullptr;
    QCheckBox* m_solarFillCheckBox = nullptr;
    // Station and mode.
    StationPage* m_stationPage = nullptr;
    ValidatedEdit* m_solarServerEdit = nullptr;
    std::function<QString(const QString&)> m_solarServerCheck;
    // Below the pages.
    QPushButton* m_saveBtn = nullptr;
    QPushButton* m_cancelBtn = nullptr;
};

#pragma once

#include "settings/Settings.h"

#include <QWidget>

#include <functional>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class RadioGroup;
class UpDown;
class ValidatedEdit;
class WordEdit;

/// The Options window's "User Preferences" page: signal display, time display, the
/// maps' update interval, the frequency map's resolution and the primary solar index,
/// with a button that restores their factory values; and, kept apart from the settings,
/// fetching solar data when a dialog opens and the server it comes from.
class PreferencesPage : public QWidget {
    Q_OBJECT
public:
    explicit PreferencesPage(QWidget* parent = nullptr);

    void load(const Settings& settings);
    void writeTo(Settings& settings) const;
    /// The first field refused (its message shown), or null: the update interval, then
    /// the server, which `check` (when set) refuses with the message it returns.
    ValidatedEdit* refusedField();
    /// False, with the focus kept there, while the interval field holds a refused value
    /// and has the focus.
    bool leaveAllowed();
    /// Puts the focus on the chosen primary solar index.
    void focusFirstField();

    void setSolarFillOnOpen(bool on);
    bool solarFillOnOpen() const;
    void setSolarServer(const QString& address);
    QString solarServer() const;
    void setSolarServerCheck(std::function<QString(const QString&)> check);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    RadioGroup* m_sigDisplayGroup = nullptr;
    RadioGroup* m_timeDisplayGroup = nullptr;
    WordEdit* m_minutesEdit = nullptr;
    UpDown* m_minutesUpDown = nullptr;
    QLabel* m_minutesLabel = nullptr;
    RadioGroup* m_freqMapResGroup = nullptr;
    QGroupBox* m_primarySolarGroup = nullptr;
    QRadioButton* m_ssnRadioBtn = nullptr;
    QRadioButton* m_sfRadioBtn = nullptr;
    QPushButton* m_restoreBtn = nullptr;
    QCheckBox* m_solarFillCheckBox = nullptr;
    ValidatedEdit* m_solarServerEdit = nullptr;
    std::function<QString(const QString&)> m_solarServerCheck;
};

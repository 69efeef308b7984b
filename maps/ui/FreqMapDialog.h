#pragma once

#include "core/Dates.h"
#include "core/TimeZone.h"
#include "maps/FreqMapSession.h"
#include "settings/Settings.h"
#include "widgets/AtlasPicker.h"
#include "widgets/SolarDataButton.h"

#include <QDialog>

struct CountryFileLoad;
class QLabel;
class QPushButton;
class StatusLine;
class DateEdit;
class KIndexEdit;
class SolarIndexEdit;
class TimeEdit;
class TerminalGroup;
struct AppState;
struct Atlas;

/// What the frequency-map dialog starts from: the current prediction's terminal A,
/// date and indices, and the program's settings, atlas, date order and time zone.
struct FreqMapDialogInput {
    FreqMapRequest previous; ///< station, date, solar and K index texts (time unused)
    Settings settings;
    const Atlas* atlas = nullptr;
    DateConventions dates;
    TimeZoneState zone;
    ClockReading clock; ///< "now" for the time field
    /// The country file that places callsigns; not owned, may be null.
    const CountryFileLoad* countries = nullptr;
};

/// The dialog's start from the program's state: the current prediction's terminal A,
/// date and indices, the settings, atlas, date order, time zone and clock. The coverage
/// map's dialog starts from the same.
FreqMapDialogInput FreqMapDialogInputOf(const AppState& state);

/// "Hopscope Frequency Map": the station (terminal A), the date, the solar and K
/// indices and the time of the map. OK checks every field (the first invalid one keeps
/// the focus), reads the station's coordinates and closes; request() then holds the
/// map to show. The dialog changes nothing but its own result.
class FreqMapDialog : public QDialog {
    Q_OBJECT
public:
    FreqMapDialog(FreqMapDialogInput input, StatusLine* statusLine, QWidget* parent = nullptr);

    void setAtlasPicker(const AtlasPicker& picker);
    /// Serves "Solar Data"; with the user's choice it fetches the figures at once.
    void setSolarDataSource(const SolarDataSource& source);
    const FreqMapRequest& request() const { return m_request; }

public slots:
    void OKBtnClick();

private:
    FreqMapDialogInput m_input;
    StatusLine* m_statusLine;
    TerminalGroup* m_terminal;
    SolarDataButton* m_solarData;
    DateEdit* m_date;
    SolarIndexEdit* m_solar;
    KIndexEdit* m_kIndex;
    TimeEdit* m_time;
    QLabel* m_zoneLabel;
    QPushButton* m_ok;
    FreqMapRequest m_request;
};

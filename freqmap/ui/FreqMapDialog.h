#pragma once

#include "maps/StationMapRequest.h"
#include "maps/ui/StationMapInput.h"
#include "widgets/AtlasPicker.h"
#include "widgets/SolarDataButton.h"
#include "widgets/StationDayFields.h"

#include <QDialog>

class QLabel;
class QPushButton;
class StatusLine;
class TimeEdit;

/// "Hopscope Frequency Map": the station (terminal A), the date, the solar and K
/// indices and the time of the map. OK checks every field (the first invalid one keeps
/// the focus), reads the station's coordinates and closes; request() then holds the
/// map to show. The dialog changes nothing but its own result.
class FreqMapDialog : public QDialog {
    Q_OBJECT
public:
    FreqMapDialog(StationMapInput input, StatusLine* statusLine, QWidget* parent = nullptr);

    void setAtlasPicker(const AtlasPicker& picker);
    /// Serves "Solar Data"; with the user's choice it fetches the figures at once.
    void setSolarDataSource(const SolarDataSource& source);
    const StationMapRequest& request() const { return m_request; }

public slots:
    void OKBtnClick();

private:
    StationMapInput m_input;
    StatusLine* m_statusLine;
    StationDayFields m_fields;
    TimeEdit* m_time;
    QLabel* m_zoneLabel;
    QPushButton* m_ok;
    StationMapRequest m_request;
};

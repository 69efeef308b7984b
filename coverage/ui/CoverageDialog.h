#pragma once

#include "maps/StationMapRequest.h"
#include "maps/ui/StationMapInput.h"

#include "widgets/AtlasPicker.h"
#include "widgets/SolarDataButton.h"
#include "widgets/StationDayFields.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;
class StatusLine;
class TimeEdit;

/// What the coverage-map dialog gives: the station, date, time and indices as the
/// frequency-map dialog reads them, and the frequency text.
struct CoverageDialogResult {
    StationMapRequest map;
    std::string freqText; ///< one of the user's frequencies or a typed one, 3..30 MHz
};

/// "Hopscope Coverage Map": terminal A, the date, the solar and K indices, the
/// frequency (one of the user's list, or typed) and the time. OK checks every field
/// (the first invalid one keeps the focus) and closes; result() then holds the map.
class CoverageDialog : public QDialog {
    Q_OBJECT
public:
    /// Starts from the same values as the frequency-map dialog.
    CoverageDialog(StationMapInput input, StatusLine* statusLine, QWidget* parent = nullptr);

    void setAtlasPicker(const AtlasPicker& picker);
    /// Serves "Solar Data"; with the user's choice it fetches the figures at once.
    void setSolarDataSource(const SolarDataSource& source);
    const CoverageDialogResult& result() const { return m_result; }

public slots:
    void OKBtnClick();

private:
    StationMapInput m_input;
    StationDayFields m_fields;
    QComboBox* m_freq;
    TimeEdit* m_time;
    QPushButton* m_ok;
    CoverageDialogResult m_result;
};

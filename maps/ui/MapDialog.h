#pragma once

#include "core/Dates.h"
#include "maps/MapDisplay.h"
#include "maps/PathMapRequest.h"
#include "report/PredictionSetup.h"
#include "settings/Settings.h"
#include "widgets/AtlasPicker.h"

#include <QDialog>
#include <memory>
#include <string>

struct CountryFileLoad;
class QPushButton;
class StatusLine;
class DateEdit;
class ValidatedEdit;
class TimeEdit;
class TerminalGroup;
class TerminalPair;
struct Atlas;

/// What the map dialog starts from.
struct MapDialogInput {
    PredictionInputs previous; ///< the terminals and date of the last prediction, the time zone
    Settings settings;         ///< the default terminal
    const Atlas* atlas = nullptr;
    DateConventions dates;
    std::string timeText; ///< the starting time, "hhmm"
    /// The country file that places callsigns; not owned, may be null.
    const CountryFileLoad* countries = nullptr;
};

/// The map dialog: terminals A and B, the date and the time of a map of either kind.
/// The terminal groups behave as in the prediction dialog; OK computes both paths
/// (refusing an indeterminate one) and closes.
class MapDialog : public QDialog {
    Q_OBJECT
public:
    MapDialog(MapKind kind, MapDialogInput input, StatusLine* statusLine,
              QWidget* parent = nullptr);
    ~MapDialog() override;

    void setAtlasPicker(const AtlasPicker& picker);
    /// After OK: the two terminals, both paths and the date of the map.
    const PathMapRequest& request() const { return m_request; }
    /// The four-digit time after OK.
    std::string mapTimeText() const;
    ValidatedEdit* rememberedField() const;

public slots:
    void OKBtnClick();

private:
    void FormCreate();

    MapDialogInput m_input;
    StatusLine* m_statusLine;
    TerminalGroup* m_groups[2] = {nullptr, nullptr};
    std::unique_ptr<TerminalPair> m_pair;
    DateEdit* m_date = nullptr;
    TimeEdit* m_time = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
    PathMapRequest m_request;
};

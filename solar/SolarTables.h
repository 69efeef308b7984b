#pragma once

#include "core/Dates.h"
#include "solar/SolarSources.h"

#include <string>
#include <string_view>
#include <vector>

// The rows of the published files of solar and geomagnetic indices, as read from their
// text. Rows that lack a field or carry a missing value are left out.

/// One observed 10.7 cm flux reading of the daily flux file.
struct DailyFluxRow {
    CalendarDay day;       ///< UTC day of the reading
    int minuteOfDay = 0;   ///< UTC time of the reading, 0..1439
    double fluxSfu = 0.0;  ///< solar flux units, > 0, as observed (at the Sun's distance)
    bool official = false; ///< the day's official value (the local-noon reading, 20 UTC)
};

/// One three-hour planetary K index of the Kp file.
struct KpRow {
    CalendarDay day;     ///< UTC day of the interval's start
    int minuteOfDay = 0; ///< UTC start of the interval, 0..1439
    double kp = 0.0;     ///< 0..9 in thirds (2.33, 2.67 ...)
};

/// One month of the observed solar cycle file; a value below 0 is missing.
struct ObservedMonthRow {
    int year = 0, month = 0;
    double ssn = -1.0;          ///< monthly mean sunspot number (2015 scale)
    double smoothedSsn = -1.0;  ///< 13-month smoothed sunspot number (2015 scale)
    double flux = -1.0;         ///< monthly mean 10.7 cm flux, sfu
    double smoothedFlux = -1.0; ///< 13-month smoothed 10.7 cm flux, sfu
};

/// One month of the predicted solar cycle file; a value below 0 is missing.
struct PredictedMonthRow {
    int year = 0, month = 0;
    double predictedSsn = -1.0;  ///< smoothed sunspot number (2015 scale)
    double predictedFlux = -1.0; ///< smoothed 10.7 cm flux, sfu
};

/// One day of the 27-day outlook.
struct OutlookDayRow {
    CalendarDay day;
    double fluxSfu = 0.0; ///< the forecast 10.7 cm flux, > 0
};

/// The rows of one file, or why the text is not that file: empty `error` on success.
template <typename Row> struct SolarTable {
    std::vector<Row> rows; ///< in the order of the file
    std::string error;     ///< e.g. "not valid JSON (cut short or damaged)"
    bool Ok() const { return error.empty(); }
};

/// The daily flux file: an array of objects with "time_tag" ("2026-12-08T20:00:00"),
/// "flux" (number) and "reporting_schedule" ("Noon" marks the official value; a file
/// without it has its official value at 20:00 UTC). An error when the text is not
/// JSON, not an array, or has no usable row.
SolarTable<DailyFluxRow> ParseDailyFlux(std::string_view json);

/// The planetary K index file, in either of its published shapes: an array of arrays
/// whose first row names the columns ("time_tag", "Kp", ...), or an array of objects
/// with "time_tag" and "Kp". Values may be numbers or number texts; a Kp outside 0..9
/// is left out.
SolarTable<KpRow> ParseKpIndex(std::string_view json);

/// The observed monthly file: objects with "time-tag" ("2026-03"), "ssn",
/// "smoothed_ssn", "f10.7" and "smoothed_f10.7" (-1 when missing). A month with every
/// value missing is left out.
SolarTable<ObservedMonthRow> ParseObservedMonths(std::string_view json);

/// The predicted monthly file: objects with "time-tag", "predicted_ssn" and
/// "predicted_f10.7".
SolarTable<PredictedMonthRow> ParsePredictedMonths(std::string_view json);

/// The 27-day outlook, a text table: lines "2026 Dec 09   150   5   2" (date, 10.7 cm
/// flux, planetary A index, largest Kp); lines beginning with ":" or "#" are comments.
SolarTable<OutlookDayRow> ParseDailyOutlook(std::string_view text);

/// The error of reading `text` as `file`; empty when the text is a usable file of that
/// kind (what decides whether a fetched text may replace the cached one).
std::string CheckSolarFileText(SolarFile file, std::string_view text);

#pragma once

#include "core/Dates.h"
#include "solar/SolarTables.h"

#include <chrono>
#include <optional>
#include <string>
#include <vector>

/// Which published series a solar figure comes from.
enum class SolarBasis { Daily, Monthly, Predicted };

/// "daily", "monthly" or "predicted".
const char* SolarBasisName(SolarBasis basis);

/// The figures for one date, as the solar index and K index fields take them, and
/// where they come from.
struct SolarFigure {
    std::string solarText; ///< "F152.3" (daily flux) or "S121.0" (sunspot number)
    std::string kText;     ///< rounded latest Kp for today ("3"); "" (average) otherwise
    SolarBasis basis = SolarBasis::Daily;
    CalendarDay figureDay;    ///< the day of the daily reading; the month (day 1) otherwise
    bool monthlyMean = false; ///< monthly: the month's mean, its smoothed value not yet out
    bool limited = false;     ///< the value was outside the field's range and was limited
    std::optional<KpRow> kp;  ///< the Kp reading behind `kText`
    std::chrono::system_clock::time_point fetchedAt{}; ///< when the figure's file was fetched
    std::vector<std::string> notes; ///< what went wrong without preventing the figure
};

/// The daily rule: when `date` lies between the file's first day and `today` and a
/// reading exists on it or at most two days before it, the last reading on or before
/// `date` as "F" + flux with one decimal (limited to 60..410); otherwise nullopt.
std::optional<SolarFigure> PickDailyFigure(const std::vector<DailyFluxRow>& rows, CalendarDay date,
                                           CalendarDay today);

/// The latest Kp reading that began at or before `now` and within the last 24 hours;
/// nullopt when there is none (an old file gives no K index rather than a stale one).
std::optional<KpRow> LatestKp(const std::vector<KpRow>& rows,
                              std::chrono::system_clock::time_point now);

/// The Kp rounded to the nearest whole number, as a K index text ("0".."9").
std::string KIndexTextOf(double kp);

/// The monthly rule: `date`'s month in the observed file: "S" + its smoothed sunspot
/// number, or its monthly mean when the smoothed one is missing (limited to 0..360).
std::optional<SolarFigure> PickObservedFigure(const std::vector<ObservedMonthRow>& rows,
                                              CalendarDay date);

/// The predicted rule: `date`'s month in the predicted file: "S" + predicted number.
std::optional<SolarFigure> PickPredictedFigure(const std::vector<PredictedMonthRow>& rows,
                                               CalendarDay date);

/// The UTC calendar day of a moment.
CalendarDay UtcDayOf(std::chrono::system_clock::time_point when);

/// "March 2041".
std::string MonthYearText(int year, int month);

/// "8 Dec 2026".
std::string ShortDayText(const CalendarDay& day);

/// "just now", "10 min ago", "3 h ago", "2 days ago" for the time from `then` to `now`.
std::string AgeText(std::chrono::system_clock::time_point then,
                    std::chrono::system_clock::time_point now);

/// The status line of a figure, e.g. "Daily flux of 8 Dec 2026, Kp 3 at 21:00 UTC,
/// fetched 10 min ago" or "Smoothed sunspot number of March 2026, fetched 2 days ago".
std::string SolarFigureSummary(const SolarFigure& figure,
                               std::chrono::system_clock::time_point now);

#pragma once

#include "core/Dates.h"
#include "solar/SolarTables.h"

#include <chrono>
#include <optional>
#include <string>
#include <vector>

/// Which published series a solar figure comes from.
enum class SolarBasis { Daily, Outlook, Monthly, Predicted };

/// "daily", "outlook", "monthly" or "predicted".
const char* SolarBasisName(SolarBasis basis);

/// The factor from a version-2 sunspot number (the scale published since 2015) to the
/// original scale, on which the prediction engines' models were made.
inline constexpr double kOriginalSunspotScale = 0.6;

/// The figures for one date, as the solar index and K index fields take them, and
/// where they come from.
struct SolarFigure {
    /// What the classic engine takes: "F152.3", the 10.7 cm flux as observed at the
    /// Sun's distance of the date (the engine reduces it to 1 AU and derives its
    /// sunspot number), or, when a file gives no flux, "S72.6", a sunspot number on the
    /// original scale (kOriginalSunspotScale × the published number).
    std::string solarText;
    std::string kText; ///< rounded latest Kp for today ("3"); "" (average) otherwise
    SolarBasis basis = SolarBasis::Daily;
    CalendarDay figureDay; ///< the day of the daily reading or outlook; the month (day 1) otherwise
    bool monthlyMean = false;  ///< monthly: the month's mean, its smoothed value not yet out
    bool standIn = false;      ///< a later day without outlook: the latest daily value stands in
    bool fromSunspots = false; ///< the file gave no flux: a converted sunspot number
    bool atOneAu = false; ///< the published flux is smoothed (1 AU), brought to the date's distance
    double published = 0.0;  ///< the value as the file gives it (sfu, or 2015-scale number)
    bool limited = false;    ///< the value was outside the field's range and was limited
    std::optional<KpRow> kp; ///< the Kp reading behind `kText`
    std::chrono::system_clock::time_point fetchedAt{}; ///< when the figure's file was fetched
    std::vector<std::string> notes; ///< what went wrong without preventing the figure
};

/// The solar index each prediction engine takes from a figure.
struct EngineSolarIndexes {
    std::string classic; ///< a solar index text for the classic engine ("F..." or "S...")
    std::string p533;    ///< a solar index text for the ITU-R P.533 engine
};

/// What each engine expects, both on the original sunspot scale. The classic engine:
/// the figure's solarText (an observed flux, or the converted sunspot number). The
/// P.533 engine wants R12 on the original scale: the same flux, which it converts to a
/// sunspot number as the program converts every flux, or the same converted number
/// (kOriginalSunspotScale × the published one), so that both engines see one level of
/// activity for one figure.
EngineSolarIndexes SolarIndexesForEngines(const SolarFigure& figure);

/// 1 / R² of the Earth–Sun distance R (astronomical units) at noon UTC of `day`, by
/// the low-precision solar coordinates of the Astronomical Almanac: g = 357.528° +
/// 35999.05°·T, R = 1.00014 − 0.01671·cos g − 0.00014·cos 2g (T in Julian centuries
/// from 2000-01-01 12:00 UTC). What turns a flux at 1 AU into the flux observed that day.
double InverseSquareSunDistance(const CalendarDay& day);

/// The daily rule: when `date` lies between the file's first day and `today` and an
/// official reading (the day's 20 UTC value; any reading when the file marks none)
/// exists on it or at most two days before it, the last such reading on or before
/// `date` as "F" + flux with one decimal (limited to 60..410); otherwise nullopt.
std::optional<SolarFigure> PickDailyFigure(const std::vector<DailyFluxRow>& rows, CalendarDay date,
                                           CalendarDay today);

/// The outlook rule: `date`'s day in the 27-day outlook as "F" + its flux.
std::optional<SolarFigure> PickOutlookFigure(const std::vector<OutlookDayRow>& rows,
                                             CalendarDay date);

/// A later day without an outlook: the latest official reading (PickDailyFigure of
/// `today`) stands in, marked as such.
std::optional<SolarFigure> PickLatestDailyFigure(const std::vector<DailyFluxRow>& rows,
                                                 CalendarDay today);

/// The latest Kp reading that began at or before `now` and within the last 24 hours;
/// nullopt when there is none (an old file gives no K index rather than a stale one).
std::optional<KpRow> LatestKp(const std::vector<KpRow>& rows,
                              std::chrono::system_clock::time_point now);

/// The Kp rounded to the nearest whole number, as a K index text ("0".."9").
std::string KIndexTextOf(double kp);

/// The monthly rule: `date`'s month in the observed file, the first the row gives of:
/// its smoothed flux (at 1 AU, times InverseSquareSunDistance(date)), its mean flux,
/// its smoothed sunspot number, its mean sunspot number (each number times
/// kOriginalSunspotScale, limited to 0..360; a flux limited to 60..410).
std::optional<SolarFigure> PickObservedFigure(const std::vector<ObservedMonthRow>& rows,
                                              CalendarDay date);

/// The predicted rule: `date`'s month in the predicted file: its predicted flux (at
/// 1 AU, brought to the date's distance), else its predicted sunspot number (times
/// kOriginalSunspotScale).
std::optional<SolarFigure> PickPredictedFigure(const std::vector<PredictedMonthRow>& rows,
                                               CalendarDay date);

/// The UTC calendar day of a moment.
CalendarDay UtcDayOf(std::chrono::system_clock::time_point when);

/// The day `days` days after `day` (before it when negative).
CalendarDay DayAfter(const CalendarDay& day, long days);

/// The number of days from `from` to `to` (negative when `to` is earlier).
long DaysBetween(const CalendarDay& from, const CalendarDay& to);

/// "March 2041".
std::string MonthYearText(int year, int month);

/// "8 Dec 2026".
std::string ShortDayText(const CalendarDay& day);

/// "just now", "10 min ago", "3 h ago", "2 days ago" for the time from `then` to `now`.
std::string AgeText(std::chrono::system_clock::time_point then,
                    std::chrono::system_clock::time_point now);

/// Where a figure comes from, without its age: "Daily flux of 8 Dec 2026, Kp 3 at
/// 21:00 UTC", "Smoothed flux of March 2026 (148.9 at 1 AU)", "Predicted sunspot
/// number of June 2027 × 0.6 (88.4 on the 2015 scale)", "27-day outlook flux for
/// 15 Dec 2026", "Latest daily flux, of 8 Dec 2026 (no 27-day outlook)".
std::string SolarFigureSource(const SolarFigure& figure);

/// The status line of a figure: SolarFigureSource and ", fetched 10 min ago".
std::string SolarFigureSummary(const SolarFigure& figure,
                               std::chrono::system_clock::time_point now);

/// Where a figure came from as a kept report says it, without a time that goes stale:
/// SolarFigureSource, ", fetched 2026-12-09 16:20 UTC", then each note in brackets.
std::string SolarFigureRecord(const SolarFigure& figure);

/// SolarFigureSummary followed by each of the figure's notes in brackets: what a window
/// or the command line shows, so that nothing that went wrong goes unsaid.
std::string SolarFigureStatus(const SolarFigure& figure, std::chrono::system_clock::time_point now);

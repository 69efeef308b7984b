#include "solar/SolarFigure.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

namespace {

constexpr const char* kMonthNames[] = {"January",   "February", "March",    "April",
                                       "May",       "June",     "July",     "August",
                                       "September", "October",  "November", "December"};

long DayNumber(const CalendarDay& d) {
    return JulianDayNumber(d.year, d.month, d.day);
}

long MinutesSinceEpoch(const CalendarDay& d, int minuteOfDay) {
    return (DayNumber(d) - JulianDayNumber(1970, 1, 1)) * 1440L + minuteOfDay;
}

/// "F" or "S" + value with one decimal, limited to [low, high].
std::string IndexText(char letter, double value, double low, double high, bool& limited) {
    const double rounded = std::round(value * 10.0) / 10.0;
    const double kept = std::clamp(rounded, low, high);
    limited = kept != rounded;
    char text[16];
    std::snprintf(text, sizeof text, "%c%.1f", letter, kept);
    return text;
}

/// A flux figure: "F" + the flux (limited to the field's 60..410).
SolarFigure FluxFigure(SolarBasis basis, const CalendarDay& day, double observedSfu,
                       double published) {
    SolarFigure figure;
    figure.basis = basis;
    figure.figureDay = day;
    figure.published = published;
    figure.solarText = IndexText('F', observedSfu, 60.0, 410.0, figure.limited);
    return figure;
}

/// A sunspot figure: "S" + the published (2015-scale) number on the original scale.
SolarFigure SunspotFigure(SolarBasis basis, const CalendarDay& day, double published) {
    SolarFigure figure;
    figure.basis = basis;
    figure.figureDay = day;
    figure.published = published;
    figure.fromSunspots = true;
    figure.solarText =
        IndexText('S', published * kOriginalSunspotScale, 0.0, 360.0, figure.limited);
    return figure;
}

std::string OneDecimal(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", value);
    return text;
}

} // namespace

const char* SolarBasisName(SolarBasis basis) {
    switch (basis) {
    case SolarBasis::Daily:
        return "daily";
    case SolarBasis::Outlook:
        return "outlook";
    case SolarBasis::Monthly:
        return "monthly";
    case SolarBasis::Predicted:
        return "predicted";
    }
    return "";
}

EngineSolarIndexes SolarIndexesForEngines(const SolarFigure& figure) {
    return {figure.solarText, figure.solarText};
}

double InverseSquareSunDistance(const CalendarDay& day) {
    constexpr double kDegToRad = std::numbers::pi / 180.0;
    const double centuries = static_cast<double>(DayNumber(day) - 2451545L) / 36525.0;
    const double g = (357.528 + 35999.05 * centuries) * kDegToRad;
    const double r = 1.00014 - 0.01671 * std::cos(g) - 0.00014 * std::cos(2.0 * g);
    return 1.0 / (r * r);
}

std::optional<SolarFigure> PickDailyFigure(const std::vector<DailyFluxRow>& rows, CalendarDay date,
                                           CalendarDay today) {
    const long day = DayNumber(date);
    if (rows.empty() || day > DayNumber(today))
        return std::nullopt;
    const bool marked =
        std::any_of(rows.begin(), rows.end(), [](const DailyFluxRow& row) { return row.official; });
    const DailyFluxRow* last = nullptr;
    long first = day + 1;
    for (const DailyFluxRow& row : rows) {
        const long rowDay = DayNumber(row.day);
        first = std::min(first, rowDay);
        if (rowDay > day || (marked && !row.official))
            continue;
        if (!last || std::pair(rowDay, row.minuteOfDay) >=
                         std::pair(DayNumber(last->day), last->minuteOfDay))
            last = &row;
    }
    constexpr long kMaxGapDays = 2;
    if (!last || day < first || day - DayNumber(last->day) > kMaxGapDays)
        return std::nullopt;
    return FluxFigure(SolarBasis::Daily, last->day, last->fluxSfu, last->fluxSfu);
}

std::optional<SolarFigure> PickOutlookFigure(const std::vector<OutlookDayRow>& rows,
                                             CalendarDay date) {
    for (const OutlookDayRow& row : rows)
        if (row.day == date)
            return FluxFigure(SolarBasis::Outlook, row.day, row.fluxSfu, row.fluxSfu);
    return std::nullopt;
}

std::optional<SolarFigure> PickLatestDailyFigure(const std::vector<DailyFluxRow>& rows,
                                                 CalendarDay today) {
    std::optional<SolarFigure> figure = PickDailyFigure(rows, today, today);
    if (figure)
        figure->standIn = true;
    return figure;
}

std::optional<KpRow> LatestKp(const std::vector<KpRow>& rows,
                              std::chrono::system_clock::time_point now) {
    const long nowMinutes = static_cast<long>(
        std::chrono::duration_cast<std::chrono::minutes>(now.time_since_epoch()).count());
    std::optional<KpRow> latest;
    long latestMinutes = 0;
    for (const KpRow& row : rows) {
        const long start = MinutesSinceEpoch(row.day, row.minuteOfDay);
        if (start <= nowMinutes && nowMinutes - start <= 24 * 60 &&
            (!latest || start >= latestMinutes)) {
            latest = row;
            latestMinutes = start;
        }
    }
    return latest;
}

std::string KIndexTextOf(double kp) {
    return std::to_string(static_cast<int>(std::clamp(std::lround(kp), 0L, 9L)));
}

std::optional<SolarFigure> PickObservedFigure(const std::vector<ObservedMonthRow>& rows,
                                              CalendarDay date) {
    for (const ObservedMonthRow& row : rows) {
        if (row.year != date.year || row.month != date.month)
            continue;
        const CalendarDay month{row.year, row.month, 1};
        SolarFigure figure;
        // A smoothed flux averages a year of distances: it is the flux at 1 AU. A
        // month's mean flux is as observed that month.
        if (row.smoothedFlux > 0.0) {
            figure =
                FluxFigure(SolarBasis::Monthly, month,
                           row.smoothedFlux * InverseSquareSunDistance(date), row.smoothedFlux);
            figure.atOneAu = true;
        } else if (row.flux > 0.0) {
            figure = FluxFigure(SolarBasis::Monthly, month, row.flux, row.flux);
            figure.monthlyMean = true;
        } else if (row.smoothedSsn >= 0.0) {
            figure = SunspotFigure(SolarBasis::Monthly, month, row.smoothedSsn);
        } else {
            figure = SunspotFigure(SolarBasis::Monthly, month, row.ssn);
            figure.monthlyMean = true;
        }
        return figure;
    }
    return std::nullopt;
}

std::optional<SolarFigure> PickPredictedFigure(const std::vector<PredictedMonthRow>& rows,
                                               CalendarDay date) {
    for (const PredictedMonthRow& row : rows) {
        if (row.year != date.year || row.month != date.month)
            continue;
        const CalendarDay month{row.year, row.month, 1};
        if (row.predictedFlux <= 0.0)
            return SunspotFigure(SolarBasis::Predicted, month, row.predictedSsn);
        SolarFigure figure =
            FluxFigure(SolarBasis::Predicted, month,
                       row.predictedFlux * InverseSquareSunDistance(date), row.predictedFlux);
        figure.atOneAu = true;
        return figure;
    }
    return std::nullopt;
}

CalendarDay UtcDayOf(std::chrono::system_clock::time_point when) {
    const std::chrono::year_month_day ymd{std::chrono::floor<std::chrono::days>(when)};
    return {static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
            static_cast<int>(static_cast<unsigned>(ymd.day()))};
}

CalendarDay DayAfter(const CalendarDay& day, long days) {
    return CalendarDate(DayNumber(day) + days);
}

long DaysBetween(const CalendarDay& from, const CalendarDay& to) {
    return DayNumber(to) - DayNumber(from);
}

std::string MonthYearText(int year, int month) {
    if (month < 1 || month > 12)
        return std::to_string(year);
    return std::string(kMonthNames[month - 1]) + " " + std::to_string(year);
}

std::string ShortDayText(const CalendarDay& day) {
    const std::string month =
        day.month >= 1 && day.month <= 12 ? std::string(kMonthNames[day.month - 1], 3) : "?";
    return std::to_string(day.day) + " " + month + " " + std::to_string(day.year);
}

std::string AgeText(std::chrono::system_clock::time_point then,
                    std::chrono::system_clock::time_point now) {
    const long minutes =
        static_cast<long>(std::chrono::duration_cast<std::chrono::minutes>(now - then).count());
    if (minutes < 1)
        return "just now";
    if (minutes < 120)
        return std::to_string(minutes) + " min ago";
    if (minutes < 48 * 60)
        return std::to_string(minutes / 60) + " h ago";
    return std::to_string(minutes / 1440) + " days ago";
}

std::string SolarFigureSource(const SolarFigure& figure) {
    const std::string month = MonthYearText(figure.figureDay.year, figure.figureDay.month);
    const std::string quantity = figure.fromSunspots ? "sunspot number" : "flux";
    std::string text;
    switch (figure.basis) {
    case SolarBasis::Daily:
        text = figure.standIn ? "Latest daily flux, of " + ShortDayText(figure.figureDay) +
                                    " (no 27-day outlook)"
                              : "Daily flux of " + ShortDayText(figure.figureDay);
        if (figure.kp) {
            char clock[16];
            std::snprintf(clock, sizeof clock, "%02d:%02d", figure.kp->minuteOfDay / 60,
                          figure.kp->minuteOfDay % 60);
            text += ", Kp " + figure.kText + " at " + clock + " UTC";
        }
        break;
    case SolarBasis::Outlook:
        text = "27-day outlook flux for " + ShortDayText(figure.figureDay);
        break;
    case SolarBasis::Monthly:
        text = (figure.monthlyMean ? "Monthly mean " : "Smoothed ") + quantity + " of " + month;
        break;
    case SolarBasis::Predicted:
        text = "Predicted " + quantity + " of " + month;
        break;
    }
    if (figure.fromSunspots)
        text += " \xC3\x97 0.6 (" + OneDecimal(figure.published) + " on the 2015 scale)";
    else if (figure.atOneAu)
        text += " (" + OneDecimal(figure.published) + " at 1 AU)";
    if (figure.limited)
        text += " (limited to the field's range)";
    return text;
}

std::string SolarFigureSummary(const SolarFigure& figure,
                               std::chrono::system_clock::time_point now) {
    return SolarFigureSource(figure) + ", fetched " + AgeText(figure.fetchedAt, now);
}

std::string SolarFigureRecord(const SolarFigure& figure) {
    const auto minutes = std::chrono::floor<std::chrono::minutes>(figure.fetchedAt);
    const CalendarDay day = UtcDayOf(minutes);
    const auto sinceMidnight = minutes - std::chrono::floor<std::chrono::days>(minutes);
    const long minuteOfDay = static_cast<long>(sinceMidnight.count());
    char stamp[40];
    std::snprintf(stamp, sizeof stamp, "%04d-%02d-%02d %02ld:%02ld UTC", day.year, day.month,
                  day.day, minuteOfDay / 60, minuteOfDay % 60);
    std::string text = SolarFigureSource(figure) + ", fetched " + stamp;
    for (const std::string& note : figure.notes)
        text += " (" + note + ")";
    return text;
}

std::string SolarFigureStatus(const SolarFigure& figure,
                              std::chrono::system_clock::time_point now) {
    std::string text = SolarFigureSummary(figure, now);
    for (const std::string& note : figure.notes)
        text += " (" + note + ")";
    return text;
}

#include "solar/SolarFigure.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

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

} // namespace

const char* SolarBasisName(SolarBasis basis) {
    switch (basis) {
    case SolarBasis::Daily:
        return "daily";
    case SolarBasis::Monthly:
        return "monthly";
    case SolarBasis::Predicted:
        return "predicted";
    }
    return "";
}

std::optional<SolarFigure> PickDailyFigure(const std::vector<DailyFluxRow>& rows, CalendarDay date,
                                           CalendarDay today) {
    const long day = DayNumber(date);
    if (rows.empty() || day > DayNumber(today))
        return std::nullopt;
    const DailyFluxRow* last = nullptr;
    long first = day + 1;
    for (const DailyFluxRow& row : rows) {
        const long rowDay = DayNumber(row.day);
        first = std::min(first, rowDay);
        if (rowDay > day)
            continue;
        if (!last || std::pair(rowDay, row.minuteOfDay) >=
                         std::pair(DayNumber(last->day), last->minuteOfDay))
            last = &row;
    }
    constexpr long kMaxGapDays = 2;
    if (!last || day < first || day - DayNumber(last->day) > kMaxGapDays)
        return std::nullopt;
    SolarFigure figure;
    figure.basis = SolarBasis::Daily;
    figure.figureDay = last->day;
    figure.solarText = IndexText('F', last->fluxSfu, 60.0, 410.0, figure.limited);
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
        SolarFigure figure;
        figure.basis = SolarBasis::Monthly;
        figure.figureDay = {row.year, row.month, 1};
        figure.monthlyMean = row.smoothedSsn < 0.0;
        figure.solarText = IndexText('S', figure.monthlyMean ? row.ssn : row.smoothedSsn, 0.0,
                                     360.0, figure.limited);
        return figure;
    }
    return std::nullopt;
}

std::optional<SolarFigure> PickPredictedFigure(const std::vector<PredictedMonthRow>& rows,
                                               CalendarDay date) {
    for (const PredictedMonthRow& row : rows) {
        if (row.year != date.year || row.month != date.month)
            continue;
        SolarFigure figure;
        figure.basis = SolarBasis::Predicted;
        figure.figureDay = {row.year, row.month, 1};
        figure.solarText = IndexText('S', row.predictedSsn, 0.0, 360.0, figure.limited);
        return figure;
    }
    return std::nullopt;
}

CalendarDay UtcDayOf(std::chrono::system_clock::time_point when) {
    const std::chrono::year_month_day ymd{std::chrono::floor<std::chrono::days>(when)};
    return {static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
            static_cast<int>(static_cast<unsigned>(ymd.day()))};
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

std::string SolarFigureSummary(const SolarFigure& figure,
                               std::chrono::system_clock::time_point now) {
    std::string text;
    switch (figure.basis) {
    case SolarBasis::Daily:
        text = "Daily flux of " + ShortDayText(figure.figureDay);
        if (figure.kp) {
            char clock[16];
            std::snprintf(clock, sizeof clock, "%02d:%02d", figure.kp->minuteOfDay / 60,
                          figure.kp->minuteOfDay % 60);
            text += ", Kp " + figure.kText + " at " + clock + " UTC";
        }
        break;
    case SolarBasis::Monthly:
        text = std::string(figure.monthlyMean ? "Monthly mean sunspot number of "
                                              : "Smoothed sunspot number of ") +
               MonthYearText(figure.figureDay.year, figure.figureDay.month);
        break;
    case SolarBasis::Predicted:
        text = "Predicted sunspot number of " +
               MonthYearText(figure.figureDay.year, figure.figureDay.month);
        break;
    }
    if (figure.limited)
        text += " (limited to the field's range)";
    return text + ", fetched " + AgeText(figure.fetchedAt, now);
}

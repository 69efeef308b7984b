#include "engine/SolarEphemeris.h"

#include <array>
#include <cmath>
#include <string>

#include "core/Constants.h"
#include "core/Numeric.h"

namespace {

/// Julian Date of a date-time value: the day number of its calendar date plus its
/// day fraction minus 0.5.
double JulianDate(DateValue t) {
    return t + (kJulianDayOfDateZero - 0.5);
}

constexpr double kJ2000 = 2451545.0;
constexpr double kInverseJulianCentury = 1.0 / 36525.0;

} // namespace

SunCoordinatesResult SunCoordinates(DateValue t) {
    const double centuries = (JulianDate(t) - kJ2000) * kInverseJulianCentury;
    const double meanLongitudeDeg = PositiveMod(360, 280.46 + 36000.772 * centuries);
    const double meanAnomalyDeg = PositiveMod(360, 357.528 + 35999.05 * centuries);
    const double g = meanAnomalyDeg * kRadPerDeg;
    const double lambdaRad =
        (meanLongitudeDeg + (1.915 - 0.0048 * centuries) * std::sin(g) + 0.02 * std::sin(2.0 * g)) *
        kRadPerDeg;
    const double obliquityRad = (23.439 - 0.013 * centuries) * kRadPerDeg;

    SunCoordinatesResult r;
    r.meanAnomalyRad = g;
    r.sinEclipticLongitude = std::sin(lambdaRad);
    r.sinDeclination = std::sin(obliquityRad) * r.sinEclipticLongitude;
    r.declination = ArcSin(r.sinDeclination);
    r.cosDeclination = std::cos(r.declination);
    const double alphaDeg =
        ArcCos(std::cos(lambdaRad) / r.cosDeclination) * kDegPerRad * Sign(r.declination);
    r.lMinusAlphaDeg = meanLongitudeDeg - alphaDeg;
    double e = PositiveMod(24, r.lMinusAlphaDeg / 15.0);
    if (e > 12.0)
        e -= 24.0;
    r.equationOfTimeHours = e;
    return r;
}

SolarPosition ComputeSolarPosition(DateValue date, const TimeZoneState& zone) {
    const DateValue t = date + 0.5 - zone.UtcOffset;
    const SunCoordinatesResult sun = SunCoordinates(t);

    SolarPosition p;
    p.SinEclipticLongitude = sun.sinEclipticLongitude;
    p.Declination = sun.declination;
    p.CosDeclination = sun.cosDeclination;
    p.SinDeclination = sun.sinDeclination;
    p.EquationOfTime = sun.equationOfTimeHours;
    p.HourAngleOffset = sun.lMinusAlphaDeg - 180.0;
    p.Distance = 1.00014 - 0.01671 * std::cos(sun.meanAnomalyRad) -
                 0.00014 * std::cos(2.0 * sun.meanAnomalyRad);
    p.InverseSquareDistance = 1.0 / (p.Distance * p.Distance);

    // The equation of time at noon of six mid-month anchors around the date.
    const int year = CalendarFromDate(t).year;
    const std::array<CalendarDay, 6> anchors = {{{year - 1, 12, 15},
                                                 {year, 3, 15},
                                                 {year, 4, 15},
                                                 {year, 6, 15},
                                                 {year, 12, 15},
                                                 {year + 1, 3, 15}}};
    std::array<long, 6> dayNumber{};
    std::array<double, 6> equation{};
    for (std::size_t k = 0; k < anchors.size(); ++k) {
        dayNumber[k] = JulianDayNumber(anchors[k].year, anchors[k].month, anchors[k].day);
        equation[k] =
            SunCoordinates(static_cast<DateValue>(dayNumber[k] - kJulianDayOfDateZero) + 0.5)
                .equationOfTimeHours;
    }
    const double j = JulianDate(t);
    std::size_t i = 1;
    while (i < anchors.size() - 1 && j > dayNumber[i])
        ++i;
    const double interpolated =
        equation[i - 1] + (j - dayNumber[i - 1]) * (equation[i] - equation[i - 1]) /
                              static_cast<double>(dayNumber[i] - dayNumber[i - 1]);
    p.TimeCorrection = p.EquationOfTime - interpolated;
    return p;
}

std::optional<SolarIndexValues> ConvertSolarIndex(std::string_view text, const SolarPosition& sun) {
    text = text.substr(0, 6);
    if (text.empty() || (text.front() != 'S' && text.front() != 'F'))
        return std::nullopt;
    const std::optional<double> number = ParseDecimal(text.substr(1), true);
    // Without the Sun's distance for the date there is nothing to convert with.
    if (!number || !(sun.InverseSquareDistance > 0.0))
        return std::nullopt;
    const double v = *number;
    double ssn = 0.0;
    double flux = 0.0;
    if (text.front() == 'S') {
        ssn = v;
        flux = (63.75 + 0.728 * v + 0.00089 * v * v) * sun.InverseSquareDistance;
    } else {
        flux = v;
        const double atOneAu = v / sun.InverseSquareDistance;
        if (atOneAu >= 63.75) {
            ssn = (std::sqrt(1.0 + (atOneAu - 63.75) * 3560.0 / (728.0 * 728.0)) - 1.0) * 364.0 *
                  (1.0 / 0.89);
        } else {
            ssn = 0.0;
            flux = 63.75 * sun.InverseSquareDistance;
        }
    }
    return SolarIndexValues{static_cast<float>(ssn), static_cast<float>(flux)};
}

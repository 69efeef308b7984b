#pragma once

#include <optional>
#include <string_view>

#include "core/Dates.h"
#include "core/SolarPosition.h"
#include "core/TimeZone.h"

// The Sun for the prediction date, by the low-precision solar coordinates of the
// Astronomical Almanac (about 0.01°), with the Earth–Sun distance and a
// correction of the equation of time interpolated between six monthly anchors.

/// The Sun at one instant.
struct SunCoordinatesResult {
    double meanAnomalyRad = 0.0;       ///< g
    double sinEclipticLongitude = 0.0; ///< sin λ
    double declination = 0.0;          ///< δ, radians
    double cosDeclination = 1.0;
    double sinDeclination = 0.0;
    double lMinusAlphaDeg = 0.0;      ///< mean longitude minus right ascension, degrees, unwrapped
    double equationOfTimeHours = 0.0; ///< ((L − α)/15) mod 24, in (−12, +12]
};

/// The Sun at t, a UTC date-time value. T = (JD − 2451545)/36525 Julian centuries
/// (0 at 2000-01-01 12:00 UTC); L = 280.46 + 36000.772·T and g = 357.528 +
/// 35999.05·T degrees, both reduced into [0, 360); λ = L + (1.915 − 0.0048·T)·sin g
/// + 0.02·sin 2g; ε = 23.439 − 0.013·T; sin δ = sin ε·sin λ;
/// α = arccos(cos λ / cos δ)·sign(δ) (0 when δ is exactly 0).
SunCoordinatesResult SunCoordinates(DateValue t);

/// The Sun for a calendar date, at t = date + 0.5 − UtcOffset (noon of the date in
/// the user's time zone, as UTC). Adds the distance R = 1.00014 − 0.01671·cos g −
/// 0.00014·cos 2g and TimeCorrection: the equation of time minus its linear
/// interpolation between the anchors 15 Dec of Y−1, 15 Mar, 15 Apr, 15 Jun and
/// 15 Dec of Y and 15 Mar of Y+1 (Y the year of t).
SolarPosition ComputeSolarPosition(DateValue date, const TimeZoneState& zone);

/// The sunspot number and the 10.7 cm solar flux, each as a 32-bit float.
struct SolarIndexValues {
    float Ssn = 0.0f;
    float Flux = 0.0f;
};

/// Both solar numbers from a stored solar index text ("S100.0" or "F150.0"; only
/// the first 6 characters count). A sunspot number R gives the flux
/// (63.75 + 0.728·R + 0.00089·R²)/R² of the Sun's distance; a flux gives the
/// positive root R of that polynomial for the flux reduced to 1 AU, or R = 0 with
/// the flux raised to 63.75 /R² when the reduced flux is below 63.75. Needs the
/// SolarPosition of the prediction date. nullopt for a text that does not start
/// with S or F followed by a number (the entry field never stores one), and
/// before the SolarPosition has been computed (zero distance term).
std::optional<SolarIndexValues> ConvertSolarIndex(std::string_view text, const SolarPosition& sun);

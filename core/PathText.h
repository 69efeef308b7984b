#pragma once

#include <string>
#include <string_view>

#include "core/SolarPosition.h"
#include "core/Terminal.h"
#include "core/TimeZone.h"

/// A coordinate for display: latitude FormatFixed(|v|, 5, 2) + " N"/" S", longitude
/// FormatFixed(|v|, 6, 2) + " W"/" E" (west positive), two blanks instead of the
/// letter for 0. E.g. "40.90 N", " 28.18 W", "128.18 E". At most 11 characters
/// for values within ±360.
std::string FormatCoordinate(CoordinateKind kind, double valueDeg);

/// Sunrise or sunset.
enum class SunEvent { Sunrise = 0, Sunset = 1 };

/// The clock time of sunrise or sunset at a place for the sun's position of the
/// day, as "HHMM " + TimeZoneLabel (e.g. "0612 UTC"), cut to 8 characters.
/// Hour angle H = arccos(−sin φ·sin δ / (cos φ·cos δ)), transit at
/// (lon − HourAngleOffset)/15 h UTC, event at transit ∓ H/15, shown as UTC − UtcOffset.
/// "None" when the Sun stays below or above the horizon all day (the arccos
/// argument outside [−1, 1]) or the place is exactly at a pole (cosLat = 0).
std::string SunEventTime(SunEvent event, double sinLat, double cosLat, double lonDeg,
                         const SolarPosition& sun, const TimeZoneState& zone);

/// The two bearings along the gray line (the day/night border) at sunrise or
/// sunset, e.g. "   135/315 deg", filled on the left to 11 characters:
/// n = round(PositiveMod(360, arccos(sin δ / cos φ)° − 90)); sunrise n/(n+180),
/// sunset (360−n)/(540−n), each mod 360. "None" when |sin δ / cos φ| > 1 or cos φ = 0.
std::string GrayLineBearings(SunEvent event, double cosLat, const SolarPosition& sun);

/// The K index as header line 3 shows it: "Average" for an empty text or "-1",
/// otherwise the text itself.
std::string KIndexShown(std::string_view kIndexText);

/// The three 101-character header lines of one path: the terminals' coordinates,
/// names, sunrise/sunset and bearings (line 1 for A, line 2 for B), then the solar
/// indices, the K index and the path length in km (DisplayRadiusKm). ssn and flux
/// are single-precision values as the engine holds them.
HeaderLines BuildHeaderLines(const Terminal& a, const Terminal& b, const PathGeometry& path,
                             float ssn, float flux, std::string_view kIndexText,
                             const SolarPosition& sun, const TimeZoneState& zone);

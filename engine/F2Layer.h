#pragma once

#include <array>

#include "core/SolarPosition.h"

// The F2 layer: critical frequency from an empirical sum of bell-shaped local-time
// terms around the magnetic dip equator, reflection height, obliquity factor,
// short-hop factor and geomagnetic-activity factor, multiplied into the F2-layer
// maximum usable frequency at a control point. Arguments and results are 32-bit
// floats as the engine holds them; the arithmetic in between is double.
// Latitudes north positive, longitudes WEST positive, angles in radians.

/// The F2 critical frequency and the by-products the other F2 routines take.
struct F2Critical {
    float foF2 = 0.0f; ///< MHz (may come out ≤ 0 deep in the polar night)
    float M = 0.0f;    ///< |dip latitude| in degrees, clamped at MaxMagneticLatitude
    float LT = 0.0f;   ///< local time, hours in [0, 24)
    float S = 0.0f;    ///< summer weight 0..1
    float W = 0.0f;    ///< winter weight 0..1 (S or W is 0)
};

/// foF2 at (latRad, lonWestRad) at tHours UTC for sunspot number ssn: eighteen
/// cosine-bell terms in local time (the last seven only in local winter), blended
/// into the polar-cap expression where the dip latitude reaches its clamp, scaled
/// by 1/R² of the Sun's distance. Longitudes of any size are reduced modulo 360°.
F2Critical F2CriticalFrequency(float latRad, float lonWestRad, float ssn, float tHours,
                               const SolarPosition& sun);

/// The parts of F2CriticalFrequency at one place that stay the same all day: the
/// dip latitude, the seasonal weights and the width and amplitude of every term.
/// A place evaluated at many times pays for them once.
struct F2Place {
    double latDeg = 0.0;
    double lonDeg = 0.0; ///< west positive
    double dipLat = 0.0;
    float M = 0.0f;
    float S = 0.0f;
    float W = 0.0f;
    bool polarCap = false; ///< M reached its clamp: blend toward the polar-cap expression
    double reff = 0.0;     ///< the sunspot number the terms take (compressed above 150)
    double firstAmplitude = 0.0;
    int lastTerm = 10; ///< the last term in use (the last seven only in local winter)
    std::array<double, 18> width{};
    std::array<double, 18> amplitude{}; ///< from term 1; term 0 has firstAmplitude
};

/// The day-long parts of F2CriticalFrequency at a place.
F2Place PrepareF2Critical(float latRad, float lonWestRad, float ssn, const SolarPosition& sun);

/// F2CriticalFrequency at tHours UTC from the prepared place: the same values.
F2Critical F2CriticalAt(const F2Place& place, float tHours, const SolarPosition& sun);

/// F2 reflection height in km: the base height 0.5·Ssn + 275 (Ssn ≤ 150) or
/// 0.05·Ssn + 350, raised by day/night terms between dip latitudes 20° and 60° and
/// near the dip equator (M ≤ 10°).
float F2ReflectionHeight(float ssn, float M, float LT, float S, float W);

/// The base F2 height alone (km), used for the hop geometry: 0.05·Ssn + 350 when
/// Ssn > 150, else 0.5·Ssn + 275 (350 at 150, 357.5 just above it).
float F2BaseHeight(float ssn);

/// Obliquity factor sec i = 1/√(1 − (Re·cos Δ/(Re + h))²) at the reflection height
/// h of F2ReflectionHeight, for a ray of take-off elevation Δ (cosElevation = cos Δ).
float F2Secant(float ssn, float cosElevation, float M, float LT, float S, float W);

/// Geomagnetic-activity factor Y for K index k at the place and local time LT:
/// 1 for k < 0 (the average K index); otherwise the K-index factor table
/// interpolated in season, geomagnetic-latitude band, local-time block and solar
/// level (Ssn clamped to 15..190).
float F2KIndexFactor(int month, int day, int k, float lonWestRad, float latRad, float LT,
                     float ssn);

/// F2-layer MUF (MHz) at the control point for a hop of elevation Δ:
/// F2Secant · foF2 · X · Y, with the short-hop factor X = 1 + 0.18673·(1 − Δ/(π/2))^6.614.
/// k is the K index, −1 for the average.
float F2Muf(int month, int day, int k, float lonWestRad, float latRad, float cosElevation,
            float elevationRad, float ssn, float tHours, const SolarPosition& sun);

/// The day-long parts of F2Muf at a control point for one hop elevation.
struct F2MufPlace {
    F2Place critical;
    int month = 1;
    int day = 1;
    int k = -1;
    float lonWestRad = 0.0f;
    float latRad = 0.0f;
    float cosElevation = 1.0f;
    float ssn = 0.0f;
    double shortHopFactor = 1.0; ///< X
};

/// The day-long parts of F2Muf (same arguments but the time).
F2MufPlace PrepareF2Muf(int month, int day, int k, float lonWestRad, float latRad,
                        float cosElevation, float elevationRad, float ssn,
                        const SolarPosition& sun);

/// F2Muf at tHours UTC from the prepared control point: the same value.
float F2MufAt(const F2MufPlace& place, float tHours, const SolarPosition& sun);

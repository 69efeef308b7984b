#pragma once

#include "core/SolarPosition.h"
#include "engine/QuickMath.h"

// The E layer: its critical frequency by the structure of Muggleton's formula and
// the maximum usable frequency of a hop reflected by it. Arguments and results are
// 32-bit floats as the engine holds them; the arithmetic in between is double.
// Latitudes north positive, longitudes WEST positive, angles in radians.

/// Constants of the E-layer model, computed once.
struct ELayerConstants {
    double NightCosine = 0.0; ///< sin(6.27e-13·40^8.02 °): the modified zenith cosine at χ = 90°
    double NightFloorHigh = 0.0;  ///< NightCosine^1.2 (|latitude| above 12°)
    double NightFloorLow = 0.0;   ///< NightCosine^1.31
    double CosineOf73 = 0.0;      ///< cos 73°
    double NoonLimit = 0.0;       ///< 80°, radians
    double EReferenceAngle = 0.0; ///< 0.5·arccos(0.9830147248905233), radians
};

/// The process-wide E-layer constants (immutable after their first construction).
const ELayerConstants& ELayerConstantsTable();

/// Ground half-angle (radians, ≥ 0) of a hop reflected at 110 km height whose
/// take-off elevation is `elevationRad` (cosElevation its cosine):
/// ψ = π/2 − Δ − arcsin(Re·cos Δ/(Re + 110)), 0 when that comes out negative.
float EHopGroundAngle(float cosElevation, float elevationRad);

/// E-layer maximum usable frequency (MHz, > 0) of a hop of elevation Δ whose control
/// point is (latRad, lonWestRad), at tHours UTC (0..24) for sunspot number ssn.
/// foE = G^(1/4) with G the larger of the night floor 0.017·(1 + 0.0098·Ssn)² and
/// the solar term D·R^−2.4·(1 + 0.0091·Ssn)·A (noon factor A, zenith term D with
/// its twilight and after-sunset decay), times a quartic in the hop's ground
/// half-angle relative to the reference hop. Reads the Sun's declination, hour
/// angle and distance. Any latitude, including the poles, is accepted.
float EMuf(float lonWestRad, float latRad, float ssn, float tHours, float cosElevation,
           float elevationRad, const SolarPosition& sun);

/// The parts of EMuf at one control point and hop elevation that stay the same all
/// day, so that a point evaluated at many times pays for them once.
struct EMufPoint {
    double lonWestRad = 0.0;
    double sinTerm = 0.0;        ///< sin φ·sin δ
    double cosTerm = 0.0;        ///< cos φ·cos δ
    double lDeg = 0.0;           ///< |φ| in degrees
    double noonFactor = 0.0;     ///< A
    double distanceFactor = 0.0; ///< R^−2.4
    double solarFactor = 0.0;    ///< 1 + 0.0091·Ssn
    double floorG = 0.0;         ///< 0.017·(1 + 0.0098·Ssn)²
    double floorFoE = 0.0;       ///< floorG^(1/4), the night foE
    bool hasSunset = false;      ///< the Sun rises and sets here on this day
    double sunsetHours = 0.0;    ///< UTC hour of sunset at 0 h local shift, for the decay
    double hopFactor = 0.0;      ///< the quartic in the hop's ground half-angle
    double cosLon = 1.0;         ///< cos and sin of the longitude, for EMufEstimate
    double sinLon = 0.0;
    /// Deep night, where EMufAt is exactly floorMuf: cos χ below nightCosLimit
    /// and, where the Sun sets, more than nightSinceLimit hours after sunset.
    double nightCosLimit = -2.0;
    double nightSinceLimit = 24.0;
    float floorMuf = 0.0f; ///< the night-floor MUF, floorFoE·hopFactor as a float
};

/// The day-long parts of EMuf for a control point and hop elevation.
EMufPoint PrepareEMuf(float lonWestRad, float latRad, float ssn, float cosElevation,
                      float elevationRad, const SolarPosition& sun);

/// The parts of PrepareEMuf that are the same at every point of one hop
/// elevation: the Sun's distance, the solar and floor terms and the hop factor.
struct EMufShared {
    double distanceFactor = 0.0;
    double solarFactor = 0.0;
    double floorG = 0.0;
    double floorFoE = 0.0;
    double hopFactor = 0.0;
};

EMufShared PrepareEMufShared(float ssn, float cosElevation, float elevationRad,
                             const SolarPosition& sun);

/// PrepareEMuf with the shared parts made once for many points.
EMufPoint PrepareEMuf(float lonWestRad, float latRad, const EMufShared& shared,
                      const SolarPosition& sun);

/// EMuf at tHours UTC from the prepared point: the same value EMuf gives.
float EMufAt(const EMufPoint& point, float tHours, const SolarPosition& sun);

/// How closely EMufEstimate follows EMufAt when it says it is sure: a relative
/// difference below this bound (the estimate's own error is below 1e-4).
constexpr double kEMufEstimateTolerance = 1e-3;

/// How far to trust an EMufEstimate.
enum class EMufEstimateKind {
    Unsure, ///< near a branch point of the zenith term or the nadir: only EMufAt will do
    Sure,   ///< within kEMufEstimateTolerance of EMufAt (relative)
    Exact,  ///< deep night, where the E layer is at its floor: exactly EMufAt
};

/// A quick estimate of EMufAt (MHz) at half hour j (0.5·j h UTC), for decisions
/// that only compare a frequency with the E-layer MUF. Deep in the night, where
/// both night terms of the zenith term (with a 1 % margin) leave the layer at its
/// floor, it is the exact value point.floorMuf.
double EMufEstimate(const EMufPoint& point, int j, const SunHourAngles& angles,
                    EMufEstimateKind& kind);

#pragma once

#include <array>

#include "core/Geometry.h"
#include "core/SolarPosition.h"
#include "core/Terminal.h"
#include "engine/ELayer.h"
#include "engine/F2Layer.h"
#include "engine/PredictionRequest.h"

// One path's hop geometry, its control points, the path MUF of a half hour and
// the probability that each frequency is supported. Radians, longitudes WEST
// positive; the hop geometry and the MUFs are 32-bit floats as the engine holds them.

/// The hop structure of the path that meets the minimum take-off angle.
struct HopGeometry {
    int hops = 1;                 ///< i: fewest hops whose elevation reaches the minimum
    float psi = 0.0f;             ///< ground half-angle D/(2i) of one hop
    float elevation = 0.0f;       ///< Δ(ψ), take-off angle
    float cosElevation = 1.0f;    ///< cos Δ
    float eGroundAngle = 0.0f;    ///< EHopGroundAngle(cos Δ, Δ)
    float oddPsi = 0.0f;          ///< ψ′ = D/(2i − 1)
    float oddElevation = 0.0f;    ///< Δ(ψ′)
    float oddCosElevation = 1.0f; ///< cos Δ′
    float oddEGroundAngle = 0.0f; ///< EHopGroundAngle(cos Δ′, Δ′)
};

/// Take-off angle (radians) of a hop of ground half-angle psi reflected at height
/// h0: atan((cos ψ − Re/(Re + h0))/sin ψ), rounded to a float. Negative when the
/// hop is too long to leave above the horizon.
float HopElevation(float psi, float baseHeightKm);

/// The hop count i = the smallest i ≥ 1 with HopElevation(D/(2i)) ≥ minimum, and
/// the even and odd geometries that follow from it (ψ′ = D/(2i − 1)). The search
/// gives up after 1000 hops (unreachable for minimum angles up to 45°).
HopGeometry ComputeHopGeometry(double lengthRad, float baseHeightKm, double minElevationRad);

/// What every step of one path reads; set up once per path.
struct PathSetup {
    const SolarPosition* sun = nullptr;
    GeoLatLon start; ///< terminal A
    PathKind kind = PathKind::Short;
    double bearingRad = 0.0;      ///< the path's bearing at A
    double farLongitudeRad = 0.0; ///< terminal B's longitude (for paths from a pole)
    double lengthRad = 0.0;       ///< D
    int month = 1;
    int day = 1;
    int kIndex = -1; ///< −1: the average K index
    float ssn = 0.0f;
    float baseHeightKm = 0.0f; ///< h0 of the hop geometry
    double minElevationRad = 0.0;
    int frequencyCount = 0;
    std::array<FrequencyTerms, kMaxFrequencies> frequencies{};
    HopGeometry hops;
};

/// The set-up of one path of a request (kind chooses the short or the long path).
PathSetup MakePathSetup(const PredictionRequest& request, PathKind kind);

/// The point at distance x (radians) from A along the path (PointAlongPath).
GeoLatLon PathPoint(const PathSetup& setup, double distanceRad);

/// The fixed control points of the path MUF (they do not change with the time).
struct ControlPoints {
    GeoLatLon f1;     ///< ψ
    GeoLatLon f2;     ///< D − ψ
    GeoLatLon e1;     ///< Eψ
    GeoLatLon e2;     ///< D − Eψ
    GeoLatLon middle; ///< D/2
    GeoLatLon oddF1;  ///< ψ′
    GeoLatLon oddE2;  ///< D − Eψ′
    GeoLatLon oddF2;  ///< D − ψ′
    GeoLatLon oddE1;  ///< Eψ′
    // The day-long terms of the layer models at those points, prepared once per path.
    F2MufPlace f1Terms, f2Terms, oddF1Terms, oddF2Terms;
    EMufPoint e1Terms, e2Terms, middleTerms, oddE1Terms, oddE2Terms;
};

ControlPoints ComputeControlPoints(const PathSetup& setup);

/// The layer that limits a reliability: E deciles are fixed at 95 % and 105 % of the
/// MUF, F deciles come from the decile table.
enum class Layer { E, F };

/// Probability 0..1 that freqMHz is supported when the median MUF is mufMHz, at the
/// point (latRad, lonWestRad) at tHours UTC: 0.5 at the MUF, 0.1 at the upper
/// decile, 0.9 at the lower decile, never outside 0..1 (0 for a MUF ≤ 0).
double Reliability(Layer layer, float freqMHz, double tHours, double latRad, double lonWestRad,
                   float mufMHz, int month, float ssn, const SolarPosition& sun);

/// The decile limits of a reliability, percent of the MUF: 95 and 105 for the E
/// layer, from the decile table cell of the place, local time, season and solar
/// level for the F layer.
struct DecileLimits {
    double lower = 95.0;
    double upper = 105.0;
};

DecileLimits DecileLimitsFor(Layer layer, double tHours, double latRad, double lonWestRad,
                             int month, float ssn, const SolarPosition& sun);

/// Reliability with the decile limits already looked up.
double ReliabilityWithin(const DecileLimits& limits, float freqMHz, float mufMHz);

/// The reliabilities at both control points for every frequency of one half hour.
struct ReliabilityRow {
    std::array<float, kMaxFrequencies> atA{};
    std::array<float, kMaxFrequencies> atB{};
};

/// The path MUF (MHz) at tHours UTC from the F2 and E layers at the control points
/// (one-hop, multi-hop and odd-hop geometries). When `reliabilities` is given, it
/// is filled for the setup's frequencies: the first control point's F reliability,
/// and the last one's (1 for a one-hop path).
float PathMuf(const PathSetup& setup, const ControlPoints& points, float tHours,
              ReliabilityRow* reliabilities);

#pragma once

#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "core/Dates.h"
#include "core/Geometry.h"
#include "core/SolarPosition.h"
#include "core/Terminal.h"
#include "engine/PredictionRequest.h"
#include "engine/SolarEphemeris.h"

// The propagation engine as the rest of the program sees it: a whole prediction for a
// request, one path at chosen half hours, the short-path MUF from a station to any
// point, and the noise that turns a signal level into a signal-to-noise ratio. With
// them come the request and result records and the Sun's position for a date.
// Nothing here keeps state between calls: every function may run on any thread.

/// Told after every frequency of every half hour (and after every half hour when
/// the list is empty) how many of the 96 half-hour steps are complete (a half
/// hour counts once its last frequency is done). Return false to cancel the run.
using PredictionProgress = std::function<bool(int stepsDone)>;

/// The prediction run: for the short path and then the long path, the hop geometry,
/// then for each of the 48 half hours the path MUF with its control-point
/// reliabilities and, for each frequency, the best mode and its signal; then the
/// combined reliabilities. Re-entrant: it reads only the request. A cancelled run
/// returns what it filled so far (Completed false; the reliabilities of a path are
/// combined only when all its half hours ran). The paths' header lines are text and
/// are left empty: report/PredictionHeaders adds them.
PredictionResult ComputePrediction(const PredictionRequest& request,
                                   const PredictionProgress& progress = {});

/// The run of the paths `kinds` only, in that order, without progress; a path not
/// asked for stays empty. Each path comes out as ComputePrediction computes it.
PredictionResult ComputePredictionPaths(const PredictionRequest& request,
                                        const std::vector<PathKind>& kinds);

/// One path of the request at the half hours `halfHours` (each 0..47, any order,
/// repeats allowed): path.Geometry, and for each listed half hour j the MUF and, for
/// every frequency slot of the request, the signal, mode, hops, elevation and
/// reliability, exactly as ComputePrediction fills row j. Rows not listed are left as
/// they were. A frequency's mode can depend on the slot before it (a frequency above
/// one that propagates by the path's own all-F hops takes that mode), so a caller that
/// must match a prediction of a frequency list passes that list up to the frequency.
void ComputePathAt(const PredictionRequest& request, PathKind kind, std::span<const int> halfHours,
                   PathResult& path);

/// ComputePathAt for frequency slot `slot` alone (0 ≤ slot < the request's count):
/// path.Geometry, and for each listed half hour j the MUF and slot's signal, mode,
/// hops, elevation and reliability, exactly as ComputePrediction fills them. The lower
/// slots' modes are searched only as far as the all-F rule needs them; no other
/// slot's values are written.
void ComputeSlotAt(const PredictionRequest& request, PathKind kind, int slot,
                   std::span<const int> halfHours, PathResult& path);

/// What every short path from one station reads: the station, the date's month and
/// day, the K index, the sunspot number, the minimum take-off angle and the Sun.
struct StationConditions {
    GeoLatLon station; ///< radians, longitude west positive
    int month = 1;
    int day = 1;
    int kIndex = -1; ///< −1: the average K index
    float ssn = 0.0f;
    double minElevationRad = 0.0;
    SolarPosition sun; ///< ComputeSolarPosition for the date
};

/// The conditions from terminal A's reals, the date (its month and day), the sunspot
/// number, the K index text ("" or "-1" for the average, KIndexFromText) and the
/// minimum angle in radians.
StationConditions MakeStationConditions(const Terminal& station, DateValue date, float ssn,
                                        const std::string& kIndexText, double minElevationRad,
                                        const SolarPosition& sun);

/// The short path from a station to one point, prepared once (hop geometry, control
/// points and the day-long terms of the layer models there) so that each instant
/// costs only the path MUF. It points at its conditions: keep them alive and in place
/// while the path is used. Cheap to move.
class PointPath {
public:
    /// The path to (latRad, lonWestRad): length D = CentralAngle, bearing at the
    /// station = InitialBearing. A point on the station or on its antipode has no
    /// bearing; its MUF is the vertical-incidence one at the station.
    PointPath(const StationConditions& conditions, double latRad, double lonWestRad);
    ~PointPath();
    PointPath(PointPath&&) noexcept;
    PointPath& operator=(PointPath&&) noexcept;

    /// The path MUF (MHz) at utHours UTC (0 ≤ t < 24, any instant): the same value as
    /// ComputePrediction's short-path MUF at a half hour; for a vertical path
    /// max(E-layer MUF, F2 MUF) at the station with elevation 90°.
    float Muf(float utHours) const;

    /// The point lies on the station or on its antipode.
    bool IsVertical() const { return !m_prepared; }

private:
    struct Prepared;
    const StationConditions* m_conditions;
    std::unique_ptr<const Prepared> m_prepared; ///< null for a vertical path
};

/// The noise terms a signal-to-noise ratio needs.
struct NoiseTerms {
    double NoiseConstant = 0.0; ///< man-made noise at 3 MHz, dB
    double NoiseSlope = 0.0;    ///< dB per decade of frequency
    double BandwidthDb = 0.0;   ///< 10·log10(bandwidth in Hz)
};

/// The noise level subtracted from a signal level (dB above 0.5 µV) to give the
/// signal-to-noise ratio, for a frequency `freqMHz` (> 0) and the path MUF of the
/// half hour `mufMHz`:
///   N = NoiseConstant − NoiseSlope·log10(f/3) (man-made noise);
///   above the MUF the galactic noise G = −165 − 9.555·ln(f/3) is added in power,
///   N = 10·log10(10^(N/10) + 10^(G/10));
///   result N + BandwidthDb + 149.0308999 (dBW in the bandwidth → dB above 0.5 µV).
double NoiseLevel(double freqMHz, double mufMHz, const NoiseTerms& noise);

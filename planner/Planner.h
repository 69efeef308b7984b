#pragma once

#include "atlas/Atlas.h"
#include "core/Terminal.h"
#include "core/UserMessage.h"
#include "engine/Propagation.h"
#include "report/PredictionSetup.h"
#include "report/PredictionTable.h"
#include "settings/Settings.h"

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

// The planner: from one station to many places at once, which frequency of the list
// opens to which place and when. Every place is an ordinary prediction from the
// station to it, so its numbers are those of the on-screen prediction to that place.

/// What the planner is asked for.
struct PlannerSetup {
    /// Terminal A, the date, the solar and K index texts and the time zone;
    /// terminalB is ignored (each place takes its turn).
    PredictionInputs inputs;
    /// The frequency list, minimum angle, suppression and noise terms.
    Settings settings;
    /// The paths, short and/or long, in the order of the rows of each place.
    std::vector<PathKind> kinds{PathKind::Short};
    /// A half hour is open when its reliability is at least this (0..1) and its
    /// signal is shown (not suppressed, see CellShown).
    float threshold = 0.5f;
};

/// The longest run of open half hours of a band, counted around midnight (the run
/// 2300..0100 is one run). length 0: never open; 48: open all day (start 0).
struct Opening {
    int start = 0;  ///< UTC half-hour slot 0..47
    int length = 0; ///< half hours, 0..48
};

/// One frequency of one place: the 48 half hours of the UTC day, slot j = 0.5·j h.
struct PlannerBand {
    float freqMHz = 0.0f;
    std::string freqText;                        ///< as the list gives it, "14.1"
    std::array<float, kHalfHours> reliability{}; ///< 0..1
    std::array<float, kHalfHours> signal{};      ///< dB above 0.5 µV; kNoModeSignal: no mode
    std::array<float, kHalfHours> snr{};         ///< signal − NoiseLevel(f, MUF); NaN: no mode
    std::array<bool, kHalfHours> shown{};        ///< the results table shows the cell (CellShown)
    std::array<bool, kHalfHours> open{};         ///< at or above the threshold and shown
    std::array<char, kHalfHours> letter{};       ///< availability letter, ' ' when not shown
    int openCount = 0;                           ///< open half hours
    Opening longest;
};

/// One place on one path.
struct PlannerRow {
    Terminal place; ///< the four texts as the prediction dialog fills terminal B
    PathKind kind = PathKind::Short;
    double distanceKm = 0.0; ///< the path's length (DisplayRadiusKm per radian)
    double bearingDeg = 0.0; ///< the bearing at the station, 0..360
    std::array<float, kHalfHours> muf{};
    std::vector<PlannerBand> bands; ///< one per frequency of the list, in its order
};

/// A place that has no path from the station (on it or its antipode, or bad texts).
struct PlannerSkip {
    Terminal place;
    std::string reason; ///< the prediction's refusal, on one line
};

struct PlannerResult {
    std::vector<PlannerRow> rows; ///< place by place, each place's paths in setup.kinds order
    std::vector<PlannerSkip> skipped;
    bool completed = true; ///< false when the progress callback cancelled
};

/// Every place of the atlas as terminal B: its prefix, latitude, longitude and name,
/// as ResolveTerminal fills them from an atlas prefix, in the atlas's file order.
std::vector<Terminal> AtlasPlaces(const Atlas& atlas);

/// Checks what all places share before any is computed: terminal A's coordinates and
/// the solar index. The message says what to correct; nothing when all is well.
std::optional<UserMessage> CheckPlannerSetup(const PlannerSetup& setup);

/// The rows of `places` (each place's paths in setup.kinds order), computed on the
/// program's thread pool place by place. Each place is PreparePrediction with it as
/// terminal B and ComputePredictionPaths, exactly as an on-screen prediction; the
/// result does not depend on the number of threads. Places without a path are
/// skipped with the reason.
PlannerResult ComputePlannerRows(const PlannerSetup& setup, std::span<const Terminal> places);

/// Told after each chunk with the rows and skips of that chunk; return false to stop.
using PlannerChunkDone = std::function<bool(const PlannerResult& chunk, std::size_t placesDone)>;

/// ComputePlannerRows over all `places` in chunks of `chunkPlaces`, telling `done`
/// after each (so a caller can show rows as they come and cancel between chunks).
/// Returns everything computed; completed is false when `done` stopped it.
PlannerResult ComputePlanner(const PlannerSetup& setup, std::span<const Terminal> places,
                             std::size_t chunkPlaces = 32, const PlannerChunkDone& done = {});

/// The band of `row` best at UTC slot `slot` (0..47): among the open bands the one
/// with the highest reliability, the higher frequency on a tie. −1 when none is open.
int BestBandAt(const PlannerRow& row, int slot);

/// The highest reliability at `slot` among the bands whose signal is shown; 0 when none.
float BestReliabilityAt(const PlannerRow& row, int slot);

/// The longest circular run of true values (see Opening).
Opening LongestOpening(const std::array<bool, kHalfHours>& open);

/// The UTC half-hour slot (0..47) of a time of day in hours UTC.
int SlotOfUtcHours(double utHours);

#pragma once

#include "atlas/Atlas.h"
#include "core/Terminal.h"
#include "core/UserMessage.h"
#include "engine/Propagation.h"
#include "report/PredictionSetup.h"
#include "report/PredictionTable.h"
#include "settings/Settings.h"
#include "station/StationCircuit.h"

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
    /// signal is shown (not suppressed, see CellShown) and at least kOpenSignalFloorDb.
    /// With P.533 the station's required reliability is the threshold instead.
    float threshold = 0.5f;
    /// The engine; with P.533 its data and the station's part of each circuit. P.533
    /// computes the 24 whole hours (1..24 UTC) and each hour h holds the half hours
    /// 2h and 2h + 1 (modulo 48).
    EngineChoice engine;
};

/// The weakest signal (dB above 0.5 µV) a classic slot may be open with: the lowest
/// suppression level of the settings. Without suppression a slot can show −475 dB with
/// a reliability of 1, which no station can hear.
inline constexpr float kOpenSignalFloorDb = -20.0f;

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
    std::array<float, kHalfHours> reliability{}; ///< 0..1 (P.533: circuit reliability / 100)
    std::array<float, kHalfHours> signal{};      ///< dB above 0.5 µV (P.533: field strength,
                                                 ///< dB(1 µV/m)); kNoModeSignal: no mode
    std::array<float, kHalfHours> powerDbw{};    ///< P.533 only: median received power, dBW
    std::array<float, kHalfHours> snr{};   ///< signal − NoiseLevel(f, MUF) (P.533: S/N in the
                                           ///< mode's bandwidth); NaN: no mode
    std::array<bool, kHalfHours> shown{};  ///< the results table shows the cell (CellShown)
    std::array<bool, kHalfHours> open{};   ///< at or above the threshold and shown
    std::array<char, kHalfHours> letter{}; ///< availability letter, ' ' when not shown
    int openCount = 0;                     ///< open half hours
    Opening longest;
};

/// One place on one path.
struct PlannerRow {
    Terminal place; ///< the four texts as the prediction dialog fills terminal B
    PathKind kind = PathKind::Short;
    double distanceKm = 0.0;             ///< the path's length (DisplayRadiusKm per radian)
    double bearingDeg = 0.0;             ///< the bearing at the station, 0..360
    std::array<float, kHalfHours> muf{}; ///< P.533: the basic MUF of the hour, 0: no mode
    std::vector<PlannerBand> bands;      ///< one per frequency of the list, in its order
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
/// the solar index (with P.533: within the maps' range, and the data loaded unless
/// `needData` is false). The message says what to correct; nothing when all is well.
std::optional<UserMessage> CheckPlannerSetup(const PlannerSetup& setup, bool needData = true);

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

/// The P.533 request every place of a P.533 setup shares (all but the receiver and the
/// path): the station's part, terminal A, the month of the date, R12 from the solar
/// index, the hours 1..24 and the settings' frequencies, as "predict --engine p533".
p533::CircuitRequest PlannerCircuit(const PlannerSetup& setup);

/// The band of `row` best at UTC slot `slot` (0..47): among the open bands the one
/// with the highest reliability, the higher frequency on a tie. −1 when none is open.
int BestBandAt(const PlannerRow& row, int slot);

/// The highest reliability at `slot` among the bands whose signal is shown; 0 when none.
float BestReliabilityAt(const PlannerRow& row, int slot);

/// The longest circular run of true values (see Opening).
Opening LongestOpening(const std::array<bool, kHalfHours>& open);

/// The UTC half-hour slot (0..47) of a time of day in hours UTC.
int SlotOfUtcHours(double utHours);

#pragma once

#include <array>
#include <atomic>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/Dates.h"
#include "core/Terminal.h"
#include "core/TimeZone.h"
#include "core/UserMessage.h"
#include "coverage/CoverageGrid.h"
#include "engine/Propagation.h"
#include "settings/Settings.h"
#include "station/StationCircuit.h"

// One band's coverage of the world from one station: for every cell of a world grid
// and each asked half hour, the short path from the station to the cell's centre with
// its MUF, mode, signal, S/N and reliability, exactly as an on-screen prediction from
// the station to that centre would show them. With the P.533 engine each cell is that
// engine's circuit from the station to the centre for the station and mode, as
// "predict --engine p533" gives it.

/// The frequency of a coverage map and the frequency list it runs with. A frequency
/// of the user's list (slot n) runs with the list's slots 0..n, since a slot's mode can
/// follow the slot before it, so that every value equals the prediction table's column
/// n. A frequency not in the list runs as a list of that frequency alone (additive
/// constant 0 dB), equal to an on-screen prediction whose list holds only it.
struct CoverageBand {
    Settings settings;  ///< the user's settings with the list to run with, derived
    int slot = 0;       ///< the frequency's slot in settings' list
    float freqMHz = 0;  ///< the frequency
    std::string text;   ///< as the list shows it ("14.1")
    bool inList = true; ///< one of the user's frequencies
};

/// The band for a frequency text (a number 3..30 MHz): the user's slot when a listed
/// frequency has the same value, else a one-frequency list. nullopt for a text that is
/// not a frequency 3..30.
std::optional<CoverageBand> CoverageBandOf(const Settings& settings, std::string_view freqText);

/// Terminal B of a cell: the centre typed by hand ("<Ins>", latitude and west-positive
/// longitude written with one decimal, no name), as the prediction dialog makes it.
Terminal CellTerminal(double latDeg, double lonDeg);

/// What a coverage map is asked for.
struct CoverageRequest {
    Terminal station;           ///< terminal A's texts (prefix, latitude, longitude, name)
    DateValue date = 0.0;       ///< the day, in the time zone of `zone`
    std::string solarIndexText; ///< "S100.0" or "F150.0"
    std::string kIndexText;     ///< "" or "-1": the average K index
    TimeZoneState zone;
    CoverageBand band;
    int cellDeg = kDefaultCellDeg; ///< 1..10
    std::vector<int> halfHours;    ///< UTC half hours 0..47 to compute, in this order
    /// The engine; with P.533 its data and the station's part of each circuit. The
    /// P.533 engine computes half hour j at 0.5·j h UTC (0 as 24); a whole day of it
    /// steps by hours (CoverageDayHalfHours).
    EngineChoice engine;
};

/// The half hours of a whole day for an engine: 0..47 (classic), the 24 whole hours
/// 0, 2, …, 46 (P.533).
std::vector<int> CoverageDayHalfHours(PredictionEngine engine);

/// One cell at one instant by the P.533 engine (the path's values at the frequency).
struct P533CellValue {
    double reliabilityPercent = 0.0; ///< basic circuit reliability, 0..100
    double snrDb = p533::kNoValue;   ///< median S/N in the mode's bandwidth
    double snrAtReliabilityDb = p533::kNoValue;
    double fieldDbu = p533::kNoValue; ///< field strength, dB(1 µV/m)
    double powerDbw = p533::kNoValue; ///< median received power
    double basicMufMHz = 0.0;         ///< the path's basic MUF; 0: no mode
    double opMufMHz = 0.0;            ///< operational MUF
    std::array<char, 8> mode{};       ///< "2F2", "1E"; empty without a mode
    bool HasMode() const { return fieldDbu != p533::kNoValue; }
};

/// One cell at one half hour.
struct CoverageValue {
    float mufMHz = 0.0f;            ///< short-path MUF
    float signalDb = kNoModeSignal; ///< dB above 0.5 µV; kNoModeSignal: no mode
    float snrDb = 0.0f;             ///< signal − NoiseLevel(f, MUF); meaningless without mode
    float reliability = 0.0f;       ///< 0..1
    HopLayers mode{};               ///< the best mode's hop layers
    std::uint8_t hops = 0;          ///< its hop count (0: no mode)
    bool HasMode() const { return signalDb != kNoModeSignal; }
};

/// A computed coverage map.
struct CoverageMap {
    bool ok = false;
    UserMessage message; ///< why not ok: a bad terminal, solar index or frequency
    CoverageGrid grid;
    CoverageBand band;
    std::vector<int> halfHours;
    PredictionRequest base; ///< the request every cell shares (station reals, Sun, Ssn)
    NoiseTerms noise;       ///< of the settings
    int suppressionLevelDb = -10;
    /// Per cell (row-major, row 0 north): false when the centre is the station itself or
    /// its antipode, where no path has a direction; such a cell has the vertical MUF at
    /// the station and no mode.
    std::vector<std::uint8_t> hasPath;
    std::vector<CoverageValue> values; ///< [cell · halfHours.size() + k]
    bool complete = false;             ///< false when the computation was cancelled
    PredictionEngine engine = PredictionEngine::Classic;
    /// P.533 only, indexed as values: the engine's own numbers. values then holds
    /// mufMHz = basic MUF, signalDb = field strength dB(1 µV/m) (kNoModeSignal without a
    /// mode), snrDb, reliability = circuit reliability / 100; suppressionLevelDb is
    /// kNoSuppressionDb.
    std::vector<P533CellValue> p533Values;
    std::string solarIndexText;       ///< as asked ("S100.0", "F150.0")
    double r12 = 0.0;                 ///< P.533 only: the sunspot number used
    p533::CircuitRequest p533Station; ///< P.533 only: the station's part of each circuit

    const CoverageValue& At(int cell, int k) const {
        return values[static_cast<std::size_t>(cell) * halfHours.size() + k];
    }
    const P533CellValue& P533At(int cell, int k) const {
        return p533Values[static_cast<std::size_t>(cell) * halfHours.size() + k];
    }
    bool IsP533() const { return engine == PredictionEngine::P533; }
};

/// Computes the map: every cell's path as PreparePrediction would build it for terminal
/// B = CellTerminal(centre) and ComputeSlotAt's short path for the band at the half hours, in
/// parallel over the cells (oneTBB; the result does not depend on the thread count).
/// With P.533: p533::PredictCircuit from the station to the centre (latitude, east
/// longitude) for the band's frequency at the half hours' instants, R12 from the solar
/// index. Stops early, with complete false, when `cancel` becomes true.
CoverageMap ComputeCoverage(const CoverageRequest& request,
                            const std::atomic<bool>* cancel = nullptr);

/// The reliability classes of the prediction table: closed (no mode, a signal below
/// the suppression level, or a reliability that rounds to 0.00), then D, C, B and A.
enum class ReliabilityClass { Closed = 0, D = 1, C = 2, B = 3, A = 4 };

/// The class of one value under the map's suppression level (AvailabilityLetter).
ReliabilityClass ReliabilityClassOf(const CoverageValue& value, int suppressionLevelDb);

/// "A", "B", "C", "D" or "closed".
std::string ReliabilityClassName(ReliabilityClass cls);

/// The mode as the hops window writes it ("FF", "EF"), "" without a mode.
std::string CoverageModeText(const CoverageValue& value);

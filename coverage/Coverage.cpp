#include "coverage/Coverage.h"

#include "atlas/ResolveTerminal.h"
#include "core/Constants.h"
#include "core/Numeric.h"
#include "report/NoiseLevel.h"
#include "report/PredictionSetup.h"
#include "report/PredictionTable.h"

#include <tbb/blocked_range.h>
#include <tbb/parallel_for.h>

#include <cmath>

std::optional<CoverageBand> CoverageBandOf(const Settings& settings, std::string_view freqText) {
    const std::optional<double> freq = ParseDecimal(freqText, false);
    if (!freq || !(*freq >= 3.0 && *freq <= 30.0))
        return std::nullopt;
    CoverageBand band;
    band.settings = settings;
    DeriveSettings(band.settings);
    const int count = std::clamp(settings.FrequencyCount, 0, kFrequencySlots);
    for (int n = 0; n < count; ++n) {
        const std::optional<double> listed =
            ParseDecimal(settings.Frequencies[n].FrequencyText, false);
        if (listed && std::abs(*listed - *freq) < 1e-9) {
            band.slot = n;
            band.freqMHz = band.settings.FrequencyMHz[n];
            band.text = settings.Frequencies[n].FrequencyText;
            return band;
        }
    }
    band.inList = false;
    band.text = CutText(freqText, kFrequencyTextCapacity);
    band.settings.FrequencyCount = 1;
    band.settings.Frequencies = {};
    band.settings.Frequencies[0] = {band.text, "0.0"};
    DeriveSettings(band.settings);
    band.slot = 0;
    band.freqMHz = band.settings.FrequencyMHz[0];
    return band;
}

Terminal CellTerminal(double latDeg, double lonDeg) {
    Terminal t;
    t.Prefix = kManualPrefix;
    t.LatitudeText = FormatFixed(latDeg, 0, 1);
    t.LongitudeText = FormatFixed(lonDeg, 0, 1);
    return t;
}

namespace {

PredictionInputs InputsOf(const CoverageRequest& request, const Terminal& b) {
    PredictionInputs inputs;
    inputs.terminalA = request.station;
    inputs.terminalB = b;
    inputs.date = request.date;
    inputs.solarIndexText = request.solarIndexText;
    inputs.kIndexText = request.kIndexText;
    inputs.zone = request.zone;
    return inputs;
}

// The cell terminals' texts and degrees by row and by column: every cell's terminal
// is its row's latitude and its column's longitude, parsed once.
struct CellTerminals {
    explicit CellTerminals(const CoverageGrid& grid) {
        for (int row = 0; row < grid.rows; ++row) {
            Terminal t = CellTerminal(CellCentreLat(grid, row), 0.0);
            DeriveTerminalCoordinates(t);
            latText.push_back(t.LatitudeText);
            latDeg.push_back(t.LatitudeDeg);
        }
        for (int col = 0; col < grid.cols; ++col) {
            Terminal t = CellTerminal(0.0, CellCentreLon(grid, col));
            DeriveTerminalCoordinates(t);
            lonText.push_back(t.LongitudeText);
            lonDeg.push_back(t.LongitudeDeg);
        }
    }
    // CellTerminal(centre) with the reals DeriveTerminalCoordinates gives it.
    void Make(int row, int col, Terminal& t) const {
        t.Prefix = kManualPrefix;
        t.LatitudeText = latText[row];
        t.LongitudeText = lonText[col];
        SetTerminalDegrees(t, latDeg[row], lonDeg[col]);
    }
    std::vector<std::string> latText, lonText;
    std::vector<double> latDeg, lonDeg;
};

// The P.533 values of every cell, in parallel over the cells.
void ComputeP533Cells(const CoverageRequest& request, CoverageMap& map,
                      const std::atomic<bool>* cancel, std::atomic<bool>& stopped) {
    const EngineChoice& engine = request.engine;
    p533::CircuitRequest base = engine.station;
    Terminal station = request.station;
    DeriveTerminalCoordinates(station); // as typed, before any pole snapping of the request
    base.transmitter = {station.LatitudeDeg, -station.LongitudeDeg};
    base.longPath = false;
    base.month = CalendarFromDate(request.date).month;
    base.r12 = map.r12;
    base.frequenciesMHz = {ParseDecimal(request.band.text, false).value_or(request.band.freqMHz)};
    base.hoursUtc.clear();
    for (int j : map.halfHours)
        base.hoursUtc.push_back(P533HourOfHalfHour(j));
    map.p533Station = base;
    const std::size_t perCell = map.halfHours.size();
    map.p533Values.assign(map.values.size(), P533CellValue{});
    const int cells = map.grid.CellCount();
    tbb::parallel_for(tbb::blocked_range<int>(0, cells, 8), [&](const tbb::blocked_range<int>& r) {
        p533::CircuitRequest circuit = base;
        for (int cell = r.begin(); cell != r.end(); ++cell) {
            if (cancel && cancel->load(std::memory_order_relaxed)) {
                stopped = true;
                return;
            }
            if (!map.hasPath[cell])
                continue;
            circuit.receiver = {CellCentreLat(map.grid, cell / map.grid.cols),
                                -CellCentreLon(map.grid, cell % map.grid.cols)};
            const p533::CircuitResult result = p533::PredictCircuit(*engine.data, circuit);
            if (!result.error.empty() || result.hours.size() != perCell)
                continue;
            for (std::size_t k = 0; k < perCell; ++k) {
                const p533::HourResult& hour = result.hours[k];
                const p533::FrequencyResult& f = hour.frequencies.front();
                const std::size_t at = static_cast<std::size_t>(cell) * perCell + k;
                P533CellValue& p = map.p533Values[at];
                p.reliabilityPercent = f.reliabilityPercent;
                p.snrDb = f.snrDb;
                p.snrAtReliabilityDb = f.snrAtReliabilityDb;
                p.fieldDbu = f.fieldDbu;
                p.powerDbw = f.powerDbw;
                p.basicMufMHz = hour.basicMufMHz;
                p.opMufMHz = hour.opMufMHz;
                std::copy_n(f.modeName.begin(), std::min<std::size_t>(f.modeName.size(), 7),
                            p.mode.begin());
                CoverageValue& v = map.values[at];
                v.mufMHz = static_cast<float>(hour.basicMufMHz);
                v.reliability = static_cast<float>(f.reliabilityPercent / 100.0);
                v.signalDb = p.HasMode() ? static_cast<float>(f.fieldDbu) : kNoModeSignal;
                v.snrDb = p.HasMode() ? static_cast<float>(f.snrDb) : 0.0f;
            }
        }
    });
}

} // namespace

std::vector<int> CoverageDayHalfHours(PredictionEngine engine) {
    std::vector<int> halfHours;
    const int step = engine == PredictionEngine::P533 ? 2 : 1;
    for (int j = 0; j < kHalfHours; j += step)
        halfHours.push_back(j);
    return halfHours;
}

CoverageMap ComputeCoverage(const CoverageRequest& request, const std::atomic<bool>* cancel) {
    CoverageMap map;
    map.grid = MakeCoverageGrid(request.cellDeg);
    map.band = request.band;
    map.solarIndexText = request.solarIndexText;
    for (int j : request.halfHours)
        if (j >= 0 && j < kHalfHours)
            map.halfHours.push_back(j);
    map.noise = NoiseTermsOf(request.band.settings);
    map.suppressionLevelDb = request.band.settings.SuppressionLevelDb;

    // The shared part of every cell's request; B is any point that is neither the
    // station nor its antipode (one of two points 90° apart always qualifies).
    PreparedPrediction prepared =
        PreparePrediction(InputsOf(request, CellTerminal(45.0, 0.0)), request.band.settings);
    if (!prepared)
        prepared =
            PreparePrediction(InputsOf(request, CellTerminal(-45.0, 0.0)), request.band.settings);
    if (!prepared) {
        map.message = prepared.message;
        return map;
    }
    map.base = prepared.request;
    map.base.FrequencyCount = std::min(map.base.FrequencyCount, request.band.slot + 1);
    if (request.engine.IsP533()) {
        if (!request.engine.data) {
            map.message = ErrorMessage("The P.533 data files are not loaded");
            return map;
        }
        const SunspotNumberRead r12 =
            P533SunspotNumber(request.solarIndexText, request.date, request.zone);
        if (!r12.error.empty()) {
            map.message = ErrorMessage("The solar index " + r12.error);
            return map;
        }
        map.r12 = r12.r12;
        map.engine = PredictionEngine::P533;
        map.suppressionLevelDb = kNoSuppressionDb;
    }

    const int cells = map.grid.CellCount();
    const std::size_t perCell = map.halfHours.size();
    map.hasPath.assign(cells, 0);
    map.values.assign(static_cast<std::size_t>(cells) * perCell, CoverageValue{});
    const StationConditions conditions =
        MakeStationConditions(map.base.TerminalA, map.base.Date, map.base.Ssn, map.base.KIndexText,
                              map.base.MinElevationRad, map.base.Sun);
    const int slot = request.band.slot;
    const CellTerminals cellTerminals(map.grid);
    Terminal station = map.base.TerminalA;
    DeriveTerminalCoordinates(station); // before any pole snapping of the shared request
    const double freq = map.base.Frequencies[slot].FrequencyMHz;

    std::atomic<bool> stopped = false;
    tbb::parallel_for(tbb::blocked_range<int>(0, cells, 16), [&](const tbb::blocked_range<int>& r) {
        PathResult path;
        PredictionRequest cellRequest = map.base;
        for (int cell = r.begin(); cell != r.end(); ++cell) {
            if (cancel && cancel->load(std::memory_order_relaxed)) {
                stopped = true;
                return;
            }
            const int row = cell / map.grid.cols;
            const int col = cell % map.grid.cols;
            const double lat = CellCentreLat(map.grid, row);
            const double lon = CellCentreLon(map.grid, col);
            CoverageValue* out = &map.values[static_cast<std::size_t>(cell) * perCell];
            cellRequest.TerminalA = station;
            cellTerminals.Make(row, col, cellRequest.TerminalB);
            if (!ComputePathGeometryOfReals(cellRequest.TerminalA, cellRequest.TerminalB,
                                            cellRequest.ShortPath, cellRequest.LongPath)) {
                const PointPath vertical(conditions, lat * kRadPerDeg, lon * kRadPerDeg);
                for (std::size_t k = 0; k < perCell; ++k)
                    out[k].mufMHz = vertical.Muf(static_cast<float>(0.5 * map.halfHours[k]));
                continue;
            }
            MarkPolarPaths(cellRequest.TerminalA, cellRequest.TerminalB, cellRequest.ShortPath,
                           cellRequest.LongPath);
            map.hasPath[cell] = 1;
            if (map.IsP533())
                continue;
            ComputeSlotAt(cellRequest, PathKind::Short, slot, map.halfHours, path);
            for (std::size_t k = 0; k < perCell; ++k) {
                const int j = map.halfHours[k];
                CoverageValue& v = out[k];
                v.mufMHz = path.Muf[j];
                v.signalDb = path.Signal[j][slot];
                v.reliability = path.Reliability[j][slot];
                v.mode = path.Mode[j][slot];
                v.hops = path.Hops[j][slot];
                if (v.HasMode())
                    v.snrDb =
                        static_cast<float>(v.signalDb - NoiseLevel(freq, v.mufMHz, map.noise));
            }
        }
    });
    if (map.IsP533() && !stopped)
        ComputeP533Cells(request, map, cancel, stopped);
    map.complete = !stopped;
    map.ok = true;
    return map;
}

ReliabilityClass ReliabilityClassOf(const CoverageValue& value, int suppressionLevelDb) {
    if (!value.HasMode() || !(value.signalDb >= static_cast<float>(suppressionLevelDb)))
        return ReliabilityClass::Closed;
    switch (AvailabilityLetter(value.reliability)) {
    case 'A':
        return ReliabilityClass::A;
    case 'B':
        return ReliabilityClass::B;
    case 'C':
        return ReliabilityClass::C;
    case 'D':
        return ReliabilityClass::D;
    default:
        return ReliabilityClass::Closed;
    }
}

std::string ReliabilityClassName(ReliabilityClass cls) {
    switch (cls) {
    case ReliabilityClass::A:
        return "A";
    case ReliabilityClass::B:
        return "B";
    case ReliabilityClass::C:
        return "C";
    case ReliabilityClass::D:
        return "D";
    default:
        return "closed";
    }
}

std::string CoverageModeText(const CoverageValue& value) {
    return value.HasMode() ? ModeToLetters(value.mode, value.hops) : std::string();
}

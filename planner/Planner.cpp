#include "planner/Planner.h"

#include "atlas/AtlasEntry.h"
#include "core/Constants.h"
#include "core/Geometry.h"
#include "core/Numeric.h"
#include "core/Syntax.h"
#include "report/NoiseLevel.h"
#include "report/PredictionExport.h"

#include <tbb/parallel_for.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace {

/// What every place shares, derived once from the setup.
struct Shared {
    TableRules rules;
    std::vector<std::string> freqTexts;
    p533::CircuitRequest circuit; ///< P.533: all but the receiver and the path
};

// The P.533 band of frequency n: hour h of the result (1..24) fills half hours 2h and
// 2h + 1 modulo 48.
PlannerBand MakeP533Band(const p533::CircuitResult& result, int n, const Shared& shared) {
    PlannerBand band;
    band.freqMHz = static_cast<float>(shared.circuit.frequenciesMHz[n]);
    band.freqText = n < static_cast<int>(shared.freqTexts.size()) ? shared.freqTexts[n] : "";
    const double required = shared.circuit.requiredReliabilityPercent;
    for (const p533::HourResult& hour : result.hours) {
        const p533::FrequencyResult& f = hour.frequencies[n];
        const bool mode = f.fieldDbu != p533::kNoValue;
        const int first = (2 * static_cast<int>(hour.hourUtc)) % kHalfHours;
        for (int j : {first, first + 1}) {
            band.reliability[j] = static_cast<float>(f.reliabilityPercent / 100.0);
            band.signal[j] = mode ? static_cast<float>(f.fieldDbu) : kNoModeSignal;
            band.powerDbw[j] = static_cast<float>(f.powerDbw);
            band.snr[j] =
                mode ? static_cast<float>(f.snrDb) : std::numeric_limits<float>::quiet_NaN();
            band.shown[j] = mode && AvailabilityLetter(band.reliability[j]) != ' ';
            band.letter[j] = band.shown[j] ? AvailabilityLetter(band.reliability[j]) : ' ';
            band.open[j] = mode && f.reliabilityPercent >= required;
            band.openCount += band.open[j] ? 1 : 0;
        }
    }
    band.longest = LongestOpening(band.open);
    return band;
}

// The P.533 rows of one place.
void ComputeP533Place(const PlannerSetup& setup, const Shared& shared, const Terminal& place,
                      std::vector<PlannerRow>& rows, std::optional<PlannerSkip>& skip) {
    Terminal b = place;
    if (!setup.engine.data) {
        skip = PlannerSkip{place, "The P.533 data files are not loaded"};
        return;
    }
    if (const CheckResult check = DeriveTerminalCoordinates(b); !check) {
        skip = PlannerSkip{place, OneLineText(check.message)};
        return;
    }
    p533::CircuitRequest circuit = shared.circuit;
    circuit.receiver = {b.LatitudeDeg, -b.LongitudeDeg};
    for (PathKind kind : setup.kinds) {
        circuit.longPath = kind == PathKind::Long;
        const p533::CircuitResult result = p533::PredictCircuit(*setup.engine.data, circuit);
        if (!result.error.empty()) {
            skip = PlannerSkip{place, result.error};
            return;
        }
        PlannerRow row;
        row.place = place;
        row.kind = kind;
        row.distanceKm = result.distanceKm;
        row.bearingDeg = result.txBearingDeg;
        for (const p533::HourResult& hour : result.hours) {
            const int first = (2 * static_cast<int>(hour.hourUtc)) % kHalfHours;
            row.muf[first] = row.muf[first + 1] = static_cast<float>(hour.basicMufMHz);
        }
        for (std::size_t n = 0; n < circuit.frequenciesMHz.size(); ++n)
            row.bands.push_back(MakeP533Band(result, static_cast<int>(n), shared));
        rows.push_back(std::move(row));
    }
}

PlannerBand MakeBand(const PathResult& path, int n, const PredictionRequest& request,
                     const Shared& shared, float threshold) {
    PlannerBand band;
    band.freqMHz = request.Frequencies[n].FrequencyMHz;
    band.freqText = n < static_cast<int>(shared.freqTexts.size()) ? shared.freqTexts[n] : "";
    for (int j = 0; j < kHalfHours; ++j) {
        const float signal = path.Signal[j][n];
        const float reliability = path.Reliability[j][n];
        band.signal[j] = signal;
        band.reliability[j] = reliability;
        band.snr[j] = signal == kNoModeSignal
                          ? std::numeric_limits<float>::quiet_NaN()
                          : static_cast<float>(
                                signal - NoiseLevel(band.freqMHz, path.Muf[j], shared.rules.noise));
        const bool shown = CellShown(signal, reliability, shared.rules);
        band.shown[j] = shown;
        band.letter[j] = shown ? AvailabilityLetter(reliability) : ' ';
        band.open[j] = shown && reliability >= threshold && signal >= kOpenSignalFloorDb;
        band.openCount += band.open[j] ? 1 : 0;
    }
    band.longest = LongestOpening(band.open);
    return band;
}

/// The rows of one place, or the reason it has none.
void ComputePlace(const PlannerSetup& setup, const Shared& shared, const Terminal& place,
                  std::vector<PlannerRow>& rows, std::optional<PlannerSkip>& skip) {
    if (setup.engine.IsP533()) {
        ComputeP533Place(setup, shared, place, rows, skip);
        return;
    }
    PredictionInputs inputs = setup.inputs;
    inputs.terminalB = place;
    const PreparedPrediction prepared = PreparePrediction(inputs, setup.settings);
    if (!prepared) {
        skip = PlannerSkip{place, OneLineText(prepared.message)};
        return;
    }
    const PredictionRequest& request = prepared.request;
    // The places already share the cores: each path runs on the thread of its place.
    static constexpr auto kDay = [] {
        std::array<int, kHalfHours> day{};
        for (int j = 0; j < kHalfHours; ++j)
            day[j] = j;
        return day;
    }();
    for (PathKind kind : setup.kinds) {
        PathResult path{};
        ComputePathAt(request, kind, kDay, path);
        PlannerRow row;
        row.place = place;
        row.kind = kind;
        row.distanceKm = path.Geometry.Length * DisplayRadiusKm;
        row.bearingDeg = BearingDegrees(path.Geometry.BearingAtA);
        row.muf = path.Muf;
        for (int n = 0; n < request.FrequencyCount; ++n)
            row.bands.push_back(MakeBand(path, n, request, shared, setup.threshold));
        rows.push_back(std::move(row));
    }
}

} // namespace

std::vector<Terminal> AtlasPlaces(const Atlas& atlas) {
    std::vector<Terminal> places;
    places.reserve(atlas.Entries.size());
    for (const AtlasEntry& entry : atlas.Entries) {
        Terminal t;
        t.Prefix = entry.Prefix();
        t.LatitudeText = entry.Latitude();
        t.LongitudeText = entry.Longitude();
        t.Name = entry.Name();
        places.push_back(std::move(t));
    }
    return places;
}

std::optional<UserMessage> CheckPlannerSetup(const PlannerSetup& setup, bool needData) {
    Terminal station = setup.inputs.terminalA;
    if (const CheckResult coordinates = DeriveTerminalCoordinates(station); !coordinates)
        return coordinates.message;
    const SolarPosition sun = ComputeSolarPosition(setup.inputs.date, setup.inputs.zone);
    if (!ConvertSolarIndex(setup.inputs.solarIndexText, sun))
        return ErrorMessage("You must enter a solar flux or sunspot number");
    if (setup.engine.IsP533()) {
        if (needData && !setup.engine.data)
            return ErrorMessage("The P.533 data files are not loaded");
        const SunspotNumberRead r12 =
            P533SunspotNumber(setup.inputs.solarIndexText, setup.inputs.date, setup.inputs.zone);
        if (!r12.error.empty())
            return ErrorMessage("The solar index " + r12.error);
    }
    return std::nullopt;
}

PlannerResult ComputePlannerRows(const PlannerSetup& setup, std::span<const Terminal> places) {
    Shared shared;
    shared.rules = TableRulesOf(setup.settings, true);
    shared.freqTexts = FrequencyTexts(setup.settings);
    if (setup.engine.IsP533())
        shared.circuit = PlannerCircuit(setup);
    // Each place writes only its own slot, so the order and the numbers do not depend
    // on how the pool shares the places out.
    std::vector<std::vector<PlannerRow>> rows(places.size());
    std::vector<std::optional<PlannerSkip>> skips(places.size());
    tbb::parallel_for(std::size_t{0}, places.size(), [&](std::size_t i) {
        ComputePlace(setup, shared, places[i], rows[i], skips[i]);
    });
    PlannerResult result;
    result.rows.reserve(places.size() * setup.kinds.size());
    for (std::size_t i = 0; i < places.size(); ++i) {
        for (PlannerRow& row : rows[i])
            result.rows.push_back(std::move(row));
        if (skips[i])
            result.skipped.push_back(std::move(*skips[i]));
    }
    return result;
}

PlannerResult ComputePlanner(const PlannerSetup& setup, std::span<const Terminal> places,
                             std::size_t chunkPlaces, const PlannerChunkDone& done) {
    const std::size_t chunk = std::max<std::size_t>(chunkPlaces, 1);
    PlannerResult all;
    for (std::size_t begin = 0; begin < places.size(); begin += chunk) {
        const std::size_t count = std::min(chunk, places.size() - begin);
        PlannerResult part = ComputePlannerRows(setup, places.subspan(begin, count));
        const bool go = !done || done(part, begin + count);
        for (PlannerRow& row : part.rows)
            all.rows.push_back(std::move(row));
        for (PlannerSkip& skip : part.skipped)
            all.skipped.push_back(std::move(skip));
        if (!go && begin + count < places.size()) {
            all.completed = false;
            break;
        }
    }
    return all;
}

p533::CircuitRequest PlannerCircuit(const PlannerSetup& setup) {
    p533::CircuitRequest circuit = setup.engine.station;
    Terminal a = setup.inputs.terminalA;
    DeriveTerminalCoordinates(a);
    circuit.transmitter = {a.LatitudeDeg, -a.LongitudeDeg};
    circuit.month = CalendarFromDate(setup.inputs.date).month;
    circuit.r12 =
        P533SunspotNumber(setup.inputs.solarIndexText, setup.inputs.date, setup.inputs.zone).r12;
    circuit.hoursUtc.clear();
    for (int h = 1; h <= 24; ++h)
        circuit.hoursUtc.push_back(h);
    circuit.frequenciesMHz.clear();
    for (const std::string& f : FrequencyTexts(setup.settings))
        circuit.frequenciesMHz.push_back(ParseDecimal(f, false).value_or(0.0));
    return circuit;
}

int BestBandAt(const PlannerRow& row, int slot) {
    int best = -1;
    for (int n = 0; n < static_cast<int>(row.bands.size()); ++n) {
        const PlannerBand& band = row.bands[n];
        if (!band.open[slot])
            continue;
        if (best < 0 || band.reliability[slot] > row.bands[best].reliability[slot] ||
            (band.reliability[slot] == row.bands[best].reliability[slot] &&
             band.freqMHz > row.bands[best].freqMHz))
            best = n;
    }
    return best;
}

float BestReliabilityAt(const PlannerRow& row, int slot) {
    float best = 0.0f;
    for (const PlannerBand& band : row.bands)
        if (band.shown[slot])
            best = std::max(best, band.reliability[slot]);
    return best;
}

Opening LongestOpening(const std::array<bool, kHalfHours>& open) {
    if (std::all_of(open.begin(), open.end(), [](bool b) { return b; }))
        return {0, kHalfHours};
    // Start right after a closed slot, so that a run across midnight is counted whole.
    int first = 0;
    while (open[first])
        ++first;
    Opening best;
    int runStart = 0, runLength = 0;
    for (int step = 1; step <= kHalfHours; ++step) {
        const int j = (first + step) % kHalfHours;
        if (open[j]) {
            if (runLength == 0)
                runStart = j;
            ++runLength;
            if (runLength > best.length)
                best = {runStart, runLength};
        } else {
            runLength = 0;
        }
    }
    return best;
}

int SlotOfUtcHours(double utHours) {
    const double h = std::fmod(std::fmod(utHours, 24.0) + 24.0, 24.0);
    return std::clamp(static_cast<int>(std::floor(h * 2.0)), 0, kHalfHours - 1);
}

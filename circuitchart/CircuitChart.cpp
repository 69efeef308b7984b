#include "circuitchart/CircuitChart.h"

#include "core/Numeric.h"
#include "text/CsvText.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// The largest 12-month smoothed sunspot number the P.533 maps take.
constexpr double kMaxR12 = 311.0;

// A level that exists: the engine marks the others with kNoValue.
bool Exists(double level) {
    return level > p533::kNoValue + 1.0;
}

std::string Level(double level, int decimals) {
    return Exists(level) ? FormatFixed(level, 0, decimals) : std::string();
}

// The rows of the chart: the bands, or the user's frequencies lowest first.
void FillRows(const CircuitChartInput& input, CircuitChart& chart) {
    if (input.amateurBands) {
        for (const AmateurBand& band : AmateurBands()) {
            chart.freqsMHz.push_back(band.freqMHz);
            chart.rowLabels.emplace_back(band.name);
        }
        return;
    }
    std::vector<double> freqs = input.userFrequenciesMHz;
    std::sort(freqs.begin(), freqs.end());
    freqs.erase(std::unique(freqs.begin(), freqs.end()), freqs.end());
    for (double f : freqs) {
        chart.freqsMHz.push_back(f);
        chart.rowLabels.push_back(FormatFixed(f, 0, 3));
    }
}

std::string PathName(bool longPath) {
    return longPath ? "long path" : "short path";
}

std::vector<std::string> TitleLines(const CircuitChartInput& input, const CircuitChart& chart) {
    const CircuitChartLabels& l = input.labels;
    const std::string rows =
        input.amateurBands ? "amateur bands 3.5-28 MHz" : "your frequencies (MHz)";
    return {"P.533 circuit reliability, " + PathName(chart.longPath) + ": " + l.fromName + " to " +
                l.toName + " (" + FormatFixed(chart.distanceKm, 0, 0) + " km)",
            "Station: " + l.stationText + "   Mode: " + l.modeText + "   Required: " +
                FormatFixed(chart.requiredReliabilityPercent, 0, 0) + " % of days",
            l.dateText + "   Solar index " + l.solarText + " (R12 " +
                FormatFixed(input.circuit.r12, 0, 0) + ")   " + rows + "   Hours UTC"};
}

} // namespace

std::string ApplyStationSettings(const StationSettings& station,
                                 const std::filesystem::path& dataDir, CircuitChartInput& input) {
    const StationCircuit made = MakeStationCircuit(station, dataDir, input.circuit.minElevationDeg);
    input.circuit = made.request;
    const auto antennaText = [](const StationAntenna& a, const p533::Antenna& used) {
        return used.pattern ? std::filesystem::path(a.patternFile).filename().string()
                            : FormatFixed(used.gainDbi, 0, 1) + " dBi";
    };
    const std::string noiseText =
        station.noise == StationNoise::Level
            ? "noise " + FormatFixed(station.noiseLevelDbw, 0, 0) + " dBW/Hz"
            : std::string(StationNoiseName(station.noise)) + " noise";
    const double watts = station.powerW;
    input.labels.stationText =
        FormatFixed(watts, 0, watts < 10.0 ? 1 : 0) + " W, TX " +
        antennaText(station.txAntenna, input.circuit.transmitAntenna) + ", RX " +
        antennaText(station.rxAntenna, input.circuit.receiveAntenna) + ", " + noiseText;
    input.labels.modeText = std::string(ModePresetOf(station.mode).name) + ": " +
                            FormatFixed(station.BandwidthHz(), 0, 0) + " Hz, S/N " +
                            FormatFixed(station.RequiredSnrDb(), 0, 1) + " dB";
    return made.error;
}

std::string FillCircuitFromPrediction(const PredictionRequest& request,
                                      const std::string& solarText, CircuitChartInput& input) {
    static const char* const kMonths[] = {"January",   "February", "March",    "April",
                                          "May",       "June",     "July",     "August",
                                          "September", "October",  "November", "December"};
    if (request.Ssn > kMaxR12)
        return "The P.533 maps take sunspot numbers of 0 to 311: the solar index " + solarText +
               " gives " + FormatFixed(request.Ssn, 0, 0) + ".";
    const CalendarDay day = CalendarFromDate(request.Date);
    p533::CircuitRequest& c = input.circuit;
    c.transmitter = {request.TerminalA.LatitudeDeg, -request.TerminalA.LongitudeDeg};
    c.receiver = {request.TerminalB.LatitudeDeg, -request.TerminalB.LongitudeDeg};
    c.month = day.month;
    c.minElevationDeg = std::clamp(request.MinElevationRad * 180.0 / std::numbers::pi, 0.0, 30.0);
    c.r12 = std::max(0.0, static_cast<double>(request.Ssn));
    const auto name = [](const Terminal& t) { return t.Name.empty() ? t.Prefix : t.Name; };
    input.labels.fromName = name(request.TerminalA);
    input.labels.toName = name(request.TerminalB);
    input.labels.dateText =
        std::string(kMonths[std::clamp(day.month, 1, 12) - 1]) + " " + std::to_string(day.year);
    input.labels.solarText = solarText;
    return {};
}

const std::vector<AmateurBand>& AmateurBands() {
    static const std::vector<AmateurBand> bands = {
        {"80 m", 3.6},  {"40 m", 7.1},  {"30 m", 10.12}, {"20 m", 14.1},
        {"17 m", 18.1}, {"15 m", 21.2}, {"12 m", 24.93}, {"10 m", 28.5},
    };
    return bands;
}

CircuitChart ComputeCircuitChart(const p533::PredictionData& data, const CircuitChartInput& input,
                                 bool longPath) {
    CircuitChart chart;
    chart.longPath = longPath;
    FillRows(input, chart);
    if (chart.freqsMHz.empty()) {
        chart.error = "There are no frequencies to chart: enter some in Options, or chart the "
                      "amateur bands.";
        return chart;
    }
    p533::CircuitRequest request = input.circuit;
    request.longPath = longPath;
    request.frequenciesMHz = chart.freqsMHz;
    request.hoursUtc.clear();
    for (int h = 1; h <= kChartHours; ++h)
        request.hoursUtc.push_back(h);
    const p533::CircuitResult result = p533::PredictCircuit(data, request);
    if (!result.error.empty()) {
        CircuitChart refused;
        refused.error = result.error;
        return refused;
    }
    chart.distanceKm = result.distanceKm;
    chart.requiredReliabilityPercent = request.requiredReliabilityPercent;
    chart.requiredSnrDb = request.requiredSnrDb;
    chart.bandwidthHz = request.bandwidthHz;
    for (const p533::HourResult& hour : result.hours) {
        const int column = static_cast<int>(std::lround(hour.hourUtc)) % kChartHours;
        chart.opMufMHz[column] = hour.opMufMHz;
        std::vector<ChartCell>& cells = chart.cells[column];
        for (const p533::FrequencyResult& f : hour.frequencies)
            cells.push_back({f.reliabilityPercent, f.snrDb, f.snrAtReliabilityDb, f.fieldDbu,
                             f.powerDbw, f.modeName});
    }
    chart.titleLines = TitleLines(input, chart);
    return chart;
}

std::array<double, kHalfHours> ClassicPathMuf(const PredictionRequest& request, PathKind kind) {
    std::array<int, kHalfHours> halfHours{};
    for (int j = 0; j < kHalfHours; ++j)
        halfHours[j] = j;
    PredictionRequest mufOnly = request;
    mufOnly.FrequencyCount = 0; // the MUF alone
    PathResult path;
    ComputePathAt(mufOnly, kind, halfHours, path);
    std::array<double, kHalfHours> muf{};
    for (int j = 0; j < kHalfHours; ++j)
        muf[j] = path.Muf[j];
    return muf;
}

std::string ChartCellReadout(const CircuitChart& chart, int column, int row) {
    const ChartCell& cell = chart.cells[column][row];
    std::string text = (column < 10 ? "0" : "") + std::to_string(column) + "00 UTC, " +
                       FormatFixed(chart.freqsMHz[row], 0, 3) + " MHz: circuit reliability " +
                       FormatFixed(cell.reliabilityPercent, 0, 0) + " %";
    if (Exists(cell.snrDb))
        text += ", S/N " + FormatFixed(cell.snrDb, 0, 0) + " dB (" +
                FormatFixed(chart.requiredSnrDb, 0, 0) + " dB needed)";
    if (Exists(cell.fieldDbu))
        text += ", field " + FormatFixed(cell.fieldDbu, 0, 0) + " dBuV/m";
    if (Exists(cell.powerDbw))
        text += ", power " + FormatFixed(cell.powerDbw, 0, 0) + " dBW";
    text += cell.modeName.empty() ? ", no mode" : ", mode " + cell.modeName;
    if (chart.opMufMHz[column] > 0.0)
        text += ", operational MUF " + FormatFixed(chart.opMufMHz[column], 0, 1) + " MHz";
    return text;
}

std::string CircuitChartCsv(const CircuitChart& chart) {
    std::string csv;
    for (const std::string& line : chart.titleLines)
        csv += "# " + line + "\n";
    csv += "utc,freq_mhz,band,reliability_pct,snr_db,snr_at_reliability_db,field_dbu,power_dbw,"
           "mode,opmuf_mhz";
    csv += chart.hasClassicMuf ? ",classic_muf_mhz\n" : "\n";
    for (int c = 0; c < kChartHours; ++c)
        for (std::size_t i = 0; i < chart.freqsMHz.size() && i < chart.cells[c].size(); ++i) {
            const ChartCell& cell = chart.cells[c][i];
            csv += std::to_string(c) + "," + FormatFixed(chart.freqsMHz[i], 0, 3) + "," +
                   CsvField(chart.rowLabels[i]) + "," + FormatFixed(cell.reliabilityPercent, 0, 1) +
                   "," + Level(cell.snrDb, 1) + "," + Level(cell.snrAtReliabilityDb, 1) + "," +
                   Level(cell.fieldDbu, 1) + "," + Level(cell.powerDbw, 1) + "," +
                   CsvField(cell.modeName) + "," + FormatFixed(chart.opMufMHz[c], 0, 2);
            if (chart.hasClassicMuf)
                csv += "," + FormatFixed(chart.classicMufMHz[2 * c], 0, 2);
            csv += "\n";
        }
    return csv;
}

#include "cli/P533Predict.h"

#include "cli/CommandErrors.h"
#include "cli/CommandOutput.h"
#include "cli/P533Output.h"
#include "cli/RequestArgs.h"
#include "cli/SolarAuto.h"
#include "core/Geometry.h"
#include "core/Numeric.h"
#include "core/UserMessage.h"
#include "engine/Propagation.h"
#include "report/PredictionSetup.h"
#include "settings/StationSettings.h"
#include "station/StationCircuit.h"

#include <algorithm>
#include <cmath>
#include <filesystem>

namespace {

constexpr const char* kCommand = "predict";

ArgFailure Usage(const std::string& text) {
    return {text, 2};
}

// A number option within [low, high], or the refusal naming the option.
std::optional<ArgFailure> ReadNumber(const std::optional<std::string>& text, const char* option,
                                     double low, double high, const char* unit, double& out) {
    if (!text)
        return std::nullopt;
    const std::optional<double> v = ParseDecimal(*text, true);
    if (!v || *v < low || *v > high)
        return ArgFailure{std::string("--") + option + " '" + *text + "': a number from " +
                              FormatFixed(low, 0, low == std::trunc(low) ? 0 : 1) + " to " +
                              FormatFixed(high, 0, high == std::trunc(high) ? 0 : 1) + " " + unit +
                              " expected",
                          1};
    out = *v;
    return std::nullopt;
}

struct NoiseName {
    const char* name;
    p533::NoiseCategory category;
};
// The P.372 curves, and the names of the settings' noise environments.
constexpr NoiseName kNoiseNames[] = {
    {"city", p533::NoiseCategory::City},       {"residential", p533::NoiseCategory::Residential},
    {"rural", p533::NoiseCategory::Rural},     {"quietrural", p533::NoiseCategory::QuietRural},
    {"quiet", p533::NoiseCategory::Quiet},     {"noisy", p533::NoiseCategory::Noisy},
    {"industrial", p533::NoiseCategory::City}, {"remote", p533::NoiseCategory::QuietRural},
};

std::optional<ArgFailure> ReadNoise(const std::optional<std::string>& text, const Settings& s,
                                    P533Station& run) {
    static const char* const kSettingsNames[] = {"industrial", "residential", "rural", "remote"};
    const std::string name =
        text ? Lower(*text) : kSettingsNames[std::clamp(s.NoiseEnvironment, 0, 3)];
    for (const NoiseName& n : kNoiseNames)
        if (name == n.name) {
            run.request.manMadeNoise.category = n.category;
            run.noiseName = n.name;
            return std::nullopt;
        }
    double level = 0.0;
    if (auto failure = ReadNumber(text, "noise", -200.0, -100.0, "dBW", level); failure || !text)
        return ArgFailure{"--noise '" + text.value_or("") +
                              "': city, residential, rural, quietrural, quiet, noisy or a level "
                              "of -200 to -100 dBW (in 1 Hz) expected",
                          1};
    run.request.manMadeNoise.levelDbw = level;
    run.noiseName = FormatFixed(level, 0, 1) + " dBW";
    return std::nullopt;
}

// An antenna's constant gain, checked before any file is read.
std::optional<ArgFailure> ReadGain(const std::optional<std::string>& gain,
                                   const std::optional<std::string>& file, const char* end,
                                   p533::Antenna& antenna, std::string& name) {
    const std::string option = std::string(end) + "-gain";
    if (gain && file)
        return Usage("give --" + option + " or --" + end + "-antenna, not both");
    if (auto failure = ReadNumber(gain, option.c_str(), -50.0, 50.0, "dBi", antenna.gainDbi))
        return failure;
    name = FormatFixed(antenna.gainDbi, 0, 1) + " dBi";
    return std::nullopt;
}

// An antenna's pattern file (Type 13), pointed along the path.
std::optional<ArgFailure> ReadPattern(const std::optional<std::string>& file, const char* end,
                                      p533::Antenna& antenna, std::string& name) {
    if (!file)
        return std::nullopt;
    const p533::PatternRead read = p533::ReadAntennaPatternFile(*file);
    if (!read.pattern)
        return ArgFailure{std::string("--") + end + "-antenna: " + read.error, 1};
    antenna.pattern = read.pattern;
    name = std::filesystem::path(*file).filename().string();
    return std::nullopt;
}

} // namespace

P533StationArgs TakeP533StationArgs(ArgList& args) {
    P533StationArgs a;
    a.bandwidth = args.Value("bandwidth");
    a.noise = args.Value("noise");
    a.minAngle = args.Value("min-angle");
    a.power = args.Value("power");
    a.txGain = args.Value("tx-gain");
    a.rxGain = args.Value("rx-gain");
    a.txAntenna = args.Value("tx-antenna");
    a.rxAntenna = args.Value("rx-antenna");
    a.snr = args.Value("snr-required");
    a.reliability = args.Value("reliability-required");
    a.mode = args.Value("mode");
    a.reference = args.Flag("reference-compatible");
    return a;
}

std::optional<ArgFailure> ReadP533StationNumbers(const P533StationArgs& a, P533Station& station) {
    p533::CircuitRequest& r = station.request;
    if (auto failure = ReadNumber(a.power, "power", 0.001, 10e6, "W", station.powerW))
        return failure;
    r.transmitPowerDbkW = 10.0 * std::log10(station.powerW / 1000.0);
    if (a.mode) {
        const std::optional<StationMode> mode = StationModeOf(*a.mode);
        if (!mode || *mode == StationMode::Custom)
            return Usage("--mode must be CW, SSB, AM, RTTY, FT8, FT4 or WSPR");
        r.bandwidthHz = ModePresetOf(*mode).bandwidthHz;
        r.requiredSnrDb = ModePresetOf(*mode).requiredSnrDb;
        station.modeBandwidth = true;
    }
    if (auto failure = ReadNumber(a.snr, "snr-required", -100, 100, "dB", r.requiredSnrDb))
        return failure;
    if (auto failure = ReadNumber(a.reliability, "reliability-required", 1, 99, "%",
                                  r.requiredReliabilityPercent))
        return failure;
    if (auto failure = ReadNumber(a.minAngle, "min-angle", 0, 30, "degrees", r.minElevationDeg))
        return failure;
    if (auto failure =
            ReadGain(a.txGain, a.txAntenna, "tx", r.transmitAntenna, station.txAntennaName))
        return failure;
    if (auto failure =
            ReadGain(a.rxGain, a.rxAntenna, "rx", r.receiveAntenna, station.rxAntennaName))
        return failure;
    if (a.reference)
        r.options = p533::Options::ReferenceCompatible();
    return std::nullopt;
}

std::optional<ArgFailure> ReadP533StationFiles(const P533StationArgs& a, const Settings& settings,
                                               P533Station& station) {
    p533::CircuitRequest& r = station.request;
    if (auto failure = ReadNoise(a.noise, settings, station))
        return failure;
    if (a.bandwidth || !station.modeBandwidth) {
        const std::string bandwidthText = a.bandwidth.value_or(settings.NoiseBandwidthText);
        if (auto failure = ReadNumber(bandwidthText, "bandwidth", 1, 1e6, "Hz", r.bandwidthHz))
            return failure;
    }
    if (auto failure = ReadPattern(a.txAntenna, "tx", r.transmitAntenna, station.txAntennaName))
        return failure;
    if (auto failure = ReadPattern(a.rxAntenna, "rx", r.receiveAntenna, station.rxAntennaName))
        return failure;
    return std::nullopt;
}

std::optional<ArgFailure> ReadP533SunspotNumber(const PredictionInputs& inputs, double& r12) {
    const SunspotNumberRead read =
        P533SunspotNumber(inputs.solarIndexText, inputs.date, inputs.zone);
    if (read.unreadable)
        return ArgFailure{"--solar: " + read.error, 1};
    if (!read.error.empty())
        return ArgFailure{"--solar '" + inputs.solarIndexText + "': " + read.error, 1};
    r12 = read.r12;
    return std::nullopt;
}

std::optional<ArgFailure> ReadP533Run(ArgList& args, P533Run& run) {
    RequestArgs request = TakeRequestArgs(args);
    const std::optional<std::string> path = args.Value("path"), format = args.Value("format");
    const std::optional<std::string> month = args.Value("month"), freqs = args.Value("freqs");
    const P533StationArgs station = TakeP533StationArgs(args);
    if (const auto problem = args.Problem())
        return Usage(*problem);
    if (!args.Positionals().empty())
        return Usage("unexpected argument");
    if (request.kIndex)
        return Usage("--k has no meaning for the P.533 engine");
    if (month && request.date)
        return Usage("give --date or --month, not both");

    p533::CircuitRequest& r = run.request;
    if (path) {
        const std::string p = Lower(*path);
        if (p != "short" && p != "long")
            return Usage("--engine p533 predicts one path: --path short or long");
        r.longPath = p == "long";
    }
    if (format) {
        run.format = Lower(*format);
        if (run.format != "text" && run.format != "csv" && run.format != "json")
            return Usage("--format must be text, csv or json with --engine p533");
    }
    double monthValue = 0.0;
    if (auto failure = ReadNumber(month, "month", 1, 12, "", monthValue))
        return failure;
    if (month && monthValue != std::trunc(monthValue))
        return ArgFailure{"--month '" + *month + "': a month 1 to 12 expected", 1};
    if (auto failure = ReadP533StationNumbers(station, run))
        return failure;
    if (auto failure = CheckRequestArgs(request))
        return failure;

    CommandData data;
    if (auto failure = ReadCommandData(request.dataDir, data))
        return failure;
    SettingOverrides overrides;
    overrides.freqs = freqs;
    if (auto failure = ApplyOverrides(overrides, data.settings))
        return failure;
    if (auto failure = ReadP533StationFiles(station, data.settings, run))
        return failure;

    run.solarFetched = IsSolarAuto(request.solar);
    PredictionInputs inputs;
    if (auto failure = BuildPredictionInputs(request, data, true, inputs))
        return failure;
    CalendarDay day = CalendarFromDate(inputs.date);
    if (month) {
        day.month = static_cast<int>(monthValue);
        day.day = 15;
        inputs.date = DateFromCalendar(day.year, day.month, day.day);
    }
    run.year = day.year;
    r.month = day.month;
    if (auto failure = ReadP533SunspotNumber(inputs, r.r12))
        return failure;
    run.solarText = inputs.solarIndexText;
    run.terminalA = inputs.terminalA;
    run.terminalB = inputs.terminalB;
    for (Terminal* t : {&run.terminalA, &run.terminalB})
        if (const CheckResult check = DeriveTerminalCoordinates(*t); !check.ok)
            return ArgFailure{OneLineText(check.message), 1};
    r.transmitter = {run.terminalA.LatitudeDeg, -run.terminalA.LongitudeDeg};
    r.receiver = {run.terminalB.LatitudeDeg, -run.terminalB.LongitudeDeg};
    for (int h = 1; h <= 24; ++h)
        r.hoursUtc.push_back(h);
    for (const std::string& f : FrequencyTexts(data.settings))
        r.frequenciesMHz.push_back(ParseDecimal(f, false).value_or(0.0));
    return std::nullopt;
}

int RunP533Predict(ArgList& args, const char* usage) {
    P533Run run;
    if (const std::optional<ArgFailure> failure = ReadP533Run(args, run))
        return failure->status == 2 ? ReportUsageError(kCommand, failure->text, usage)
                                    : ReportRefusal(kCommand, failure->text);
    const P533DataRead load = LoadP533Data();
    if (!load.data)
        return ReportRefusal(kCommand, load.error);
    const p533::CircuitResult result = p533::PredictCircuit(*load.data, run.request);
    if (!result.error.empty())
        return ReportRefusal(kCommand, result.error);
    const std::string output = run.format == "json"  ? P533Json(run, result)
                               : run.format == "csv" ? P533Csv(run, result)
                                                     : P533Text(run, result);
    if (!WriteStandardOutput(output))
        return ReportRefusal(kCommand, "the output could not be written");
    return 0;
}

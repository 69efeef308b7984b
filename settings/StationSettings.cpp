#include "settings/StationSettings.h"

#include "core/ReadFile.h"
#include "core/ReplaceFile.h"
#include "core/Utf8Text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// The presets. The digital modes' figures are the decoding thresholds the WSJT-X
// User Guide gives in its 2500 Hz reference bandwidth; the analogue modes' are
// working figures for an operator in a usual receiver filter.
constexpr std::array<ModePreset, 8> kPresets = {{
    {StationMode::CW, "CW", 500.0, 3.0,
     "Aural CW copy by an operator through a 500 Hz filter: about 3 dB S/N (33 dB-Hz), a "
     "common working figure for amateur CW."},
    {StationMode::SSB, "SSB", 2700.0, 10.0,
     "Voice through a 2.7 kHz SSB filter: about 10 dB S/N (44 dB-Hz) for readable speech, "
     "a common working figure for amateur SSB."},
    {StationMode::AM, "AM", 6000.0, 20.0,
     "Double-sideband AM voice in a 6 kHz filter: about 20 dB S/N (58 dB-Hz) for fair "
     "reception, a common working figure for broadcast-style AM."},
    {StationMode::RTTY, "RTTY", 250.0, 10.0,
     "45.45 baud RTTY with 170 Hz shift in a 250 Hz filter: about 10 dB S/N (34 dB-Hz) for "
     "nearly error-free print, a common working figure."},
    {StationMode::FT8, "FT8", 2500.0, -21.0,
     "FT8 decodes down to -21 dB S/N in the 2500 Hz reference bandwidth that WSJT-X reports "
     "in (WSJT-X User Guide): 13 dB-Hz."},
    {StationMode::FT4, "FT4", 2500.0, -17.5,
     "FT4 decodes down to -17.5 dB S/N in the 2500 Hz reference bandwidth of WSJT-X "
     "(WSJT-X User Guide): 16.5 dB-Hz."},
    {StationMode::WSPR, "WSPR", 2500.0, -28.0,
     "WSPR decodes down to -28 dB S/N in the 2500 Hz reference bandwidth of WSJT-X "
     "(WSJT-X User Guide): 6 dB-Hz."},
    {StationMode::Custom, "Custom", 2700.0, 10.0,
     "The bandwidth and required S/N typed by the user."},
}};

constexpr std::array<std::string_view, 7> kNoiseNames = {
    "city", "residential", "rural", "quietrural", "quiet", "noisy", "level"};

bool SameLetters(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

std::string NumberText(double v) {
    char buffer[32];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, v);
    return ec == std::errc() ? std::string(buffer, end) : std::string("0");
}

std::optional<double> NumberOf(std::string_view text) {
    double v = 0.0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(v))
        return std::nullopt;
    return v;
}

std::string LimitText(double v) {
    return NumberText(v);
}

// "The <what> must be between <low> and <high> <unit>." when v is outside.
std::string RangeProblem(double v, double low, double high, const char* what, const char* unit) {
    if (v >= low && v <= high)
        return {};
    return std::string("The ") + what + " must be between " + LimitText(low) + " and " +
           LimitText(high) + " " + unit + ".";
}

std::string AntennaProblem(const StationAntenna& antenna, const char* end) {
    const std::string what = std::string(end) + " antenna gain";
    if (std::string problem =
            RangeProblem(antenna.gainDbi, kMinGainDbi, kMaxGainDbi, what.c_str(), "dBi");
        !problem.empty())
        return problem;
    if (HasControlCharacter(antenna.patternFile))
        return std::string("The ") + end +
               " antenna pattern file name must not hold control characters.";
    return {};
}

// One value of the file into the settings; false when the key is known and its value
// does not read.
bool TakeValue(std::string_view key, std::string_view value, StationSettings& s) {
    const auto number = [&](double& out) {
        const std::optional<double> v = NumberOf(value);
        if (v)
            out = *v;
        return v.has_value();
    };
    if (key == "power-w")
        return number(s.powerW);
    if (key == "tx-gain-dbi")
        return number(s.txAntenna.gainDbi);
    if (key == "rx-gain-dbi")
        return number(s.rxAntenna.gainDbi);
    if (key == "tx-pattern-file") {
        s.txAntenna.patternFile = std::string(value);
        return true;
    }
    if (key == "rx-pattern-file") {
        s.rxAntenna.patternFile = std::string(value);
        return true;
    }
    if (key == "noise") {
        const std::optional<StationNoise> noise = StationNoiseOf(value);
        if (noise)
            s.noise = *noise;
        return noise.has_value();
    }
    if (key == "noise-level-dbw")
        return number(s.noiseLevelDbw);
    if (key == "mode") {
        const std::optional<StationMode> mode = StationModeOf(value);
        if (mode)
            s.mode = *mode;
        return mode.has_value();
    }
    if (key == "custom-bandwidth-hz")
        return number(s.customBandwidthHz);
    if (key == "custom-snr-db")
        return number(s.customSnrDb);
    if (key == "reliability-percent")
        return number(s.requiredReliabilityPercent);
    if (key == "engine") {
        const std::optional<PredictionEngine> engine = PredictionEngineOf(value);
        if (engine)
            s.startEngine = *engine;
        return engine.has_value();
    }
    return true; // a key of a later version
}

StationSettingsRead Damaged(std::string_view fileName, const std::string& reason) {
    StationSettingsRead read;
    read.status = StationReadStatus::Damaged;
    read.message =
        std::string(fileName) + ": " + reason + "; the default station settings are used.";
    return read;
}

} // namespace

std::string_view PredictionEngineName(PredictionEngine engine) {
    return engine == PredictionEngine::P533 ? "p533" : "classic";
}

std::optional<PredictionEngine> PredictionEngineOf(std::string_view name) {
    if (SameLetters(name, "classic"))
        return PredictionEngine::Classic;
    if (SameLetters(name, "p533"))
        return PredictionEngine::P533;
    return std::nullopt;
}

std::span<const ModePreset> ModePresets() {
    return kPresets;
}

const ModePreset& ModePresetOf(StationMode mode) {
    for (const ModePreset& p : kPresets)
        if (p.mode == mode)
            return p;
    return kPresets.back();
}

std::optional<StationMode> StationModeOf(std::string_view name) {
    for (const ModePreset& p : kPresets)
        if (SameLetters(name, p.name))
            return p.mode;
    return std::nullopt;
}

std::string_view StationNoiseName(StationNoise noise) {
    const auto i = static_cast<std::size_t>(noise);
    return i < kNoiseNames.size() ? kNoiseNames[i] : kNoiseNames[1];
}

std::optional<StationNoise> StationNoiseOf(std::string_view name) {
    for (std::size_t i = 0; i < kNoiseNames.size(); ++i)
        if (SameLetters(name, kNoiseNames[i]))
            return static_cast<StationNoise>(i);
    return std::nullopt;
}

double StationSettings::BandwidthHz() const {
    return mode == StationMode::Custom ? customBandwidthHz : ModePresetOf(mode).bandwidthHz;
}

double StationSettings::RequiredSnrDb() const {
    return mode == StationMode::Custom ? customSnrDb : ModePresetOf(mode).requiredSnrDb;
}

double StationSettings::RequiredSnrDbHz() const {
    return RequiredSnrDb() + 10.0 * std::log10(BandwidthHz());
}

double StationSettings::PowerDbkW() const {
    return 10.0 * std::log10(powerW / 1000.0);
}

std::string CheckStationSettings(const StationSettings& s) {
    for (std::string problem :
         {RangeProblem(s.powerW, kMinPowerW, kMaxPowerW, "transmit power", "W"),
          AntennaProblem(s.txAntenna, "transmit"), AntennaProblem(s.rxAntenna, "receive"),
          RangeProblem(s.noiseLevelDbw, kMinNoiseLevelDbw, kMaxNoiseLevelDbw, "noise level", "dBW"),
          RangeProblem(s.customBandwidthHz, kMinBandwidthHz, kMaxBandwidthHz, "bandwidth", "Hz"),
          RangeProblem(s.customSnrDb, kMinRequiredSnrDb, kMaxRequiredSnrDb, "required S/N", "dB"),
          RangeProblem(s.requiredReliabilityPercent, kMinRequiredReliability,
                       kMaxRequiredReliability, "required reliability", "%")})
        if (!problem.empty())
            return problem;
    return {};
}

std::string StationSettingsText(const StationSettings& s) {
    std::string text = "hopscope-station " + std::to_string(kStationSettingsVersion) + "\n";
    const auto line = [&](const char* key, const std::string& value) {
        text += key;
        text += '=';
        text += value;
        text += '\n';
    };
    line("power-w", NumberText(s.powerW));
    line("tx-gain-dbi", NumberText(s.txAntenna.gainDbi));
    line("tx-pattern-file", s.txAntenna.patternFile);
    line("rx-gain-dbi", NumberText(s.rxAntenna.gainDbi));
    line("rx-pattern-file", s.rxAntenna.patternFile);
    line("noise", std::string(StationNoiseName(s.noise)));
    line("noise-level-dbw", NumberText(s.noiseLevelDbw));
    line("mode", ModePresetOf(s.mode).name);
    line("custom-bandwidth-hz", NumberText(s.customBandwidthHz));
    line("custom-snr-db", NumberText(s.customSnrDb));
    line("reliability-percent", NumberText(s.requiredReliabilityPercent));
    line("engine", std::string(PredictionEngineName(s.startEngine)));
    text += "end\n";
    return text;
}

StationSettingsRead ParseStationSettings(std::string_view text, std::string_view fileName) {
    if (text.empty())
        return Damaged(fileName, "the file is empty");
    StationSettingsRead read;
    bool first = true;
    bool ended = false;
    int lineNumber = 0;
    for (std::size_t at = 0; at < text.size() && !ended;) {
        const std::size_t newline = text.find('\n', at);
        if (newline == std::string_view::npos)
            break; // a last line without its line end: the file was cut
        std::string_view line = text.substr(at, newline - at);
        at = newline + 1;
        ++lineNumber;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (first) {
            constexpr std::string_view kHead = "hopscope-station ";
            const std::optional<double> version =
                line.starts_with(kHead) ? NumberOf(line.substr(kHead.size())) : std::nullopt;
            if (!version || *version < 1 || *version != std::trunc(*version))
                return Damaged(fileName, "not a station settings file");
            if (*version > kStationSettingsVersion)
                return Damaged(fileName, "written by a newer version of Hopscope (file version " +
                                             NumberText(*version) + ")");
            first = false;
            continue;
        }
        if (line == "end") {
            ended = true;
            break;
        }
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos ||
            !TakeValue(line.substr(0, equals), line.substr(equals + 1), read.settings))
            return Damaged(fileName, "line " + std::to_string(lineNumber) + " cannot be read");
    }
    if (first)
        return Damaged(fileName, "not a station settings file");
    if (!ended)
        return Damaged(fileName, "the file is truncated (it has no end line)");
    if (const std::string problem = CheckStationSettings(read.settings); !problem.empty())
        return Damaged(fileName, problem);
    return read;
}

StationSettingsRead ReadStationSettings(const fs::path& dataDir) {
    const fs::path path = dataDir / kStationSettingsFileName;
    const std::string name = path.string();
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (!fs::exists(status)) {
        StationSettingsRead read;
        read.status = StationReadStatus::Missing;
        read.message = name + ": no station settings yet; the defaults are used.";
        return read;
    }
    if (!fs::is_regular_file(status))
        return Damaged(name, "not a regular file");
    const FileReadResult bytes = ReadFilePart(path, 0, kMaxStationSettingsBytes + 1);
    if (!bytes)
        return Damaged(name, bytes.error);
    if (bytes.fileSize > kMaxStationSettingsBytes)
        return Damaged(name, "the file is larger than " +
                                 std::to_string(kMaxStationSettingsBytes / 1024) + " KB");
    return ParseStationSettings(bytes.bytes, name);
}

StationSettingsWrite WriteStationSettings(const fs::path& dataDir,
                                          const StationSettings& settings) {
    const fs::path path = dataDir / kStationSettingsFileName;
    if (const std::string problem = CheckStationSettings(settings); !problem.empty())
        return {path.string() + ": " + problem};
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (fs::exists(status) && !fs::is_regular_file(status))
        return {path.string() + ": not a regular file"};
    const FileWriteResult written = ReplaceFile(path, StationSettingsText(settings));
    return {written ? "" : path.string() + ": " + written.error};
}

fs::path PatternFilePath(const fs::path& dataDir, const StationAntenna& antenna) {
    const fs::path file(antenna.patternFile);
    return file.is_absolute() ? file : dataDir / file;
}

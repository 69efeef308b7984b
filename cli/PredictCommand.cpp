#include "atlas/Atlas.h"
#include "atlas/AtlasFile.h"
#include "atlas/BuiltInAtlas.h"
#include "cli/ArgList.h"
#include "cli/CommandErrors.h"
#include "cli/Commands.h"
#include "cli/IsoDate.h"
#include "cli/PredictRun.h"
#include "cli/SettingOverrides.h"
#include "cli/TerminalArgs.h"
#include "core/DataDirectory.h"
#include "core/Dates.h"
#include "core/Numeric.h"
#include "core/Syntax.h"
#include "core/TimeZone.h"
#include "engine/KxPdComp.h"
#include "graphs/HopsList.h"
#include "report/PathReport.h"
#include "report/PredictionExport.h"
#include "report/PredictionSetup.h"
#include "report/SystemDates.h"
#include "settings/DefaultTerminal.h"
#include "settings/SettingsFile.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr const char* kPredictUsage =
    "usage: hopscope-cli predict TERMINAL-A TERMINAL-B --solar INDEX [OPTIONS]\n"
    "\n"
    "A complete prediction of the short and the long path between two terminals, for\n"
    "every half hour of the UTC day and every frequency of the list.\n"
    "\n"
    "Terminals:\n"
    "  --a PREFIX|LOCATOR|DEFAULT  terminal A from the atlas, a grid square (FN31) or\n"
    "                   the default terminal of the settings\n"
    "  --a-lat LAT --a-lon LON     terminal A by hand: [+/-]deg [min [sec]] [N/S] and\n"
    "                   [W/E]; longitudes are positive WEST (11 E is -11)\n"
    "  --a-name NAME    terminal A's place name (17 characters)\n"
    "  --b...           the same for terminal B\n"
    "Prediction:\n"
    "  --date YYYY-MM-DD  the day (default: today, UTC)\n"
    "  --solar INDEX    S + sunspot number (0-360) or F + 10.7 cm flux (60-410); a bare\n"
    "                   number is read as the settings' primary solar index says\n"
    "  --k N            K index 0-9; -1 or absent for the average\n"
    "  --path short|long|both      (default both)\n"
    "  --utc | --local | --tz-offset +HH:MM   times in UTC, in this machine's local\n"
    "                   time, or at an offset of local time from UTC (default: settings)\n"
    "Settings for this run only (the settings file is never written):\n"
    "  --freqs 3.6,7.1,...  up to ten frequencies 3.0-30.0 MHz ('' for none)\n"
    "  --constants 0.0,-3.5,...  their additive signal level constants (dB)\n"
    "  --min-angle DEG  minimum radiation angle 0.0-45.0\n"
    "  --bandwidth HZ   noise bandwidth 1-20000\n"
    "  --noise industrial|residential|rural|remote\n"
    "  --suppression 0|-10|-20|none\n"
    "  --show-zero | --hide-zero   zero-availability predictions\n"
    "  --snr | --signal              signal-to-noise ratios or signal levels\n"
    "Output:\n"
    "  --format text|csv|json|hops  the 101-column report (default), the raw values,\n"
    "                   or the advanced list of MUF, S/N, angle and hops per frequency\n"
    "  --group time|frequency  how the hops list is grouped (default time)\n"
    "  --date-order mdy|dmy|ymd  order of the report's date (default: the locale's)\n"
    "  --data-dir DIR   the folder of Hopscope.SAV and Hopscope.ATL\n";

using Failure = PredictFailure;

Failure Usage(const std::string& problem) {
    return {problem, 2, true};
}
// A refusal of the setting overrides; a usage error gets the usage text.
Failure FromOverrides(const ArgFailure& failure) {
    return failure.status == 2 ? Usage(failure.text) : Failure{failure.text, failure.status};
}
Failure Refused(const UserMessage& message) {
    return {OneLineText(message), 1};
}
Failure Refused(const std::string& text) {
    return {text, 1};
}

/// The atlas of the data directory, read without creating or changing any file: the
/// atlas file when there is one, otherwise the built-in places.
class ReadOnlyAtlas {
public:
    explicit ReadOnlyAtlas(fs::path dataDir) : m_dataDir(std::move(dataDir)) {}
    const Atlas& Get() {
        if (!m_loaded) {
            m_loaded = true;
            std::error_code ec;
            if (fs::exists(m_dataDir / kAtlasFileName, ec)) {
                LoadAtlas(m_atlas, m_dataDir); // the file exists, so this only reads it
            } else {
                m_atlas.Entries = BuiltInAtlasEntries();
                m_atlas.Count = static_cast<std::int32_t>(m_atlas.Entries.size());
                BuildAtlasIndexes(m_atlas);
            }
        }
        return m_atlas;
    }

private:
    fs::path m_dataDir;
    Atlas m_atlas;
    bool m_loaded = false;
};

/// Terminal `letter` from --X (a prefix of the atlas, a locator or DEFAULT) or from
/// --X-lat/--X-lon, with --X-name.
std::optional<Failure> ReadTerminal(ArgList& args, const std::string& letter,
                                    const Settings& settings, ReadOnlyAtlas& atlas,
                                    Terminal& terminal) {
    const std::optional<std::string> given = args.Value(letter);
    const std::optional<std::string> lat = args.Value(letter + "-lat");
    const std::optional<std::string> lon = args.Value(letter + "-lon");
    const std::optional<std::string> name = args.Value(letter + "-name");

    if (given && !lat && !lon) {
        const std::string text = AtlasUpperCase(*given);
        if (text == kDefaultPrefix || text.empty()) {
            if (!settings.DefaultDefined)
                return Refused(ErrorMessage(
                    "The default terminal is not available until it is defined. Choose\r"
                    "Options from the Hopscope Main Menu Bar to define the default terminal."));
            terminal = DefaultTerminal(settings);
            return std::nullopt;
        }
        if (const std::optional<AtlasEntry> entry = FindAtlasEntry(atlas.Get(), text)) {
            terminal = {};
            terminal.Prefix = CutText(text, kPrefixCapacity);
            terminal.LatitudeText = entry->Latitude();
            terminal.LongitudeText = entry->Longitude();
            terminal.Name = name ? CutText(*name, kNameCapacity) : entry->Name();
            return std::nullopt;
        }
        if (!GridLocatorToCoordinates(text, false))
            return Refused(
                ErrorMessage(*given + " not found in atlas\rand not a valid grid locator"));
    }
    // A locator or coordinates typed by hand: read as the terminal options read them.
    std::vector<std::string> own;
    const auto add = [&](const std::string& option, const std::optional<std::string>& value) {
        if (value) {
            own.push_back("--" + option);
            own.push_back(*value);
        }
    };
    add(letter, given);
    add(letter + "-lat", lat);
    add(letter + "-lon", lon);
    add(letter + "-name", name);
    ArgList terminalArgs(own);
    const TerminalArgs read = ReadTerminalArgs(terminalArgs, letter);
    if (!read.ok)
        return Refused(TerminalArgsProblem(read));
    terminal = read.terminal;
    return std::nullopt;
}

/// "+05:30" or "-08:00": local time minus UTC, in minutes.
std::optional<int> ParseTzOffset(const std::string& text) {
    if (text.size() != 6 || (text[0] != '+' && text[0] != '-') || text[3] != ':')
        return std::nullopt;
    for (std::size_t i : {1u, 2u, 4u, 5u})
        if (!std::isdigit(static_cast<unsigned char>(text[i])))
            return std::nullopt;
    const int hours = std::stoi(text.substr(1, 2));
    const int minutes = std::stoi(text.substr(4, 2));
    if (hours > 14 || minutes > 59)
        return std::nullopt;
    const int total = hours * 60 + minutes;
    return text[0] == '-' ? -total : total;
}

} // namespace

std::optional<PredictFailure> ReadPredictRun(ArgList& args, PredictRun& run, bool formats) {
    const std::optional<std::string> dataDir = args.Value("data-dir");
    const std::optional<std::string> date = args.Value("date");
    const std::optional<std::string> solar = args.Value("solar");
    const std::optional<std::string> kIndex = args.Value("k");
    const std::optional<std::string> path = args.Value("path");
    const bool utc = args.Flag("utc");
    const bool local = args.Flag("local");
    const std::optional<std::string> tzOffset = args.Value("tz-offset");
    const std::optional<std::string> format = formats ? args.Value("format") : std::nullopt;
    const std::optional<std::string> group = formats ? args.Value("group") : std::nullopt;
    const std::optional<std::string> dateOrder = args.Value("date-order");
    const SettingOverrides overrides = TakeOverrides(args);

    // The terminal options are set aside now (so that what is left over is unknown)
    // and read once the settings and the atlas are at hand.
    std::vector<std::string> terminalOptions;
    for (const char* letter : {"a", "b"})
        for (const char* suffix : {"", "-lat", "-lon", "-name"}) {
            const std::string option = std::string(letter) + suffix;
            if (std::optional<std::string> value = args.Value(option)) {
                terminalOptions.push_back("--" + option);
                terminalOptions.push_back(*value);
            }
        }
    if (const auto problem = args.Problem())
        return Usage(*problem);

    if (path) {
        const std::string p = Lower(*path);
        if (p == "short" || p == "both")
            run.kinds.push_back(PathKind::Short);
        if (p == "long" || p == "both")
            run.kinds.push_back(PathKind::Long);
        if (run.kinds.empty())
            return Usage("--path must be short, long or both");
    } else {
        run.kinds = {PathKind::Short, PathKind::Long};
    }
    if (format) {
        run.format = Lower(*format);
        if (run.format != "text" && run.format != "csv" && run.format != "json" &&
            run.format != "hops")
            return Usage("--format must be text, csv, json or hops");
    }
    if (group) {
        const std::string g = Lower(*group);
        if (g != "time" && g != "frequency")
            return Usage("--group must be time or frequency");
        run.grouping = g == "time" ? HopsGrouping::ByTime : HopsGrouping::ByFrequency;
    }
    run.dates = SystemDateConventions();
    if (dateOrder) {
        const std::string order = Lower(*dateOrder);
        if (order == "mdy")
            run.dates.order = DateOrder::MonthDayYear;
        else if (order == "dmy")
            run.dates.order = DateOrder::DayMonthYear;
        else if (order == "ymd")
            run.dates.order = DateOrder::YearMonthDay;
        else
            return Usage("--date-order must be mdy, dmy or ymd");
    }
    if (static_cast<int>(utc) + static_cast<int>(local) + static_cast<int>(tzOffset.has_value()) >
        1)
        return Usage("give only one of --utc, --local and --tz-offset");

    const DataDirectoryResult dir = ResolveExistingDataDirectory(dataDir);
    if (!dir.Ok())
        return Refused(dir.error);
    run.settings = ReadSettingsFile(SettingsFilePath(dir.directory)).settings;
    if (auto failure = ApplyOverrides(overrides, run.settings))
        return FromOverrides(*failure);

    ReadOnlyAtlas atlas(dir.directory);
    ArgList terminalArgs(terminalOptions);
    if (auto failure = ReadTerminal(terminalArgs, "a", run.settings, atlas, run.inputs.terminalA))
        return failure;
    if (auto failure = ReadTerminal(terminalArgs, "b", run.settings, atlas, run.inputs.terminalB))
        return failure;

    const ClockReading clock = ReadSystemClock();
    if (tzOffset) {
        const std::optional<int> minutes = ParseTzOffset(*tzOffset);
        if (!minutes)
            return Usage(
                "--tz-offset must be +HH:MM or -HH:MM (local time minus UTC, e.g. +05:30)");
        run.inputs.zone.utc = false;
        run.inputs.zone.UtcOffset = -*minutes / 1440.0;
        run.inputs.zone.TimeZoneLabel = "ULT";
    } else {
        run.inputs.zone = SetTimeZone(local ? false : (utc ? true : run.settings.UseUtc), clock);
    }
    if (date) {
        const std::optional<DateValue> day = ParseIsoDate(*date);
        if (!day)
            return Refused(ErrorMessage("Invalid date"));
        run.inputs.date = *day;
    } else {
        run.inputs.date = UtcToday(clock);
    }
    run.inputs.zone.PredictionDate = run.inputs.date;

    const TextCheck solarIndex = CheckSolarIndex(solar.value_or(""), run.settings.SunspotPrimary);
    if (!solarIndex)
        return Refused(solarIndex.message);
    run.inputs.solarIndexText = solarIndex.text;
    const TextCheck k = CheckKIndex(kIndex.value_or(""));
    if (!k)
        return Refused(k.message);
    run.inputs.kIndexText = k.text;
    return std::nullopt;
}

namespace {

std::string TextReport(const PredictRun& run, const PredictionResult& result) {
    const std::string dateText = FormatDateText(true, run.inputs.date, run.dates);
    std::string text;
    for (PathKind kind : run.kinds)
        text += JoinReportLines(PathReportLines(result, kind, run.settings, run.inputs.zone,
                                                dateText, ReportStyle::BatchFile));
    return text;
}

std::string HopsReport(const PredictRun& run, const PredictionResult& result) {
    const std::string dateText = FormatDateText(true, run.inputs.date, run.dates);
    std::string text;
    for (PathKind kind : run.kinds)
        text += JoinReportLines(HopsPathReportLines(result, kind, run.settings, run.inputs.zone,
                                                    dateText, run.grouping));
    return text;
}

} // namespace

int RunPredictCommand(const std::vector<std::string>& argList) {
    if (std::find(argList.begin(), argList.end(), "--help") != argList.end()) {
        std::fputs(kPredictUsage, stdout);
        return 0;
    }
    PredictRun run;
    ArgList args(argList);
    if (const std::optional<Failure> failure = ReadPredictRun(args, run, true)) {
        if (failure->usage)
            return ReportUsageError("predict", failure->text, kPredictUsage);
        ReportRefusal("predict", failure->text);
        return failure->status;
    }
    const PreparedPrediction prepared = PreparePrediction(run.inputs, run.settings);
    if (!prepared)
        return ReportRefusal("predict", OneLineText(prepared.message));
    const PredictionResult result = ComputePrediction(prepared.request);
    std::string output;
    if (run.format == "json")
        output = PredictionJson(result, run.kinds);
    else if (run.format == "csv")
        output = PredictionCsv(result, run.kinds);
    else if (run.format == "hops")
        output = HopsReport(run, result);
    else
        output = TextReport(run, result);
    const bool written = std::fwrite(output.data(), 1, output.size(), stdout) == output.size();
    if (std::fflush(stdout) != 0 || !written) {
        return ReportRefusal("predict", "the output could not be written");
    }
    return 0;
}

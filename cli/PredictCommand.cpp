#include "atlas/Atlas.h"
#include "atlas/AtlasFile.h"
#include "atlas/BuiltInAtlas.h"
#include "cli/ArgList.h"
#include "cli/CliTerminal.h"
#include "cli/CommandErrors.h"
#include "cli/Commands.h"
#include "cli/IsoDate.h"
#include "cli/SettingOverrides.h"
#include "cli/TerminalArgs.h"
#include "core/DataDirectory.h"
#include "core/Dates.h"
#include "core/Numeric.h"
#include "core/Syntax.h"
#include "core/TimeZone.h"
#include "engine/KxPdComp.h"
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
    "  --format text|csv|json  the 101-column report (default), or the raw values\n"
    "  --date-order mdy|dmy|ymd  order of the report's date (default: the locale's)\n"
    "  --data-dir DIR   the folder of Hopscope.SAV and Hopscope.ATL\n";

/// A refusal: the text for standard error and the exit status.
struct Failure {
    std::string text;
    int status = 1;
};

Failure Usage(const std::string& problem) {
    return {problem + "\n\n" + kPredictUsage, 2};
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

/// Everything the command needs once its arguments are read.
struct PredictRun {
    Settings settings;
    PredictionInputs inputs;
    std::vector<PathKind> kinds;
    std::string format = "text";
    DateConventions dates;
};

std::optional<Failure> ReadRun(const std::vector<std::string>& argList, PredictRun& run) {
    ArgList args(argList);
    const std::optional<std::string> dataDir = args.Value("data-dir");
    const std::optional<std::string> date = args.Value("date");
    const std::optional<std::string> solar = args.Value("solar");
    const std::optional<std::string> kIndex = args.Value("k");
    const std::optional<std::string> path = args.Value("path");
    const bool utc = args.Flag("utc");
    const bool local = args.Flag("local");
    const std::optional<std::string> tzOffset = args.Value("tz-offset");
    const std::optional<std::string> format = args.Value("format");
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
        if (run.format != "text" && run.format != "csv" && run.format != "json")
            return Usage("--format must be text, csv or json");
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
    for (auto [letter, terminal] :
         {std::pair{"a", &run.inputs.terminalA}, std::pair{"b", &run.inputs.terminalB}})
        if (auto failure = ReadAtlasTerminal(terminalArgs, letter, run.settings, atlas, *terminal))
            return Failure{failure->text, failure->status};

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

std::string TextReport(const PredictRun& run, const PredictionResult& result) {
    const std::string dateText = FormatDateText(true, run.inputs.date, run.dates);
    std::string text;
    for (PathKind kind : run.kinds)
        text += JoinReportLines(PathReportLines(result, kind, run.settings, run.inputs.zone,
                                                dateText, ReportStyle::BatchFile));
    return text;
}

} // namespace

int RunPredictCommand(const std::vector<std::string>& argList) {
    if (std::find(argList.begin(), argList.end(), "--help") != argList.end()) {
        std::fputs(kPredictUsage, stdout);
        return 0;
    }
    PredictRun run;
    if (const std::optional<Failure> failure = ReadRun(argList, run)) {
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
    else
        output = TextReport(run, result);
    const bool written = std::fwrite(output.data(), 1, output.size(), stdout) == output.size();
    if (std::fflush(stdout) != 0 || !written) {
        return ReportRefusal("predict", "the output could not be written");
    }
    return 0;
}

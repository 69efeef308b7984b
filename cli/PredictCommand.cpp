#include "cli/ArgList.h"
#include "cli/CommandErrors.h"
#include "cli/CommandOutput.h"
#include "cli/Commands.h"
#include "cli/P533Predict.h"
#include "cli/PredictRun.h"
#include "cli/RequestArgs.h"
#include "cli/SettingOverrides.h"
#include "core/Dates.h"
#include "core/SystemDates.h"
#include "graphs/HopsList.h"
#include "report/PathReport.h"
#include "report/PredictionExport.h"
#include "report/PredictionHeaders.h"
#include "report/PredictionSetup.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

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
    "  --a-name NAME    terminal A's place name (up to 17 bytes)\n"
    "  --b...           the same for terminal B\n"
    "Prediction:\n"
    "  --date YYYY-MM-DD  the day (default: today, UTC)\n"
    "  --solar INDEX    S + sunspot number (0-360) or F + 10.7 cm flux (60-410); a bare\n"
    "                   number is read as the settings' primary solar index says\n"
    "                   (auto: the published figure of the day and, without --k, its\n"
    "                   K index; see 'hopscope-cli solar')\n"
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
    "  --format text|csv|json|hops  the 101-column report as the results window saves\n"
    "                   it (default), the raw values, or the advanced list of MUF, S/N,\n"
    "                   angle and hops per frequency\n"
    "  --group time|frequency  how the hops list is grouped (default time)\n"
    "  --date-order mdy|dmy|ymd  order of the report's date (default: the locale's)\n"
    "  --data-dir DIR   the folder of Hopscope.SAV and Hopscope.ATL\n"
    "Engine:\n"
    "  --engine classic|p533  Hopscope's own engine (default), or one circuit by\n"
    "                   Recommendation ITU-R P.533 for the 24 hours UTC of a month.\n"
    "                   --solar S... is a sunspot number on the scale each engine was\n"
    "                   made with: the classic engine's own; for p533 the original\n"
    "                   (version 1) scale of the CCIR maps, about 0.6 of the numbers\n"
    "                   published since 2015 (--solar auto converts a fetched one)\n"
    "With --engine p533 (and the terminals, --date, --solar, --freqs, --data-dir above):\n"
    "  --month 1-12     the month instead of --date\n"
    "  --path short|long  the one path to predict (default short)\n"
    "  --power W        transmitter power (default 100)\n"
    "  --tx-gain dBi | --tx-antenna FILE   transmitting antenna: a constant gain\n"
    "                   (default 0) or a Type 13 gain pattern aimed along the path\n"
    "  --rx-gain dBi | --rx-antenna FILE   the same for the receiving antenna\n"
    "  --noise CATEGORY|dBW  man-made noise: city, residential, rural, quietrural,\n"
    "                   quiet, noisy, or a level -200 to -100 dBW in 1 Hz (default:\n"
    "                   the settings' noise environment)\n"
    "  --bandwidth HZ   receiver bandwidth (default: the settings')\n"
    "  --min-angle DEG  lowest elevation of a mode (default 3)\n"
    "  --snr-required dB  the S/N the service needs (default 10)\n"
    "  --mode CW|SSB|AM|RTTY|FT8|FT4|WSPR  the mode's bandwidth and required S/N\n"
    "                   (FT8: -21 dB in 2500 Hz; --bandwidth, --snr-required win)\n"
    "  --reliability-required %  share of the days for the S/N exceeded (default 90)\n"
    "  --reference-compatible  the reference program's conventions instead of the\n"
    "                   Recommendation's reading where they differ\n"
    "  --format text|csv|json  per hour the MUF, the operational MUF and per frequency\n"
    "                   mode, elevation, field, power, noise, S/N and reliability\n";

using Failure = PredictFailure;

Failure Usage(const std::string& problem) {
    return {problem, 2, true};
}
// A refusal of the setting overrides or the terminals; a usage error gets the usage text.
Failure FromArgs(const ArgFailure& failure) {
    return failure.status == 2 ? Usage(failure.text) : Failure{failure.text, failure.status};
}

} // namespace

std::optional<PredictFailure> ReadPredictRun(ArgList& args, PredictRun& run, bool formats,
                                             bool stationOnly) {
    RequestArgs request = TakeRequestArgs(args);
    if (stationOnly) {
        const TerminalOptions& b = request.terminals[1];
        if (!b.typed.prefix.empty() || b.name)
            return Usage("there is no terminal B: --to names the places");
        request.terminals[1] = request.terminals[0];
        request.terminals[1].letter = "b";
    }
    const std::optional<std::string> path = args.Value("path");
    const std::optional<std::string> format = formats ? args.Value("format") : std::nullopt;
    const std::optional<std::string> group = formats ? args.Value("group") : std::nullopt;
    const std::optional<std::string> dateOrder = args.Value("date-order");
    const SettingOverrides overrides = TakeOverrides(args);
    if (const auto problem = args.Problem())
        return Usage(*problem);
    if (!args.Positionals().empty())
        return Usage("unexpected argument");

    // Every option is checked before any file is read.
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
    if (auto failure = ApplyDateOptions(dateOrder, std::nullopt, run.dates))
        return FromArgs(*failure);
    if (auto failure = CheckRequestArgs(request))
        return FromArgs(*failure);
    // The overrides are checked on factory settings first, so that a wrong value is
    // refused before the settings file is read. Only the count of --constants without
    // --freqs depends on that file's frequency list.
    SettingOverrides independent = overrides;
    if (!independent.freqs)
        independent.constants.reset();
    Settings probe = FactorySettings();
    if (auto failure = ApplyOverrides(independent, probe))
        return FromArgs(*failure);

    CommandData data;
    if (auto failure = ReadCommandData(request.dataDir, data))
        return FromArgs(*failure);
    run.settings = data.settings;
    if (auto failure = ApplyOverrides(overrides, run.settings))
        return FromArgs(*failure);
    data.settings = run.settings;
    if (auto failure = BuildPredictionInputs(request, data, true, run.inputs))
        return FromArgs(*failure);
    run.atlas = std::move(data.atlas);
    return std::nullopt;
}

namespace {

// One report after the other, as "Save as Text" writes the short path and then
// appends the long path.
std::string TextReport(const PredictRun& run, const PredictionResult& result) {
    const std::string dateText = FormatDateText(true, run.inputs.date, run.dates);
    std::string text;
    for (PathKind kind : run.kinds)
        text += SavedReportText(result, kind, run.settings, run.inputs.zone, dateText,
                                !run.settings.ShowSnr, run.inputs.solarSource);
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
    if (const std::optional<std::string> engine = args.Value("engine")) {
        if (Lower(*engine) == "p533")
            return RunP533Predict(args, kPredictUsage);
        if (Lower(*engine) != "classic")
            return ReportUsageError("predict", "--engine must be classic or p533", kPredictUsage);
    }
    if (const std::optional<Failure> failure = ReadPredictRun(args, run, true)) {
        if (failure->usage)
            return ReportUsageError("predict", failure->text, kPredictUsage);
        ReportRefusal("predict", failure->text);
        return failure->status;
    }
    const PreparedPrediction prepared = PreparePrediction(run.inputs, run.settings);
    if (!prepared)
        return ReportRefusal("predict", OneLineText(prepared.message));
    const PredictionResult result = PredictPaths(prepared.request, run.kinds);
    std::string output;
    if (run.format == "json")
        output = PredictionJson(result, run.kinds);
    else if (run.format == "csv")
        output = PredictionCsv(result, run.kinds);
    else if (run.format == "hops")
        output = HopsReport(run, result);
    else
        output = TextReport(run, result);
    if (!WriteStandardOutput(output)) {
        return ReportRefusal("predict", "the output could not be written");
    }
    return 0;
}

#include "atlas/ResolveTerminal.h"
#include "cli/ArgList.h"
#include "cli/CommandErrors.h"
#include "cli/CommandOutput.h"
#include "cli/Commands.h"
#include "cli/PredictRun.h"
#include "cli/SettingOverrides.h"
#include "core/Numeric.h"
#include "planner/Planner.h"
#include "planner/PlannerExport.h"
#include "settings/DefaultTerminal.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr const char* kPlannerUsage =
    "usage: hopscope-cli planner TERMINAL-A --solar INDEX [OPTIONS]\n"
    "\n"
    "From one station to every place of the atlas (or to the places --to names): per\n"
    "place and frequency the reliabilities and signals of the 48 half hours, the half\n"
    "hours that are open and the longest opening. Each place is the prediction the\n"
    "on-screen prediction to it gives.\n"
    "\n"
    "Terminal A (as for predict):\n"
    "  --a PREFIX|LOCATOR|DEFAULT  from the atlas, a grid square or the default terminal\n"
    "  --a-lat LAT --a-lon LON     by hand (longitudes positive WEST)\n"
    "  --a-name NAME    the station's place name\n"
    "Planner:\n"
    "  --to PREFIX,...  atlas prefixes and grid locators (default: the whole atlas)\n"
    "  --threshold R    a half hour is open at reliability R or more (0-1, default 0.5)\n"
    "                   and when its signal is not suppressed\n"
    "  --path short|long|both      (default short)\n"
    "  --date YYYY-MM-DD  the day (default: today, UTC)\n"
    "  --solar INDEX    S + sunspot number (0-360) or F + 10.7 cm flux (60-410)\n"
    "  --k N            K index 0-9; -1 or absent for the average\n"
    "  --utc | --local | --tz-offset +HH:MM   times of the text output (default: settings)\n"
    "Settings for this run only, as for predict:\n"
    "  --freqs 3.6,7.1,...  --constants ...  --min-angle DEG  --bandwidth HZ\n"
    "  --noise industrial|residential|rural|remote  --suppression 0|-10|-20|none\n"
    "  --show-zero | --hide-zero   --snr | --signal\n"
    "Output:\n"
    "  --format text|csv|json  a strip per place and frequency (default), or the values;\n"
    "                   csv and json give UTC half hours\n"
    "  --date-order mdy|dmy|ymd  order of the text's date (default: the locale's)\n"
    "  --data-dir DIR   the folder of Hopscope.SAV and Hopscope.ATL\n";

int Refuse(const std::string& text) {
    return ReportRefusal("planner", text);
}

std::vector<std::string> SplitList(const std::string& text) {
    std::vector<std::string> items;
    std::string item;
    for (char c : text + ",") {
        if (c != ',') {
            item += c;
            continue;
        }
        const auto first = item.find_first_not_of(' ');
        if (first != std::string::npos)
            items.push_back(item.substr(first, item.find_last_not_of(' ') - first + 1));
        item.clear();
    }
    return items;
}

std::string Title(const PredictRun& run, const PlannerSetup& setup) {
    const Terminal& a = run.inputs.terminalA;
    std::string paths;
    for (PathKind kind : setup.kinds)
        paths += std::string(paths.empty() ? "" : " and ") +
                 (kind == PathKind::Short ? "short" : "long");
    return "Planner from " + (a.Name.empty() ? a.Prefix : a.Name) + " (" + a.LatitudeText + " " +
           a.LongitudeText + ") for " + FormatDateText(true, run.inputs.date, run.dates) +
           ", solar index " + run.inputs.solarIndexText + ", K " +
           (run.inputs.kIndexText.empty() ? "average" : run.inputs.kIndexText) + ", " + paths +
           " path, open at reliability " + FormatFixed(setup.threshold, 0, 2) + " or more";
}

} // namespace

int RunPlannerCommand(const std::vector<std::string>& argList) {
    if (std::find(argList.begin(), argList.end(), "--help") != argList.end()) {
        std::fputs(kPlannerUsage, stdout);
        return 0;
    }
    ArgList args(argList);
    const std::optional<std::string> to = args.Value("to");
    const std::optional<std::string> thresholdText = args.Value("threshold");
    const std::optional<std::string> formatText = args.Value("format");
    const bool pathGiven = std::any_of(argList.begin(), argList.end(), [](const std::string& a) {
        return a == "--path" || a.starts_with("--path=");
    });
    std::string format = Lower(formatText.value_or("text"));
    if (format != "text" && format != "csv" && format != "json")
        return ReportUsageError("planner", "--format must be text, csv or json", kPlannerUsage);
    PlannerSetup setup;
    if (thresholdText) {
        const std::optional<double> r = ParseDecimal(*thresholdText, false);
        if (!r || *r > 1.0)
            return ReportUsageError("planner", "--threshold must be a reliability from 0 to 1",
                                    kPlannerUsage);
        setup.threshold = static_cast<float>(*r);
    }
    PredictRun run;
    if (const std::optional<PredictFailure> failure = ReadPredictRun(args, run, false, true)) {
        if (failure->usage)
            return ReportUsageError("planner", failure->text, kPlannerUsage);
        Refuse(failure->text);
        return failure->status;
    }
    setup.inputs = run.inputs;
    setup.settings = run.settings;
    setup.kinds = pathGiven ? run.kinds : std::vector<PathKind>{PathKind::Short};
    if (const std::optional<UserMessage> problem = CheckPlannerSetup(setup))
        return Refuse(OneLineText(*problem));

    std::vector<Terminal> places;
    if (to) {
        const TerminalSources sources{&run.atlas, DefinedDefaultTerminal(run.settings)};
        for (const std::string& prefix : SplitList(*to)) {
            const ResolvedTerminal place = ResolveTerminal({prefix, "", "", ""}, 'B', sources);
            if (!place)
                return Refuse("--to '" + prefix + "': " + OneLineText(place.message));
            places.push_back(place.terminal);
        }
        if (places.empty())
            return ReportUsageError("planner", "--to names no place", kPlannerUsage);
    } else {
        places = AtlasPlaces(run.atlas);
    }

    const PlannerResult result = ComputePlannerRows(setup, places);
    std::string output;
    if (format == "json")
        output = PlannerJson(result, run.settings);
    else if (format == "csv")
        output = PlannerCsv(result);
    else
        output = PlannerText(result, Title(run, setup), run.inputs.zone);
    if (!WriteStandardOutput(output))
        return Refuse("the output could not be written");
    return 0;
}

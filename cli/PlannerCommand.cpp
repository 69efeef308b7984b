#include "atlas/ResolveTerminal.h"
#include "cli/ArgList.h"
#include "cli/CommandErrors.h"
#include "cli/CommandHelp.h"
#include "cli/CommandOutput.h"
#include "cli/Commands.h"
#include "cli/P533Predict.h"
#include "cli/PlannerRun.h"
#include "cli/PredictRun.h"
#include "cli/SettingOverrides.h"
#include "core/Numeric.h"
#include "core/Utf8Text.h"
#include "planner/Planner.h"
#include "planner/PlannerExport.h"
#include "settings/DefaultTerminal.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace {

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

// The station and mode of a P.533 run as the outputs' headers give them.
std::string StationText(const P533Station& station) {
    const p533::CircuitRequest& r = station.request;
    return FormatFixed(station.powerW, 0, station.powerW < 10 ? 1 : 0) + " W, antennas " +
           station.txAntennaName + " / " + station.rxAntennaName + ", noise " + station.noiseName +
           ", " + FormatFixed(r.bandwidthHz, 0, 0) + " Hz bandwidth, S/N " +
           FormatFixed(r.requiredSnrDb, 0, 1) + " dB required";
}

std::string Title(const PredictRun& run, const PlannerSetup& setup, const PlannerRun& out) {
    const Terminal& a = run.inputs.terminalA;
    std::string paths;
    for (PathKind kind : setup.kinds)
        paths += std::string(paths.empty() ? "" : " and ") +
                 (kind == PathKind::Short ? "short" : "long");
    return "Planner from " + (a.Name.empty() ? a.Prefix : a.Name) + " (" + a.LatitudeText + " " +
           a.LongitudeText + ") for " + FormatDateText(true, run.inputs.date, run.dates) +
           ", solar index " + run.inputs.solarIndexText +
           (setup.engine.IsP533()
                ? ", P.533 engine, " + StationText(out.station) + ", " + paths +
                      " path, open at circuit reliability " +
                      FormatFixed(out.station.request.requiredReliabilityPercent, 0, 0) +
                      " % or more"
                : ", K " + (run.inputs.kIndexText.empty() ? "average" : run.inputs.kIndexText) +
                      ", " + paths + " path, open at MUF probability " +
                      FormatFixed(setup.threshold, 0, 2) + " or more");
}

} // namespace

std::optional<ArgFailure> ReadPlannerRun(const std::vector<std::string>& argList, PlannerRun& out) {
    ArgList args(argList);
    const std::optional<std::string> engine = args.Value("engine");
    const bool p533 = engine && Lower(*engine) == "p533";
    if (engine && !p533 && Lower(*engine) != "classic")
        return ArgFailure{"--engine must be classic or p533", 2};
    // The P.533 station options, before the classic settings' --bandwidth, --noise and
    // --min-angle, which they replace.
    const P533StationArgs stationArgs = p533 ? TakeP533StationArgs(args) : P533StationArgs{};
    const std::optional<std::string> to = args.Value("to");
    const std::optional<std::string> thresholdText = args.Value("threshold");
    const std::optional<std::string> formatText = args.Value("format");
    const bool pathGiven = std::any_of(argList.begin(), argList.end(), [](const std::string& a) {
        return a == "--path" || a.starts_with("--path=");
    });
    out.format = Lower(formatText.value_or("text"));
    if (out.format != "text" && out.format != "csv" && out.format != "json")
        return ArgFailure{"--format must be text, csv or json", 2};
    PlannerSetup& setup = out.setup;
    if (p533 && thresholdText)
        return ArgFailure{"--threshold is the classic engine's; with --engine p533 a slot is "
                          "open at --reliability-required",
                          2};
    if (p533) {
        if (auto failure = ReadP533StationNumbers(stationArgs, out.station))
            return ArgFailure{failure->text, failure->status};
    }
    if (thresholdText) {
        const std::optional<double> r = ParseDecimal(*thresholdText, false);
        if (!r || *r > 1.0)
            return ArgFailure{"--threshold must be a reliability from 0 to 1", 2};
        setup.threshold = static_cast<float>(*r);
    }
    PredictRun run;
    if (const std::optional<PredictFailure> failure = ReadPredictRun(args, run, false, true))
        return ArgFailure{failure->text, failure->usage ? 2 : failure->status};
    setup.inputs = run.inputs;
    setup.settings = run.settings;
    setup.kinds = pathGiven ? run.kinds : std::vector<PathKind>{PathKind::Short};
    if (p533) {
        if (run.inputs.kIndexText != "" && run.inputs.kIndexText != "-1")
            return ArgFailure{"--k has no meaning for the P.533 engine", 2};
        if (auto failure = ReadP533StationFiles(stationArgs, run.settings, out.station))
            return failure;
        setup.engine = {PredictionEngine::P533, nullptr, out.station.request};
    }
    if (const std::optional<UserMessage> problem = CheckPlannerSetup(setup, false))
        return ArgFailure{OneLineText(*problem), 1};

    if (to) {
        const TerminalSources sources{&run.atlas, DefinedDefaultTerminal(run.settings)};
        for (const std::string& prefix : SplitList(*to)) {
            const ResolvedTerminal place = ResolveTerminal({prefix, "", "", ""}, 'B', sources);
            if (!place)
                return ArgFailure{"--to '" + prefix + "': " + OneLineText(place.message), 1};
            out.places.push_back(place.terminal);
            Terminal& added = out.places.back();
            added.Name = WithoutControlCharacters(added.Name); // DEFAULT's name
        }
        if (out.places.empty())
            return ArgFailure{"--to names no place", 2};
    } else {
        out.places = AtlasPlaces(run.atlas);
    }
    out.title = Title(run, setup, out);
    return std::nullopt;
}

int RunPlannerCommand(const std::vector<std::string>& argList) {
    if (std::find(argList.begin(), argList.end(), "--help") != argList.end()) {
        std::fputs(kPlannerUsage, stdout);
        return 0;
    }
    PlannerRun run;
    if (const std::optional<ArgFailure> failure = ReadPlannerRun(argList, run)) {
        if (failure->status == 2)
            return ReportUsageError("planner", failure->text, kPlannerUsage);
        Refuse(failure->text);
        return failure->status;
    }
    if (run.setup.engine.IsP533()) {
        const P533DataRead load = LoadP533Data();
        if (!load.data)
            return Refuse(load.error);
        run.setup.engine.data = load.data;
    }
    const PlannerResult result = ComputePlannerRows(run.setup, run.places);
    std::string output;
    if (run.format == "json")
        output = PlannerJson(result, run.setup.settings, PlannerHeaderFacts(run.setup),
                             run.setup.engine.IsP533());
    else if (run.format == "csv")
        output = PlannerCsv(result, PlannerHeaderFacts(run.setup));
    else
        output = PlannerText(result, run.title, run.setup.inputs.zone);
    if (!WriteStandardOutput(output))
        return Refuse("the output could not be written");
    return 0;
}

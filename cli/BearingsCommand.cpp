#include "atlas/AtlasBearings.h"
#include "cli/ArgList.h"
#include "cli/CommandErrors.h"
#include "cli/CommandOutput.h"
#include "cli/Commands.h"
#include "cli/RequestArgs.h"
#include "cli/TerminalArgs.h"
#include "core/Geometry.h"
#include "core/Numeric.h"
#include "report/BearingsExport.h"
#include "report/BearingsLayout.h"

#include <cstdio>
#include <string>

namespace {

constexpr const char* kBearingsUsage =
    "usage: hopscope-cli bearings --from PREFIX|LOCATOR|DEFAULT [--from-name NAME]\n"
    "       hopscope-cli bearings --from-lat LAT --from-lon LON [--from-name NAME]\n"
    "                [--sort prefix|name] [--format text|csv|json]\n"
    "                [--page-width N] [--page-lines N] [--data-dir DIR]\n"
    "\n"
    "The short-path great-circle bearing and distance from one point to every place of\n"
    "the atlas, one row per place, to aim a beam antenna.\n"
    "\n"
    "  --from P         an atlas prefix, a grid locator or DEFAULT (the default terminal\n"
    "                   of the settings)\n"
    "  --from-lat LAT   the point's latitude and longitude in the coordinate syntax:\n"
    "  --from-lon LON   decimal degrees or \"deg min [sec]\", north and WEST positive\n"
    "  --from-name NAME the name in the table's heading (up to 17 bytes)\n"
    "  --sort           the order of the places: prefix (default) or name\n"
    "  --format         text (default): the printed table's pages for a fixed-pitch\n"
    "                   page, pages separated by a form feed; csv: the columns\n"
    "                   prefix,name,latitude,longitude,bearing,long_bearing,km,miles\n"
    "                   (degrees north and west positive, bearings in whole degrees as\n"
    "                   printed, empty where a bearing is undefined); json: the same fields\n"
    "  --page-width N   characters per line of a text page (default 132)\n"
    "  --page-lines N   lines per text page (default 60)\n"
    "  --data-dir DIR   the folder of the data files (settings and atlas); without an\n"
    "                   atlas file the 371 built-in places are used\n";

constexpr int kMaxPageSize = 100000;

int UsageError(const std::string& problem) {
    return ReportUsageError("bearings", problem, kBearingsUsage);
}

int Refuse(const std::string& problem) {
    return ReportRefusal("bearings", problem);
}

// The point the bearings are taken from, as given; a usage problem when the options
// are combined wrongly.
std::string TakeFromOptions(ArgList& args, TerminalOptions& from) {
    from.letter = "from";
    const std::optional<std::string> prefix = args.Value("from");
    const std::optional<std::string> lat = args.Value("from-lat");
    const std::optional<std::string> lon = args.Value("from-lon");
    from.name = args.Value("from-name");
    if (prefix && (lat || lon))
        return "give the point either as --from or as --from-lat and --from-lon";
    if (!prefix && !lat && !lon)
        return "say where from: --from PREFIX|LOCATOR|DEFAULT or --from-lat LAT --from-lon LON";
    if (!prefix && (!lat || !lon))
        return "--from-lat and --from-lon go together";
    if (prefix)
        from.typed.prefix = from.given = *prefix;
    else
        from.typed = {kManualPrefix, *lat, *lon, from.name.value_or("")};
    return {};
}

// A page size option: a whole number from 1 to kMaxPageSize.
std::optional<int> PageSize(const std::optional<std::string>& text, int fallback) {
    if (!text)
        return fallback;
    const std::optional<int> value = ParseInteger(*text);
    if (!value || *value < 1 || *value > kMaxPageSize)
        return std::nullopt;
    return value;
}

} // namespace

int RunBearingsCommand(const std::vector<std::string>& rawArgs) {
    ArgList args(rawArgs);
    if (args.Flag("help") || args.Flag("h")) {
        std::fputs(kBearingsUsage, stdout);
        return 0;
    }
    TerminalOptions from;
    const std::string fromProblem = TakeFromOptions(args, from);
    const std::string sort = args.Value("sort").value_or("prefix");
    const std::string format = args.Value("format").value_or("text");
    const std::optional<std::string> widthText = args.Value("page-width");
    const std::optional<std::string> linesText = args.Value("page-lines");
    const std::optional<std::string> dataDir = args.Value("data-dir");
    if (const auto problem = args.Problem())
        return UsageError(*problem);
    if (!args.Positionals().empty())
        return UsageError("unexpected argument");
    if (!fromProblem.empty())
        return UsageError(fromProblem);
    if (sort != "prefix" && sort != "name")
        return UsageError("--sort must be prefix or name");
    if (format != "text" && format != "csv" && format != "json")
        return UsageError("--format must be text, csv or json");
    const std::optional<int> pageWidth = PageSize(widthText, 132);
    const std::optional<int> pageLines = PageSize(linesText, 60);
    if (!pageWidth || !pageLines)
        return UsageError("--page-width and --page-lines take a whole number from 1 to " +
                          std::to_string(kMaxPageSize));
    if ((widthText || linesText) && format != "text")
        return UsageError("--page-width and --page-lines are for --format text");

    CommandData data;
    if (const auto failure = ReadCommandData(dataDir, data))
        return failure->status == 2 ? UsageError(failure->text) : Refuse(failure->text);
    if (const AtlasStatusResult status = AtlasStatus(data.atlas, 0); !status.message.IsEmpty())
        return Refuse(OneLineText(status.message));
    TerminalArgs point = ResolveCommandTerminal(from, data);
    if (!point.ok)
        return Refuse(point.problem);
    if (const CheckResult derived = DeriveTerminalCoordinates(point.terminal); !derived)
        return Refuse(OneLineText(derived.message));

    const BearingsOrigin origin{point.terminal.Name, point.terminal.LatitudeDeg,
                                point.terminal.LongitudeDeg};
    const std::vector<EntryBearing> rows =
        AtlasBearings(data.atlas, sort == "name" ? AtlasIndex::ByName : AtlasIndex::ByPrefix,
                      origin.latitudeDeg, origin.longitudeDeg);
    std::string output;
    if (format == "csv") {
        output = BearingsCsv(rows);
    } else if (format == "json") {
        output = BearingsJson(origin, rows);
    } else {
        const BearingsLayout layout =
            LayOutBearings(static_cast<int>(rows.size()), BearingsTextGrid(*pageWidth, *pageLines));
        if (!layout)
            return Refuse(OneLineText(layout.message));
        output = BearingsPagesText(BearingsPages(layout, origin, BearingsEntryTexts(rows)));
    }
    if (!WriteStandardOutput(output))
        return Refuse("the output could not be written");
    return 0;
}

#include "atlas/AtlasEdit.h"
#include "atlas/AtlasEntry.h"
#include "atlas/AtlasFile.h"
#include "atlas/PrefixSearch.h"
#include "cli/ArgList.h"
#include "cli/CommandErrors.h"
#include "cli/Commands.h"
#include "cli/RequestArgs.h"
#include "core/DataDirectory.h"
#include "core/Syntax.h"
#include "core/UserMessage.h"

#include <cstdio>
#include <string>

namespace {

constexpr const char* kAtlasUsage =
    "usage: hopscope-cli atlas find PREFIX [--data-dir DIR]\n"
    "       hopscope-cli atlas list [--by-name] [--data-dir DIR]\n"
    "       hopscope-cli atlas search TEXT [--by-name] [--data-dir DIR]\n"
    "       hopscope-cli atlas add --prefix P --lat LAT --lon LON --name NAME\n"
    "                              [--allow-locator] [--data-dir DIR]\n"
    "       hopscope-cli atlas modify PREFIX [--prefix NEW] [--lat LAT] [--lon LON]\n"
    "                              [--name NAME] [--allow-locator] [--data-dir DIR]\n"
    "       hopscope-cli atlas delete PREFIX [--data-dir DIR]\n"
    "\n"
    "Looks places up in the atlas Hopscope.ATL of the data directory, or changes it\n"
    "(each change rewrites the whole file at once). A missing atlas file is created\n"
    "first, as the program does at its first start (from QKT.ATL when there is one,\n"
    "otherwise from the 371 built-in places).\n"
    "\n"
    "  find PREFIX      the entry whose prefix is exactly PREFIX (in upper case):\n"
    "                   prefix, name, latitude and longitude (north and WEST positive)\n"
    "  list             every entry as a 28-character line of the prefix search list,\n"
    "                   by prefix, or with --by-name by name\n"
    "  search TEXT      the line the prefix search selects when TEXT is typed; with\n"
    "                   --by-name every line whose name contains TEXT (any case)\n"
    "  add              adds a place; the prefix must not be in use\n"
    "  modify PREFIX    changes the place PREFIX: only the texts given change\n"
    "  delete PREFIX    removes the place PREFIX\n"
    "  --lat, --lon     coordinate syntax: decimal degrees or \"deg min [sec]\", north\n"
    "                   and WEST positive (or a trailing N/S, W/E)\n"
    "  --name NAME      up to 17 bytes of UTF-8: 17 plain letters, fewer accented or\n"
    "                   other ones (cut on a whole character)\n"
    "  --allow-locator  add (or rename to) a prefix that is also a grid locator\n"
    "  --by-name        list or search by name instead of by prefix\n"
    "  --data-dir DIR   the folder of the data files (default: the per-user data folder,\n"
    "                   or the program's folder in a build tree or a portable folder)\n";

int UsageError(const std::string& problem) {
    return ReportUsageError("atlas", problem, kAtlasUsage);
}

int Refuse(const UserMessage& message) {
    return ReportRefusal("atlas", OneLineText(message));
}

// Latitude or longitude as stored, with its value in degrees when it parses.
std::string CoordinateLine(const std::string& text, CoordinateKind kind) {
    const CoordinateParse parsed = ParseCoordinate(text, kind);
    if (!parsed.ok)
        return text;
    char degrees[32];
    std::snprintf(degrees, sizeof degrees, "%.4f", parsed.valueDeg);
    return text + "  (" + degrees + " deg)";
}

int Find(const Atlas& atlas, const std::string& typed) {
    if (const AtlasStatusResult status = AtlasStatus(atlas, -1); !status.message.IsEmpty())
        return Refuse(status.message);
    const std::string prefix = AtlasUpperCase(typed);
    if (const CheckResult valid = IsValidPrefix(prefix, true); !valid)
        return Refuse(valid.message);
    const std::optional<AtlasEntry> entry = FindAtlasEntry(atlas, prefix);
    if (!entry)
        return ReportRefusal("atlas", "prefix " + prefix + " is not in the atlas");
    std::printf("Prefix:     %s\n", entry->Prefix().c_str());
    std::printf("Name:       %s\n", entry->Name().c_str());
    std::printf("Latitude:   %s\n",
                CoordinateLine(entry->Latitude(), CoordinateKind::Latitude).c_str());
    std::printf("Longitude:  %s\n",
                CoordinateLine(entry->Longitude(), CoordinateKind::Longitude).c_str());
    return 0;
}

int List(const Atlas& atlas, PrefixSearchMode mode) {
    if (const AtlasStatusResult status = AtlasStatus(atlas, 0); !status.message.IsEmpty())
        return Refuse(status.message);
    for (const std::string& line : PrefixSearchLines(atlas, mode))
        std::printf("%s\n", line.c_str());
    return 0;
}

int Search(const Atlas& atlas, PrefixSearchMode mode, const std::string& text) {
    if (const AtlasStatusResult status = AtlasStatus(atlas, 0); !status.message.IsEmpty())
        return Refuse(status.message);
    if (mode == PrefixSearchMode::ByName) {
        const std::vector<std::string> found = NameSearchLines(atlas, text);
        if (found.empty())
            return ReportRefusal("atlas", "no name in the atlas contains '" + text + "'");
        for (const std::string& line : found)
            std::printf("%s\n", line.c_str());
        return 0;
    }
    const std::vector<std::string> lines = PrefixSearchLines(atlas, mode);
    const std::optional<std::size_t> selected = IncrementalSearch(lines, text);
    if (!selected)
        return 1;
    std::printf("%s\n", lines[*selected].c_str());
    return 0;
}

// Adds, modifies or deletes one entry: the checks and messages of the atlas windows,
// one atomic rewrite of the file. The message goes to standard output on success and
// to standard error (exit status 1) when the change is refused or fails.
int Edit(Atlas& atlas, const std::string& action, const std::string& prefix,
         const AtlasEntryTexts& texts, bool allowLocator) {
    AtlasEditResult result;
    if (action == "add") {
        result = AddEntryFromTexts(atlas, texts, allowLocator);
    } else {
        if (const AtlasStatusResult status = AtlasStatus(atlas, 0); !status.message.IsEmpty())
            return Refuse(status.message);
        result = action == "modify" ? ModifyEntryFromTexts(atlas, prefix, texts, allowLocator)
                                    : DeleteEntryByPrefix(atlas, prefix);
    }
    if (!result) {
        if (result.message.kind == MessageKind::Warning)
            return ReportRefusal("atlas",
                                 OneLineText(result.message) + " (give --allow-locator to go on)");
        return Refuse(result.message);
    }
    std::printf("%s\n", OneLineText(result.message).c_str());
    return 0;
}

bool IsEditAction(const std::string& action) {
    return action == "add" || action == "modify" || action == "delete";
}

} // namespace

int RunAtlasCommand(const std::vector<std::string>& argList) {
    ArgList args(argList);
    if (args.Flag("help")) {
        std::fputs(kAtlasUsage, stdout);
        return 0;
    }
    const bool byName = args.Flag("by-name");
    const bool allowLocator = args.Flag("allow-locator");
    const std::optional<std::string> dataDir = args.Value("data-dir");
    AtlasEntryTexts texts;
    texts.prefix = args.Value("prefix");
    texts.latitude = args.Value("lat");
    texts.longitude = args.Value("lon");
    texts.name = args.Value("name");
    const std::vector<std::string> words = args.Positionals();
    if (const auto problem = args.Problem())
        return UsageError(*problem);
    if (words.empty())
        return UsageError("say find, list, search, add, modify or delete");
    const std::string& action = words[0];
    const bool edit = IsEditAction(action);
    const std::size_t wanted = action == "list" || action == "add" ? 1 : 2;
    if (action != "find" && action != "list" && action != "search" && !edit)
        return UsageError("unknown atlas command '" + action + "'");
    if (words.size() != wanted)
        return UsageError(wanted == 1 ? action + " takes no text" : action + " takes one text");
    if (action == "find" && byName)
        return UsageError("find looks up prefixes only; --by-name is for list and search");
    const bool entryTexts = texts.prefix || texts.latitude || texts.longitude || texts.name;
    if (!edit && (entryTexts || allowLocator))
        return UsageError("--prefix, --lat, --lon, --name and --allow-locator are for add and "
                          "modify");
    if (action == "delete" && (entryTexts || allowLocator))
        return UsageError("delete takes only the prefix of the entry");
    if (edit && byName)
        return UsageError("--by-name is for list and search");
    if (action == "add" && !(texts.prefix && texts.latitude && texts.longitude && texts.name))
        return UsageError("add needs --prefix, --lat, --lon and --name");
    if (action == "modify" && !entryTexts)
        return UsageError("modify needs at least one of --prefix, --lat, --lon and --name");

    if (edit) {
        const DataDirectoryResult dir = ResolveDataDirectory(dataDir);
        if (!dir.Ok())
            return ReportRefusal("atlas", dir.error);
        Atlas atlas;
        LoadAtlas(atlas, dir.directory);
        return Edit(atlas, action, wanted == 2 ? words[1] : std::string(), texts, allowLocator);
    }
    // Looking up only reads: no data folder or atlas file is created for it.
    CommandData data;
    if (const auto failure = ReadCommandData(dataDir, data))
        return ReportRefusal("atlas", failure->text);
    const PrefixSearchMode mode = byName ? PrefixSearchMode::ByName : PrefixSearchMode::ByPrefix;
    if (action == "find")
        return Find(data.atlas, words[1]);
    if (action == "list")
        return List(data.atlas, mode);
    return Search(data.atlas, mode, words[1]);
}

#include "atlas/AtlasEntry.h"
#include "atlas/AtlasFile.h"
#include "atlas/PrefixSearch.h"
#include "cli/ArgList.h"
#include "cli/CommandErrors.h"
#include "cli/Commands.h"
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
    "\n"
    "Looks places up in the atlas Hopscope.ATL of the data directory. A missing atlas\n"
    "file is created first, as the program does at its first start (from QKT.ATL when\n"
    "there is one, otherwise from the 371 built-in places).\n"
    "\n"
    "  find PREFIX      the entry whose prefix is exactly PREFIX (in upper case):\n"
    "                   prefix, name, latitude and longitude (north and WEST positive)\n"
    "  list             every entry as a 28-character line of the prefix search list,\n"
    "                   by prefix, or with --by-name by name\n"
    "  search TEXT      the line the prefix search selects when TEXT is typed\n"
    "  --by-name        list or search by name instead of by prefix\n"
    "  --data-dir DIR   the folder of the data files (default: the program's folder, or\n"
    "                   the per-user data folder when that cannot be written)\n";

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
    const std::vector<std::string> lines = PrefixSearchLines(atlas, mode);
    const std::optional<std::size_t> selected = IncrementalSearch(lines, text);
    if (!selected)
        return 1;
    std::printf("%s\n", lines[*selected].c_str());
    return 0;
}

} // namespace

int RunAtlasCommand(const std::vector<std::string>& argList) {
    ArgList args(argList);
    if (args.Flag("help")) {
        std::fputs(kAtlasUsage, stdout);
        return 0;
    }
    const bool byName = args.Flag("by-name");
    const std::optional<std::string> dataDir = args.Value("data-dir");
    const std::vector<std::string> words = args.Positionals();
    if (const auto problem = args.Problem())
        return UsageError(*problem);
    if (words.empty())
        return UsageError("say find, list or search");
    const std::string& action = words[0];
    const std::size_t wanted = action == "list" ? 1 : 2;
    if (action != "find" && action != "list" && action != "search")
        return UsageError("unknown atlas command '" + action + "'");
    if (words.size() != wanted)
        return UsageError(action == "list" ? "list takes no text" : action + " takes one text");
    if (action == "find" && byName)
        return UsageError("find looks up prefixes only; --by-name is for list and search");

    const DataDirectoryResult dir = ResolveDataDirectory(dataDir);
    if (!dir.Ok())
        return ReportRefusal("atlas", dir.error);
    Atlas atlas;
    LoadAtlas(atlas, dir.directory);
    const PrefixSearchMode mode = byName ? PrefixSearchMode::ByName : PrefixSearchMode::ByPrefix;
    if (action == "find")
        return Find(atlas, words[1]);
    if (action == "list")
        return List(atlas, mode);
    return Search(atlas, mode, words[1]);
}

#include "cli/CommandHelp.h"
#include "cli/Commands.h"
#include "cli/FullProgram.h"
#include "core/Version.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr const char* kUsage =
    "usage: hopscope-cli COMMAND [OPTIONS]\n"
    "\n"
    "commands:\n"
    "  path      bearings, lengths, sun times and header lines of both paths\n"
    "  predict   a complete prediction of both paths (text, csv, json or hops)\n"
    "  graph     the MUF or the signals graph of a path as PNG, SVG or PDF\n"
    "  settings  the settings in effect\n"
    "  atlas     find, list, search and edit the atlas of call-sign prefixes\n"
    "  bearings  great-circle bearings and distances to every atlas place\n"
    "  batch     run, list or create batch tables of up to fifteen predictions\n"
    "  map       the rectangular or great-circle world map as a PNG picture\n"
    "  freqmap   the frequency map of the world for one station (json, csv or png)\n"
    "  coverage  one band's coverage of the world from one station (json, csv or png)\n"
    "  planner   which frequency opens to which atlas place, and when, from one station\n"
    "  solar     the published solar index and K index for a day (fetched and kept)\n"
    "\n"
    "Run 'hopscope-cli COMMAND --help' for the options of a command;\n"
    "'hopscope-cli --version' prints the version.\n";

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    const std::string command = argv[1];
    const std::vector<std::string> args(argv + 2, argv + argc);
    // The help of a command of the full program is answered here, at once.
    if (const char* usage = FullCommandUsage(command);
        usage && std::find(args.begin(), args.end(), "--help") != args.end()) {
        std::fputs(usage, stdout);
        return 0;
    }
    // The commands that draw, fetch or use every core run in the full program, so that
    // the others start without loading cairo, libpng, libcurl, oneTBB and what they bring.
    if (NeedsFullProgram(command, args))
        return RunFullProgram(argv);
    if (command == "path")
        return RunPathCommand(args);
    if (command == "predict")
        return RunPredictCommand(args);
    if (command == "settings")
        return RunSettingsCommand(args);
    if (command == "atlas")
        return RunAtlasCommand(args);
    if (command == "bearings")
        return RunBearingsCommand(args);
    if (command == "batch")
        return RunBatchCommand(args);
    if (command == "--version") {
        std::printf("hopscope-cli %s\n", kHopscopeVersion);
        return 0;
    }
    if (command == "--help" || command == "-h" || command == "help") {
        std::fputs(kUsage, stdout);
        return 0;
    }
    std::fprintf(stderr, "hopscope-cli: unknown command '%s'\n\n%s", command.c_str(), kUsage);
    return 2;
}

// hopscope-cli-full: the whole command line. hopscope-cli runs this program in its own
// place for the commands that draw, fetch solar data or use every core, and for any
// command given "--solar auto" (cli/FullProgram.h). argv[1] is the command's name.
#include "cli/Commands.h"
#include "core/Version.h"

#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    const std::vector<std::string> args(argv + (argc > 1 ? 2 : 1), argv + argc);
    if (command == "path")
        return RunPathCommand(args);
    if (command == "predict")
        return RunPredictCommand(args);
    if (command == "graph")
        return RunGraphCommand(args);
    if (command == "settings")
        return RunSettingsCommand(args);
    if (command == "atlas")
        return RunAtlasCommand(args);
    if (command == "bearings")
        return RunBearingsCommand(args);
    if (command == "batch")
        return RunBatchCommand(args);
    if (command == "map")
        return RunMapCommand(args);
    if (command == "freqmap")
        return RunFreqMapCommand(args);
    if (command == "coverage")
        return RunCoverageCommand(args);
    if (command == "planner")
        return RunPlannerCommand(args);
    if (command == "solar")
        return RunSolarCommand(args);
    if (command == "--version") {
        std::printf("hopscope-cli %s\n", kHopscopeVersion);
        return 0;
    }
    const bool help = command == "--help" || command == "-h";
    std::fputs("usage: hopscope-cli-full COMMAND [OPTIONS]\n"
               "The whole command line of hopscope-cli; run it as 'hopscope-cli COMMAND'.\n",
               help ? stdout : stderr);
    return help ? 0 : 2;
}

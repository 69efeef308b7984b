// hopscope-cli-draw: the drawing commands of hopscope-cli, which runs this program in
// its own place for them (cli/DrawingProgram.h). argv[1] is the command's name.
#include "cli/Commands.h"

#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    const std::vector<std::string> args(argv + (argc > 1 ? 2 : 1), argv + argc);
    if (command == "graph")
        return RunGraphCommand(args);
    if (command == "map")
        return RunMapCommand(args);
    if (command == "freqmap")
        return RunFreqMapCommand(args);
    std::fputs("usage: hopscope-cli-draw graph|map|freqmap [OPTIONS]\n"
               "The drawing commands of hopscope-cli; run them as 'hopscope-cli COMMAND'.\n",
               stderr);
    return 2;
}

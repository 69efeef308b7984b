#include "cli/FullProgram.h"

#include "core/DataDirectory.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include <unistd.h>

namespace {

bool IsAuto(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text == "auto";
}

} // namespace

bool NeedsFullProgram(const std::string& command, const std::vector<std::string>& args) {
    for (const char* own : {"graph", "map", "freqmap", "coverage", "planner", "solar"})
        if (command == own)
            return true;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--solar" && i + 1 < args.size() && IsAuto(args[i + 1]))
            return true;
        if (args[i].rfind("--solar=", 0) == 0 && IsAuto(args[i].substr(8)))
            return true;
    }
    return false;
}

int RunFullProgram(char** argv) {
    const std::filesystem::path program = ProgramDirectory() / kFullProgramName;
    execv(program.c_str(), argv);
    std::fprintf(stderr, "hopscope-cli %s: cannot run %s (%s)\n", argv[1], program.c_str(),
                 std::strerror(errno));
    return 1;
}

#include "cli/DrawingProgram.h"

#include "core/DataDirectory.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include <unistd.h>

int RunDrawingProgram(char** argv) {
    const std::filesystem::path program = ProgramDirectory() / kDrawingProgramName;
    execv(program.c_str(), argv);
    std::fprintf(stderr, "hopscope-cli %s: cannot run %s (%s)\n", argv[1], program.c_str(),
                 std::strerror(errno));
    return 1;
}

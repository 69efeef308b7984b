#include "cli/Commands.h"

#include <cstdio>

int RunPathCommand(const std::vector<std::string>&) {
    std::fputs("hopscope-cli: this command is not available yet\n", stderr);
    return 2;
}

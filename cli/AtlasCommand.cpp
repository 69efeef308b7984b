#include "cli/Commands.h"

#include <cstdio>

int RunAtlasCommand(const std::vector<std::string>&) {
    std::fputs("hopscope-cli: this command is not available yet\n", stderr);
    return 2;
}

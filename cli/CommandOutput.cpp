#include "cli/CommandOutput.h"

#include <cstdio>

bool WriteStandardOutput(std::string_view text) {
    const bool written = std::fwrite(text.data(), 1, text.size(), stdout) == text.size();
    return std::fflush(stdout) == 0 && written;
}

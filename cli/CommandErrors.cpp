#include "cli/CommandErrors.h"

#include <cstdio>

int ReportUsageError(const char* command, const std::string& problem, const char* usage) {
    std::fprintf(stderr, "hopscope-cli %s: %s\n\n%s", command, problem.c_str(), usage);
    return 2;
}

int ReportRefusal(const char* command, const std::string& problem) {
    std::fprintf(stderr, "hopscope-cli %s: %s\n", command, problem.c_str());
    return 1;
}

#pragma once

#include <string>

// How every hopscope-cli command reports on standard error, each line starting
// "hopscope-cli COMMAND: ".

/// The problem, a blank line and the command's usage text. Returns 2, the exit status
/// of a command called the wrong way.
int ReportUsageError(const char* command, const std::string& problem, const char* usage);

/// The problem on one line. Returns 1, the exit status of refused input or a failure.
int ReportRefusal(const char* command, const std::string& problem);

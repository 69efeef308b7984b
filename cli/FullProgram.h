#pragma once

#include <string>
#include <vector>

/// The file name of the program that holds the whole command line. hopscope-cli itself
/// keeps only the commands that compute with the C++ runtime alone and runs this one
/// for the rest: the commands that draw (cairo, libpng), fetch solar data (libcurl) or
/// spread their work over every core (oneTBB). It lies in the same folder as
/// hopscope-cli, so both find the same data directory.
inline constexpr const char* kFullProgramName = "hopscope-cli-full";

/// True when the full program must run `command` with `args`: a command of its own, or
/// any command given "--solar auto" (the figure is fetched with libcurl).
bool NeedsFullProgram(const std::string& command, const std::vector<std::string>& args);

/// Runs the full program found beside this one in this process's place, with the
/// same arguments (argv as main received it, ending in a null pointer). Returns only
/// when it cannot be run: the message is written to standard error and the result is
/// 1, the exit status of a failure.
int RunFullProgram(char** argv);

#pragma once

/// The file name of the program that holds the drawing commands (graph, map, freqmap).
/// It lies in the same folder as hopscope-cli, so both find the same data directory.
inline constexpr const char* kDrawingProgramName = "hopscope-cli-draw";

/// Runs the drawing program found beside this one in this process's place, with the
/// same arguments (argv as main received it, ending in a null pointer). Returns only
/// when it cannot be run: the message is written to standard error and the result is
/// 1, the exit status of a failure.
int RunDrawingProgram(char** argv);

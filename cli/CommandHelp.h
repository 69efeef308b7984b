#pragma once

#include <string>

// The help texts of the commands that run in hopscope-cli-full. They are linked into
// hopscope-cli too, so that "hopscope-cli COMMAND --help" answers at once instead of
// starting the full program with its drawing and network libraries.

extern const char* const kGraphUsage;
extern const char* const kMapUsage;
extern const char* const kFreqMapUsage;
extern const char* const kCoverageUsage;
extern const char* const kPlannerUsage;

/// The help text of one of the commands above, or nullptr for any other command.
const char* FullCommandUsage(const std::string& command);

#pragma once

#include <string>
#include <vector>

// One function per hopscope-cli command. Each takes the arguments after the
// command's name and returns the process exit status.
int RunPathCommand(const std::vector<std::string>& args);
int RunPredictCommand(const std::vector<std::string>& args);
int RunGraphCommand(const std::vector<std::string>& args);
int RunSettingsCommand(const std::vector<std::string>& args);
int RunAtlasCommand(const std::vector<std::string>& args);
int RunBearingsCommand(const std::vector<std::string>& args);
int RunBatchCommand(const std::vector<std::string>& args);
int RunFreqMapCommand(const std::vector<std::string>& args);
int RunMapCommand(const std::vector<std::string>& args);
int RunSolarCommand(const std::vector<std::string>& args);
int RunCoverageCommand(const std::vector<std::string>& args);
int RunPlannerCommand(const std::vector<std::string>& args);

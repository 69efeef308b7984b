// hopscope-cli's own copy of the --solar auto seam. It never fetches: hopscope-cli
// hands every command given "--solar auto" to hopscope-cli-full (cli/FullProgram.h),
// whose cli/SolarAuto.cpp does, so that hopscope-cli starts without libcurl.
#include "cli/SolarAuto.h"

#include "cli/FullProgram.h"

bool IsSolarAuto(const std::optional<std::string>& solar) {
    return solar && Lower(*solar) == "auto";
}

std::optional<ArgFailure> FetchSolarFigure(const char*, const std::filesystem::path&, DateValue,
                                           bool, SolarFigure&) {
    return ArgFailure{std::string("--solar auto runs in ") + kFullProgramName, 1};
}

void UseSolarFigureNote(const SolarFigure&) {}

std::optional<ArgFailure> TakeSolarAuto(const std::filesystem::path& dataDir, DateValue date,
                                        std::string&, std::optional<std::string>&, std::string*) {
    SolarFigure figure;
    return FetchSolarFigure("solar", dataDir, date, false, figure);
}

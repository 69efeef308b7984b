#include "cli/SolarAuto.h"

#include "cli/SettingOverrides.h"
#include "solar/SolarPreferences.h"

#include <cstdio>

bool IsSolarAuto(const std::optional<std::string>& solar) {
    return solar && Lower(*solar) == "auto";
}

std::optional<ArgFailure> FetchSolarFigure(const char* command,
                                           const std::filesystem::path& dataDir, DateValue date,
                                           bool refresh, SolarFigure& figure) {
    SolarRequest request;
    request.dataDir = dataDir;
    request.date = CalendarFromDate(date);
    request.baseUrl = SolarBaseUrl(ReadSolarPreferences(dataDir));
    request.refresh = refresh;
    const SolarLookup found = LookUpSolarFigure(request);
    if (!found.figure)
        return ArgFailure{found.error, 1};
    figure = *found.figure;
    for (const std::string& note : figure.notes)
        std::fprintf(stderr, "hopscope-cli %s: %s\n", command, note.c_str());
    return std::nullopt;
}

void UseSolarFigureNote(const SolarFigure& figure) {
    const std::string k = figure.kText.empty() ? "the average K index" : "K " + figure.kText;
    std::fprintf(stderr, "hopscope-cli solar: using %s and %s (%s)\n", figure.solarText.c_str(),
                 k.c_str(), SolarFigureSummary(figure, std::chrono::system_clock::now()).c_str());
}

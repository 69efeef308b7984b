#include "cli/SolarAuto.h"

#include "cli/SettingOverrides.h"
#include "solar/SolarPreferences.h"

#include <cstdio>

bool IsSolarAuto(const std::optional<std::string>& solar) {
    return solar && Lower(*solar) == "auto";
}

std::optional<ArgFailure> FetchSolarFigure(const char*, const std::filesystem::path& dataDir,
                                           DateValue date, bool refresh, SolarFigure& figure) {
    static SolarRunMemory run; // one program run: its look-ups share what it fetched
    SolarRequest request;
    request.dataDir = dataDir;
    request.date = CalendarFromDate(date);
    request.baseUrl = SolarBaseUrl(ReadSolarPreferences(dataDir));
    request.refresh = refresh;
    request.memory = &run;
    const SolarLookup found = LookUpSolarFigure(request);
    if (!found.figure)
        return ArgFailure{found.error, 1};
    figure = *found.figure;
    return std::nullopt;
}

void UseSolarFigureNote(const SolarFigure& figure) {
    const std::string k = figure.kText.empty() ? "the average K index" : "K " + figure.kText;
    const std::string text = SolarFigureStatus(figure, std::chrono::system_clock::now());
    std::fprintf(stderr, "hopscope-cli solar: using %s and %s (%s)\n", figure.solarText.c_str(),
                 k.c_str(), text.c_str());
}

std::optional<ArgFailure> TakeSolarAuto(const std::filesystem::path& dataDir, DateValue date,
                                        std::string& solarText, std::optional<std::string>& kText,
                                        std::string* source) {
    SolarFigure figure;
    if (auto failure = FetchSolarFigure("solar", dataDir, date, false, figure))
        return failure;
    solarText = figure.solarText;
    kText = figure.kText;
    if (source)
        *source = SolarFigureRecord(figure);
    UseSolarFigureNote(figure);
    return std::nullopt;
}

#include "solar/SolarPreferences.h"

#include "core/ReplaceFile.h"
#include "solar/SolarSources.h"

#include <cstdlib>
#include <fstream>

SolarPreferences ReadSolarPreferences(const std::filesystem::path& dataDir) {
    SolarPreferences prefs;
    std::ifstream in(dataDir / kSolarPreferencesFileName);
    std::string line;
    while (in && std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line == "fill-on-open=1")
            prefs.fillOnOpen = true;
        else if (line == "fill-on-open=0")
            prefs.fillOnOpen = false;
        else if (line.rfind("base-url=", 0) == 0)
            prefs.baseUrl = line.substr(9);
    }
    return prefs;
}

bool WriteSolarPreferences(const std::filesystem::path& dataDir, const SolarPreferences& prefs) {
    const std::string text = std::string("fill-on-open=") + (prefs.fillOnOpen ? "1" : "0") +
                             "\nbase-url=" + prefs.baseUrl + "\n";
    return ReplaceFile(dataDir / kSolarPreferencesFileName, text).Ok();
}

std::string SolarBaseUrl(const SolarPreferences& prefs) {
    std::string url(kDefaultSolarBaseUrl);
    if (const char* env = std::getenv("HOPSCOPE_SOLAR_URL"); env && *env)
        url = env;
    else if (!prefs.baseUrl.empty())
        url = prefs.baseUrl;
    while (!url.empty() && url.back() == '/')
        url.pop_back();
    return url;
}

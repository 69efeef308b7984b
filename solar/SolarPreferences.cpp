#include "solar/SolarPreferences.h"

#include "core/ReadFile.h"
#include "core/ReplaceFile.h"
#include "core/Utf8Text.h"
#include "solar/SolarSources.h"

#include <cstdlib>
#include <system_error>

namespace fs = std::filesystem;

namespace {

std::string WithoutTrailingSlashes(std::string url) {
    while (!url.empty() && url.back() == '/')
        url.pop_back();
    return url;
}

} // namespace

SolarPreferences ReadSolarPreferences(const fs::path& dataDir) {
    SolarPreferences prefs;
    const fs::path path = dataDir / kSolarPreferencesFileName;
    std::error_code ec;
    if (const fs::file_status status = fs::status(path, ec); ec || !fs::is_regular_file(status))
        return prefs;
    const FileReadResult read = ReadFilePart(path, 0, kMaxSolarPreferencesBytes + 1);
    if (!read || read.fileSize > kMaxSolarPreferencesBytes)
        return prefs;
    const std::string& text = read.bytes;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = std::min(text.find('\n', at), text.size());
        std::string line = text.substr(at, end - at);
        at = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line == "fill-on-open=1")
            prefs.fillOnOpen = true;
        else if (line == "fill-on-open=0")
            prefs.fillOnOpen = false;
        else if (line.starts_with("base-url="))
            if (const SolarServerCheck check = CheckSolarServerAddress(line.substr(9)); check.Ok())
                prefs.baseUrl = check.address;
    }
    return prefs;
}

SolarPreferencesWrite WriteSolarPreferences(const fs::path& dataDir,
                                            const SolarPreferences& prefs) {
    const fs::path path = dataDir / kSolarPreferencesFileName;
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (fs::exists(status) && !fs::is_regular_file(status))
        return {path.string() + ": not a regular file"};
    const std::string text = std::string("fill-on-open=") + (prefs.fillOnOpen ? "1" : "0") +
                             "\nbase-url=" + prefs.baseUrl + "\n";
    const FileWriteResult written = ReplaceFile(path, text);
    return {written ? "" : path.string() + ": " + written.error};
}

SolarServerCheck CheckSolarServerAddress(const std::string& text) {
    SolarServerCheck check;
    const std::string address = WithoutTrailingSlashes(text);
    if (address.empty())
        return check;
    const std::size_t scheme = address.find("://");
    const std::string name = address.substr(0, scheme == std::string::npos ? 0 : scheme);
    if (name != "http" && name != "https")
        check.error = "The server address must begin with http:// or https://";
    else if (address.size() == scheme + 3 || address[scheme + 3] == '/')
        check.error = "The server address names no server";
    else if (HasControlCharacter(address) || address.find_first_of(" \t") != std::string::npos)
        check.error = "The server address must not hold blanks or control characters";
    else
        check.address = address;
    return check;
}

std::string SolarBaseUrl(const SolarPreferences& prefs) {
    std::string url(kDefaultSolarBaseUrl);
    if (const char* env = std::getenv("HOPSCOPE_SOLAR_URL"); env && *env)
        url = env;
    else if (!prefs.baseUrl.empty())
        url = prefs.baseUrl;
    return WithoutTrailingSlashes(url);
}

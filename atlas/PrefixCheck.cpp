#include "atlas/PrefixCheck.h"

#include "core/Syntax.h"

#include <cctype>
#include <string>

namespace {

std::string Upper(std::string_view text) {
    std::string result(text);
    for (char& c : result)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return result;
}

} // namespace

CheckResult CheckPrefixField(std::string_view text, const Atlas* atlas, bool canBeLocator,
                             bool mustFindInAtlas, const CountryFile* countries) {
    const std::string upper = Upper(text);
    if (!mustFindInAtlas)
        return IsValidPrefix(upper, true);
    CheckResult result;
    result.ok = upper == "DEFAULT" || text == "<Ins>" ||
                (atlas && FindAtlasEntry(*atlas, upper).has_value()) ||
                (canBeLocator && GridLocatorToCoordinates(upper, false).ok) ||
                (canBeLocator && countries && MatchCallsign(*countries, upper).has_value());
    if (!result.ok) {
        const char* const tail =
            countries ? "and not a valid grid locator or callsign" : "and not a valid grid locator";
        result.message =
            ErrorMessage(canBeLocator ? std::string(text) + " not found in atlas\r" + tail
                                      : std::string(text) + " not found in atlas");
    }
    return result;
}

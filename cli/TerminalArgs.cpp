#include "cli/TerminalArgs.h"

#include <algorithm>
#include <cctype>

#include "core/Syntax.h"

namespace {

std::string UpperCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

TerminalArgs Misused(std::string problem) {
    TerminalArgs result;
    result.usage = true;
    result.message = ErrorMessage(std::move(problem));
    return result;
}

TerminalArgs Refused(std::string option, std::string value, UserMessage message) {
    TerminalArgs result;
    result.option = std::move(option);
    result.value = std::move(value);
    result.message = std::move(message);
    return result;
}

} // namespace

TerminalArgs ReadTerminalArgs(ArgList& args, std::string_view letter) {
    const std::string name(letter);
    const std::string upper = UpperCase(name);
    const std::optional<std::string> locator = args.Value(name);
    const std::optional<std::string> lat = args.Value(name + "-lat");
    const std::optional<std::string> lon = args.Value(name + "-lon");
    const std::optional<std::string> placeName = args.Value(name + "-name");

    if (locator && (lat || lon))
        return Misused("give terminal " + upper + " either as --" + name + " LOCATOR or as --" +
                       name + "-lat and --" + name + "-lon");
    if (!locator && !lat && !lon)
        return Misused("terminal " + upper + " is missing: give --" + name + " LOCATOR or --" +
                       name + "-lat LAT --" + name + "-lon LON");
    if (!locator && (!lat || !lon))
        return Misused("terminal " + upper + " needs both --" + name + "-lat and --" + name +
                       "-lon");

    TerminalArgs result;
    result.terminal.Name = CutText(placeName.value_or(""), kNameCapacity);
    if (locator) {
        const std::string text = UpperCase(*locator);
        const LocatorResult centre = GridLocatorToCoordinates(text, true);
        if (!centre) {
            // A locator of the wrong length fails without a message of its own.
            return Refused("--" + name, *locator,
                           centre.message.IsEmpty()
                               ? ErrorMessage("You have not entered a valid grid locator")
                               : centre.message);
        }
        result.terminal.Prefix = text;
        result.terminal.LatitudeText = centre.latitudeText;
        result.terminal.LongitudeText = centre.longitudeText;
    } else {
        const CoordinateParse latitude = ParseCoordinate(UpperCase(*lat), CoordinateKind::Latitude);
        if (!latitude)
            return Refused("--" + name + "-lat", *lat, latitude.message);
        const CoordinateParse longitude =
            ParseCoordinate(UpperCase(*lon), CoordinateKind::Longitude);
        if (!longitude)
            return Refused("--" + name + "-lon", *lon, longitude.message);
        result.terminal.Prefix = "<Ins>";
        result.terminal.LatitudeText =
            FitCoordinateText(latitude.normalizedText, latitude.valueDeg, kLatitudeTextCapacity);
        result.terminal.LongitudeText =
            FitCoordinateText(longitude.normalizedText, longitude.valueDeg, kLongitudeTextCapacity);
    }
    result.ok = true;
    return result;
}

std::string TerminalArgsProblem(const TerminalArgs& result) {
    if (result.usage)
        return OneLineText(result.message);
    const std::string head = result.option + " '" + result.value + "': ";
    if (result.message.kind == MessageKind::SyntaxError)
        return head + DisplayText(result.message);
    return head + OneLineText(result.message);
}

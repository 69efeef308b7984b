#include "atlas/ResolveTerminal.h"

#include "atlas/AtlasEntry.h"
#include "atlas/PrefixCheck.h"
#include "core/FieldChecks.h"
#include "core/Numeric.h"
#include "core/Syntax.h"

#include <algorithm>
#include <cctype>

namespace {

std::string Upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

ResolvedTerminal Refused(TerminalProblem problem, UserMessage message) {
    ResolvedTerminal result;
    result.problem = problem;
    result.message = std::move(message);
    return result;
}

ResolvedTerminal Resolved(std::string prefix, const std::string& latitude,
                          const std::string& longitude, const std::string& name) {
    ResolvedTerminal result;
    result.ok = true;
    result.terminal.Prefix = CutText(prefix, kPrefixCapacity);
    result.terminal.LatitudeText = CutText(latitude, kLatitudeTextCapacity);
    result.terminal.LongitudeText = CutText(longitude, kLongitudeTextCapacity);
    result.terminal.Name = CutText(name, kNameCapacity);
    return result;
}

// Coordinates typed by hand: checked as the entry fields check them, then made to
// fit their capacities without losing the hemisphere letter.
ResolvedTerminal CheckManual(const TerminalTexts& typed) {
    const TextCheck latitude = CheckLatitudeField(Upper(typed.latitude));
    if (!latitude)
        return Refused(TerminalProblem::Latitude, latitude.message);
    const TextCheck longitude = CheckLongitudeField(Upper(typed.longitude));
    if (!longitude)
        return Refused(TerminalProblem::Longitude, longitude.message);
    const auto fit = [](const TextCheck& check, CoordinateKind kind, std::size_t capacity) {
        const CoordinateParse value = ParseCoordinate(check.text, kind);
        return FitCoordinateText(check.text, value.valueDeg, capacity);
    };
    return Resolved(kManualPrefix, fit(latitude, CoordinateKind::Latitude, kLatitudeTextCapacity),
                    fit(longitude, CoordinateKind::Longitude, kLongitudeTextCapacity), typed.name);
}

// The look-ups of a prefix (in upper case), in order: each gives the terminal, or its
// refusal, when the prefix is its own, and nothing when it leaves the prefix to the next.
using LookUp = std::optional<ResolvedTerminal> (*)(const std::string& prefix,
                                                   const TerminalSources& sources);

std::optional<ResolvedTerminal> FromDefault(const std::string& prefix,
                                            const TerminalSources& sources) {
    if (prefix != kDefaultPrefix)
        return std::nullopt;
    if (!sources.defaultTerminal)
        return Refused(TerminalProblem::DefaultUndefined, NoDefaultTerminalMessage());
    ResolvedTerminal result;
    result.ok = true;
    result.terminal = *sources.defaultTerminal;
    return result;
}

std::optional<ResolvedTerminal> FromAtlas(const std::string& prefix,
                                          const TerminalSources& sources) {
    if (!sources.atlas)
        return std::nullopt;
    const std::optional<AtlasEntry> entry = FindAtlasEntry(*sources.atlas, prefix);
    if (!entry)
        return std::nullopt;
    return Resolved(prefix, entry->Latitude(), entry->Longitude(), entry->Name());
}

std::optional<ResolvedTerminal> FromLocator(const std::string& prefix, const TerminalSources&) {
    const LocatorResult centre = GridLocatorToCoordinates(prefix, false);
    if (!centre)
        return std::nullopt;
    return Resolved(prefix, centre.latitudeText, centre.longitudeText, "");
}

std::optional<ResolvedTerminal> FromCountryFile(const std::string& prefix,
                                                const TerminalSources& sources) {
    if (!sources.countries)
        return std::nullopt;
    const std::optional<CallsignMatch> match = MatchCallsign(*sources.countries, prefix);
    if (!match)
        return std::nullopt;
    const Country& country = sources.countries->countries[match->country];
    // "DL", "JA1", "ZS6": a prefix, named by its entity; "DL1ABC": a station's call.
    const bool barePrefix =
        !match->exactCall && (match->call.find_first_of("0123456789") == std::string::npos ||
                              std::isdigit(static_cast<unsigned char>(match->call.back())));
    ResolvedTerminal result =
        Resolved(match->call.size() <= kPrefixCapacity ? match->call : match->matched,
                 FormatFixed(match->latitudeDeg, 0, 2), FormatFixed(match->longitudeDeg, 0, 2),
                 barePrefix ? country.name : match->call);
    result.matchText = CallsignMatchText(*sources.countries, *match);
    return result;
}

constexpr LookUp kLookUps[] = {FromDefault, FromAtlas, FromLocator, FromCountryFile};

} // namespace

UserMessage NoDefaultTerminalMessage() {
    UserMessage message;
    message.kind = MessageKind::Information;
    message.alert = true;
    message.text = "The default terminal is not available until it is defined. Choose\r"
                   "Options from the Hopscope Main Menu Bar to define the default terminal.";
    return message;
}

ResolvedTerminal ResolveTerminal(const TerminalTexts& typed, char letter,
                                 const TerminalSources& sources) {
    if (typed.prefix.empty())
        return Refused(TerminalProblem::PrefixMissing,
                       ErrorMessage(std::string("Terminal ") + letter +
                                    " is missing: enter the prefix of the atlas entry (or a grid "
                                    "locator), or press one of the terminal buttons"));
    if (typed.prefix == kManualPrefix)
        return CheckManual(typed);

    const std::string prefix = AtlasUpperCase(typed.prefix);
    for (const LookUp lookUp : kLookUps)
        if (std::optional<ResolvedTerminal> found = lookUp(prefix, sources))
            return *std::move(found);
    return Refused(
        TerminalProblem::PrefixUnknown,
        CheckPrefixField(typed.prefix, sources.atlas, true, true, sources.countries).message);
}

void NameLocatorTerminal(Terminal& terminal) {
    if (TrimBlanks(terminal.Name).empty() && GridLocatorToCoordinates(terminal.Prefix, false))
        terminal.Name = terminal.Prefix;
}

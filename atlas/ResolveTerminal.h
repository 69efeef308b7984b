#pragma once

#include "atlas/Atlas.h"
#include "atlas/CountryFile.h"
#include "core/Terminal.h"
#include "core/UserMessage.h"

#include <optional>
#include <string>

/// What the user typed for one terminal: the four fields of a terminal group of the
/// prediction dialog, or the terminal options of the command line.
struct TerminalTexts {
    std::string prefix;    ///< an atlas prefix, a grid locator, a callsign, "DEFAULT" or "<Ins>"
    std::string latitude;  ///< read only when `prefix` is "<Ins>"
    std::string longitude; ///< read only when `prefix` is "<Ins>"
    std::string name;      ///< read only when `prefix` is "<Ins>"; may be blank
};

/// Why a terminal was refused; it names the field the user has to correct.
enum class TerminalProblem {
    None,
    PrefixMissing,    ///< the prefix is empty
    PrefixUnknown,    ///< not in the atlas, not a grid locator and no callsign
    DefaultUndefined, ///< "DEFAULT" while the settings define no default terminal
    Latitude,         ///< the latitude text does not read as a latitude
    Longitude,        ///< the longitude text does not read as a longitude
};

/// A terminal made from typed texts, or the message that refuses them.
struct ResolvedTerminal {
    bool ok = false;
    Terminal terminal; ///< when ok: the four texts (and the reals of a default terminal)
    TerminalProblem problem = TerminalProblem::None; ///< when not ok
    UserMessage message;                             ///< when not ok: what to show
    /// When the country file gave the terminal: "DL1ABC → Fed. Rep. of Germany (DL)".
    std::string matchText;
    explicit operator bool() const { return ok; }
};

/// The information message (with the alert sound) that refuses "DEFAULT" while the
/// settings define no default terminal.
UserMessage NoDefaultTerminalMessage();

/// What a typed prefix is looked up in.
struct TerminalSources {
    const Atlas* atlas = nullptr; ///< null finds nothing
    /// What "DEFAULT" stands for (DefinedDefaultTerminal of the settings); nothing when
    /// no default terminal is defined.
    std::optional<Terminal> defaultTerminal;
    /// Callsigns and prefixes the atlas does not know; null resolves none.
    const CountryFile* countries = nullptr;
};

/// Turns what the user typed for terminal `letter` ('A' or 'B') into a terminal,
/// as the prediction dialog does when its OK button is pressed. The prefix is taken
/// in upper case:
/// - empty: refused, "Terminal A is missing: ..." (error);
/// - "<Ins>": the latitude and longitude checked and normalized as the entry fields
///   check them (CheckLatitudeField, CheckLongitudeField, in upper case) and fitted to
///   their capacities by FitCoordinateText, so that a long text never loses its
///   hemisphere letter; the name as typed;
/// then the look-ups, the first that knows the prefix giving the terminal:
/// - "DEFAULT": the default terminal of `sources`, or, when none is defined, refused
///   with the information message that says how to define it;
/// - a prefix of the atlas: that prefix with the entry's latitude, longitude and name;
/// - a grid locator: the locator with the texts of its centre and an empty name;
/// - a callsign or prefix of the country file (MatchCallsign): the entity's position
///   (or the prefix's own), as prefix the call when it fits kPrefixCapacity and the
///   matched prefix otherwise, as name the call, or the entity's name for a prefix (no
///   digit, or a digit at its end: "DL", "JA1"); `matchText` says what matched;
/// - anything else: refused, "... not found in atlas" "and not a valid grid locator"
///   (with a country file: "... not a valid grid locator or callsign").
/// Every text is cut to its capacity. Nothing is read or written.
ResolvedTerminal ResolveTerminal(const TerminalTexts& typed, char letter,
                                 const TerminalSources& sources);

/// A terminal given by a grid locator and without a name takes the locator as its name,
/// so that reports, Path Information and map titles name it. Any other terminal is
/// left as it is.
void NameLocatorTerminal(Terminal& terminal);

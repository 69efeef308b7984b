#pragma once

#include "atlas/Atlas.h"
#include "core/Terminal.h"
#include "core/UserMessage.h"

#include <optional>
#include <string>

/// What the user typed for one terminal: the four fields of a terminal group of the
/// prediction dialog, or the terminal options of the command line.
struct TerminalTexts {
    std::string prefix;    ///< an atlas prefix, a grid locator, "DEFAULT" or "<Ins>"
    std::string latitude;  ///< read only when `prefix` is "<Ins>"
    std::string longitude; ///< read only when `prefix` is "<Ins>"
    std::string name;      ///< read only when `prefix` is "<Ins>"; may be blank
};

/// Why a terminal was refused; it names the field the user has to correct.
enum class TerminalProblem {
    None,
    PrefixMissing,    ///< the prefix is empty
    PrefixUnknown,    ///< not in the atlas and not a grid locator
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
/// - anything else: refused, "... not found in atlas" "and not a valid grid locator".
/// Every text is cut to its capacity. Nothing is read or written.
ResolvedTerminal ResolveTerminal(const TerminalTexts& typed, char letter,
                                 const TerminalSources& sources);

/// A terminal given by a grid locator and without a name takes the locator as its name,
/// so that reports, Path Information and map titles name it. Any other terminal is
/// left as it is.
void NameLocatorTerminal(Terminal& terminal);

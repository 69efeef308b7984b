#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "atlas/Atlas.h"
#include "atlas/ResolveTerminal.h"
#include "cli/ArgList.h"
#include "core/Terminal.h"
#include "settings/Settings.h"

/// The options of one terminal as given on the command line, not yet resolved.
struct TerminalOptions {
    std::string letter;              ///< "a" or "b"
    TerminalTexts typed;             ///< prefix "<Ins>" for --a-lat/--a-lon
    std::string given;               ///< --a's value as given (for messages)
    std::optional<std::string> name; ///< --a-name
    std::string usageProblem;        ///< non-empty when the options are combined wrongly
};

/// Takes terminal `letter`'s options out of `args`: "--a PREFIX|LOCATOR|DEFAULT" or
/// "--a-lat LAT --a-lon LON", each with an optional "--a-name NAME". Only how the
/// options are combined is checked here; nothing is read.
TerminalOptions TakeTerminalOptions(ArgList& args, std::string_view letter);

/// A terminal read from the command line, or the message that refuses it.
struct TerminalArgs {
    bool ok = false;
    Terminal terminal;   ///< the four texts; the reals are left for ComputePathGeometry
    std::string problem; ///< on failure: "--a-lat '91': Please enter ..." for standard error
    TerminalProblem problemKind = TerminalProblem::None; ///< on failure: which field
    std::string matchText; ///< a callsign's country: "DL1ABC → Fed. Rep. of Germany (DL)"
};

/// The terminal of `options` as the prediction dialog would make it from the same
/// texts (ResolveTerminal with the atlas and the settings). A --a-name given with a
/// prefix, a locator or DEFAULT replaces the name those bring (cut to 17 characters); a
/// locator left without a name takes the locator as its name (NameLocatorTerminal); and
/// control characters of the name, from --a-name or the settings' default terminal, come
/// out as "?" (WithoutControlCharacters). With `countries`, a callsign or prefix the
/// atlas does not know is looked up there too.
TerminalArgs ResolveTerminalOptions(const TerminalOptions& options, const Atlas* atlas,
                                    const Settings& settings,
                                    const CountryFile* countries = nullptr);

#pragma once

#include <string>
#include <string_view>

#include "cli/ArgList.h"
#include "core/Terminal.h"
#include "core/UserMessage.h"

/// A terminal read from the command line, or why it could not be.
struct TerminalArgs {
    bool ok = false;
    Terminal terminal;   ///< the four texts filled in; the reals are left for ComputePathGeometry
    bool usage = false;  ///< on failure: the options were combined wrongly (message says how)
    std::string option;  ///< on failure: the option whose value was refused ("--a-lat")
    std::string value;   ///< on failure: that value as given
    UserMessage message; ///< on failure: the program's message for the value, or the usage problem
};

/// Terminal `letter` ("a" or "b") from "--a-lat TEXT --a-lon TEXT [--a-name TEXT]"
/// or "--a LOCATOR [--a-name TEXT]". Texts are raised to upper case as the entry
/// fields do, coordinates are checked and normalized by ParseCoordinate (north and
/// WEST positive) and locators by GridLocatorToCoordinates. The prefix becomes the
/// locator, or "<Ins>" for coordinates typed by hand; texts are cut to their
/// record capacities, and a coordinate by FitCoordinateText so that cutting it
/// never drops its letter and with it the sign.
/// The options are taken out of `args`.
TerminalArgs ReadTerminalArgs(ArgList& args, std::string_view letter);

/// The message for the command line: "--a-lat '91': Please enter ..." on one line;
/// for a syntax error the window's first line there and its other lines below.
std::string TerminalArgsProblem(const TerminalArgs& result);

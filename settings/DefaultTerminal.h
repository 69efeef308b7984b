#pragma once

#include "core/Terminal.h"
#include "settings/Settings.h"

#include <optional>

/// The default terminal of the settings as a terminal: prefix "DEFAULT", the three
/// texts copied (cut to the terminal's capacities), and the degrees, radians, sine and
/// cosine of its coordinates parsed from the texts. Texts that do not parse (possible
/// only in a file written elsewhere) leave the reals at zero.
Terminal DefaultTerminal(const Settings& settings);

/// DefaultTerminal when the settings define a default terminal (DefaultDefined), else
/// nothing: what "DEFAULT" stands for when a terminal is resolved.
std::optional<Terminal> DefinedDefaultTerminal(const Settings& settings);

/// After the options have been saved, brings terminals A and B of the prediction
/// record in line with the default terminal:
/// - with a default terminal: A becomes the default terminal when its prefix is
///   "DEFAULT" or empty; B's three texts are replaced by the default terminal's when
///   its prefix is "DEFAULT";
/// - without one: a terminal whose prefix is "DEFAULT" is cleared entirely.
void ApplyDefaultTerminal(const Settings& settings, Terminal& a, Terminal& b);

/// At start-up, after the settings have been read: terminal A becomes the default
/// terminal when the settings define one, and is left alone otherwise.
void ApplyStartupDefaultTerminal(const Settings& settings, Terminal& a);

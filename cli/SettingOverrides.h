#pragma once

#include "cli/ArgList.h"
#include "settings/Settings.h"

#include <optional>
#include <string>
#include <vector>

/// A refusal of a command's arguments: the text for standard error and the exit
/// status (1 for a value the program refuses, 2 for a usage error).
struct ArgFailure {
    std::string text;
    int status = 1;
};

/// The settings a prediction may change for one run, as given on the command line.
struct SettingOverrides {
    std::optional<std::string> freqs, constants, minAngle, bandwidth, noise, suppression;
    bool showZero = false, hideZero = false, snr = false, signal = false;
};

/// Takes --freqs, --constants, --min-angle, --bandwidth, --noise, --suppression,
/// --show-zero/--hide-zero and --snr/--signal out of the arguments.
SettingOverrides TakeOverrides(ArgList& args);

/// Checks the overrides as the Options window would and puts them into the settings
/// (frequencies sorted ascending, derived values recomputed). Nothing is written to
/// any file. On a refusal the settings are left partly changed and must not be used.
std::optional<ArgFailure> ApplyOverrides(const SettingOverrides& overrides, Settings& settings);

/// The text in lower case (ASCII letters only).
std::string Lower(std::string text);

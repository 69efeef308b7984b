#pragma once

#include "atlas/Atlas.h"
#include "cli/ArgList.h"
#include "cli/SettingOverrides.h"
#include "cli/TerminalArgs.h"
#include "core/TimeZone.h"
#include "report/PredictionSetup.h"
#include "settings/Settings.h"

#include <filesystem>
#include <optional>
#include <string>

/// The options `predict` and `path` share, as given: both terminals, the data
/// folder, the day, the solar and K indices and the time zone.
struct RequestArgs {
    TerminalOptions terminals[2];
    std::optional<std::string> dataDir, date, solar, kIndex, tzOffset;
    bool utc = false, local = false;
};

/// Takes the shared options out of `args` (each terminal's options once).
RequestArgs TakeRequestArgs(ArgList& args);

/// Checks everything that does not need the data files: how each terminal's options
/// are combined, at most one of --utc, --local and --tz-offset, the form of
/// --tz-offset ("+05:30"), the date (YYYY-MM-DD), the K index, and a solar index
/// given with its letter (a bare number waits for the settings, which say whether it
/// is a sunspot number or a flux). Usage errors have status 2, refusals status 1.
std::optional<ArgFailure> CheckRequestArgs(const RequestArgs& args);

/// UTC or local time as the options say: --tz-offset (local time at that offset from
/// UTC, "ULT"), --local, --utc, or else the settings' choice.
TimeZoneState RequestTimeZone(const RequestArgs& args, bool settingsUseUtc,
                              const ClockReading& clock);

/// Applies --date-order (mdy, dmy or ymd, any case) and --date-separator (one
/// character other than a digit) to the date conventions; a usage error otherwise.
std::optional<ArgFailure> ApplyDateOptions(const std::optional<std::string>& order,
                                           const std::optional<std::string>& separator,
                                           DateConventions& dates);

/// The data a command reads: the settings file (factory settings when there is none)
/// and the atlas (ReadAtlasWithoutWriting: the atlas file, or the legacy atlas QKT.ATL,
/// or the built-in places), read without creating or changing any file.
struct CommandData {
    std::filesystem::path directory;
    Settings settings;
    Atlas atlas;
    /// The country file, read when a terminal first needs it (ResolveCommandTerminal).
    mutable std::optional<CountryFileLoad> countries;
};

/// Reads the data of the folder --data-dir names (or of the usual data folder).
std::optional<ArgFailure> ReadCommandData(const std::optional<std::string>& dataDir,
                                          CommandData& data);

/// Terminal `options` resolved against the data: the atlas, the default terminal, a
/// grid locator, and only then the country file (read once, from the data folder or
/// the program's copy), so that a callsign or a prefix the atlas lacks is found by its
/// country. What a callsign matched goes to standard error ("hopscope-cli: --a DL1ABC
/// → Fed. Rep. of Germany (DL)"), as does a user's country file that could not be
/// read; a country file that is missing altogether adds its reason to the refusal.
/// `settings` (what DEFAULT stands for) are the data's own unless given.
TerminalArgs ResolveCommandTerminal(const TerminalOptions& options, const CommandData& data,
                                    const Settings* settings = nullptr);

/// The inputs of a prediction from the options and the data: both terminals
/// resolved as the prediction dialog resolves them, the time zone (--utc, --local,
/// --tz-offset or the settings), the day (--date, or today: the local date when the
/// times are local by --local or by the settings, otherwise the UTC date), the solar index text
/// (the settings decide what a bare number is; left empty when not given and `solarRequired` is
/// false) and the K index text.
std::optional<ArgFailure> BuildPredictionInputs(const RequestArgs& args, const CommandData& data,
                                                bool solarRequired, PredictionInputs& inputs);

/// The output options of a map command: --format json (the default), csv or png, where
/// png needs --out; and --size, the picture's width in pixels, 101..8001. Fills `format`
/// and `pngWidth` (left as they are when not given); the problem text when refused.
std::optional<std::string> ReadMapOutputOptions(const std::optional<std::string>& formatText,
                                                const std::optional<std::string>& sizeText,
                                                bool hasOut, std::string& format, int& pngWidth);

#pragma once

#include "core/Dates.h"
#include "core/ReplaceFile.h"
#include "core/TimeZone.h"

#include <QString>
#include <QStringList>
#include <filesystem>
#include <optional>
#include <string>

struct AppState;

/// What the command line asks for.
struct CommandLineOptions {
    bool suppressSplash = false;        ///< the first argument is "/b" or "/B"
    std::optional<std::string> dataDir; ///< --data-dir DIR (or --data-dir=DIR)
    QString error;                      ///< a message for a malformed command line
};

/// Reads the arguments after the program name: a first argument "/b" or "/B"
/// suppresses the splash window; "--data-dir DIR" names the data directory. Other
/// arguments are ignored, so that a desktop launcher passing file names or options
/// of its own still starts the program; "--data-dir" without a folder is an error.
CommandLineOptions ParseCommandLine(const QStringList& arguments);

/// Start-up steps before the main window: the prediction record cleared, temporary
/// files that a killed run left in the data directory removed (RemoveStaleTemporaryFiles),
/// the date conventions set, the settings read (factory settings when there is no usable
/// file), the time-zone state derived from them, terminal A made the default terminal
/// when one is defined, and the atlas loaded (created on the first start).
void LoadAppState(AppState& state, const std::filesystem::path& dataDir,
                  const DateConventions& dates, const ClockReading& clock);

/// Shutdown: the atlas released, then the settings written back. The result says
/// whether the write worked; the caller tells the user when it did not.
[[nodiscard]] FileWriteResult SaveAppStateAtExit(AppState& state);

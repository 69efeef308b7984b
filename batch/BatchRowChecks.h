#pragma once

#include "atlas/Atlas.h"
#include "batch/BatchTable.h"
#include "core/Dates.h"
#include "core/TimeZone.h"
#include "report/PredictionSetup.h"
#include "settings/Settings.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The checks a batch row passes before it runs. Each reads one cell as typed (or as
// a file holds it) and never shows anything: a refusal carries the reason that the
// window puts in the row's status hint and the command line prints.

/// What a batch run reads besides the table: the settings (frequencies, default
/// terminal, the primary solar index, the report's display rules), the atlas, the
/// date order of the table's dates and of the report's date, and UTC or local time.
struct BatchContext {
    Settings settings;
    const Atlas* atlas = nullptr; ///< not owned; null finds nothing
    DateConventions dates;
    TimeZoneState zone;
};

/// How a row of a run ended.
enum class BatchRowStatus {
    NotRun,  ///< not reached (yet)
    Ok,      ///< run, its reports written
    Refused, ///< a cell failed its check: "X"
    Blank,   ///< nothing to run: terminal B, date, solar and K index are all empty
};

/// The status column's text: "OK", "X", or empty for a blank row or one not run.
std::string BatchStatusText(BatchRowStatus status);

/// The outcome of a check: ok, or the reason.
struct CellCheck {
    bool ok = false;
    std::string reason;
    explicit operator bool() const { return ok; }
};

/// A terminal cell: "DEFAULT" (the settings' default terminal, refused when none is
/// defined), a prefix of the atlas (looked up in upper case), or a grid locator
/// (its centre, named by the locator). An empty cell is refused. `letter` ("A" or
/// "B") names the terminal in the reason. Control characters of the name (a default
/// terminal's, from the settings) come back as "?".
struct TerminalCheck {
    bool ok = false;
    Terminal terminal;
    std::string reason;
    explicit operator bool() const { return ok; }
};
TerminalCheck CheckBatchTerminal(std::string_view cell, const std::string& letter,
                                 const BatchContext& context);

/// The date cell: eight characters forming a real date in the context's order
/// (IsValidDateText); the date, or nullopt.
std::optional<DateValue> CheckBatchDate(std::string_view cell, const DateConventions& dates);

/// The solar cell, upper-cased: "S" + a sunspot number 0..360, "F" + a flux 60..410,
/// or a bare number of the settings' primary kind, rounded to one decimal; the text
/// becomes e.g. "S125.0". Empty, negative and unreadable values are refused.
TextCheck CheckBatchSolar(std::string_view cell, bool sunspotPrimary);

/// The K index cell: empty (the average) or an integer -1..9.
TextCheck CheckBatchKIndex(std::string_view cell);

/// The path cell, read without regard to case: "S" the short path, "L" the long path,
/// "B" or empty both (short first); nullopt for any other text.
std::optional<std::vector<PathKind>> BatchPathKinds(std::string_view cell);

/// True when the row has nothing to run: terminal B, date, solar and K index empty.
bool IsBlankBatchRow(const BatchRecord& row);

/// A row checked for a run: the status (Ok: ready to run; Refused with the reason of
/// the first check that failed, in the order A, B, date, solar, K, path letter, path
/// geometry; Blank), and for a row that can run its request (PreparePrediction with
/// the context's settings) and the paths to run.
struct BatchRowCheck {
    BatchRowStatus status = BatchRowStatus::NotRun;
    std::string reason;
    PredictionInputs inputs;
    PredictionRequest request;
    std::vector<PathKind> kinds;
};
BatchRowCheck CheckBatchRow(const BatchRecord& row, const BatchContext& context);

#pragma once

#include "batch/BatchRun.h"
#include "batch/BatchTable.h"
#include "core/Dates.h"
#include "settings/Settings.h"

#include <array>
#include <string>
#include <vector>

// The texts of the batch window and of the command line's listing of a table.

/// "Current prediction frequencies are 7.0, 14.1 MHz" (each frequency preceded by a
/// blank, the last comma replaced by " MHz"); "The only current prediction frequency
/// is 14.1 MHz" for one; "There are no current prediction frequencies" for none.
std::string BatchFrequencyLine(const Settings& settings);

/// The two header lines of a column: "A Prefix" / "or Locator", ..., "Date" /
/// "(MM/DD/YY)", "Solar" / "Index", "K" / "Index", "Path" / "(S, L, B)", "Notes" / "".
std::array<std::string, 2> BatchColumnHeader(BatchColumn column, const DateConventions& dates);

/// The status-line hint while a cell of the column has the focus (empty for Notes).
std::string BatchColumnHint(BatchColumn column, const DateConventions& dates, bool sunspotPrimary);

/// What the keyboard may put into a cell of a column: the characters accepted (empty:
/// any printable one), whether letters are raised to upper case, and the most
/// characters the cell holds when typed (the date has its own fixed mask).
struct BatchCellRule {
    std::string allowed;
    bool upperCase = false;
    int maxChars = 0;
};
BatchCellRule BatchCellRuleOf(BatchColumn column);

/// A cell of the table: row 0..14, column 0..6 (BatchColumn).
struct BatchCellPosition {
    int row = 0;
    int column = 0;
    bool operator==(const BatchCellPosition&) const = default;
};

/// The keys that move the selection in the table.
enum class BatchMove { Right, Left, Up, Down, PageUp, Home };

/// Where the selection goes: Right (and Enter) moves one column right and from Notes
/// to terminal A of the next row (not past row 15); Left one column left; Up and
/// Down one row (within 1..15); Page Up to row 1 and Home to column A of the row.
BatchCellPosition MoveBatchCell(BatchCellPosition from, BatchMove move);

/// The table as the command line lists it: a header line and one line per row,
/// columns aligned, notes last.
std::string BatchTableListing(const BatchTable& table);

/// The question before a save that would cut cells (BatchCellsCutOnSave): which cells,
/// and whether to save anyway. Empty when nothing is cut.
std::string BatchCutText(const std::vector<BatchCutCell>& cut);

/// The table as JSON: {"rows": [{"row": 1, "a": ..., "b": ..., "date": ..., "solar":
/// ..., "k": ..., "path": ..., "notes": ...}, ...]} with a line feed at the end.
std::string BatchTableJson(const BatchTable& table);

/// A run as JSON: {"rows": [{"row": 1, "status": "OK"|"X"|"blank"|"not run",
/// "reason": ... (refused rows), "prediction": the PredictionJson of the row's paths
/// (rows that ran)}, ...]} with a line feed at the end.
std::string BatchRunJson(const std::vector<BatchRowRun>& rows);

#pragma once

#include "batch/BatchRowChecks.h"
#include "batch/BatchTable.h"
#include "engine/Propagation.h"
#include "report/PredictionReport.h"

#include <functional>
#include <string>
#include <vector>

/// One row of a batch run: how it ended and, when it ran, its prediction and its
/// reports (one per path, short before long), each as report lines.
struct BatchRowRun {
    int row = 0; ///< 1..15
    BatchRowStatus status = BatchRowStatus::NotRun;
    std::string reason; ///< why the row was refused
    std::vector<PathKind> kinds;
    PredictionResult result;
    std::vector<std::vector<std::string>> reports;
};

/// Checks row `rowNumber` (1..15) and, when it passes, runs the engine for each of its
/// paths (no progress, no cancel) and builds each path's report in `style` (Batch for
/// the printer, BatchFile for a file: the same lines and a dashed line after each),
/// with the row's date in the four-digit form of the context's date order.
BatchRowRun RunBatchRow(const BatchRecord& row, int rowNumber, const BatchContext& context,
                        ReportStyle style);

/// What the user is told after a run about the rows that were refused: "2 rows were not
/// run:" then one line per row, "Row 3: " + its reason. Blank rows (nothing to run) do
/// not count. Empty when every row with something to run was run.
std::string BatchRunSummary(const std::vector<BatchRowRun>& rows);

/// Runs rows 1..15 in order; a row that fails a check is refused and the run goes on.
/// `beforeRow` (may be empty) is told the row number before each row; when it
/// returns false the run stops there and the rows left stay NotRun.
std::vector<BatchRowRun> RunBatchTable(const BatchTable& table, const BatchContext& context,
                                       ReportStyle style,
                                       const std::function<bool(int row)>& beforeRow = {});

/// Every report of the rows that ran, in order, as the text of a report file (CR LF
/// after each line).
std::string BatchReportText(const std::vector<BatchRowRun>& rows);

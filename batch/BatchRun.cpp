#include "batch/BatchRun.h"

#include "report/PathReport.h"
#include "report/PredictionHeaders.h"

BatchRowRun RunBatchRow(const BatchRecord& row, int rowNumber, const BatchContext& context,
                        ReportStyle style) {
    BatchRowRun run;
    run.row = rowNumber;
    BatchRowCheck check = CheckBatchRow(row, context);
    run.status = check.status;
    run.reason = std::move(check.reason);
    if (check.status != BatchRowStatus::Ok)
        return run;

    const PredictionRequest& request = check.request;
    run.result = PredictPaths(request, check.kinds);
    const std::string dateText = FormatDateText(true, request.Date, context.dates);
    for (PathKind kind : check.kinds)
        run.reports.push_back(
            PathReportLines(run.result, kind, context.settings, request.Zone, dateText, style));
    run.kinds = std::move(check.kinds);
    return run;
}

std::vector<BatchRowRun> RunBatchTable(const BatchTable& table, const BatchContext& context,
                                       ReportStyle style,
                                       const std::function<bool(int row)>& beforeRow) {
    std::vector<BatchRowRun> rows;
    for (int r = 1; r <= kBatchRows; ++r) {
        if (beforeRow && !beforeRow(r)) {
            for (; r <= kBatchRows; ++r) {
                rows.emplace_back();
                rows.back().row = r;
            }
            break;
        }
        rows.push_back(RunBatchRow(table.Rows[static_cast<std::size_t>(r - 1)], r, context, style));
    }
    return rows;
}

std::string BatchReportText(const std::vector<BatchRowRun>& rows) {
    std::string text;
    for (const BatchRowRun& row : rows)
        for (const std::vector<std::string>& report : row.reports)
            text += JoinReportLines(report);
    return text;
}

std::string BatchRunSummary(const std::vector<BatchRowRun>& rows) {
    std::string lines;
    int refused = 0;
    for (const BatchRowRun& row : rows) {
        if (row.status != BatchRowStatus::Refused)
            continue;
        ++refused;
        lines += "\rRow " + std::to_string(row.row) + ": " + row.reason;
    }
    if (refused == 0)
        return {};
    return std::to_string(refused) + (refused == 1 ? " row was" : " rows were") +
           " not run:" + lines;
}

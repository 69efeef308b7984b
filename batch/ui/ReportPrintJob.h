#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QPainter;
class QPrinter;

/// One print job that takes several text reports, each starting on a new page, in
/// "Courier New", regular, black, sized so that 101 columns fill the printable width
/// (Trunc(120 / c) points, c = 101 / width in inches). Printing to a PDF file gives
/// one file with every report.
class ReportPrintJob {
public:
    /// `printer` is set up by the print dialog; `title` names the job.
    ReportPrintJob(QPrinter& printer, const QString& title);
    ~ReportPrintJob();
    ReportPrintJob(const ReportPrintJob&) = delete;
    ReportPrintJob& operator=(const ReportPrintJob&) = delete;

    /// Starts the job; false when it could not start.
    bool begin();
    /// Prints one report from the top of a new page (after the first), starting further
    /// pages when one is full. `beforeLine` runs before each line; the report stops
    /// when it returns false. False when the job failed or was aborted.
    bool printReport(const std::vector<std::string>& lines,
                     const std::function<bool()>& beforeLine = {});
    /// Ends the job; false when it had failed or been aborted.
    bool end();

    bool aborted() const;

private:
    QPrinter& m_printer;
    QString m_title;
    std::unique_ptr<QPainter> m_painter;
    bool m_started = false;
    bool m_failed = false;
    bool m_firstReport = true;
};

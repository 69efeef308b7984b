#pragma once

#include <QString>
#include <functional>
#include <string>
#include <vector>

class QPrinter;

/// Prints report lines on `printer` (already set up by the print dialog) in
/// the report font (ReportFont), regular, black, sized by ReportFontPoints so that
/// 101 columns fill the printable width, starting a new page when one is full. `title` names the
/// print job. `beforeLine` runs before each line (the window lets pending events run there); the
/// output stops early when it returns false or the job is aborted. Returns false when the job could
/// not start or was aborted.
bool PrintReportLines(QPrinter& printer, const std::vector<std::string>& lines,
                      const QString& title, const std::function<bool()>& beforeLine = {});

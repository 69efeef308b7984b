#pragma once

#include "core/Terminal.h"
#include "report/PredictionTable.h"

#include <string>
#include <vector>

/// The width of a report line.
inline constexpr std::size_t kReportWidth = 101;

/// The text that marks a polar path on the third header line, from column 42 on.
inline constexpr const char* kPolarPathText = "THIS IS A POLAR PATH";

/// "Hopscope Short-Path Prediction for " or "Hopscope Long-Path Prediction for "
/// followed by the date text (the four-digit form of the system's date order).
std::string PredictionCaption(PathKind kind, const std::string& dateText);

/// The third header line with "THIS IS A POLAR PATH" over columns 42..61 when the path
/// is polar: its first 41 characters, the 20 characters of the text, then the line
/// from column 62 on (a shorter line is filled with blanks to column 41 first).
std::string PolarHeaderLine(const std::string& line, bool isPolar);

/// The column header line: " " + time label + "   MUF " and each frequency header
/// right-aligned in w (9 with ten frequencies, 10 otherwise).
std::string ColumnHeaderLine(const PredictionTable& table);

/// Table line k (0..47): " " + time + the MUF right-aligned in 5 + " " + each cell
/// right-aligned in w (an empty cell is w blanks). The blank after the MUF keeps the
/// rows under the column header (whose "MUF" is followed by a blank as well), so with
/// ten frequencies a row is 101 characters like the header lines, and with two it is
/// 31.
std::string TableLine(const PredictionTable& table, int row);

/// Where a report goes, which decides its last lines.
enum class ReportStyle {
    ResultsWindow, ///< the results window's print: ends with the footer
    Batch,         ///< a batch report: an empty line after the footer when no cell is filled
    BatchFile,     ///< a batch report written to a file: as Batch, then 101 "-"
};

/// The report of one path, line by line (without line ends): an empty line, the
/// centred caption, an empty line, the three header lines (the polar text on the
/// third), an empty line, the centred table title, the column header, the 48 table
/// lines, an empty line and the footer; then what `style` adds. Lines are UTF-8.
std::vector<std::string> PredictionReportLines(const PredictionTable& table,
                                               const HeaderLines& headerLines, bool isPolar,
                                               PathKind kind, const std::string& dateText,
                                               ReportStyle style);

/// The lines that say where a fetched solar figure came from, to follow the header
/// lines: " Solar data: " + `source`, wrapped at spaces to the report's width with the
/// continuation lines indented under the source. None when `source` is empty (a figure
/// typed by hand).
std::vector<std::string> SolarSourceLines(const std::string& source);

/// `lines` of PredictionReportLines with SolarSourceLines(source) after the three
/// header lines; unchanged when `source` is empty.
void AddSolarSourceLines(std::vector<std::string>& lines, const std::string& source);

/// The lines joined with CR LF after each one, as text reports are written.
std::string JoinReportLines(const std::vector<std::string>& lines);

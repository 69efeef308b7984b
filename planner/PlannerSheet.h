#pragma once

#include "planner/Planner.h"

#include <string>
#include <vector>

// The planner's rulers, status line and printout, as plain values: the window and its
// pages draw them.

/// One hour mark of a ruler over a strip of 24 hours drawn `widthPx` wide.
struct HourMark {
    int hour = 0;   ///< 0..24
    double x = 0.0; ///< pixels from the strip's left edge, hour · width / 24
    bool labelled = false;
};

/// A mark on every hour 0..24; labels ("00" … "23") every `step` hours, the smallest step
/// of 1, 2, 3, 6, 12 or 24 at which labels `labelWidthPx` wide stay half a label apart;
/// the end (24) is not labelled.
std::vector<HourMark> HourRulerMarks(double widthPx, double labelWidthPx);

/// The line under the table: "371 rows" (or "1 of 371 rows shown" under a filter), the
/// strips' time span in the zone, " (cancelled)", and the places without a path.
std::string PlannerSummaryText(int shownRows, int allRows, const std::string& zoneLabel,
                               bool cancelled, const std::vector<PlannerSkip>& skipped);

/// `path` with ".csv" added when its file name has no extension.
std::string WithCsvExtension(const std::string& path);

/// True when a band of the row is open at the UTC half hour (0..47).
bool OpenAt(const PlannerRow& row, int utcSlot);

/// Rows per printed page.
inline constexpr int kPlannerRowsPerPage = 40;

/// The printed pages for `rows` rows: one at least.
int PlannerPageCount(int rows);

/// The header lines of printed page `page` (1-based) of `pages`: the station, then the
/// conditions (date, solar index, K index, paths, threshold, the strips' time span),
/// then "Page n of m".
std::vector<std::string> PlannerPrintHeader(const PlannerSetup& setup, const std::string& dateText,
                                            int page, int pages);

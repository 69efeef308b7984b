#pragma once

#include "planner/Planner.h"

#include <QString>
#include <string>
#include <vector>

class QPagedPaintDevice;

/// What a planner printout shows.
struct PlannerPrintJob {
    PlannerSetup setup;
    std::string dateText;               ///< the date as the user writes it
    std::vector<PlannerRow> rows;       ///< in the order shown
    std::vector<std::string> bandTexts; ///< the band columns' frequencies
    double utcOffsetDays = 0.0;         ///< of the strips' time
    int utcSlotNow = 0;                 ///< the half hour "Best now" looks at
};

/// Prints the rows on `device` (a printer or a PDF writer), kPlannerRowsPerPage a page:
/// the header (PlannerPrintHeader) on every page, the column titles with an hour ruler
/// over each band's strips, then one line per row with its place, distance, bearing,
/// path, best band now and the strips. False when the device cannot be painted on.
bool PrintPlanner(QPagedPaintDevice& device, const PlannerPrintJob& job);

#pragma once

#include "planner/Planner.h"

#include <string>
#include <vector>

// What the planner window shows of its rows: the columns, the strips, the filter and
// the sort order, as plain values.

/// The window's columns: the place, then one strip per band from kPlannerBandColumn.
enum PlannerColumn {
    kPlannerPrefixColumn,
    kPlannerNameColumn,
    kPlannerDistanceColumn,
    kPlannerBearingColumn,
    kPlannerPathColumn,
    kPlannerBestNowColumn,
    kPlannerBandColumn, ///< band n is column kPlannerBandColumn + n
};

/// The 48 half hours of a band in displayed time (UTC − utcOffsetDays) from "0000":
/// the availability letter upper case where open, lower case where the cell is shown
/// but below the threshold, "." where nothing is shown.
std::string StripText(const PlannerBand& band, double utcOffsetDays);

/// The 48 half hours of a band in displayed time, as StripText orders them: the
/// reliability in percent (0..100) where the cell is shown, −1 where nothing is shown.
/// The planner's strips colour a P.533 band by it on a continuous scale.
std::vector<float> StripReliability(const PlannerBand& band, double utcOffsetDays);

/// The displayed half hour (0..47) of the UTC instant utcNowDays (a day number with
/// fraction) when displayed times are UTC − utcOffsetDays.
int DisplayedHalfHour(double utcNowDays, double utcOffsetDays);

/// The text of a place column (prefix, name, "5265" km, "288.3" degrees, "Short" or
/// "Long", the best band now as "14.1 (0.85)" or "-"); "" for a band column.
std::string PlannerCellText(const PlannerRow& row, int column, int utcSlotNow);

/// The value a column sorts by: the text of prefix, name and path columns compares as
/// text (PlannerLess), the others by number: distance, bearing, the best reliability
/// now (BestReliabilityAt), the open half hours of the band (then its reliability now).
bool PlannerLess(const PlannerRow& a, const PlannerRow& b, int column, int utcSlotNow);

/// The row's prefix or name holds `filter`, ignoring case (an empty filter holds all).
bool PlannerRowMatches(const PlannerRow& row, const std::string& filter);

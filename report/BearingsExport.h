#pragma once

#include "atlas/AtlasBearings.h"
#include "report/BearingsLayout.h"

#include <string>
#include <vector>

// The bearings table for other programs: CSV and JSON with one row per atlas entry,
// and the printed pages as plain text. Line ends are CR LF.

/// "prefix,name,latitude,longitude,bearing,long_bearing,km,miles" and one line per
/// row: latitude and longitude in decimal degrees (north and WEST positive), the
/// bearings in whole degrees as printed, the distances in whole km and statute miles
/// (DisplayRadiusKm, DisplayRadiusMi). A field that has no value (an entry whose
/// coordinates do not read, a bearing shown as "***") is empty. Texts that hold a
/// comma, a quote or a line break are quoted.
std::string BearingsCsv(const std::vector<EntryBearing>& rows);

/// {"from":{"name","latitude","longitude"},"bearings":[{the CSV fields}...]}; a field
/// without a value is null.
std::string BearingsJson(const BearingsOrigin& origin, const std::vector<EntryBearing>& rows);

/// The entries' 28-character texts for BearingsPages.
std::vector<std::string> BearingsEntryTexts(const std::vector<EntryBearing>& rows);

/// The pages as text: lines ending in CR LF, a form feed before every page after the
/// first.
std::string BearingsPagesText(const std::vector<std::vector<std::string>>& pages);

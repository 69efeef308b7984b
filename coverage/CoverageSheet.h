#pragma once

#include <string>
#include <vector>

#include "coverage/CoverageRender.h"
#include "maps/MapSheet.h"
#include "maps/PixelBuffer.h"

// A coverage picture to keep: the title over the map and the legend under it, on white.
// The command line's PNG files are drawn here.

/// The white margin around the sheet's parts, pixels.
inline constexpr int kCoverageSheetMargin = kMapSheetMargin;

/// The title rows of a kept picture: CoverageTitle (station, frequency, solar index and
/// K), then "<date>  <HHMM> UTC  colour by reliability" (or "S/N").
std::vector<std::string> CoverageSheetTitle(const CoverageMap& map, const std::string& dateText,
                                            const std::string& utcText, CoverageShow show);

/// Where the parts of a sheet lie, pixels.
using CoverageSheetLayout = MapSheetLayout;

/// LayOutMapSheet with the legend entries' texts.
CoverageSheetLayout LayOutCoverageSheet(int mapWidth, int mapHeight,
                                        const std::vector<std::string>& title,
                                        const std::vector<LegendEntry>& legend,
                                        PixelBuffer& measure);

/// The sheet: white, the title in black, `mapImage` 1:1, the legend's boxes (outlined
/// in black, the night row's right half at NightColour) with their texts.
PixelBuffer DrawCoverageSheet(const PixelBuffer& mapImage, const std::vector<std::string>& title,
                              CoverageShow show);

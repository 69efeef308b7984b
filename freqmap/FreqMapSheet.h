#pragma once

#include <string>
#include <vector>

#include "core/Terminal.h"
#include "freqmap/FreqMapValues.h"
#include "maps/PixelBuffer.h"

// A frequency map to keep: its title over the map and the legend of its dot patterns
// under it (a MapSheet).

/// What a kept frequency map's title says.
struct FreqMapSheetFacts {
    Terminal station;
    std::string dateText;          ///< as the reader writes dates ("2026-12-21")
    std::string utcText;           ///< "1200"
    std::string zoneLabel = "UTC"; ///< the zone of utcText
    std::string solarIndexText;    ///< "S100", "F150.0"
    std::string kIndexText;        ///< "" for the average
};

/// The title rows: "Frequency map (classic engine)   From <name> (<lat> <lon>)   solar
/// <index>   K <k or average>", then "<date>   <HHMM> <zone>   " + the legend's title.
std::vector<std::string> FreqMapSheetTitle(const FreqMapSheetFacts& facts,
                                           const FreqMapSlots& slots);

/// The sheet of `mapImage` (a RenderFreqMap picture): the title rows, the map and one
/// legend box a class, filled with the class's dot pattern and labelled
/// FreqMapLegendLabel.
PixelBuffer DrawFreqMapSheet(const PixelBuffer& mapImage, const std::vector<std::string>& title,
                             const FreqMapSlots& slots);

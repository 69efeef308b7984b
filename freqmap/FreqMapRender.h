#pragma once

#include <string>
#include <vector>

#include "freqmap/FreqMapCells.h"
#include "freqmap/FreqMapValues.h"
#include "maps/GeoPoint.h"
#include "maps/NightMask.h"

class PixelBuffer;

// The frequency map's picture: each cell's dot pattern on black under smooth white
// coastlines, the station's marker, the Sun and the time, in a red frame.

/// The cells' area of a map image of width × height: inside the one-pixel frame,
/// (1, 1) to (width − 1, height − 1) exclusive.
PixelRect FreqMapArea(int width, int height);

/// What one picture shows.
struct FreqMapPicture {
    const std::vector<FreqMapCell>* cells = nullptr; ///< laid out over FreqMapArea
    const std::vector<int>* classes = nullptr;       ///< per cell
    const FreqMapSlots* freqSlots = nullptr;
    int selectedClass = 0;     ///< 0: every class; g: only class g, the others black
    GeoPoint station;          ///< terminal A, degrees, west positive
    double centreLonDeg = 0.0; ///< the base map's central meridian
    SubsolarPoint sun;
    std::string timeText; ///< "HHMM" as the user sees it
    std::string zoneLabel = "UTC";
    int markerArm = 7; ///< f: half the length of the marker's arms, pixels
};

/// Draws the picture over the whole image (odd width and height): black; each cell of a
/// shown class filled with its pattern (cyan on black); the world's coastlines stroked
/// white and antialiased over the cells at the image's size; the station's lime-green
/// plus sign of arms f and width 2·(f div 3) + 1 with its copy one map width away; the
/// Sun's star and its copy; the time label at the bottom right; a red frame around the
/// image.
void RenderFreqMap(PixelBuffer& image, const FreqMapPicture& picture);

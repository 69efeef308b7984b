#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "coverage/Coverage.h"
#include "maps/GeoPoint.h"
#include "maps/MapCanvas.h"
#include "maps/NightMask.h"
#include "maps/VectorMap.h"

class PixelBuffer;

// The coverage map's picture: the world on the base map with its night side, each
// cell tinted by its reliability class or its S/N, the grey line, the Sun and the
// station. All drawing of the coverage map happens in RenderCoverageMap.

/// What the cells are coloured by: the classic MUF probability's class, the S/N, or the
/// P.533 circuit reliability on a continuous scale.
enum class CoverageShow { Reliability = 0, Snr = 1, CircuitReliability = 2 };

/// The projection and its centre: the rectangular map around the central meridian
/// `centre.lon`, or the great-circle (azimuthal equidistant) map around `centre`.
struct CoverageProjection {
    bool greatCircle = false;
    GeoPoint centre; ///< degrees, west positive (the base maps' centre)
};

/// The odd image size a map of the projection gets inside width × height pixels: the
/// whole area for the rectangular map, the largest odd square for the great-circle one.
struct ImageSize {
    int width = 1;
    int height = 1;
};
ImageSize CoverageImageSize(const CoverageProjection& projection, int width, int height);

/// Which cell each pixel of an image shows (−1 outside the map), computed once per image
/// size and projection and reused by every frame.
struct PixelCells {
    int width = 0;
    int height = 0;
    std::vector<std::int32_t> cell;
    /// The cell under (x, y), −1 outside the map or the image.
    int At(int x, int y) const;
};

/// The pixels' cells of an image (odd sizes) of the projection: the rectangular map
/// fills (1, 1)..(w − 2, h − 2) as the rectangular map windows draw it; the great-circle
/// map's disc is as wide as its base map is scaled (GreatCircleDiscRadius).
PixelCells MapPixelsToCells(const CoverageGrid& grid, const CoverageProjection& projection,
                            int width, int height);

/// The point (degrees, west positive) a pixel shows; false outside the map.
bool PixelToPoint(const CoverageProjection& projection, int width, int height, int x, int y,
                  GeoPoint& point);

/// The colour of a reliability class: A green, B yellow-green, C amber, D orange-red;
/// closed cells are not tinted (their colour is not used).
Rgb ReliabilityColour(ReliabilityClass cls);

/// The one grey of a cell without tint (closed, or no mode), over land and sea alike.
inline constexpr Rgb kClosedCellColour = 0xB8B8B8;

/// How bright the night side is, percent of the day colour.
inline constexpr int kNightBrightnessPercent = 55;

/// A cell colour as the night side shows it: every channel at kNightBrightnessPercent.
Rgb NightColour(Rgb dayColour);

/// The S/N scale's ends, dB: at or below the low end a cell is deep blue, at or above
/// the high end red.
inline constexpr double kSnrScaleLowDb = -10.0;
inline constexpr double kSnrScaleHighDb = 50.0;

/// The colour of an S/N on the continuous scale (blue, cyan, green, yellow, red).
Rgb SnrColour(double snrDb);

/// The colour of a P.533 circuit reliability (percent, 1..100) on the continuous scale
/// of ReliabilityScaleColour; a cell below 0.5 % is closed and not tinted.
Rgb CircuitReliabilityColour(double percent);

/// One box of the legend: its colour and, for the night row, the same colour darkened
/// in its right half.
struct LegendEntry {
    Rgb colour = 0;
    std::string text;
    bool tinted = true; ///< false: kClosedCellColour (closed cells, no mode)
    bool night = false; ///< the row that shows how the night side looks
};

/// The legend of the colouring: the classes "A  75 - 100%" … "closed", the S/N scale
/// from the high end down in 10 dB steps and "closed", or the circuit reliability from
/// "100 %" down in 10 % steps to "1 %" and "closed"; then the night row, "night side
/// darker", a box of the first colour half at day and half at night brightness.
std::vector<LegendEntry> CoverageLegend(CoverageShow show);

/// The colour a legend entry's box shows (its day half for the night row).
Rgb LegendBoxColour(const LegendEntry& entry);

/// A cell's colour at one half hour: its class's or its S/N's, or none (closed, no
/// mode).
struct CellTint {
    Rgb colour = 0;
    bool tinted = false;
    /// What the map shows by day: the colour, or kClosedCellColour without tint.
    Rgb Shown() const { return tinted ? colour : kClosedCellColour; }
};

/// Every cell's tint at index `slotIndex` of map.halfHours, coloured by `show`.
std::vector<CellTint> CellTints(const CoverageMap& map, int slotIndex, CoverageShow show);

/// What one frame shows.
struct CoveragePicture {
    const CoverageMap* map = nullptr;
    int slotIndex = 0; ///< index into map->halfHours
    CoverageShow show = CoverageShow::Reliability;
    CoverageProjection projection;
    const PixelCells* pixels = nullptr; ///< MapPixelsToCells for this image and projection
    DateValue utDate = 0.0;             ///< the UT day of the frame (the Sun and night side)
    std::string timeText;               ///< "HHMM" as the user sees it
    std::string zoneLabel = "UTC";
    std::string stationLabel; ///< drawn beside the station's marker; empty for none
};

/// Draws one frame over the whole image (odd sizes, those of `pixels`): the base map
/// (rectangular or great-circle, `base` drawn for the projection's centre) with its
/// night side darkened and its grid; within the map land and sea alike take the colour
/// of their cell (kClosedCellColour without tint), NightColour on the night side, and
/// the coastlines are black, stroked smooth through MapCanvas::StrokeSmoothLines; then
/// the grey line (the terminator in light grey), the Sun, terminal A as a lime-green
/// plus sign with its label, and the time label.
void RenderCoverageMap(PixelBuffer& image, const PixelBuffer& base, const CoveragePicture& picture);

/// The frame in which the coastlines of an image of RenderCoverageMap lie (pixel
/// centres at whole numbers + 0.5).
WorldFrame CoverageImageFrame(const CoverageProjection& projection, int width, int height);

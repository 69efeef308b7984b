#include "maps/MapSun.h"

#include <array>
#include <cmath>
#include <numbers>

#include "core/Numeric.h"
#include "engine/KxEphem.h"
#include "maps/MapCanvas.h"

SubsolarPoint SubsolarPointAt(DateValue utc) {
    const SunCoordinatesResult sun = SunCoordinates(utc);
    const double utHours = (utc - std::floor(utc)) * 24.0;
    return {sun.declination * 180.0 / std::numbers::pi,
            PositiveMod(360, 15.0 * utHours + sun.lMinusAlphaDeg - 180.0)};
}

void DrawSunSymbol(MapCanvas& canvas, int x, int y, int radius) {
    std::array<PixelPoint, 16> star;
    for (int i = 0; i < 16; ++i) {
        const double angle = i * 22.5 * std::numbers::pi / 180.0;
        const double r = i % 2 == 0 ? radius : radius / 2.0;
        star[i] = {x + static_cast<int>(RoundHalfEven(std::sin(angle) * r)),
                   y - static_cast<int>(RoundHalfEven(std::cos(angle) * r))};
    }
    const Rgb pen = canvas.penColour;
    const Rgb brush = canvas.brushColour;
    canvas.penColour = kBlack;
    canvas.brushColour = kYellow;
    canvas.Polygon(star);
    canvas.penColour = pen;
    canvas.brushColour = brush;
}

void DrawTimeLabel(MapCanvas& canvas, const std::string& timeText, const std::string& zoneLabel,
                   int right, int bottom) {
    const std::string label = " " + timeText + " " + zoneLabel + " ";
    const TextExtent extent = canvas.MeasureText(label);
    canvas.DrawText(right + 1 - extent.width, bottom + 1 - extent.height, label, kWhite, kBlack);
}

#include "freqmap/FreqMapRender.h"

#include <algorithm>

#include "freqmap/FreqMapTexts.h"
#include "maps/MapCanvas.h"
#include "maps/MapOverlays.h"
#include "maps/PixelBuffer.h"
#include "maps/RectMap.h"

namespace {

constexpr Rgb kCyan = 0x00FFFF;
constexpr std::uint32_t kOpaque = 0xFF000000u;

// One cell's pattern over the area.
void FillCell(MapCanvas& image, PixelRect rect, PixelRect area, int pattern) {
    for (int y = std::max(rect.top, area.top); y < std::min(rect.bottom, area.bottom); ++y) {
        std::uint32_t* row = image.Row(y);
        for (int x = std::max(rect.left, area.left); x < std::min(rect.right, area.right); ++x)
            if (FreqMapPatternLit(pattern, x - area.left, y - area.top))
                row[x] = kOpaque | kCyan;
    }
}

void PlusSign(MapCanvas& image, int x, int y, int f) {
    const int g = f / 3;
    image.FillBox({x - g, y - f, x + g + 1, y + f + 1}, kLime);
    image.FillBox({x - f, y - g, x + f + 1, y + g + 1}, kLime);
}

} // namespace

PixelRect FreqMapArea(int width, int height) {
    return {1, 1, std::max(width - 1, 1), std::max(height - 1, 1)};
}

void RenderFreqMap(PixelBuffer& image, const FreqMapPicture& p) {
    const int width = image.Width();
    const int height = image.Height();
    const PixelRect area = FreqMapArea(width, height);
    image.Fill(kBlack);

    if (p.cells && p.classes && p.freqSlots) {
        const std::size_t count = std::min(p.cells->size(), p.classes->size());
        for (std::size_t n = 0; n < count; ++n) {
            const int klass = (*p.classes)[n];
            if (p.selectedClass != 0 && p.selectedClass != klass)
                continue;
            const int pattern = FreqMapPatternOf(*p.freqSlots, klass);
            if (pattern != 8)
                FillCell(image, (*p.cells)[n].rect, area, pattern);
        }
    }

    // The drawing rectangle of the projections: the area's first and last pixels.
    const MapRect rect{area.left, area.top, area.right - 1, area.bottom - 1};
    // The coastlines smooth over the cells, as wide as on the screen's map.
    const WorldFrame frame = RectMapFrame(rect, p.centreLonDeg);
    image.StrokeSmoothLines(CoastlinePolylines(frame, 0.5), kWhite,
                            std::max(1.0, frame.width / 1200.0), frame);
    const int span = rect.right - rect.left;
    const int middle = (rect.left + rect.right) / 2;
    const int ax = RectMapX(rect, p.station.lon, p.centreLonDeg);
    const int ay = RectMapY(rect, p.station.lat);
    PlusSign(image, ax, ay, p.markerArm);
    PlusSign(image, ax > middle ? ax - span : ax + span, ay, p.markerArm);

    DrawRectangularSuns(image, rect, p.centreLonDeg, p.sun);
    DrawTimeLabel(image, TimeLabelText(p.timeText, p.zoneLabel));

    // The red frame around the whole image.
    for (int x = 0; x < width; ++x) {
        image.SetPixel(x, 0, kRed);
        image.SetPixel(x, height - 1, kRed);
    }
    for (int y = 0; y < height; ++y) {
        image.SetPixel(0, y, kRed);
        image.SetPixel(width - 1, y, kRed);
    }
}

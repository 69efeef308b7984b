#include "maps/RectMap.h"

#include <cmath>
#include <cstdlib>

#include "core/Numeric.h"

int RectMapY(MapRect rect, double lat) {
    return rect.top +
           static_cast<int>(std::nearbyint((90.0 - lat) * (rect.bottom - rect.top) / 180.0));
}

int RectMapX(MapRect rect, double lon, double centreLon) {
    const double degrees = PositiveMod(360, centreLon - 180.0 - lon);
    return rect.left + static_cast<int>(std::nearbyint(degrees * (rect.right - rect.left) / 360.0));
}

void RectMapPlot(PixelPoint& last, bool draw, double lat, double lon, double centreLon,
                 MapCanvas& canvas, MapRect rect) {
    const int x = RectMapX(rect, lon, centreLon);
    const int y = RectMapY(rect, lat);
    if (!draw) {
        canvas.SetPixel(x, y, canvas.penColour);
        canvas.MoveTo(x, y);
    } else {
        if (std::abs(x - last.x) > (rect.right - rect.left) / 2) {
            const int span = rect.right - rect.left + 1;
            if (last.x < x) {
                canvas.LineTo(x - span, y);
                canvas.MoveTo(last.x + span, last.y);
            } else {
                canvas.LineTo(x + span, y);
                canvas.MoveTo(last.x - span, last.y);
            }
        }
        canvas.LineTo(x, y);
        canvas.SetPixel(x, y, canvas.penColour);
    }
    last = {x, y};
}

WorldFrame RectMapFrame(MapRect rect, double centreLon) {
    WorldFrame f;
    f.centre = {0.0, centreLon};
    f.left = f.outerLeft = rect.left + 0.5;
    f.top = f.outerTop = rect.top + 0.5;
    f.width = f.outerSize = rect.right - rect.left;
    f.height = rect.bottom - rect.top;
    return f;
}

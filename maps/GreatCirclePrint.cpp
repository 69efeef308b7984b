#include "maps/GreatCirclePrint.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "core/Constants.h"
#include "core/Syntax.h"
#include "maps/AzimuthalMap.h"
#include "maps/WorldOutline.h"

namespace {

constexpr int kMaxDepth = 30;
constexpr int kStepPixels = 2;

int Round(double v) {
    return static_cast<int>(std::nearbyint(v));
}

struct Projected {
    GeoPoint point;
    AzimuthalOffset offset;
};

class OutlineTracer {
public:
    OutlineTracer(const GcPrintLayout& layout, GeoPoint centre, GcPrintDrawing& drawing)
        : m_layout(layout), m_centre(centre), m_drawing(drawing) {}

    Projected Project(GeoPoint p) const {
        return {p, AzimuthalProject(p, m_centre.lat, m_centre.lon, m_layout.scale)};
    }

    void Start(const Projected& p) {
        m_open = false;
        Add(p);
    }

    void Segment(const Projected& a, const Projected& b, int depth = 0) {
        if (a.offset.visible && b.offset.visible && depth < kMaxDepth && Apart(a, b, kStepPixels)) {
            double lon1 = a.point.lon;
            if (std::fabs(lon1 - b.point.lon) > 180.0)
                lon1 += lon1 >= b.point.lon ? -360.0 : 360.0;
            const Projected m =
                Project({(a.point.lat + b.point.lat) / 2.0, (lon1 + b.point.lon) / 2.0});
            const bool onA = m.offset.visible && !Apart(m, a, 0);
            const bool onB = m.offset.visible && !Apart(m, b, 0);
            if (!onA)
                Segment(a, m, depth + 1);
            if (!onB)
                Segment(m, b, depth + 1);
        }
        Add(b);
    }

private:
    static bool Apart(const Projected& a, const Projected& b, int limit) {
        return std::abs(a.offset.dx - b.offset.dx) > limit ||
               std::abs(a.offset.dy - b.offset.dy) > limit;
    }

    void Add(const Projected& p) {
        if (!p.offset.visible) {
            m_open = false;
            return;
        }
        const PixelPoint pixel{m_layout.cx + p.offset.dx, m_layout.cy - p.offset.dy};
        if (m_open) {
            std::vector<PixelPoint>& line = m_drawing.coastline.back();
            const PixelPoint last = line.back();
            if (last == pixel)
                return;
            if (std::abs(last.x - pixel.x) <= kStepPixels &&
                std::abs(last.y - pixel.y) <= kStepPixels) {
                line.push_back(pixel);
                return;
            }
        }
        m_drawing.coastline.push_back({pixel});
        m_open = true;
    }

    const GcPrintLayout& m_layout;
    GeoPoint m_centre;
    GcPrintDrawing& m_drawing;
    bool m_open = false;
};

std::string Hemisphere(std::string text, char positive, char negative) {
    text = TrimBlanks(text);
    if (!text.empty()) {
        const char last = static_cast<char>(std::toupper(static_cast<unsigned char>(text.back())));
        if (last == positive || last == negative)
            return text;
    }
    const bool minus = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '-' || text[0] == '+'))
        text.erase(0, 1);
    return text + " " + (minus ? negative : positive);
}

} // namespace

GcPrintLayout ComputeGcPrintLayout(int width, int height, int dpi) {
    GcPrintLayout l;
    const int lift = Round(dpi / 6.0);
    l.cx = (width - 1) / 2;
    l.cy = height / 2 - lift - (height % 2 == 0 ? 1 : 0);
    const int above = Round(dpi * 5.5 / 6.0) + Round(dpi / 6.0);
    const int below = Round(dpi * 3.5 / 6.0) + Round(dpi / 4.0);
    l.R = std::max(1, std::min({l.cx - 1, l.cy - above, height - 1 - l.cy - below}));
    l.Rd = Round(0.97 * l.R);
    l.top = l.cy - l.R;
    l.scale = l.Rd / 180.0;
    l.titleY = l.top - Round(dpi * 5.5 / 6.0);
    l.subtitleY = l.top - Round(dpi * 4.5 / 6.0);
    l.captionY = l.cy + l.R + Round(dpi * 3.5 / 6.0);
    return l;
}

std::string GcPrintCaption(const std::string& latText, const std::string& lonText,
                           const std::string& name, double latDeg) {
    std::string text = "This map centered on ";
    if (!name.empty())
        text += name + " ";
    text += Hemisphere(latText, 'N', 'S');
    if (std::fabs(latDeg) < 89.995)
        text += " " + Hemisphere(lonText, 'W', 'E');
    return text;
}

GcPrintDrawing BuildGcPrintDrawing(const GcPrintLayout& layout, GeoPoint centre,
                                   const std::function<bool()>& keepGoing) {
    GcPrintDrawing drawing;
    for (int i = 0; i < 36; ++i) {
        const double theta = i * 10.0 * kRadPerDeg;
        const int r = i % 3 == 0 ? 0 : layout.Rd;
        drawing.rose.push_back(
            {{layout.cx + Round(r * std::sin(theta)), layout.cy - Round(r * std::cos(theta))},
             {layout.cx + Round(layout.R * std::sin(theta)),
              layout.cy - Round(layout.R * std::cos(theta))}});
    }
    OutlineTracer tracer(layout, centre, drawing);
    Projected previous;
    for (const OutlinePoint& p : WorldOutline) {
        if (keepGoing && !keepGoing())
            break;
        const Projected next = tracer.Project(ToGeoPoint(p));
        if (IsPenUp(p))
            tracer.Start(next);
        else
            tracer.Segment(previous, next);
        previous = next;
    }
    return drawing;
}

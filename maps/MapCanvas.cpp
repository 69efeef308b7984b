#include "maps/MapCanvas.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace {

constexpr std::uint32_t kOpaque = 0xFF000000u;
constexpr std::uint32_t kColourBits = 0x00FFFFFFu;

// The pixel columns of one row of an ellipse: first..last inside, or empty.
struct RowSpan {
    int first = 1;
    int last = 0;
    bool Holds(int x) const { return x >= first && x <= last; }
};

} // namespace

Rgb MapCanvas::PixelAt(int x, int y) const {
    if (!Contains(x, y))
        return kBlack;
    return Row(y)[x] & kColourBits;
}

void MapCanvas::SetPixel(int x, int y, Rgb colour) {
    if (Contains(x, y))
        Row(y)[x] = kOpaque | colour;
}

void MapCanvas::Fill(Rgb colour) {
    FillBox({0, 0, Width(), Height()}, colour);
}

void MapCanvas::FillBox(PixelBox box, Rgb colour) {
    const int left = std::max(box.left, 0);
    const int right = std::min(box.right, Width());
    for (int y = std::max(box.top, 0); y < std::min(box.bottom, Height()); ++y)
        std::fill(Row(y) + left, Row(y) + std::max(left, right), kOpaque | colour);
}

void MapCanvas::Dot(int x, int y) {
    if (penWidth <= 1) {
        SetPixel(x, y, penColour);
        return;
    }
    const int low = -(penWidth - 1) / 2;
    const double centre = (penWidth - 1) / 2.0 + low;
    const double limit = penWidth * penWidth / 4.0;
    for (int j = low; j < low + penWidth; ++j)
        for (int i = low; i < low + penWidth; ++i)
            if ((i - centre) * (i - centre) + (j - centre) * (j - centre) <= limit)
                SetPixel(x + i, y + j, penColour);
}

void MapCanvas::LineTo(int x1, int y1) {
    int x = m_position.x;
    int y = m_position.y;
    const int dx = std::abs(x1 - x);
    const int dy = -std::abs(y1 - y);
    const int sx = x < x1 ? 1 : -1;
    const int sy = y < y1 ? 1 : -1;
    int error = dx + dy;
    while (x != x1 || y != y1) {
        Dot(x, y);
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x += sx;
        }
        if (twice <= dx) {
            error += dx;
            y += sy;
        }
    }
    if (penWidth > 1)
        Dot(x1, y1);
    m_position = {x1, y1};
}

void MapCanvas::Ellipse(PixelBox box, bool fill) {
    const double cx = (box.left + box.right - 1) / 2.0;
    const double cy = (box.top + box.bottom - 1) / 2.0;
    const double a = (box.right - box.left) / 2.0 - 0.5;
    const double b = (box.bottom - box.top) / 2.0 - 0.5;
    if (a <= 0.0 || b <= 0.0) {
        SetPixel(static_cast<int>(cx), static_cast<int>(cy), penColour);
        return;
    }
    const int rows = box.bottom - box.top;
    std::vector<RowSpan> spans(rows + 2);
    for (int k = 0; k < rows; ++k) {
        const double v = (box.top + k - cy) / b;
        if (v * v > 1.0 + 1e-9)
            continue;
        const double half = a * std::sqrt(std::max(0.0, 1.0 - v * v)) + 1e-9;
        spans[k + 1] = {static_cast<int>(std::ceil(cx - half)),
                        static_cast<int>(std::floor(cx + half))};
    }
    for (int k = 1; k <= rows; ++k) {
        const RowSpan& span = spans[k];
        const int y = box.top + k - 1;
        for (int x = span.first; x <= span.last; ++x) {
            const bool rim = x == span.first || x == span.last || !spans[k - 1].Holds(x) ||
                             !spans[k + 1].Holds(x);
            if (rim)
                SetPixel(x, y, penColour);
            else if (fill)
                SetPixel(x, y, brushColour);
        }
    }
}

void MapCanvas::Polygon(std::span<const PixelPoint> points) {
    if (points.empty())
        return;
    int top = points[0].y;
    int bottom = points[0].y;
    for (const PixelPoint& p : points) {
        top = std::min(top, p.y);
        bottom = std::max(bottom, p.y);
    }
    std::vector<double> crossings;
    for (int y = top; y <= bottom; ++y) {
        crossings.clear();
        const double yc = y + 0.5;
        for (std::size_t i = 0; i < points.size(); ++i) {
            const PixelPoint& p = points[i];
            const PixelPoint& q = points[(i + 1) % points.size()];
            if ((p.y + 0.0 <= yc) != (q.y + 0.0 <= yc))
                crossings.push_back(p.x + (yc - p.y) * (q.x - p.x) / double(q.y - p.y));
        }
        std::sort(crossings.begin(), crossings.end());
        for (std::size_t i = 0; i + 1 < crossings.size(); i += 2)
            for (int x = static_cast<int>(std::ceil(crossings[i] - 0.5));
                 x < static_cast<int>(std::ceil(crossings[i + 1] - 0.5)); ++x)
                SetPixel(x, y, brushColour);
    }
    const int width = penWidth;
    penWidth = 1;
    MoveTo(points.back().x, points.back().y);
    for (const PixelPoint& p : points)
        LineTo(p.x, p.y);
    penWidth = width;
}

// Scan-line fill of the 4-connected region of pixels for which inside(x, y) holds.
// Every painted pixel must stop being inside, or the fill would not end.
template <typename Inside, typename Mark>
void MapCanvas::Fill4(int x0, int y0, Inside inside, Mark mark, bool wrap) {
    const int w = Width();
    const int h = Height();
    std::vector<PixelPoint> stack{{x0, y0}};
    while (!stack.empty()) {
        const PixelPoint seed = stack.back();
        stack.pop_back();
        if (!inside(seed.x, seed.y))
            continue;
        int left = seed.x;
        int length = 1;
        while (length < w) {
            int next = left - 1;
            if (next < 0) {
                if (!wrap)
                    break;
                next = w - 1;
            }
            if (!inside(next, seed.y))
                break;
            left = next;
            ++length;
        }
        int right = seed.x;
        while (length < w) {
            int next = right + 1;
            if (next >= w) {
                if (!wrap)
                    break;
                next = 0;
            }
            if (!inside(next, seed.y))
                break;
            right = next;
            ++length;
        }
        std::uint32_t* row = Row(seed.y);
        for (int i = 0; i < length; ++i) {
            row[(left + i) % w] = kOpaque | brushColour;
            mark((left + i) % w, seed.y);
        }
        for (int ny : {seed.y - 1, seed.y + 1}) {
            if (ny < 0 || ny >= h)
                continue;
            bool inRun = false;
            for (int i = 0; i < length; ++i) {
                const int px = (left + i) % w;
                const bool in = inside(px, ny);
                if (in && !inRun)
                    stack.push_back({px, ny});
                inRun = in;
            }
        }
    }
}

void MapCanvas::FloodFillSurface(int x, int y, Rgb surface, bool wrap) {
    if (!Contains(x, y) || PixelAt(x, y) != surface || brushColour == surface)
        return;
    Fill4(
        x, y, [&](int px, int py) { return (Row(py)[px] & kColourBits) == surface; },
        [](int, int) {}, wrap);
}

void MapCanvas::FloodFillToBorder(int x, int y, Rgb border) {
    if (!Contains(x, y) || PixelAt(x, y) == border)
        return;
    const int w = Width();
    std::vector<std::uint8_t> done(static_cast<std::size_t>(w) * Height(), 0);
    // The brush may match pixels inside, so painted pixels are remembered.
    Fill4(
        x, y,
        [&](int px, int py) {
            return !done[static_cast<std::size_t>(py) * w + px] &&
                   (Row(py)[px] & kColourBits) != border;
        },
        [&](int px, int py) { done[static_cast<std::size_t>(py) * w + px] = 1; }, false);
}

void MapCanvas::AndWith(const MapCanvas& mask) {
    const int w = Width();
    const int h = Height();
    std::vector<int> columns(w);
    for (int x = 0; x < w; ++x)
        columns[x] = static_cast<int>(static_cast<long long>(x) * mask.Width() / w);
    for (int y = 0; y < h; ++y) {
        const std::uint32_t* source =
            mask.Row(static_cast<int>(static_cast<long long>(y) * mask.Height() / h));
        std::uint32_t* row = Row(y);
        for (int x = 0; x < w; ++x)
            row[x] = kOpaque | (row[x] & source[columns[x]] & kColourBits);
    }
}

void MapCanvas::CopyFrom(const MapCanvas& source, PixelBox box) {
    const int bw = box.right - box.left;
    const int bh = box.bottom - box.top;
    if (bw <= 0 || bh <= 0)
        return;
    const int left = std::max(box.left, 0);
    const int right = std::min(box.right, Width());
    std::vector<int> columns(static_cast<std::size_t>(std::max(right - left, 0)));
    for (int x = left; x < right; ++x)
        columns[x - left] =
            static_cast<int>(static_cast<long long>(x - box.left) * source.Width() / bw);
    for (int y = std::max(box.top, 0); y < std::min(box.bottom, Height()); ++y) {
        const std::uint32_t* from = source.Row(
            static_cast<int>(static_cast<long long>(y - box.top) * source.Height() / bh));
        std::uint32_t* row = Row(y);
        for (int x = left; x < right; ++x)
            row[x] = kOpaque | from[columns[x - left]];
    }
}

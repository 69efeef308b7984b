#include "coverage/CoverageRender.h"

#include "core/Constants.h"
#include "core/Geometry.h"
#include "core/ReliabilityScale.h"
#include "maps/AzimuthalMap.h"
#include "maps/MapCompose.h"
#include "maps/MapOverlays.h"
#include "maps/PixelBuffer.h"
#include "maps/RectMap.h"

#include <tbb/blocked_range.h>
#include <tbb/parallel_for.h>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr Rgb kGreyLine = 0xD0D0D0;

int Odd(int n) {
    n = std::max(n, 3);
    return n % 2 == 0 ? n - 1 : n;
}

Rgb Scale(Rgb colour, int percent) {
    const auto part = [&](int shift) {
        return (((colour >> shift) & 0xFF) * static_cast<Rgb>(percent) / 100) << shift;
    };
    return part(16) | part(8) | part(0);
}

// A base-map pixel inside the cells' area: land, sea and coastline in the cell's colour
// (closed cells in kClosedCellColour), the night side (the map's colours ANDed down to
// their top bits) in its NightColour; the coastlines are stroked over them afterwards.
// Grid and other pixels stay.
Rgb CellPixel(std::uint32_t pixel, Rgb shown) {
    switch (pixel & 0xFFFFFF) {
    case kYellow:
    case kBlue:
    case kLime:
        return shown;
    case 0x808000:
    case 0x000080:
    case 0x008000:
        return NightColour(shown);
    default:
        return pixel & 0xFFFFFF;
    }
}

Rgb Lerp(Rgb a, Rgb b, double t) {
    const auto mix = [&](int shift) {
        const double x = static_cast<double>((a >> shift) & 0xFF);
        const double y = static_cast<double>((b >> shift) & 0xFF);
        return static_cast<Rgb>(std::lround(x + (y - x) * t)) << shift;
    };
    return mix(16) | mix(8) | mix(0);
}

MapRect RectOf(int width, int height) {
    return {1, 1, width - 2, height - 2};
}

void PlusSign(MapCanvas& image, int x, int y, int f) {
    const int g = f / 3;
    image.FillBox({x - g, y - f, x + g + 1, y + f + 1}, kLime);
    image.FillBox({x - f, y - g, x + f + 1, y + g + 1}, kLime);
}

} // namespace

ImageSize CoverageImageSize(const CoverageProjection& projection, int width, int height) {
    if (projection.greatCircle) {
        const int side = Odd(std::min(width, height));
        return {side, side};
    }
    return {Odd(width), Odd(height)};
}

int PixelCells::At(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height)
        return -1;
    return cell[static_cast<std::size_t>(y) * width + x];
}

bool PixelToPoint(const CoverageProjection& projection, int width, int height, int x, int y,
                  GeoPoint& point) {
    if (!projection.greatCircle) {
        const MapRect r = RectOf(width, height);
        if (x < r.left || x > r.right || y < r.top || y > r.bottom)
            return false;
        point.lat = 90.0 - (y - r.top) * 180.0 / (r.bottom - r.top);
        double lon = projection.centre.lon - 180.0 - (x - r.left) * 360.0 / (r.right - r.left);
        lon = std::fmod(lon + 540.0, 360.0) - 180.0;
        point.lon = lon < -180.0 ? lon + 360.0 : lon;
        return true;
    }
    const int half = width / 2;
    const double scale = GreatCircleDiscRadius(width) / 180.0;
    const double dx = x - half;
    const double dy = half - y;
    const double d = std::hypot(dx, dy) / scale;
    if (d > 180.0)
        return false;
    const GeoLatLon centre{projection.centre.lat * kRadPerDeg, projection.centre.lon * kRadPerDeg};
    double bearing = std::atan2(dx, dy);
    // At a polar centre the direction is the longitude (AzimuthalProject's pole rule).
    if (std::abs(projection.centre.lat) > 89.997) {
        const double lonRad = projection.centre.lat > 0 ? std::atan2(-dy, dx) : std::atan2(dy, -dx);
        point.lat = (projection.centre.lat > 0 ? 90.0 - d : d - 90.0);
        point.lon = lonRad * kDegPerRad;
        return true;
    }
    const GeoLatLon p = PointAlongPath(centre, PathKind::Short, bearing, d * kRadPerDeg, 0.0);
    point.lat = p.latRad * kDegPerRad;
    point.lon = p.lonRad * kDegPerRad;
    return true;
}

PixelCells MapPixelsToCells(const CoverageGrid& grid, const CoverageProjection& projection,
                            int width, int height) {
    PixelCells pixels;
    pixels.width = width;
    pixels.height = height;
    pixels.cell.assign(static_cast<std::size_t>(width) * height, -1);
    tbb::parallel_for(tbb::blocked_range<int>(0, height), [&](const tbb::blocked_range<int>& rows) {
        for (int y = rows.begin(); y != rows.end(); ++y) {
            for (int x = 0; x < width; ++x) {
                GeoPoint p;
                if (PixelToPoint(projection, width, height, x, y, p))
                    pixels.cell[static_cast<std::size_t>(y) * width + x] =
                        CellRowAt(grid, p.lat) * grid.cols + CellColAt(grid, p.lon);
            }
        }
    });
    return pixels;
}

Rgb ReliabilityColour(ReliabilityClass cls) {
    switch (cls) {
    case ReliabilityClass::A:
        return 0x00C040;
    case ReliabilityClass::B:
        return 0xB0E000;
    case ReliabilityClass::C:
        return 0xFFB000;
    case ReliabilityClass::D:
        return 0xFF4020;
    default:
        return kBlack;
    }
}

Rgb NightColour(Rgb dayColour) {
    return Scale(dayColour, kNightBrightnessPercent);
}

Rgb SnrColour(double snrDb) {
    static constexpr std::array<Rgb, 5> kStops = {0x2040FF, 0x00D0FF, 0x00D040, 0xFFE000, 0xFF2000};
    const double t =
        std::clamp((snrDb - kSnrScaleLowDb) / (kSnrScaleHighDb - kSnrScaleLowDb), 0.0, 1.0) *
        (kStops.size() - 1);
    const std::size_t i = std::min(static_cast<std::size_t>(t), kStops.size() - 2);
    return Lerp(kStops[i], kStops[i + 1], t - static_cast<double>(i));
}

Rgb CircuitReliabilityColour(double percent) {
    const ScaleColour c = ReliabilityScaleColour(percent);
    return (Rgb{c.r} << 16) | (Rgb{c.g} << 8) | Rgb{c.b};
}

std::vector<LegendEntry> CoverageLegend(CoverageShow show) {
    if (show == CoverageShow::CircuitReliability) {
        std::vector<LegendEntry> legend;
        for (int percent = 100; percent >= 10; percent -= 10)
            legend.push_back({CircuitReliabilityColour(percent), std::to_string(percent) + " %"});
        legend.push_back({CircuitReliabilityColour(1), "1 %"});
        legend.push_back({kBlack, "closed", false});
        return legend;
    }
    if (show == CoverageShow::Reliability)
        return {{ReliabilityColour(ReliabilityClass::A), "A  75 - 100%", true},
                {ReliabilityColour(ReliabilityClass::B), "B  50 - 75%", true},
                {ReliabilityColour(ReliabilityClass::C), "C  25 - 50%", true},
                {ReliabilityColour(ReliabilityClass::D), "D  1 - 25%", true},
                {kClosedCellColour, "closed", false},
                {ReliabilityColour(ReliabilityClass::A), "night side darker", true, true}};
    std::vector<LegendEntry> legend;
    for (int db = static_cast<int>(kSnrScaleHighDb); db >= kSnrScaleLowDb; db -= 10) {
        std::string text = std::to_string(db) + " dB-Hz";
        if (db == kSnrScaleHighDb)
            text = ">= " + text;
        else if (db == kSnrScaleLowDb)
            text = "<= " + text;
        legend.push_back({SnrColour(db), text, true});
    }
    legend.push_back({kClosedCellColour, "closed", false});
    legend.push_back({SnrColour(20.0), "night side darker", true, true});
    return legend;
}

Rgb LegendBoxColour(const LegendEntry& entry) {
    return entry.tinted ? entry.colour : kClosedCellColour;
}

std::vector<CellTint> CellTints(const CoverageMap& map, int slotIndex, CoverageShow show) {
    std::vector<CellTint> tints(static_cast<std::size_t>(map.grid.CellCount()));
    for (int c = 0; c < map.grid.CellCount(); ++c) {
        const CoverageValue& v = map.At(c, slotIndex);
        CellTint& t = tints[static_cast<std::size_t>(c)];
        if (show == CoverageShow::CircuitReliability) {
            t.tinted = v.reliability >= 0.005f;
            t.colour = CircuitReliabilityColour(100.0 * v.reliability);
        } else if (show == CoverageShow::Reliability) {
            const ReliabilityClass cls = ReliabilityClassOf(v, map.suppressionLevelDb);
            t.tinted = cls != ReliabilityClass::Closed;
            t.colour = ReliabilityColour(cls);
        } else {
            // A cell closed by its MUF probability (above the MUF) or its signal has no
            // usable S/N, however high the figure.
            t.tinted = ReliabilityClassOf(v, map.suppressionLevelDb) != ReliabilityClass::Closed;
            t.colour = SnrColour(v.snrDb);
        }
    }
    return tints;
}

WorldFrame CoverageImageFrame(const CoverageProjection& projection, int width, int height) {
    WorldFrame f;
    f.greatCircle = projection.greatCircle;
    f.centre = projection.centre;
    if (projection.greatCircle) {
        const double radius = GreatCircleDiscRadius(width);
        f.left = width / 2 - radius + 0.5;
        f.top = width / 2 - radius + 0.5;
        f.width = f.height = 2.0 * radius;
        f.outerLeft = f.outerTop = 0.0;
        f.outerSize = width;
        return f;
    }
    return RectMapFrame(RectOf(width, height), projection.centre.lon);
}

void RenderCoverageMap(PixelBuffer& image, const PixelBuffer& base, const CoveragePicture& p) {
    const int w = image.Width();
    const int h = image.Height();
    const SubsolarPoint sun =
        SubsolarPointAt(p.utDate, 0.5 * p.map->halfHours[static_cast<std::size_t>(p.slotIndex)]);
    MapOverlays overlays;
    overlays.sun = sun;
    overlays.polarZones = false;
    if (p.projection.greatCircle)
        ComposeGreatCircleMap(base, p.projection.centre, image, overlays);
    else
        ComposeRectangularMap(base, p.projection.centre.lon, image, overlays);

    // Each cell's tint, then every pixel of a tinted cell blended with it.
    const CoverageMap& map = *p.map;
    const std::vector<CellTint> tints = CellTints(map, p.slotIndex, p.show);
    const PixelCells& pixels = *p.pixels;
    tbb::parallel_for(tbb::blocked_range<int>(0, std::min(h, pixels.height)),
                      [&](const tbb::blocked_range<int>& rows) {
                          for (int y = rows.begin(); y != rows.end(); ++y) {
                              std::uint32_t* row = image.Row(y);
                              const std::int32_t* cellRow =
                                  &pixels.cell[static_cast<std::size_t>(y) * pixels.width];
                              for (int x = 0; x < std::min(w, pixels.width); ++x) {
                                  const std::int32_t c = cellRow[x];
                                  if (c >= 0)
                                      row[x] = 0xFF000000u | CellPixel(row[x], tints[c].Shown());
                              }
                          }
                      });

    // Smooth coastlines about a thousandth of the map wide, then the grey line, the Sun,
    // the station and the time on top.
    const WorldFrame frame = CoverageImageFrame(p.projection, w, h);
    image.StrokeSmoothLines(CoastlinePolylines(frame, 0.5), kBlack,
                            std::max(0.8, frame.width / 1000.0), frame);
    image.penColour = kGreyLine;
    const GeoPoint station{map.base.TerminalA.LatitudeDeg, map.base.TerminalA.LongitudeDeg};
    const int arm = std::max(3, w / 150);
    if (p.projection.greatCircle) {
        const int half = w / 2;
        const AzimuthalView view{half, half, p.projection.centre.lat, p.projection.centre.lon,
                                 GreatCircleDiscRadius(w) / 180.0};
        AzimuthalPlotPoint(TerminatorStart(sun), image, view, true);
        for (int k = 1; k <= 361; ++k)
            AzimuthalSegment(k == 1 ? TerminatorStart(sun) : TerminatorPoint(sun, k - 1),
                             TerminatorPoint(sun, k), image, view, true, true);
        DrawGreatCircleSuns(image, view, sun);
        const AzimuthalOffset a =
            AzimuthalProject(station, view.centreLat, view.centreLon, view.scale);
        if (a.visible) {
            PlusSign(image, half + a.dx, half - a.dy, arm);
            if (!p.stationLabel.empty())
                image.DrawText(half + a.dx + arm + 2, half - a.dy + 2, p.stationLabel, kBlack,
                               kLime);
        }
    } else {
        const MapRect rect = RectOf(w, h);
        image.penWidth = 3;
        PixelPoint last;
        const GeoPoint start = TerminatorStart(sun);
        RectMapPlot(last, false, start.lat, start.lon, p.projection.centre.lon, image, rect);
        for (int k = 1; k <= 361; ++k) {
            const GeoPoint q = TerminatorPoint(sun, k);
            RectMapPlot(last, true, q.lat, q.lon, p.projection.centre.lon, image, rect);
        }
        image.penWidth = 1;
        DrawRectangularSuns(image, rect, p.projection.centre.lon, sun);
        const int x = RectMapX(rect, station.lon, p.projection.centre.lon);
        const int y = RectMapY(rect, station.lat);
        PlusSign(image, x, y, arm);
        if (!p.stationLabel.empty())
            image.DrawText(x + arm + 2, y + 2, p.stationLabel, kBlack, kLime);
    }
    image.SetFontPixelSize(std::max(10, h / 45));
    DrawTimeLabel(image, TimeLabelText(p.timeText, p.zoneLabel));
}

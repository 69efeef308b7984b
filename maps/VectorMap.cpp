#include "maps/VectorMap.h"

#include <algorithm>
#include <cmath>

#include "maps/WorldOutline.h"

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kRad = kPi / 180.0;
constexpr double kDeg = 180.0 / kPi;
constexpr double kPoleLimitDeg = 90.0 - 0.003;
constexpr int kMaxDepth = 18;

double Mod360(double v) {
    const double r = std::fmod(v, 360.0);
    return r < 0.0 ? r + 360.0 : r;
}

double Reduced(double lon) {
    const double r = Mod360(lon + 180.0) - 180.0;
    return r == -180.0 ? 180.0 : r;
}

// The step from one longitude to the next, the short way round.
double LonStep(double from, double to) {
    double d = to - from;
    if (d > 180.0)
        d -= 360.0;
    else if (d < -180.0)
        d += 360.0;
    return d;
}

double Distance(MapPointF a, MapPointF b) {
    return std::hypot(a.x - b.x, a.y - b.y);
}

// Unit vector of a place (x toward 0°, y toward 90° E, z north).
struct Vec3 {
    double x, y, z;
};

Vec3 ToVec(GeoPoint p) {
    const double lat = p.lat * kRad;
    const double lonEast = -p.lon * kRad;
    return {std::cos(lat) * std::cos(lonEast), std::cos(lat) * std::sin(lonEast), std::sin(lat)};
}

double Dot(Vec3 a, Vec3 b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

// ---- Rectangular map -------------------------------------------------------------

// Unwrapped columns (degrees from the left edge, continuing past 360 or below 0).
std::vector<MapPolyline> RectCopies(const WorldFrame& f, const MapPolyline& line) {
    std::vector<MapPolyline> out;
    if (line.empty())
        return out;
    double minX = line[0].x, maxX = line[0].x;
    for (const MapPointF& p : line) {
        minX = std::min(minX, p.x);
        maxX = std::max(maxX, p.x);
    }
    const double right = f.left + f.width;
    const int first = static_cast<int>(std::floor((f.left - maxX) / f.width));
    const int last = static_cast<int>(std::ceil((right - minX) / f.width));
    for (int k = first; k <= last; ++k) {
        const double shift = k * f.width;
        if (maxX + shift < f.left || minX + shift > right)
            continue;
        MapPolyline copy = line;
        for (MapPointF& p : copy)
            p.x += shift;
        out.push_back(std::move(copy));
    }
    return out;
}

MapPolyline RectUnwrapped(const WorldFrame& f, std::span<const GeoPoint> places) {
    MapPolyline line;
    line.reserve(places.size());
    double u = 0.0;
    for (std::size_t i = 0; i < places.size(); ++i) {
        if (i == 0)
            u = Mod360(f.centre.lon + 180.0 - places[0].lon);
        else
            u -= LonStep(places[i - 1].lon, places[i].lon);
        line.push_back({f.left + u * f.Scale(), f.top + (90.0 - places[i].lat) * f.height / 180.0});
    }
    return line;
}

// ---- Great-circle map -------------------------------------------------------------

struct Sample {
    GeoPoint place;
    ProjectedPoint at;
};

GeoPoint MeanPlace(GeoPoint a, GeoPoint b) {
    double lon1 = a.lon;
    if (std::fabs(lon1 - b.lon) > 180.0)
        lon1 += lon1 >= b.lon ? -360.0 : 360.0;
    return {(a.lat + b.lat) / 2.0, (lon1 + b.lon) / 2.0};
}

// Appends the points strictly after `a` up to and including `b`, splitting the piece
// at the mean place while its ends lie more than `tolerance` apart. An invisible place
// ends the current polyline.
template <typename Midpoint>
void Bisect(const WorldFrame& f, const Sample& a, const Sample& b, double tolerance, int depth,
            Midpoint midpoint, std::vector<MapPolyline>& out) {
    if (a.at.visible && b.at.visible && depth < kMaxDepth &&
        Distance(a.at.at, b.at.at) > tolerance) {
        const GeoPoint m = midpoint(a.place, b.place);
        const Sample mid{m, ProjectToFrame(f, m)};
        Bisect(f, a, mid, tolerance, depth + 1, midpoint, out);
        Bisect(f, mid, b, tolerance, depth + 1, midpoint, out);
        return;
    }
    if (!b.at.visible) {
        out.emplace_back();
        return;
    }
    if (out.empty())
        out.emplace_back();
    out.back().push_back(b.at.at);
}

// As Bisect, for a circle around `centre`: a sample's place.lat is its bearing, and a
// piece is split at the mean bearing.
void BisectCircle(const WorldFrame& f, GeoPoint centre, double radius, const Sample& a,
                  const Sample& b, double tolerance, int depth, std::vector<MapPolyline>& out) {
    if (a.at.visible && b.at.visible && depth < kMaxDepth &&
        Distance(a.at.at, b.at.at) > tolerance) {
        const double mb = (a.place.lat + b.place.lat) / 2.0;
        const Sample m{{mb, 0.0}, ProjectToFrame(f, PlaceAlong(centre, mb, radius))};
        BisectCircle(f, centre, radius, a, m, tolerance, depth + 1, out);
        BisectCircle(f, centre, radius, m, b, tolerance, depth + 1, out);
        return;
    }
    if (!b.at.visible) {
        out.emplace_back();
        return;
    }
    if (out.empty())
        out.emplace_back();
    out.back().push_back(b.at.at);
}

std::vector<MapPolyline> Tidy(std::vector<MapPolyline> lines) {
    std::erase_if(lines, [](const MapPolyline& l) { return l.empty(); });
    return lines;
}

// ---- The outline's rings -----------------------------------------------------------

bool SamePlace(GeoPoint a, GeoPoint b) {
    return std::fabs(a.lat - b.lat) < 1e-9 && std::fabs(LonStep(a.lon, b.lon)) < 1e-9;
}

std::vector<std::vector<GeoPoint>> OutlinePolylines() {
    std::vector<std::vector<GeoPoint>> lines;
    for (const OutlinePoint& p : WorldOutline) {
        if (IsPenUp(p) || lines.empty())
            lines.emplace_back();
        lines.back().push_back(ToGeoPoint(p));
    }
    return lines;
}

// The coastlines as closed rings: the pieces the ±180° meridian cut apart are joined
// end to start again; the closing place is not repeated.
std::vector<std::vector<GeoPoint>> OutlineRings() {
    std::vector<std::vector<GeoPoint>> rings;
    std::vector<std::vector<GeoPoint>> open;
    for (std::vector<GeoPoint>& line : OutlinePolylines()) {
        if (line.size() > 1 && SamePlace(line.front(), line.back())) {
            line.pop_back();
            rings.push_back(std::move(line));
        } else {
            open.push_back(std::move(line));
        }
    }
    while (!open.empty()) {
        std::vector<GeoPoint> chain = std::move(open.back());
        open.pop_back();
        while (!SamePlace(chain.back(), chain.front())) {
            const auto next = std::find_if(open.begin(), open.end(), [&](const auto& l) {
                return SamePlace(l.front(), chain.back());
            });
            if (next == open.end())
                break;
            chain.insert(chain.end(), next->begin() + 1, next->end());
            open.erase(next);
        }
        if (chain.size() > 1 && SamePlace(chain.front(), chain.back()))
            chain.pop_back();
        if (chain.size() >= 3)
            rings.push_back(std::move(chain));
    }
    return rings;
}

const std::vector<std::vector<GeoPoint>>& Rings() {
    static const std::vector<std::vector<GeoPoint>> rings = OutlineRings();
    return rings;
}

const std::vector<std::vector<GeoPoint>>& Polylines() {
    static const std::vector<std::vector<GeoPoint>> lines = OutlinePolylines();
    return lines;
}

// How far the longitudes of a ring wind round: about ±360 for a ring around a pole.
double Winding(std::span<const GeoPoint> ring) {
    double w = 0.0;
    for (std::size_t i = 0; i < ring.size(); ++i)
        w += LonStep(ring[i].lon, ring[(i + 1) % ring.size()].lon);
    return w;
}

// A pole ring's pole: the one on the side of its mean latitude.
double PoleOf(std::span<const GeoPoint> ring) {
    double sum = 0.0;
    for (const GeoPoint& p : ring)
        sum += p.lat;
    return sum >= 0.0 ? 90.0 : -90.0;
}

} // namespace

WorldFrame FitWorldFrame(bool greatCircle, GeoPoint centre, double targetWidth,
                         double targetHeight) {
    const double w = std::max(targetWidth, 1.0);
    const double h = std::max(targetHeight, 1.0);
    WorldFrame f;
    f.greatCircle = greatCircle;
    f.centre = centre;
    if (greatCircle) {
        const double side = std::min(w, h);
        const double radius = side / 2.0 / 1.03;
        f.outerLeft = (w - side) / 2.0;
        f.outerTop = (h - side) / 2.0;
        f.outerSize = side;
        f.left = w / 2.0 - radius;
        f.top = h / 2.0 - radius;
        f.width = f.height = 2.0 * radius;
    } else {
        f.width = std::min(w, 2.0 * h);
        f.height = f.width / 2.0;
        f.left = (w - f.width) / 2.0;
        f.top = (h - f.height) / 2.0;
        f.outerLeft = f.left;
        f.outerTop = f.top;
        f.outerSize = f.width;
    }
    return f;
}

ProjectedPoint ProjectToFrame(const WorldFrame& f, GeoPoint p) {
    if (!f.greatCircle)
        return {{f.left + Mod360(f.centre.lon + 180.0 - p.lon) * f.Scale(),
                 f.top + (90.0 - p.lat) * f.height / 180.0},
                true};
    const double s = f.Scale();
    const double cx = f.CentreX();
    const double cy = f.CentreY();
    const double lat1 = f.centre.lat * kRad;
    const double lat2 = p.lat * kRad;
    const double dLonEast = (f.centre.lon - p.lon) * kRad;
    const double sin1 = std::sin(lat1), cos1 = std::cos(lat1);
    const double sin2 = std::sin(lat2), cos2 = std::cos(lat2);
    const double sinDl = std::sin(dLonEast), cosDl = std::cos(dLonEast);
    const double cosD = std::clamp(sin1 * sin2 + cos1 * cos2 * cosDl, -1.0, 1.0);
    const double d = std::acos(cosD) * kDeg;
    if (std::fabs(f.centre.lat) > kPoleLimitDeg) {
        const double lam = p.lon * kRad;
        const double dy = f.centre.lat > 0 ? d * std::sin(lam) : -d * std::sin(lam);
        return {{cx + d * std::cos(lam) * s, cy + dy * s}, true};
    }
    // The bearing's sine and cosine straight from its two terms.
    const double sy = sinDl * cos2;
    const double sx = cos1 * sin2 - sin1 * cos2 * cosDl;
    const double n = std::hypot(sx, sy);
    if (n < 1e-12) {
        if (d < 90.0)
            return {{cx, cy}, true};
        return {{cx, cy}, false};
    }
    return {{cx + d * (sy / n) * s, cy - d * (sx / n) * s}, true};
}

GeoPoint PlaceAlong(GeoPoint from, double bearingDeg, double distanceDeg) {
    const double lat1 = from.lat * kRad;
    const double b = bearingDeg * kRad;
    const double d = distanceDeg * kRad;
    const double sinLat2 =
        std::sin(lat1) * std::cos(d) + std::cos(lat1) * std::sin(d) * std::cos(b);
    const double lat2 = std::asin(std::clamp(sinLat2, -1.0, 1.0));
    const double east = std::atan2(std::sin(b) * std::sin(d) * std::cos(lat1),
                                   std::cos(d) - std::sin(lat1) * sinLat2);
    return {lat2 * kDeg, Reduced(from.lon - east * kDeg)};
}

std::optional<GeoPoint> PlaceAtPixel(const WorldFrame& f, double x, double y) {
    if (!f.greatCircle) {
        if (x < f.left || x > f.left + f.width || y < f.top || y > f.top + f.height)
            return std::nullopt;
        return GeoPoint{90.0 - (y - f.top) * 180.0 / f.height,
                        Reduced(f.centre.lon + 180.0 - (x - f.left) / f.Scale())};
    }
    const double dx = x - f.CentreX();
    const double up = f.CentreY() - y;
    const double d = std::hypot(dx, up) / f.Scale();
    if (d > 180.0)
        return std::nullopt;
    if (std::fabs(f.centre.lat) > kPoleLimitDeg) {
        const double lam = std::atan2(f.centre.lat > 0 ? -up : up, dx) * kDeg;
        return GeoPoint{f.centre.lat > 0 ? 90.0 - d : -90.0 + d, Reduced(lam)};
    }
    return PlaceAlong(f.centre, std::atan2(dx, up) * kDeg, d);
}

std::vector<MapPolyline> ProjectChain(const WorldFrame& f, std::span<const GeoPoint> places,
                                      double tolerance) {
    if (places.empty())
        return {};
    if (!f.greatCircle)
        return RectCopies(f, RectUnwrapped(f, places));
    std::vector<MapPolyline> out;
    Sample prev{places[0], ProjectToFrame(f, places[0])};
    out.emplace_back();
    if (prev.at.visible)
        out.back().push_back(prev.at.at);
    for (std::size_t i = 1; i < places.size(); ++i) {
        const Sample next{places[i], ProjectToFrame(f, places[i])};
        Bisect(f, prev, next, tolerance, 0, MeanPlace, out);
        prev = next;
    }
    return Tidy(std::move(out));
}

std::vector<MapPolyline> ProjectCircle(const WorldFrame& f, GeoPoint centre, double radiusDeg,
                                       double tolerance) {
    if (!f.greatCircle) {
        std::vector<GeoPoint> places;
        for (int k = 0; k <= 720; ++k)
            places.push_back(PlaceAlong(centre, k * 0.5, radiusDeg));
        return ProjectChain(f, places, tolerance);
    }
    // Bisection splits the bearing: a sample's place.lat carries its bearing.
    const auto sampleAt = [&](double bearing) {
        return Sample{{bearing, 0.0}, ProjectToFrame(f, PlaceAlong(centre, bearing, radiusDeg))};
    };
    std::vector<MapPolyline> out(1);
    Sample prev = sampleAt(0.0);
    if (prev.at.visible)
        out.back().push_back(prev.at.at);
    for (int k = 1; k <= 72; ++k) {
        const Sample next = sampleAt(k * 5.0);
        BisectCircle(f, centre, radiusDeg, prev, next, tolerance, 0, out);
        prev = next;
    }
    // The last point repeats the first: a ring.
    out = Tidy(std::move(out));
    if (out.size() == 1 && out[0].size() > 1)
        out[0].pop_back();
    return out;
}

std::vector<MapPolyline> CoastlinePolylines(const WorldFrame& f, double tolerance) {
    std::vector<MapPolyline> out;
    for (const std::vector<GeoPoint>& line : Polylines())
        for (MapPolyline& piece : ProjectChain(f, line, tolerance))
            out.push_back(std::move(piece));
    return out;
}

bool RingHoldsPlace(std::span<const GeoPoint> ring, GeoPoint place) {
    if (ring.size() < 3)
        return false;
    // The ring in (unwrapped longitude, latitude), closed over its pole when it winds.
    std::vector<GeoPoint> pts;
    pts.reserve(ring.size() + 2);
    double u = ring[0].lon;
    for (std::size_t i = 0; i < ring.size(); ++i) {
        if (i > 0)
            u += LonStep(ring[i - 1].lon, ring[i].lon);
        pts.push_back({ring[i].lat, u});
    }
    const double winding = Winding(ring);
    if (std::fabs(winding) > 180.0) {
        const double pole = PoleOf(ring);
        const double closeU = pts.back().lon + LonStep(ring.back().lon, ring.front().lon);
        pts.push_back({ring.front().lat, closeU});
        pts.push_back({pole, closeU});
        pts.push_back({pole, pts.front().lon});
    }
    double minU = pts[0].lon;
    for (const GeoPoint& p : pts)
        minU = std::min(minU, p.lon);
    const double qu = minU + Mod360(place.lon - minU);
    bool inside = false;
    for (std::size_t i = 0, j = pts.size() - 1; i < pts.size(); j = i++) {
        const GeoPoint a = pts[i];
        const GeoPoint b = pts[j];
        if ((a.lat > place.lat) != (b.lat > place.lat)) {
            const double cu = a.lon + (place.lat - a.lat) * (b.lon - a.lon) / (b.lat - a.lat);
            if (qu < cu)
                inside = !inside;
        }
    }
    return inside;
}

MapPolyline DiscOutline(const WorldFrame& f) {
    if (!f.greatCircle)
        return {{f.left, f.top},
                {f.left + f.width, f.top},
                {f.left + f.width, f.top + f.height},
                {f.left, f.top + f.height}};
    const int n = std::max(64, 4 * static_cast<int>(std::ceil(f.DiscRadius())));
    MapPolyline ring;
    ring.reserve(n);
    for (int k = 0; k < n; ++k) {
        const double a = 2.0 * kPi * k / n;
        ring.push_back({f.CentreX() + f.DiscRadius() * std::cos(a),
                        f.CentreY() + f.DiscRadius() * std::sin(a)});
    }
    return ring;
}

std::vector<MapPolyline> LandRings(const WorldFrame& f, double tolerance) {
    std::vector<MapPolyline> out;
    if (!f.greatCircle) {
        for (const std::vector<GeoPoint>& ring : Rings()) {
            std::vector<GeoPoint> closed = ring;
            closed.push_back(ring.front());
            MapPolyline line = RectUnwrapped(f, closed);
            line.pop_back();
            if (std::fabs(Winding(ring)) > 180.0) {
                const double y = PoleOf(ring) > 0 ? f.top : f.top + f.height;
                const double endX =
                    line.back().x - LonStep(ring.back().lon, ring.front().lon) * f.Scale();
                line.push_back({endX, f.top + (90.0 - ring.front().lat) * f.height / 180.0});
                line.push_back({endX, y});
                line.push_back({line.front().x, y});
            }
            for (MapPolyline& copy : RectCopies(f, line))
                out.push_back(std::move(copy));
        }
        return out;
    }
    const GeoPoint antipode{-f.centre.lat, Reduced(f.centre.lon + 180.0)};
    bool insideOut = false;
    for (const std::vector<GeoPoint>& ring : Rings()) {
        std::vector<GeoPoint> closed = ring;
        closed.push_back(ring.front());
        std::vector<MapPolyline> pieces = ProjectChain(f, closed, tolerance);
        MapPolyline joined;
        for (const MapPolyline& p : pieces)
            joined.insert(joined.end(), p.begin(), p.end());
        if (joined.size() >= 3)
            out.push_back(std::move(joined));
        if (RingHoldsPlace(ring, antipode))
            insideOut = !insideOut;
    }
    if (insideOut)
        out.push_back(DiscOutline(f));
    return out;
}

std::vector<MapPolyline> NightRings(const WorldFrame& f, SubsolarPoint sun, double tolerance) {
    const GeoPoint subsolar{sun.declinationDeg, sun.longitudeDeg};
    if (!f.greatCircle) {
        // The terminator's latitude at each column: tan φ = −cos(λ − λs)/tan δ; the
        // night lies toward the pole the Sun is away from.
        const double tanD =
            std::fabs(sun.declinationDeg) < 1e-9 ? 1e-12 : std::tan(sun.declinationDeg * kRad);
        const int n = std::max(721, static_cast<int>(std::ceil(f.width)) + 1);
        MapPolyline ring;
        ring.reserve(n + 2);
        for (int k = 0; k < n; ++k) {
            const double u = 360.0 * k / (n - 1);
            const double lon = f.centre.lon + 180.0 - u;
            const double lat = std::atan(-std::cos((lon - sun.longitudeDeg) * kRad) / tanD) * kDeg;
            ring.push_back({f.left + u * f.Scale(), f.top + (90.0 - lat) * f.height / 180.0});
        }
        const double edge = tanD > 0 ? f.top + f.height : f.top;
        ring.push_back({f.left + f.width, edge});
        ring.push_back({f.left, edge});
        return {ring};
    }
    const double centreToSun =
        std::acos(std::clamp(Dot(ToVec(f.centre), ToVec(subsolar)), -1.0, 1.0)) * kDeg;
    if (std::fabs(centreToSun - 90.0) < 1e-6) {
        // The terminator runs through the centre: the half disc away from the Sun.
        const ProjectedPoint s = ProjectToFrame(f, subsolar);
        const double towardSun = std::atan2(s.at.y - f.CentreY(), s.at.x - f.CentreX());
        MapPolyline half;
        for (int k = 0; k <= 180; ++k) {
            const double a = towardSun + kPi / 2.0 + kPi * k / 180.0;
            half.push_back({f.CentreX() + f.DiscRadius() * std::cos(a),
                            f.CentreY() + f.DiscRadius() * std::sin(a)});
        }
        return {half};
    }
    std::vector<MapPolyline> rings = ProjectCircle(f, subsolar, 90.0, tolerance);
    if (centreToSun < 90.0)
        rings.push_back(DiscOutline(f)); // the centre is in daylight: night is outside
    return rings;
}

#include "engine/CandidateGeometries.h"

#include <cmath>
#include <limits>

#include "core/Constants.h"
#include "core/Numeric.h"
#include "engine/ELayer.h"

namespace {

constexpr int kMaxHalfUnits = CandidateGeometries::kMaxHalfUnits;
constexpr int kAllFEntry = kMaxHalfUnits / 2; // the geometry after those of nh = 2..80
constexpr double kUnset = std::numeric_limits<double>::quiet_NaN();

// True when a point lies so close to the border of a whole-degree mask cell that
// a last-bit difference in its distance along the path could move it across.
bool NearMaskEdge(const GeoLatLon& p) {
    constexpr double kHair = 1e-9;
    const double east = PositiveMod(360, -p.lonRad * kDegPerRad);
    const double lat = std::fabs(p.latRad * kDegPerRad);
    const double eastFraction = east - std::floor(east);
    const double latFraction = lat - std::floor(lat);
    return std::fabs(eastFraction - 0.5) < kHair || std::fabs(latFraction - 0.5) < kHair;
}

// Makes v hold element k; a vector of a geometry that makes its points on demand
// starts empty, so that points never made cost nothing, not even their clearing.
template <class T> void Reach(std::pmr::vector<T>& v, int k, int half) {
    if (static_cast<int>(v.size()) <= k) {
        v.reserve(half);
        v.resize(k + 1);
    }
}

// Part `part` of point k of a candidate geometry.
void FillPointPart(const PathSetup& s, const GreatCircleStart& along, HalfUnitGeometry& g, int k,
                   PointPart part) {
    const SolarPosition& sun = *s.sun;
    const double u = g.u;
    const int half = g.nh / 2;
    switch (part) {
    case kOddPart:
        Reach(g.odd, k, half);
        Reach(g.oddTerms, k, half);
        g.odd[k] = PointAlongPath(along, (2 * k + 1) * u);
        g.oddTerms[k] = PrepareEMuf(static_cast<float>(g.odd[k].lonRad),
                                    static_cast<float>(g.odd[k].latRad), g.eShared, sun);
        break;
    case kEnteringPart:
        Reach(g.entering, k, half);
        Reach(g.enteringTerms, k, half);
        g.entering[k] = PointAlongPath(along, (2 * k) * u + g.theta100);
        g.enteringTerms[k] = PrepareAbsorption(s.month, s.day, g.entering[k].latRad,
                                               g.entering[k].lonRad, s.ssn, g.secant100, sun);
        break;
    case kLeavingPart:
        Reach(g.leaving, k, half);
        Reach(g.leavingTerms, k, half);
        g.leaving[k] = PointAlongPath(along, (2 * (k + 1)) * u - g.theta100);
        g.leavingTerms[k] = PrepareAbsorption(s.month, s.day, g.leaving[k].latRad,
                                              g.leaving[k].lonRad, s.ssn, g.secant100, sun);
        break;
    case kGroundPart: {
        Reach(g.ground, k, half);
        Reach(g.groundNearEdge, k, half);
        const GeoLatLon end = PointAlongPath(along, (2 * (k + 1)) * u);
        g.ground[k] = GroundKindAt(end.lonRad * kDegPerRad, end.latRad * kDegPerRad);
        g.groundNearEdge[k] = NearMaskEdge(end);
        break;
    }
    default:
        return;
    }
    g.made[k] |= part;
}

// The parts of a candidate geometry that follow from its unit u and elevation; the
// points' parts too unless `pointsOnDemand`.
void FillGeometry(const PathSetup& s, const GreatCircleStart& along, HalfUnitGeometry& g, int nh,
                  double u, double elevation, double cosElevation, bool pointsOnDemand) {
    const double re = EarthRadiusKm;
    g.nh = nh;
    g.u = u;
    g.elevation = elevation;
    g.cosElevation = cosElevation;
    g.elevationF = static_cast<float>(elevation);
    g.cosElevationF = static_cast<float>(cosElevation);
    g.slantF = (re + s.baseHeightKm) * std::sin(2 * u) / cosElevation;
    g.slantE = re * std::sin(u) / std::cos(elevation + u);
    const double x = re * cosElevation / (re + 100.0);
    g.secant100 = 1.0 / std::sqrt(1.0 - x * x);
    g.theta100 = kHalfPi - ArcSin(x) - elevation;
    g.focusDb = FocusGainDb(cosElevation);

    const int half = nh / 2;
    g.made.assign(half, 0);
    g.eShared = PrepareEMufShared(s.ssn, g.cosElevationF, g.elevationF, *s.sun);
    if (!pointsOnDemand)
        for (int k = 0; k < half; ++k)
            for (PointPart part : {kOddPart, kEnteringPart, kLeavingPart, kGroundPart})
                FillPointPart(s, along, g, k, part);
    g.firstF = PointAlongPath(along, 2 * u);
    g.lastF = PointAlongPath(along, s.lengthRad - 2 * u);
}

} // namespace

double FocusGainDb(double c) {
    if (c > 0.999388523)
        return 9.0;
    const double q = 430.0 / EarthRadiusKm;
    const double w = std::sqrt(q / (1.0 - c * c) + 1.0);
    return 10.0 * std::log10((1.0 + q) * w / (w - c * c * (w - 1.0)));
}

namespace {

GreatCircleStart PathStart(const PathSetup& s) {
    return MakeGreatCircleStart(s.start, s.kind, s.bearingRad, s.farLongitudeRad);
}

// The elevation of the candidates of nh half-units, or NaN when the mode search does
// not try them (the F half-hop angle reaches π/2 or Δ is below the minimum angle).
double HalfUnitElevation(const PathSetup& s, int nh) {
    const double theta = 2 * s.lengthRad / nh;
    if (theta >= kHalfPi)
        return kUnset;
    const double ratio = EarthRadiusKm / (EarthRadiusKm + s.baseHeightKm);
    const double elevation = std::atan((std::cos(theta) - ratio) / std::sin(theta));
    if (elevation < s.minElevationRad)
        return kUnset;
    return elevation;
}

HalfUnitGeometry MakeHalfUnitGeometry(const PathSetup& s, const GreatCircleStart& along, int nh,
                                      bool pointsOnDemand = false,
                                      std::pmr::memory_resource* memory = nullptr) {
    HalfUnitGeometry g(memory ? memory : std::pmr::get_default_resource());
    g.nh = nh;
    const double elevation = HalfUnitElevation(s, nh);
    if (std::isnan(elevation))
        return g;
    g.usable = true;
    FillGeometry(s, along, g, nh, s.lengthRad / nh, elevation, std::cos(elevation), pointsOnDemand);
    return g;
}

HalfUnitGeometry MakeHopGeometryModes(const PathSetup& s, const GreatCircleStart& along,
                                      bool pointsOnDemand = false,
                                      std::pmr::memory_resource* memory = nullptr) {
    HalfUnitGeometry g(memory ? memory : std::pmr::get_default_resource());
    const int nh = 4 * s.hops.hops;
    g.usable = true;
    FillGeometry(s, along, g, nh, s.lengthRad / nh, s.hops.elevation, s.hops.cosElevation,
                 pointsOnDemand);
    return g;
}

} // namespace

HalfUnitGeometry MakeHalfUnitGeometry(const PathSetup& s, int nh) {
    return MakeHalfUnitGeometry(s, PathStart(s), nh);
}

HalfUnitGeometry MakeHopGeometryModes(const PathSetup& s) {
    return MakeHopGeometryModes(s, PathStart(s));
}

CandidateGeometries::CandidateGeometries(const PathSetup& setup, bool pointsOnDemand,
                                         std::pmr::memory_resource* memory)
    : m_setup(setup), m_pointsOnDemand(pointsOnDemand), m_along(PathStart(setup)),
      m_memory(pointsOnDemand && memory ? memory : std::pmr::get_default_resource()) {
    // The elevation grows with nh (the hop angle 2D/nh shrinks), so once a count is
    // usable every larger one is too.
    int nh = 2;
    while (nh <= kMaxHalfUnits && std::isnan(HalfUnitElevation(setup, nh)))
        nh += 2;
    for (; nh <= kMaxHalfUnits; nh += 2)
        m_usable[m_usableCount++] = nh;
}

CandidateGeometries::~CandidateGeometries() = default;

const HalfUnitGeometry& CandidateGeometries::For(int nh) {
    const int index = nh == 0 ? kAllFEntry : nh / 2 - 1;
    const auto build = [&] {
        m_geometries[index] = std::make_unique<HalfUnitGeometry>(
            nh == 0 ? MakeHopGeometryModes(m_setup, m_along, m_pointsOnDemand, m_memory)
                    : MakeHalfUnitGeometry(m_setup, m_along, nh, m_pointsOnDemand, m_memory));
    };
    // A set of one search is used by one thread; only a shared set needs the guard
    // (whose release costs a system call each time).
    if (m_pointsOnDemand) {
        if (!m_geometries[index])
            build();
    } else {
        std::call_once(m_built[index], build);
    }
    return *m_geometries[index];
}

void CandidateGeometries::MakeMissingPart(const HalfUnitGeometry& g, int k, PointPart part) {
    // Only a set of one search makes points on demand, so nothing else reads g now.
    FillPointPart(m_setup, m_along, const_cast<HalfUnitGeometry&>(g), k, part);
}

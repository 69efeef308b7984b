#include "engine/PathMuf.h"

#include <algorithm>
#include <cmath>

#include "core/Constants.h"
#include "core/Numeric.h"
#include "engine/DecileTable.h"
#include "engine/ELayer.h"
#include "engine/F2Layer.h"

namespace {

constexpr int kMaxHopSearch = 1000;

int SeasonOfMonth(int month) {
    switch (month) {
    case 1:
    case 2:
    case 11:
    case 12:
        return 0;
    case 3:
    case 4:
    case 9:
    case 10:
        return 1;
    default:
        return 2;
    }
}

// The F2 and E layer terms at a control point for one geometry.
F2MufPlace FTerms(const PathSetup& s, const GeoLatLon& p, float cosElevation, float elevation) {
    return PrepareF2Muf(s.month, s.day, s.kIndex, static_cast<float>(p.lonRad),
                        static_cast<float>(p.latRad), cosElevation, elevation, s.ssn, *s.sun);
}

EMufPoint ETerms(const PathSetup& s, const GeoLatLon& p, float cosElevation, float elevation) {
    return PrepareEMuf(static_cast<float>(p.lonRad), static_cast<float>(p.latRad), s.ssn,
                       cosElevation, elevation, *s.sun);
}

void FillReliabilities(const PathSetup& s, const GeoLatLon& p, float muf, float t,
                       std::array<float, kMaxFrequencies>& out) {
    // The decile cell is the same for every frequency.
    const DecileLimits limits =
        DecileLimitsFor(Layer::F, t, p.latRad, p.lonRad, s.month, s.ssn, *s.sun);
    for (int n = 0; n < s.frequencyCount; ++n)
        out[n] = static_cast<float>(ReliabilityWithin(limits, s.frequencies[n].FrequencyMHz, muf));
}

} // namespace

float HopElevation(float psi, float baseHeightKm) {
    const double ratio = EarthRadiusKm / (EarthRadiusKm + baseHeightKm);
    const double halfAngle = psi; // double precision, not the float overloads
    return static_cast<float>(std::atan((std::cos(halfAngle) - ratio) / std::sin(halfAngle)));
}

HopGeometry ComputeHopGeometry(double lengthRad, float baseHeightKm, double minElevationRad) {
    HopGeometry g;
    for (int i = 1; i <= kMaxHopSearch; ++i) {
        g.hops = i;
        g.psi = static_cast<float>(lengthRad / (2 * i));
        g.elevation = HopElevation(g.psi, baseHeightKm);
        if (g.elevation >= minElevationRad)
            break;
    }
    g.cosElevation = static_cast<float>(std::cos(static_cast<double>(g.elevation)));
    g.eGroundAngle = EHopGroundAngle(g.cosElevation, g.elevation);
    g.oddPsi = static_cast<float>(lengthRad / (2 * g.hops - 1));
    g.oddElevation = HopElevation(g.oddPsi, baseHeightKm);
    g.oddCosElevation = static_cast<float>(std::cos(static_cast<double>(g.oddElevation)));
    g.oddEGroundAngle = EHopGroundAngle(g.oddCosElevation, g.oddElevation);
    return g;
}

PathSetup MakePathSetup(const PredictionRequest& request, PathKind kind) {
    PathSetup s;
    const PathGeometry& path = kind == PathKind::Short ? request.ShortPath : request.LongPath;
    const CalendarDay date = CalendarFromDate(request.Date);
    s.sun = &request.Sun;
    s.start = {request.TerminalA.LatitudeRad, request.TerminalA.LongitudeRad};
    s.kind = kind;
    s.bearingRad = path.BearingAtA;
    s.farLongitudeRad = request.TerminalB.LongitudeRad;
    s.lengthRad = path.Length;
    s.month = date.month;
    s.day = date.day;
    s.kIndex = KIndexFromText(request.KIndexText);
    s.ssn = request.Ssn;
    s.baseHeightKm = F2BaseHeight(request.Ssn);
    s.minElevationRad = request.MinElevationRad;
    s.frequencyCount = std::clamp(request.FrequencyCount, 0, kMaxFrequencies);
    s.frequencies = request.Frequencies;
    s.hops = ComputeHopGeometry(s.lengthRad, s.baseHeightKm, s.minElevationRad);
    return s;
}

GeoLatLon PathPoint(const PathSetup& setup, double distanceRad) {
    return PointAlongPath(setup.start, setup.kind, setup.bearingRad, distanceRad,
                          setup.farLongitudeRad);
}

ControlPoints ComputeControlPoints(const PathSetup& s) {
    const double d = s.lengthRad;
    const HopGeometry& g = s.hops;
    ControlPoints p;
    p.f1 = PathPoint(s, g.psi);
    p.f2 = PathPoint(s, d - g.psi);
    p.e1 = PathPoint(s, g.eGroundAngle);
    p.e2 = PathPoint(s, d - g.eGroundAngle);
    p.middle = PathPoint(s, d / 2);
    p.oddF1 = PathPoint(s, g.oddPsi);
    p.oddE2 = PathPoint(s, d - g.oddEGroundAngle);
    p.oddF2 = PathPoint(s, d - g.oddPsi);
    p.oddE1 = PathPoint(s, g.oddEGroundAngle);
    p.f1Terms = FTerms(s, p.f1, g.cosElevation, g.elevation);
    p.f2Terms = FTerms(s, p.f2, g.cosElevation, g.elevation);
    p.e1Terms = ETerms(s, p.e1, g.cosElevation, g.elevation);
    p.e2Terms = ETerms(s, p.e2, g.cosElevation, g.elevation);
    p.middleTerms = ETerms(s, p.middle, g.oddCosElevation, g.oddElevation);
    p.oddF1Terms = FTerms(s, p.oddF1, g.oddCosElevation, g.oddElevation);
    p.oddE2Terms = ETerms(s, p.oddE2, g.oddCosElevation, g.oddElevation);
    p.oddF2Terms = FTerms(s, p.oddF2, g.oddCosElevation, g.oddElevation);
    p.oddE1Terms = ETerms(s, p.oddE1, g.oddCosElevation, g.oddElevation);
    return p;
}

DecileLimits DecileLimitsFor(Layer layer, double tHours, double latRad, double lonWestRad,
                             int month, float ssn, const SolarPosition& sun) {
    if (layer == Layer::E)
        return {95.0, 105.0};
    const int level = ssn < 50.0f ? 0 : (ssn <= 100.0f ? 1 : 2);
    int m = month + (latRad < 0.0 ? 6 : 0);
    if (m > 12)
        m -= 12;
    const double lonDeg = lonWestRad * kDegPerRad;
    const int block =
        static_cast<int>(PositiveMod(24, tHours + sun.EquationOfTime - lonDeg / 15.0 + 2.0)) / 4;
    int band = static_cast<int>(RoundHalfEven(std::fabs(latRad * kDegPerRad) / 10.0));
    band = std::clamp(band, 1, 8);
    const DecilePair& pair =
        DecileTable[level][SeasonOfMonth(m)][std::clamp(block, 0, 5)][band - 1];
    return {static_cast<double>(pair.lower), static_cast<double>(pair.upper)};
}

double ReliabilityWithin(const DecileLimits& limits, float freqMHz, float mufMHz) {
    if (!(mufMHz > 0.0f))
        return 0.0;
    const double f = freqMHz;
    if (mufMHz < freqMHz)
        return MaxOf(0.0, 0.8 / ((f / mufMHz - 1.0) / (limits.upper / 100.0 - 1.0) + 1.0) - 0.3);
    return MinOf(1.0, 1.3 - 0.8 / ((1.0 - f / mufMHz) / (1.0 - limits.lower / 100.0) + 1.0));
}

double Reliability(Layer layer, float freqMHz, double tHours, double latRad, double lonWestRad,
                   float mufMHz, int month, float ssn, const SolarPosition& sun) {
    return ReliabilityWithin(DecileLimitsFor(layer, tHours, latRad, lonWestRad, month, ssn, sun),
                             freqMHz, mufMHz);
}

float PathMuf(const PathSetup& s, const ControlPoints& p, float t, ReliabilityRow* rel) {
    const HopGeometry& g = s.hops;
    const SolarPosition& sun = *s.sun;
    const float f1 = F2MufAt(p.f1Terms, t, sun);
    if (rel)
        FillReliabilities(s, p.f1, f1, t, rel->atA);

    float muf;
    if (g.hops == 1) {
        if (rel)
            rel->atB.fill(1.0f);
        const float e1 = EMufAt(p.e1Terms, t, sun);
        const float e2 = EMufAt(p.e2Terms, t, sun);
        muf = static_cast<float>(MaxOf(f1, MinOf(e1, e2)));
    } else {
        const float e1 = EMufAt(p.e1Terms, t, sun);
        const float m = static_cast<float>(MaxOf(f1, e1));
        const float f2 = F2MufAt(p.f2Terms, t, sun);
        if (rel)
            FillReliabilities(s, p.f2, f2, t, rel->atB);
        const float e2 = EMufAt(p.e2Terms, t, sun);
        muf = static_cast<float>(MinOf(m, MaxOf(f2, e2)));
    }

    if (s.minElevationRad <= g.oddElevation) {
        if (2 * g.hops - 1 == 1) {
            muf = static_cast<float>(MaxOf(muf, EMufAt(p.middleTerms, t, sun)));
        } else {
            const float a = F2MufAt(p.oddF1Terms, t, sun);
            const float b = EMufAt(p.oddE2Terms, t, sun);
            muf = static_cast<float>(MaxOf(muf, MinOf(a, b)));
            const float c = F2MufAt(p.oddF2Terms, t, sun);
            const float d = EMufAt(p.oddE1Terms, t, sun);
            muf = static_cast<float>(MaxOf(muf, MinOf(c, d)));
        }
    }
    return muf;
}

#include "engine/F2Layer.h"

#include <cmath>

#include "core/Constants.h"
#include "core/Numeric.h"
#include "engine/F2LayerTables.h"

namespace {

// A local-time difference folded onto the 24-hour circle: |h| up to 12 hours,
// 24 − |h| beyond.
double Fold(double h) {
    const double a = std::fabs(h);
    return a <= 12.0 ? a : 24.0 - a;
}

// The eighteen bell-shaped terms: each has a centre offset (local time minus the
// centre, hours), a width (degrees per hour) and an amplitude (MHz). Only the
// centre moves with the time; the width and the amplitude belong to the place.

// Inputs shared by the eighteen terms.
struct TermInputs {
    double S, W, M, Reff, T1, T2;
};

double Centre(int i, const TermInputs& in) {
    const double S = in.S, W = in.W, R = in.Reff, T1 = in.T1, T2 = in.T2;
    switch (i) {
    case 0:
        return T1 - 13.7 - 1.7 * S + 1.3 * W - (1 - S) * R / (280 - 130 * W);
    case 1:
        return T1 - 8.3 - 1.2 * S - 0.6 * W - (1 - 2 * W) * R / (450 - 150 * S - 50 * W);
    case 2:
        return T1 - 14 - 1.2 * S + 0.5 * W + (1 - S - 2 * W) * R / (100 * W + 50);
    case 3:
        return T1 - 15 - 2.1 * S + 0.2 * W + R / (250 + 50 * S - 125 * W);
    case 4:
        return T1 - 18.7 - 3.8 * S + 0.9 * W - R / (150 + 100 * S - 70 * W);
    case 5:
        return T1 - 23.3 - 2.2 * S + 0.8 * W - R / (240 + 60 * S - 165 * W);
    case 6:
        return T2 - 28.9 + 0.2 * S + 0.3 * W - (1 - 2 * W) * R / (600 - 150 * S + 300 * W);
    case 7:
        return T2 - 26.5 - 2.5 * S + 3.5 * W + (1 - S - 2 * W) * R / (175 - 75 * W);
    case 8:
        return T1 - 12 - 1.5 * S + 0.5 * W + (1 - 2 * W) * R / (150 - 50 * S);
    case 9:
        return T1 - 22.5 + 3.4 * S - (1 - W) * R / (300 - 255 * S);
    case 10:
        return T2 - 27 + 0.7 * S + 7 * W - (1 - 2 * S) * R / (75 + 100 * S - 25 * W);
    case 11:
        return T1 - 11 - 0.01 * R;
    case 12:
        return T2 - 29 + R / 300;
    case 13:
        return T1 - 8.5 + R / 450;
    case 14:
        return T1 - 10;
    case 15:
        return T1 - 16.5 - R / 150;
    case 16:
        return T2 - 24.5;
    default:
        return T2 - 28.2;
    }
}

double Width(int i, const TermInputs& in) {
    const double S = in.S, W = in.W, R = in.Reff;
    switch (i) {
    case 0:
        return 7.4 - 4.4 * S + 2.8 * W - R / (415 - 265 * S - 315 * W);
    case 1:
        return 32 - 4 * (S + W) - (S / 23 - 0.02 * W) * R;
    case 2:
        return 17 - 2 * W - (1 - S) * R / (100 - 60 * W);
    case 3:
        return 14 + 5 * S + 3 * W + (1 - 2 * S) * R / (300 - 225 * (S + W));
    case 4:
        return 20 - (1 - 2 * W) * R / (150 - 75 * S);
    case 5:
        return 23 + 9 * S - 2 * W - (1 - 2 * S - 2 * W) * R / (160 - 130 * S - 10 * W);
    case 6:
        return 45 - 5 * S + 10 * W + (1 - 2 * W) * R / (5 + 4 * S + 10 * W);
    case 7:
        return 8 - 3.8 * S - 2 * W + (1 - 2 * S) * R / (35 + 165 * S + 115 * W);
    case 8:
        return 14 - 2 * S + 8 * W + (1 - 2 * W) * R / (75 + 75 * S - 50 * W);
    case 9:
        return 18 + 3 * S + (1 - 2 * S) * R / (75 - 40 * S - 35 * W);
    case 10:
        return 22 + 2 * S + 8 * W + (S / 9 - 0.05 * W) * R;
    case 11:
        return 26 - 0.05 * R;
    case 12:
        return 45 - 0.1 * R;
    case 13:
        return 30 - R / 30;
    case 14:
        return 30;
    case 15:
        return 45 + R / 15;
    case 16:
        return 22;
    default:
        return 19 + 0.2 * R;
    }
}

double Amplitude(int i, const TermInputs& in) {
    const double S = in.S, W = in.W, M = in.M, R = in.Reff;
    switch (i) {
    case 1:
        return CosinePower(16, M - 4 + 4 * S - 3 * W - (1 - S) * R / (25 * W + 50)) *
               (2.1 - 0.8 * S + 1.1 * W) * (R / (325 - 235 * S - 85 * W) + 1);
    case 2:
        return CosinePower(64, M - 20 + 3 * S - 5 * W - (1 - S) * R / (20 * W + 20)) *
               (2.8 + 0.7 * S - 1.5 * W) *
               (1 - (1 - 2 * S - 2 * W) * R / (300 + 200 * S + 450 * W));
    case 3:
        return CosinePower(64, M - 10 + 6 * S - W - R / (128 * (S + W) + 22)) *
               (3.2 - 1.2 * S + 0.3 * W) *
               (1 - (1 - 2 * S - 2 * W) * R / (500 - 300 * S + 1000 * W));
    case 4:
        return CosinePower(64, M - 3 - 7 * S - W - R / (15 + 135 * S + 10 * W)) *
               (2.7 - 3.8 * S + 1.2 * W) * ((1 - 2 * S) * R / (850 - 805 * S - 680 * W) + 1);
    case 5:
        return CosinePower(64, M - 3 + S - (1 - S) * R / (5 * W + 30)) * (3.2 - 5.3 * S - W) *
               ((1 - 2 * S) * R / (120 + 90 * S - 5 * W) + 1);
    case 6:
        return CosinePower(16, M - 10 + 10 * S - W - (1 - S) * R / (30 - 22 * W)) *
               (-(1.3 + 1.6 * S)) * (1 - (1 - W) * R / (450 - 150 * S));
    case 7:
        return CosinePower(64, M - 77) * (1.1 + 0.1 * S + 0.3 * W) *
               ((1 - 2 * S) * R / (115 + 635 * S - 10 * W) + 1);
    case 8:
        return CosinePower(64, M - 35 + 5 * S - 11 * W - (1 - S - W) * R / 18) *
               (R / (150 - 65 * S - 95 * W) + 0.6 * W);
    case 9:
        return CosinePower(64, M - 20 - 10 * S + 2 * W - (1 - S - W) * R / 150) *
               (S + R / (45 + 280 * S + 20 * W));
    case 10:
        return CosinePower(32, M - 58 + 22 * S + W + (1 - 2 * S) * R / (75 - 68 * S - 65 * W)) *
               (-(0.6 + 0.4 * S)) * (1 - (S / 230 - 0.005 * W) * R);
    case 11:
        return CosinePower(64, M - 60) * 0.3 * (1 + R / 15) * W;
    case 12:
        return CosinePower(16, M - 60 + 0.1 * R) * (-0.5) * (1 + R / 750) * W;
    case 13:
        return CosinePower(64, M - 67 - R / 75) * (-0.6) * (1 + R / 600) * W;
    case 14:
        return CosinePower(64, M - 35) * (R / 165) * W;
    case 15:
        return CosinePower(32, M - 57 - R / 12) * (-0.6) * (1 - R / 450) * W;
    case 16:
        return CosinePower(64, M - 60) * (R / 150) * W;
    default:
        return R < 150 ? CosinePower(64, M - 35) * 0.5 * (1 - R / 150) * W : 0.0;
    }
}

// The polar-cap expression P (MHz before the distance scaling).
double PolarCapValue(const TermInputs& in, double LT, double latDeg) {
    const double S = in.S, W = in.W, R = in.Reff;
    const double rim = 90.0 - std::fabs(latDeg);
    const double p0 = (3 + S - 0.3 * W) * (R / (145 + 220 * S - 20 * W) + 1);
    const double p1 = std::sin((LT - 7.5 - 0.5 * W - (1 - S - W) * R / 150) * 15.0 * kRadPerDeg) *
                      (0.04 - 0.017 * S + 0.01 * W) * ((1 - S) * R / (300 - 115 * W) + 1) * rim;
    const double p2 = std::sin((LT - 6.5 * S - (10 - R / 300) * W) * 30.0 * kRadPerDeg) *
                      ((R / 150 + 1) * 0.02 * W + 0.004 * S) * rim;
    return p0 + p1 + p2;
}

} // namespace

F2Place PrepareF2Critical(float latRad, float lonWestRad, float ssn, const SolarPosition& sun) {
    F2Place place;
    place.latDeg = latRad * kDegPerRad;
    place.lonDeg = lonWestRad * kDegPerRad;

    // Dip equator under this longitude and the dip latitude.
    double u = PositiveMod(360, place.lonDeg) / 10.0;
    if (static_cast<int>(u) >= 36)
        u = 0.0;
    const int i = static_cast<int>(u);
    const double f = u - i;
    place.dipLat = (1.0 - f) * DipEquatorTable[i] + f * DipEquatorTable[i + 1];
    const double x = place.latDeg - place.dipLat;
    const float maxMagnetic = MaxMagneticLatitude();
    place.M = static_cast<float>(MinOf(std::fabs(x), static_cast<double>(maxMagnetic)));
    place.polarCap = place.M == maxMagnetic;

    // Seasonal weights, faded out toward the dip equator.
    double s = Sign(x) * sun.SinEclipticLongitude;
    if (place.M < 10.0f)
        s = (1.0 - std::cos(0.1 * place.M * kPi)) * s * 0.5;
    if (s >= 0.0) {
        place.S = static_cast<float>(s);
        place.W = 0.0f;
    } else {
        place.S = 0.0f;
        place.W = static_cast<float>(-s);
    }
    place.reff = ssn <= 150.0f ? static_cast<double>(ssn) : 150.0 + 0.1 * (ssn - 150.0);

    // The widths and amplitudes of the terms do not move with the time.
    TermInputs in{place.S, place.W, place.M, place.reff, 0.0, 0.0};
    place.firstAmplitude = std::sqrt(std::cos((5.0 * (in.W - in.S) + in.M) * kRadPerDeg)) *
                           (6.7 - 0.8 * in.S - 1.2 * in.W) *
                           (in.Reff / (205.0 * in.S + 145.0) + 1.0);
    place.lastTerm = place.W == 0.0f ? 10 : 17;
    for (int term = 0; term <= place.lastTerm; ++term) {
        place.width[term] = Width(term, in);
        if (term > 0)
            place.amplitude[term] = Amplitude(term, in);
    }
    return place;
}

F2Critical F2CriticalAt(const F2Place& place, float tHours, const SolarPosition& sun) {
    F2Critical out;
    out.LT = static_cast<float>(PositiveMod(24, sun.TimeCorrection + tHours - place.lonDeg / 15.0));
    out.M = place.M;
    out.S = place.S;
    out.W = place.W;

    TermInputs in{place.S, place.W, place.M, place.reff, 0.0, 0.0};
    in.T1 = out.LT < 4.5f ? out.LT + 24.0 : out.LT;
    in.T2 = out.LT < 3.0 * (in.S - in.W) + 14.5 ? out.LT + 24.0 : out.LT;

    double sum = place.firstAmplitude *
                 std::cos(MinOf(60.0, Fold(Centre(0, in)) * place.width[0]) * kRadPerDeg);
    for (int term = 1; term <= place.lastTerm; ++term) {
        const double a = Fold(Centre(term, in)) * place.width[term];
        if (a < 90.0)
            sum += place.amplitude[term] * CosineOf(a);
    }

    if (place.polarCap) {
        // Polar cap: blend toward the cap expression between the clamp and the pole.
        const double latDeg = place.latDeg;
        const double p = PolarCapValue(in, out.LT, latDeg);
        const double divisor = 90.0 - (Sign(latDeg) * place.dipLat + MaxMagneticLatitude());
        const double blended = p + (sum - p) * (90.0 - std::fabs(latDeg)) / divisor;
        sum = (divisor != 0.0 && std::isfinite(blended)) ? blended : p;
    }

    out.foF2 = static_cast<float>(sum * sun.InverseSquareDistance);
    return out;
}

F2Critical F2CriticalFrequency(float latRad, float lonWestRad, float ssn, float tHours,
                               const SolarPosition& sun) {
    return F2CriticalAt(PrepareF2Critical(latRad, lonWestRad, ssn, sun), tHours, sun);
}

float F2BaseHeight(float ssn) {
    return static_cast<float>(ssn > 150.0f ? 0.05 * ssn + 350.0 : 0.5 * ssn + 275.0);
}

float F2ReflectionHeight(float ssn, float M, float LT, float S, float W) {
    double h = ssn > 150.0f ? 0.05 * ssn + 350.0 : 0.5 * ssn + 275.0;
    if (M >= 20.0f && M <= 60.0f) {
        const bool night = LT <= 7.0 - S + W || LT >= 1.5 * (S - W) + 18.5;
        if (night) {
            if (LT < 3.0f || LT > 23.0f)
                h += 50.0 * W;
        } else {
            h += 50.0 * S - 25.0 * W;
        }
    } else if (M <= 5.0f) {
        if (LT >= 9.0f || LT <= 2.0f)
            h += 50.0;
        else if (LT <= 4.0f || LT >= 7.0f)
            h += 25.0;
    } else if (M <= 10.0f) {
        if (LT >= 9.0f || LT <= 2.0f)
            h += 25.0;
    }
    return static_cast<float>(h);
}

float F2Secant(float ssn, float cosElevation, float M, float LT, float S, float W) {
    const float h = F2ReflectionHeight(ssn, M, LT, S, W);
    const double q = EarthRadiusKm * cosElevation / (EarthRadiusKm + h);
    return static_cast<float>(1.0 / std::sqrt(1.0 - q * q));
}

float F2KIndexFactor(int month, int day, int k, float lonWestRad, float latRad, float LT,
                     float ssn) {
    if (k < 0)
        return 1.0f;

    // Solar level pair and weight.
    const double r = ssn < 15.0f ? 15.0 : (ssn > 190.0f ? 190.0 : static_cast<double>(ssn));
    int level0 = 1, level1 = 2;
    double wr = 0.008 * (r - 65.0);
    if (r < 65.0) {
        level0 = 0;
        level1 = 1;
        wr = 0.02 * (r - 15.0);
    }

    // Geomagnetic latitude (pole at 83.03° N, 93.3° W).
    const double lat = latRad;
    const double pole = 83.03 * kRadPerDeg;
    const double geomagneticDeg =
        ArcSin(std::sin(lat) * std::sin(pole) +
               std::cos(lat) * std::cos(pole) * std::cos(lonWestRad - 93.3 * kRadPerDeg)) *
        kDegPerRad;
    const double a = std::fabs(geomagneticDeg);

    // Season pair and weight; the southern hemisphere is shifted by six months.
    double q = month + day / 30.0 + 0.5;
    if (geomagneticDeg < 0.0)
        q = PositiveMod(12, q + 5.0) + 1.0;
    const SeasonKnot* season = &SeasonKnots.back();
    for (const SeasonKnot& knot : SeasonKnots)
        if (knot.knot >= q) {
            season = &knot;
            break;
        }
    const double ws = season->knot - q;

    // Band pair and weight; at the equator the second band mixes in the mirrored season.
    std::size_t bandIndex = LatitudeKnots.size() - 1;
    for (std::size_t n = 0; n < LatitudeKnots.size(); ++n)
        if (LatitudeKnots[n].knot >= a) {
            bandIndex = n;
            break;
        }
    const LatitudeKnot& band = LatitudeKnots[bandIndex];
    const double wb = band.width == 0.0 ? 0.0 : (band.knot - a) / band.width;
    const bool mirrored = bandIndex == 0;

    // Local-time blocks and weight.
    const double m = PositiveMod(24, LT - 1.5);
    const int c0 = static_cast<int>(m / 3.0) % 8;
    const int c1 = (c0 + 1) % 8;
    const double p = PositiveMod(3, LT - 1.5);
    const double wt = p < 1.0 ? 0.0 : (p < 2.0 ? p - 1.0 : 1.0);

    auto cell = [k](int s, int level, int b, int c) {
        const KIndexCell& v = KIndexFactorTable[s][level][b][c];
        return v.a / 1000.0 + k * v.b / 10000.0;
    };
    auto seasonBlend = [&](int level, int b, int c, bool mirror) {
        const int s0 = mirror ? 2 - season->first : season->first;
        const int s1 = mirror ? 2 - season->second : season->second;
        const double v0 = cell(s0, level, b, c);
        const double v1 = cell(s1, level, b, c);
        return v1 - (v1 - v0) * ws;
    };
    auto bandBlend = [&](int level, int c) {
        const double v0 = seasonBlend(level, band.first, c, false);
        const double v1 = seasonBlend(level, band.second, c, mirrored);
        return v0 - (v0 - v1) * wb;
    };
    auto timeBlend = [&](int level) {
        const double v0 = bandBlend(level, c0);
        const double v1 = bandBlend(level, c1);
        return v0 + (v1 - v0) * wt;
    };
    const double v0 = timeBlend(level0);
    const double v1 = timeBlend(level1);
    return static_cast<float>(v0 + (v1 - v0) * wr);
}

F2MufPlace PrepareF2Muf(int month, int day, int k, float lonWestRad, float latRad,
                        float cosElevation, float elevationRad, float ssn,
                        const SolarPosition& sun) {
    F2MufPlace place;
    place.critical = PrepareF2Critical(latRad, lonWestRad, ssn, sun);
    place.month = month;
    place.day = day;
    place.k = k;
    place.lonWestRad = lonWestRad;
    place.latRad = latRad;
    place.cosElevation = cosElevation;
    place.ssn = ssn;
    const double ratio = elevationRad / kHalfPi;
    place.shortHopFactor = ratio < 1.0 ? 1.0 + 0.18673 * std::pow(1.0 - ratio, 6.614) : 1.0;
    return place;
}

float F2MufAt(const F2MufPlace& p, float tHours, const SolarPosition& sun) {
    const F2Critical f2 = F2CriticalAt(p.critical, tHours, sun);
    const float y = F2KIndexFactor(p.month, p.day, p.k, p.lonWestRad, p.latRad, f2.LT, p.ssn);
    const float secant = F2Secant(p.ssn, p.cosElevation, f2.M, f2.LT, f2.S, f2.W);
    return static_cast<float>(static_cast<double>(secant) * f2.foF2 * p.shortHopFactor * y);
}

float F2Muf(int month, int day, int k, float lonWestRad, float latRad, float cosElevation,
            float elevationRad, float ssn, float tHours, const SolarPosition& sun) {
    return F2MufAt(
        PrepareF2Muf(month, day, k, lonWestRad, latRad, cosElevation, elevationRad, ssn, sun),
        tHours, sun);
}

#include "p533/Noise.h"

#include <algorithm>
#include <cmath>

namespace p533 {

namespace {

double Horner(const double* c, int n, double x) {
    double v = 0.0;
    for (int i = 0; i < n; ++i)
        v = v * x + c[i];
    return v;
}

struct BlockNoise {
    double fa, du, dl;
};

BlockNoise NoiseOfBlock(const MonthCoefficients& month, const AtmosphericSite& site, int block,
                        double freqMHz) {
    const int ib = block + site.hemisphereOffset;
    double c[14];
    for (int i = 0; i < 14; ++i)
        c[i] = month.Fam(i + 1, ib);
    const double u = (8.0 * std::pow(2.0, std::log10(freqMHz)) - 11.0) / 4.0;
    const double cz = site.oneMHz[block] * (2.0 - Horner(c, 7, -0.75)) - Horner(c + 7, 7, -0.75);
    BlockNoise n;
    n.fa = cz * Horner(c, 7, u) + Horner(c + 7, 7, u);
    const double x = std::log10(std::min(freqMHz, 20.0));
    double d[5];
    for (int r = 1; r <= 2; ++r) {
        for (int i = 0; i < 5; ++i)
            d[i] = month.Dud(i + 1, ib, r);
        (r == 1 ? n.du : n.dl) = Horner(d, 5, x);
    }
    return n;
}

double PowerBlend(double a, double b, double s) {
    return 10.0 * std::log10((1.0 - s) * std::pow(10.0, a / 10.0) + s * std::pow(10.0, b / 10.0));
}

struct ManMadeCurve {
    double c, d, du, dl;
};
constexpr ManMadeCurve kCurves[] = {
    {76.8, 27.7, 11.0, 6.7}, // City
    {72.5, 27.7, 10.6, 5.3}, // Residential
    {67.2, 27.7, 9.2, 4.6},  // Rural
    {53.6, 28.6, 9.2, 4.6},  // Quiet rural
    {65.2, 29.1, 9.2, 4.6},  // Quiet
    {83.2, 37.5, 11.0, 6.7}, // Noisy
};

} // namespace

AtmosphericSite PrepareAtmosphericSite(const MonthCoefficients& month, LatLon receiver) {
    AtmosphericSite site;
    site.hemisphereOffset = receiver.lat < 0.0 ? 6 : 0;
    const double theta1 = Wrap(receiver.lon, kTwoPi) / 2.0;
    const double theta2 = receiver.lat + kPi / 2.0;
    double sinK[16], sinJ[30];
    for (int k = 1; k <= 15; ++k)
        sinK[k] = std::sin(k * theta1);
    for (int j = 1; j <= 29; ++j)
        sinJ[j] = std::sin(j * theta2);
    for (int b = 0; b < 6; ++b) {
        double f = 0.0;
        for (int j = 1; j <= 29; ++j) {
            double z = month.Fakp(j, 16, b);
            for (int k = 1; k <= 15; ++k)
                z += sinK[k] * month.Fakp(j, k, b);
            f += sinJ[j] * z;
        }
        site.oneMHz[b] = f + month.Fakabp(1, b) + month.Fakabp(2, b) * theta2;
    }
    return site;
}

NoiseSource AtmosphericNoise(const MonthCoefficients& month, const AtmosphericSite& site,
                             double localTime, double freqMHz) {
    const double lt = Wrap(localTime, 24.0);
    const int b0 = std::min(static_cast<int>(lt / 4.0), 5);
    const int b1 = (b0 + 1) % 6;
    const double s = (lt - 4.0 * b0) / 4.0;
    const BlockNoise n0 = NoiseOfBlock(month, site, b0, freqMHz);
    const BlockNoise n1 = NoiseOfBlock(month, site, b1, freqMHz);
    return {PowerBlend(n0.fa, n1.fa, s), PowerBlend(n0.du, n1.du, s), PowerBlend(n0.dl, n1.dl, s)};
}

NoiseSource GalacticNoise(double freqMHz) {
    return {52.0 - 23.0 * std::log10(freqMHz), 2.0, 2.0};
}

NoiseSource ManMadeNoiseAt(const ManMadeNoise& noise, double freqMHz) {
    if (noise.levelDbw)
        return {204.0 + *noise.levelDbw, 6.7, 11.0};
    const ManMadeCurve& c = kCurves[static_cast<int>(noise.category)];
    return {c.c - c.d * std::log10(freqMHz), c.du, c.dl};
}

NoiseSource TotalNoise(const NoiseSource& a, const NoiseSource& m, const NoiseSource& g) {
    const double c = 10.0 / std::log(10.0);
    const NoiseSource* sources[3] = {&a, &m, &g};
    double median[2], deviation[2];
    for (int set = 0; set < 2; ++set) {
        double alpha = 0.0, beta = 0.0, gamma = 0.0;
        bool wide = false;
        for (int i = 0; i < 3; ++i) {
            const double d = set == 0 ? sources[i]->upperDecileDb : sources[i]->lowerDecileDb;
            const double sigma = i == 2 ? 1.56 : d / 1.282;
            wide = wide || d > 12.0;
            const double e = std::exp(sources[i]->medianDb / c + sigma * sigma / (2.0 * c * c));
            alpha += e;
            beta += e * e * (std::exp(sigma * sigma / (c * c)) - 1.0);
            gamma += std::exp(sources[i]->medianDb / c);
        }
        const double sigmaT = wide ? c * std::sqrt(2.0 * std::log(alpha / gamma))
                                   : c * std::sqrt(std::log(1.0 + beta / (alpha * alpha)));
        median[set] = c * (std::log(alpha) - sigmaT * sigmaT / (2.0 * c * c));
        deviation[set] = 1.282 * sigmaT;
    }
    return {std::min(median[0], median[1]), deviation[0], deviation[1]};
}

} // namespace p533

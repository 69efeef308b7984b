#include "p533/CcirMaps.h"

#include <algorithm>
#include <cmath>

namespace p533 {

namespace {

// The highest power of sin μ for each order m of longitude.
constexpr int kFoF2Q[] = {11, 11, 8, 4, 1, 0, 0, 0, 0};
constexpr int kM3000Q[] = {6, 7, 5, 2, 1, 0, 0};

// The geographic functions G_k(μ, φ, λ) in the maps' order.
template <int Terms, int Orders>
std::array<double, Terms> GeographicTerms(const int (&qMax)[Orders], LatLon p, double modip) {
    std::array<double, Terms> g{};
    double sinPow[12];
    sinPow[0] = 1.0;
    const double sm = std::sin(modip);
    for (int q = 1; q < 12; ++q)
        sinPow[q] = sinPow[q - 1] * sm;
    int k = 0;
    for (int q = 0; q <= qMax[0]; ++q)
        g[k++] = sinPow[q];
    const double c = std::cos(p.lat);
    double cm = 1.0;
    for (int m = 1; m < Orders; ++m) {
        cm *= c;
        const double cl = cm * std::cos(m * p.lon);
        const double sl = cm * std::sin(m * p.lon);
        for (int q = 0; q <= qMax[m]; ++q) {
            g[k++] = sinPow[q] * cl;
            g[k++] = sinPow[q] * sl;
        }
    }
    return g;
}

// w_t = Σ_k U(t, k) G_k for both coefficient sets, blended in R.
template <int T, int K>
void Reduce(const double* u, const std::array<double, K>& g, double r, std::array<double, T>& w,
            double weight) {
    for (int t = 0; t < T; ++t) {
        double s0 = 0.0, s100 = 0.0;
        for (int k = 0; k < K; ++k) {
            s0 += u[t + T * k] * g[k];
            s100 += u[t + T * k + T * K] * g[k];
        }
        w[t] += weight * (s0 + (s100 - s0) * r / 100.0);
    }
}

void AddSeries(const MonthCoefficients& month, LatLon p, double modip, double r, double weight,
               MapSeries& series) {
    Reduce<13, 76>(month.xf2.data(), GeographicTerms<76, 9>(kFoF2Q, p, modip), r, series.foF2,
                   weight);
    Reduce<9, 49>(month.xfm3.data(), GeographicTerms<49, 7>(kM3000Q, p, modip), r, series.m3000,
                  weight);
}

template <std::size_t N> double Diurnal(const std::array<double, N>& w, double ut) {
    const double t = (15.0 * ut - 180.0) * kRad;
    double v = w[0];
    for (std::size_t j = 1; 2 * j < N; ++j)
        v += w[2 * j - 1] * std::sin(j * t) + w[2 * j] * std::cos(j * t);
    return v;
}

} // namespace

MapSeries MapSeriesAt(const MonthCoefficients& month, LatLon p, double modip, double rCapped) {
    MapSeries series;
    AddSeries(month, p, modip, rCapped, 1.0, series);
    return series;
}

MapSeries GridMapSeriesAt(const MonthCoefficients& month, const MagneticModel& field, LatLon p,
                          double rCapped) {
    constexpr double kStep = 1.5;
    const double latDeg = p.lat * kDeg;
    const double lonDeg = Wrap(p.lon * kDeg + 180.0, 360.0) - 180.0;
    const double a = std::abs(latDeg) / kStep;
    const double b = std::abs(lonDeg) / kStep;
    const int fa = static_cast<int>(std::floor(a));
    const int fb = static_cast<int>(std::floor(b));
    const double u = a - fa, v = b - fb;
    // Latitude nodes and their weights; the southern weights are the reference's mirror.
    int k0, k1;
    double wk0, wk1;
    if (latDeg >= 0.0) {
        k0 = 60 + fa;
        k1 = k0 + 1;
        wk0 = 1.0 - u;
        wk1 = u;
    } else {
        k1 = 60 - fa;
        k0 = k1 - 1;
        wk1 = u;
        wk0 = 1.0 - u;
    }
    k0 = std::clamp(k0, 0, 120);
    k1 = std::clamp(k1, 0, 120);
    int j0, j1;
    double wj0, wj1;
    if (lonDeg >= 0.0) {
        j0 = 120 + fb;
        j1 = j0 + 1;
        wj0 = 1.0 - v;
        wj1 = v;
    } else {
        j1 = 120 - fb;
        j0 = j1 - 1;
        wj1 = v;
        wj0 = 1.0 - v;
    }
    // Node 240 is the meridian of node 0 (and the reference's −1 becomes 240).
    j0 = j0 < 0 ? 0 : j0 % 240;
    j1 = j1 < 0 ? 0 : j1 % 240;
    MapSeries series;
    series.hourly = true;
    const int ks[2] = {k0, k1};
    const double wks[2] = {wk0, wk1};
    const int js[2] = {j0, j1};
    const double wjs[2] = {wj0, wj1};
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 2; ++j) {
            const double weight = wks[i] * wjs[j];
            if (weight == 0.0)
                continue;
            const LatLon node{(-90.0 + kStep * ks[i]) * kRad, (-180.0 + kStep * js[j]) * kRad};
            const double modip = Modip(FieldAt(field, node, 300.0).dip, node.lat);
            AddSeries(month, node, modip, rCapped, weight, series);
        }
    return series;
}

MapValues EvaluateMaps(const MapSeries& series, double ut) {
    if (!series.hourly)
        return {Diurnal(series.foF2, ut), Diurnal(series.m3000, ut)};
    const double h0 = std::floor(ut);
    const double w = ut - h0;
    MapValues v{Diurnal(series.foF2, h0), Diurnal(series.m3000, h0)};
    if (w > 0.0) {
        const MapValues next{Diurnal(series.foF2, h0 + 1.0), Diurnal(series.m3000, h0 + 1.0)};
        v.foF2 += w * (next.foF2 - v.foF2);
        v.m3000 += w * (next.m3000 - v.m3000);
    }
    return v;
}

} // namespace p533

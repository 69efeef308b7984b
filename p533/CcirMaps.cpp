#include "p533/CcirMaps.h"

#include <algorithm>
#include <cmath>
#include <utility>

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

namespace {

// The two nodes of a 1.5° grid axis around `deg`, numbered from `centre` at 0°, and their
// weights: the ordinary ones north and east of 0°; on the other side the reference gives
// the node nearer 0° the weight of the far one (a mirror of the cell).
struct AxisNodes {
    int n0, n1;
    double w0, w1;
};

AxisNodes NodesAround(double deg, int centre) {
    const double a = std::abs(deg) / 1.5;
    const int f = static_cast<int>(std::floor(a));
    const double u = a - f;
    if (deg >= 0.0)
        return {centre + f, centre + f + 1, 1.0 - u, u};
    return {centre - f - 1, centre - f, 1.0 - u, u};
}

} // namespace

MapSeries GridMapSeriesAt(const MonthCoefficients& month, const MagneticModel& field, LatLon p,
                          double rCapped) {
    const double lonDeg = Wrap(p.lon * kDeg + 180.0, 360.0) - 180.0;
    AxisNodes lat = NodesAround(p.lat * kDeg, 60);
    AxisNodes lon = NodesAround(lonDeg, 120);
    // At a pole the missing row is the edge row; node 240 is the meridian of node 0 (and
    // the reference's −1 becomes 240).
    lat.n0 = std::clamp(lat.n0, 0, 120);
    lat.n1 = std::clamp(lat.n1, 0, 120);
    lon.n0 = lon.n0 < 0 ? 0 : lon.n0 % 240;
    lon.n1 = lon.n1 < 0 ? 0 : lon.n1 % 240;
    MapSeries series;
    series.hourly = true;
    for (const auto& [k, wk] : {std::pair{lat.n0, lat.w0}, std::pair{lat.n1, lat.w1}})
        for (const auto& [j, wj] : {std::pair{lon.n0, lon.w0}, std::pair{lon.n1, lon.w1}}) {
            if (wk * wj == 0.0)
                continue;
            const LatLon node{(-90.0 + 1.5 * k) * kRad, (-180.0 + 1.5 * j) * kRad};
            const double modip = Modip(FieldAt(field, node, 300.0).dip, node.lat);
            AddSeries(month, node, modip, rCapped, wk * wj, series);
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

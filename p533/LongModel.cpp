#include "p533/LongModel.h"

#include <algorithm>
#include <cmath>

namespace p533 {

namespace {

// The distance-reduction factor fD of the F2 MUF at a hop of dKm.
double DistanceFactor(double dKm) {
    static constexpr double a[7] = {
        29.1996868566837e-6,   87.4376851991085e-9,  22.0776941764705e-12, 102.342990689362e-15,
        -92.4986988833091e-18, 25.8520201885984e-21, -2.40074637494790e-24};
    double f = 0.0, p = 1.0;
    for (double c : a) {
        p *= dKm;
        f += c * p;
    }
    return f;
}

double FbFrom(const MapValues& v, double gyro, double fd) {
    const double muf4000 = 1.1 * v.foF2 * v.m3000;
    const double muf0 = v.foF2 + gyro / 2.0;
    return muf0 + (muf4000 - muf0) * fd;
}

double HourInterpolated(const std::array<double, 24>& v, double index) {
    const double t = Wrap(index, 24.0);
    const int t0 = static_cast<int>(t) % 24;
    const double w = t - std::floor(t);
    return v[t0] + w * (v[(t0 + 1) % 24] - v[t0]);
}

} // namespace

double WinterAnomaly(int month, double latDeg) {
    static constexpr double kNorth[12] = {0.30, 0.15, 0.03, 0, 0, 0, 0, 0, 0, 0.03, 0.15, 0.30};
    static constexpr double kSouth[12] = {0, 0, 0, 0.03, 0.15, 0.30, 0.30, 0.15, 0.03, 0, 0, 0};
    const double a = std::abs(latDeg);
    const double at60 = (latDeg >= 0.0 ? kNorth : kSouth)[month - 1];
    if (a <= 30.0 || a >= 90.0)
        return 0.0;
    return a <= 60.0 ? at60 * (a - 30.0) / 30.0 : at60 * (90.0 - a) / 30.0;
}

void CircuitModel::PrepareLongModel() {
    LongModelSetup s;
    const double d = distanceKm;
    // fL: equal hops of at most 3000 km reflected at 300 km, crossing 90 km.
    const int hopsL = std::max(1, static_cast<int>(std::ceil(d / 3000.0 - 1e-9)));
    const double hopL = d / hopsL;
    const double elevationL = ElevationAngle(hopL, 300.0);
    s.incidence90 = IncidenceAngle(elevationL, 90.0);
    const double offset90 = GroundOffsetKm(elevationL, 90.0);
    s.firstPenetrationKm = offset90;
    s.lastHopPenetrationKm = (hopsL - 1) * hopL + offset90;
    // fM and the field: hops of at most 4000 km, one more while ΔM is below the minimum.
    s.hopsM = std::max(1, static_cast<int>(std::ceil(d / 4000.0 - 1e-9)));
    s.hopM = d / s.hopsM;
    s.elevationM = ElevationAngle(s.hopM, 300.0);
    while (s.elevationM < minElevation && s.hopsM < 100) {
        ++s.hopsM;
        s.hopM = d / s.hopsM;
        s.elevationM = ElevationAngle(s.hopM, 300.0);
    }
    s.slantKm = SlantRangeKm(s.hopsM, s.hopM, s.elevationM);
    s.tx = &Site("T+dM/2", s.hopM / 2.0, true);
    s.rx = &Site("R-dM/2", d - s.hopM / 2.0, true);
    s.gyro = (s.tx->at300.gyroMHz + s.rx->at300.gyroMHz) / 2.0;

    const double fd = DistanceFactor(s.hopM);
    for (int t = 0; t < 24; ++t) {
        s.fbTx[t] = FbFrom(MapsAt(*s.tx, t + 1.0), s.tx->at300.gyroMHz, fd);
        s.fbRx[t] = FbFrom(MapsAt(*s.rx, t + 1.0), s.rx->at300.gyroMHz, fd);
    }
    s.fbMinTx = *std::min_element(s.fbTx.begin(), s.fbTx.end());
    s.fbMinRx = *std::min_element(s.fbRx.begin(), s.fbRx.end());
    auto noonFb = [&](const PointSite& p, const std::array<double, 24>& fb) {
        const double noon = 12.0 - p.pos.lon * kDeg / 15.0;
        if (options.hourIndexTimes)
            return fb[static_cast<int>(Wrap(std::trunc(noon) - 1.0, 24.0)) % 24];
        return FbFrom(MapsAt(p, Wrap(noon, 24.0)), p.at300.gyroMHz, fd);
    };
    s.fbNoonTx = noonFb(*s.tx, s.fbTx);
    s.fbNoonRx = noonFb(*s.rx, s.fbRx);

    // W, X, Y between east–west and north–south by the bearing at mid-path.
    const LatLon mid = path.At(d / 2.0);
    double theta = Bearing(mid, path.At(d / 2.0 + 1.0));
    if (theta > kPi)
        theta -= kPi;
    const double e = std::abs(theta - kPi / 2.0) / (kPi / 2.0);
    s.w = (1.0 - e) * 0.1 + e * 0.2;
    s.x = (1.0 - e) * 1.2 + e * 0.2;
    s.y = (1.0 - e) * 0.6 + e * 0.4;

    // fL for each hour index from the Sun over the 90-km crossings.
    std::vector<LatLon> crossings;
    for (int q = 0; q < hopsL; ++q) {
        crossings.push_back(path.At(q * hopL + offset90));
        crossings.push_back(path.At((q + 1) * hopL - offset90));
    }
    const double fLN = std::sqrt(d / 3000.0);
    const double aw = WinterAnomaly(request.month, mid.lat * kDeg);
    const double denom = std::cos(s.incidence90) * std::log(9.5e6 / s.slantKm);
    for (int t = 0; t < 24; ++t) {
        const SunState sun = SunAt(request.month, t);
        double sum = 0.0;
        for (const LatLon& p : crossings) {
            const double c = std::cos(SunSeenFrom(sun, p, t, false).zenith);
            if (c > 0.0 && c < 1.0)
                sum += std::sqrt(c);
        }
        const double f = 5.3 * std::sqrt((1.0 + 0.009 * request.r12) * sum / denom) - s.gyro;
        s.fL[t] = std::max(f * (aw + 1.0), fLN);
    }
    // The night-time decay after the first hour fL falls through 2fLN.
    for (int t = 0; t < 24; ++t) {
        const int prev = (t + 23) % 24;
        if (s.fL[prev] >= 2.0 * fLN && s.fL[t] <= 2.0 * fLN) {
            const double drop = s.fL[prev] - s.fL[t];
            const double dt = drop > 0.0 ? (2.0 * fLN - s.fL[t]) / drop : 0.0;
            s.fL[t] = 0.7945 * s.fL[prev] * (dt * (1.0 - 0.7945) + 0.7945);
            for (int k = 1; k <= 3; ++k) {
                const int u = (t + k) % 24;
                s.fL[u] = std::max(0.7945 * s.fL[(u + 23) % 24], s.fL[u]);
            }
            break;
        }
    }
    longModel = s;
}

LongModelNow LongModelAt(const CircuitModel& model, const Instant& instant) {
    const LongModelSetup& s = *model.longModel;
    const double fd = DistanceFactor(s.hopM);
    LongModelNow now;
    now.fbTx = FbFrom(model.MapsAt(*s.tx, instant.hour), s.tx->at300.gyroMHz, fd);
    now.fbRx = FbFrom(model.MapsAt(*s.rx, instant.hour), s.rx->at300.gyroMHz, fd);
    auto k = [&](double fb, double noon, double min) {
        return 1.2 + s.w * fb / noon + s.x * (std::cbrt(noon / fb) - 1.0) +
               s.y * (min / noon) * (min / noon);
    };
    now.kTx = k(now.fbTx, s.fbNoonTx, s.fbMinTx);
    now.kRx = k(now.fbRx, s.fbNoonRx, s.fbMinRx);
    now.fM = std::min(now.kTx * now.fbTx, now.kRx * now.fbRx);
    // fL at the Sun of the hour h itself (hour index h mod 24).
    now.fL = HourInterpolated(s.fL, instant.hour);
    return now;
}

double LongModelField(const CircuitModel& model, const LongModelNow& now, double freqMHz,
                      double txGainDbi, LongModelResult& out) {
    const LongModelSetup& s = *model.longModel;
    const double d = model.distanceKm;
    out.upperReferenceMHz = now.fM;
    out.lowerReferenceMHz = now.fL;
    out.gyroMHz = s.gyro;
    out.correctionTx = now.kTx;
    out.correctionRx = now.kRx;
    out.freeSpaceDbu = 139.6 - 20.0 * std::log10(s.slantKm);
    const double sine = std::max(std::abs(std::sin(d / kEarthRadiusKm)), 1e-12);
    out.focusingDb = std::min(10.0 * std::log10(d / (kEarthRadiusKm * sine)), 15.0);
    const double m = (now.fM + s.gyro) * (now.fM + s.gyro);
    const double l = (now.fL + s.gyro) * (now.fL + s.gyro);
    const double f = (freqMHz + s.gyro) * (freqMHz + s.gyro);
    out.scale = 1.0 - m / (m + l) * (l / f + f / m);
    out.txGainDbi = txGainDbi;
    out.hops = s.hopsM;
    out.elevationDeg = s.elevationM * kDeg;
    constexpr double kLy = -0.17;
    return out.freeSpaceDbu * out.scale - 30.0 + model.request.transmitPowerDbkW + txGainDbi +
           out.focusingDb - kLy;
}

} // namespace p533

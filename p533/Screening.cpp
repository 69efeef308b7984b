#include "p533/Screening.h"

#include "p533/GreatCircle.h"

#include <algorithm>
#include <cmath>

namespace p533 {

double MirrorHeightKm(const MirrorInputs& in, double freqMHz, double hopKm, bool withoutXrTerm) {
    const double x = in.foF2 / std::max(in.foE, 1e-3);
    const double y = std::max(x, 1.8);
    const double dm = 0.18 / (y - 1.4) + 0.096 * (in.rCapped - 25.0) / 150.0;
    const double H = 1490.0 / (in.m3000 + dm) - 316.0;
    const double xr = freqMHz / in.foF2;
    const double d = hopKm;
    double h;
    if (x > 3.33 && xr >= 1.0) {
        const double e1 = ((-0.09707 * xr + 0.6870) * xr - 0.7506) * xr + 0.6;
        const double f1 = xr <= 1.71
                              ? (((-1.862 * xr + 12.95) * xr - 32.03) * xr + 33.50) * xr - 10.91
                              : 1.21 + 0.2 * xr;
        const double xrTerm = withoutXrTerm ? 0.0 : 90.47 * xr;
        const double g =
            xr <= 3.7 ? (((-2.102 * xr + 19.50) * xr - 63.15) * xr) * xr + xrTerm - 44.73 : 19.25;
        const double ds = 160.0 + (H + 43.0) * g;
        const double a = (d - ds) / (H + 140.0);
        const double a1 = 140.0 + (H - 47.0) * e1;
        const double b1 = 150.0 + (H - 17.0) * f1 - a1;
        h = (b1 >= 0.0 && a >= 0.0) ? a1 + b1 * std::pow(2.4, -a) : a1 + b1;
    } else if (x > 3.33) {
        const double z = std::max(xr, 0.1);
        const double e2 = 0.1906 * z * z + 0.00583 * z + 0.1936;
        const double a2 = 151.0 + (H - 47.0) * e2;
        const double f2 = 0.645 * z * z + 0.883 * z + 0.162;
        const double b2 = 141.0 + (H - 24.0) * f2 - a2;
        const double df = std::min(0.115 * d / (z * (H + 140.0)), 0.65);
        const double b = (((-7.535 * df + 15.75) * df - 8.834) * df - 0.378) * df + 1.0;
        h = b2 >= 0.0 ? a2 + b2 * b : a2 + b2;
    } else {
        const double j = ((-0.7126 * y + 5.863) * y - 16.13) * y + 16.07;
        const double u =
            8e-5 * (H - 80.0) * (1.0 + 11.0 * std::pow(y, -2.2)) + 1.2e-3 * H * std::pow(y, -3.6);
        h = 115.0 + H * j + u * d;
    }
    return std::min(h, 800.0);
}

double ScreeningFrequency(double foE, double hopKm, double hrKm) {
    const double elevation = ElevationAngle(hopKm, hrKm);
    return 1.05 * foE / std::cos(IncidenceAngle(elevation, 110.0));
}

} // namespace p533

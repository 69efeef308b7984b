#include "p533/MagneticField.h"

#include <algorithm>

namespace p533 {

MagneticField FieldAt(const MagneticModel& model, LatLon p, double heightKm) {
    const double s = std::sin(p.lat);
    const double c = std::max(std::cos(p.lat), 1e-9);
    const double a = kEarthRadiusKm / (kEarthRadiusKm + heightKm);
    // Gauss-normalised associated Legendre functions and their latitude derivatives.
    double P[7][7] = {};
    double dP[7][7] = {};
    P[0][0] = 1.0;
    double cosM[7], sinM[7];
    for (int m = 0; m <= 6; ++m) {
        cosM[m] = std::cos(m * p.lon);
        sinM[m] = std::sin(m * p.lon);
    }
    double X = 0.0, Y = 0.0, Z = 0.0;
    double an = a * a; // a^(n+2) for n = 0
    for (int n = 1; n <= 6; ++n) {
        an *= a;
        double sx = 0.0, sy = 0.0, sz = 0.0;
        for (int m = 0; m <= n; ++m) {
            if (m == n) {
                P[n][n] = c * P[n - 1][n - 1];
                dP[n][n] = c * dP[n - 1][n - 1] + s * P[n - 1][n - 1];
            } else if (n == 1) {
                P[1][0] = s * P[0][0];
                dP[1][0] = s * dP[0][0] - c * P[0][0];
            } else {
                const double p2 = m > n - 2 ? 0.0 : P[n - 2][m];
                const double dp2 = m > n - 2 ? 0.0 : dP[n - 2][m];
                P[n][m] = s * P[n - 1][m] - model.k[n][m] * p2;
                dP[n][m] = s * dP[n - 1][m] - c * P[n - 1][m] - model.k[n][m] * dp2;
            }
            const double gh = model.g[n][m] * cosM[m] + model.h[n][m] * sinM[m];
            sz += P[n][m] * gh;
            sx += dP[n][m] * gh;
            sy += m * P[n][m] * (model.g[n][m] * sinM[m] - model.h[n][m] * cosM[m]);
        }
        Z += an * (n + 1) * sz;
        X -= an * sx;
        Y += an * sy;
    }
    const double yc = Y / c;
    const double H = std::sqrt(X * X + yc * yc);
    return {std::atan2(Z, H), 2.8 * std::sqrt(H * H + Z * Z)};
}

double Modip(double dip, double lat) {
    return std::atan(dip / std::sqrt(std::max(std::cos(lat), 1e-12)));
}

} // namespace p533

#include "p533/MagneticField.h"

#include <algorithm>

namespace p533 {

MagneticField FieldAt(const MagneticModel& model, LatLon p, double heightKm) {
    const double s = std::sin(p.lat);
    const double c = std::max(std::cos(p.lat), 1e-9);
    const double a = kEarthRadiusKm / (kEarthRadiusKm + heightKm);
    // cos mλ and sin mλ by the angle-sum recurrence from cos λ and sin λ.
    double cosM[7], sinM[7];
    cosM[0] = 1.0;
    sinM[0] = 0.0;
    cosM[1] = std::cos(p.lon);
    sinM[1] = std::sin(p.lon);
    for (int m = 2; m <= 6; ++m) {
        cosM[m] = cosM[m - 1] * cosM[1] - sinM[m - 1] * sinM[1];
        sinM[m] = sinM[m - 1] * cosM[1] + cosM[m - 1] * sinM[1];
    }
    // Gauss-normalised associated Legendre functions P(n, m) and their latitude
    // derivatives, row by row: `prev` holds row n − 1 and `prev2` row n − 2.
    double prev[7] = {1.0}, dPrev[7] = {0.0}, prev2[7] = {}, dPrev2[7] = {};
    double X = 0.0, Y = 0.0, Z = 0.0;
    double an = a * a; // a^(n+2) for n = 0
    for (int n = 1; n <= 6; ++n) {
        an *= a;
        double row[7], dRow[7];
        for (int m = 0; m < n; ++m) {
            if (n == 1) {
                row[0] = s;
                dRow[0] = -c;
            } else {
                const double k = model.k[n][m];
                row[m] = s * prev[m] - k * prev2[m];
                dRow[m] = s * dPrev[m] - c * prev[m] - k * dPrev2[m];
            }
        }
        row[n] = c * prev[n - 1];
        dRow[n] = c * dPrev[n - 1] + s * prev[n - 1];
        double sx = 0.0, sy = 0.0, sz = 0.0;
        for (int m = 0; m <= n; ++m) {
            const double g = model.g[n][m], h = model.h[n][m];
            const double gh = g * cosM[m] + h * sinM[m];
            sz += row[m] * gh;
            sx += dRow[m] * gh;
            sy += m * row[m] * (g * sinM[m] - h * cosM[m]);
        }
        Z += an * (n + 1) * sz;
        X -= an * sx;
        Y += an * sy;
        for (int m = 0; m <= n; ++m) {
            prev2[m] = prev[m];
            dPrev2[m] = dPrev[m];
            prev[m] = row[m];
            dPrev[m] = dRow[m];
        }
        prev2[n] = 0.0; // P(n−1, n) does not exist
        dPrev2[n] = 0.0;
    }
    const double yc = Y / c;
    const double H = std::sqrt(X * X + yc * yc);
    return {std::atan2(Z, H), 2.8 * std::sqrt(H * H + Z * Z)};
}

double Modip(double dip, double lat) {
    return std::atan(dip / std::sqrt(std::max(std::cos(lat), 1e-12)));
}

} // namespace p533

#include "engine/F2LayerTables.h"

#include <algorithm>
#include <cmath>

#include "core/Constants.h"
#include "core/Numeric.h"

namespace {

CosineTableSet BuildCosineTables() {
    CosineTableSet tables;
    constexpr int kPowers[3] = {16, 32, 64};
    for (int k = 0; k <= 90; ++k) {
        const double c = std::cos(k * kRadPerDeg);
        tables.cosine[k] = static_cast<std::uint16_t>(RoundHalfEven(65535.0 * c));
        for (int row = 0; row < 3; ++row)
            tables.powers[row][k] =
                static_cast<std::uint16_t>(RoundHalfEven(65535.0 * std::pow(c, kPowers[row])));
    }
    tables.cosine[91] = tables.cosine[90];
    for (auto& row : tables.powers)
        row[91] = row[90];
    return tables;
}

// Linear interpolation between whole degrees, the argument folded to |x| and kept
// inside the 92 entries.
double Interpolate(const std::array<std::uint16_t, 92>& table, double xDeg) {
    const double x = std::fabs(xDeg);
    if (!(x < 91.0))
        return table[91] / 65535.0;
    const int i = static_cast<int>(x);
    const double fraction = x - i;
    return (table[i] - fraction * (table[i] - table[i + 1])) / 65535.0;
}

} // namespace

const CosineTableSet& CosineTables() {
    static const CosineTableSet tables = BuildCosineTables();
    return tables;
}

double CosineOf(double xDeg) {
    return Interpolate(CosineTables().cosine, xDeg);
}

double CosinePower(int n, double xDeg) {
    const int row = n == 64 ? 2 : (n == 32 ? 1 : 0);
    return Interpolate(CosineTables().powers[row], xDeg);
}

float MaxMagneticLatitude() {
    static const float value = [] {
        double largest = 0.0;
        for (int i = 0; i < 36; ++i)
            largest = std::max(largest, static_cast<double>(std::fabs(DipEquatorTable[i])));
        return static_cast<float>(90.0 - largest);
    }();
    return value;
}

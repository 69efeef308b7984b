#include "p533/Reliability.h"

#include "p533/Units.h"

#include <algorithm>
#include <cmath>

namespace p533 {

double NormalQuantile(double p) {
    p = std::clamp(p, 1e-15, 1.0 - 1e-15);
    // A first guess from a logistic fit, then Newton steps on Φ(z) = ½·erfc(−z/√2).
    double z = std::log(p / (1.0 - p)) / 1.702;
    for (int i = 0; i < 40; ++i) {
        const double f = 0.5 * std::erfc(-z / std::sqrt(2.0)) - p;
        const double density = std::exp(-0.5 * z * z) / std::sqrt(kTwoPi);
        if (density < 1e-300)
            break;
        const double step = f / density;
        z -= std::clamp(step, -1.0, 1.0);
        if (std::abs(step) < 1e-13)
            break;
    }
    return z;
}

SignalDeciles SignalDayToDay(double freqRatio, bool highLatitude) {
    static constexpr double kBounds[9] = {0.8, 1.0, 1.2, 1.4, 1.6, 1.8, 2.0, 3.0, 4.0};
    static constexpr double kLower[2][10] = {{8, 12, 13, 10, 8, 8, 8, 7, 6, 5},
                                             {11, 16, 17, 13, 11, 11, 11, 9, 8, 7}};
    static constexpr double kUpper[2][10] = {{6, 8, 12, 13, 12, 9, 9, 8, 7, 7},
                                             {9, 11, 12, 13, 12, 9, 9, 8, 7, 7}};
    int column = 0;
    while (column < 9 && freqRatio > kBounds[column])
        ++column;
    const int row = highLatitude ? 1 : 0;
    return {kUpper[row][column], kLower[row][column]};
}

SignalDeciles SnrDeviations(const SignalDeciles& signal, const NoiseSource& atmospheric,
                            const NoiseSource& manMade, const NoiseSource& galactic) {
    double n = 0.0, nLow = 0.0, nHigh = 0.0;
    for (const NoiseSource* s : {&atmospheric, &manMade, &galactic}) {
        n += std::pow(10.0, s->medianDb / 10.0);
        nLow += std::pow(10.0, (s->medianDb - s->lowerDecileDb) / 10.0);
        nHigh += std::pow(10.0, (s->medianDb + s->upperDecileDb) / 10.0);
    }
    const double below = 10.0 * std::log10(n / nLow);
    const double above = 10.0 * std::log10(nHigh / n);
    return {std::sqrt(below * below + signal.upper * signal.upper + 25.0),
            std::sqrt(above * above + signal.lower * signal.lower + 64.0)};
}

double SnrExceeded(double snr, const SignalDeciles& deviation, double percent) {
    constexpr double scale = 1.2816; // z(0.9)
    if (percent < 50.0)
        return snr + deviation.upper * NormalQuantile(1.0 - percent / 100.0) / scale;
    return snr - deviation.lower * NormalQuantile(percent / 100.0) / scale;
}

double CircuitReliability(double snr, double requiredSnr, const SignalDeciles& deviation) {
    if (snr >= requiredSnr)
        return std::min(130.0 - 80.0 / (1.0 + (snr - requiredSnr) / deviation.lower), 100.0);
    return std::max(80.0 / (1.0 + (requiredSnr - snr) / deviation.upper) - 30.0, 0.0);
}

} // namespace p533

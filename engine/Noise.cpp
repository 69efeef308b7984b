#include <cmath>

#include "engine/Propagation.h"

double NoiseLevel(double freqMHz, double mufMHz, const NoiseTerms& noise) {
    double n = noise.NoiseConstant - noise.NoiseSlope * std::log10(freqMHz / 3.0);
    if (freqMHz > mufMHz) {
        const double galactic = -165.0 - 9.555 * std::log(freqMHz / 3.0);
        n = 10.0 * std::log10(std::pow(10.0, n / 10.0) + std::pow(10.0, galactic / 10.0));
    }
    return n + noise.BandwidthDb + 149.0308999;
}

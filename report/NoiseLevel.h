#pragma once

#include "settings/Settings.h"

/// The noise terms a signal-to-noise ratio needs, as DeriveSettings leaves them.
struct NoiseTerms {
    double NoiseConstant = 0.0; ///< man-made noise at 3 MHz, dB
    double NoiseSlope = 0.0;    ///< dB per decade of frequency
    double BandwidthDb = 0.0;   ///< 10·log10(bandwidth in Hz)
};

/// The noise terms of the settings.
NoiseTerms NoiseTermsOf(const Settings& settings);

/// The noise level subtracted from a signal level (dB above 0.5 µV) to give the
/// signal-to-noise ratio, for a frequency `freqMHz` (> 0) and the path MUF of the
/// half hour `mufMHz`:
///   N = NoiseConstant − NoiseSlope·log10(f/3) (man-made noise);
///   above the MUF the galactic noise G = −165 − 9.555·ln(f/3) is added in power,
///   N = 10·log10(10^(N/10) + 10^(G/10));
///   result N + BandwidthDb + 149.0308999 (dBW in the bandwidth → dB above 0.5 µV).
double NoiseLevel(double freqMHz, double mufMHz, const NoiseTerms& noise);

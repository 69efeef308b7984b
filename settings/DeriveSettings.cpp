#include "settings/Settings.h"

#include "core/Numeric.h"
#include "core/Syntax.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// The value of a number text of the settings ("14.1", "-6.0"; "." separator in every
// locale, outer blanks ignored); 0 when the text is empty or not a number.
double TextValue(const std::string& text) {
    return ParseDecimal(TrimBlanks(text), true).value_or(0.0);
}

} // namespace

Settings FactorySettings() {
    Settings s;
    s.NoiseEnvironment = kNoiseResidential;
    s.NoiseBandwidthText = "1";
    s.ShowZeroAvailability = false;
    s.MinRadiationAngleText = "1.5";
    s.SuppressionThreshold = 1;
    s.FrequencyCount = 5;
    const char* factoryFrequencies[] = {"3.6", "7.1", "14.1", "21.2", "28.3"};
    for (int k = 0; k < 5; ++k)
        s.Frequencies[k] = {factoryFrequencies[k], "0.0"};
    s.SunspotPrimary = false;
    s.UseUtc = true;
    s.ShowSnr = false;
    s.HighResFreqMap = false;
    s.MapUpdateMinutes = 3;
    s.NoDefaultMessageOff = 0;
    DeriveSettings(s);
    return s;
}

void DeriveSettings(Settings& s) {
    s.DefaultDefined = !s.DefaultLatitudeText.empty() && !s.DefaultLongitudeText.empty();

    const int count = std::clamp(s.FrequencyCount, 0, kFrequencySlots);
    for (int k = 0; k < kFrequencySlots; ++k) {
        if (k >= count) {
            s.FrequencyMHz[k] = s.FrequencyTermDb[k] = s.AbsorptionFactor[k] = 0.0f;
            continue;
        }
        const double f = TextValue(s.Frequencies[k].FrequencyText);
        const double c = TextValue(s.Frequencies[k].ConstantText);
        s.FrequencyMHz[k] = static_cast<float>(f);
        s.FrequencyTermDb[k] = static_cast<float>(20.0 * std::log10(f) - c);
        s.AbsorptionFactor[k] = static_cast<float>(143.0 / ((f + 0.904) * (f + 0.904) + 10.0));
    }

    s.MinRadiationAngleDeg = TextValue(s.MinRadiationAngleText);
    s.MinRadiationAngleRad = s.MinRadiationAngleDeg * (std::numbers::pi / 180.0);

    s.NoiseSlope = 27.7f;
    switch (s.NoiseEnvironment) {
    case kNoiseIndustrial:
        s.NoiseConstant = -140.4f;
        break;
    case kNoiseRural:
        s.NoiseConstant = -150.0f;
        break;
    case kNoiseRemote:
        s.NoiseConstant = -163.6f;
        s.NoiseSlope = 28.6f;
        break;
    default:
        s.NoiseConstant = -144.7f;
        break; // residential, also for a value out of range
    }

    // The bandwidth is an integer number of hertz; fractions are dropped.
    const double bandwidthHz = std::trunc(TextValue(s.NoiseBandwidthText));
    s.BandwidthDb = static_cast<float>(10.0 * std::log10(std::max(1.0, bandwidthHz)));

    switch (s.SuppressionThreshold) {
    case 0:
        s.SuppressionLevelDb = 0;
        break;
    case 1:
        s.SuppressionLevelDb = -10;
        break;
    case 2:
        s.SuppressionLevelDb = -20;
        break;
    default:
        s.SuppressionLevelDb = kNoSuppressionDb;
        break;
    }
}

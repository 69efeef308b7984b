#include "settings/Settings.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numbers>

TextNumber ReadTextNumber(const std::string& text) {
    std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    std::size_t last = text.find_last_not_of(' ');
    const char* begin = text.data() + first;
    const char* end = text.data() + last + 1;
    if (*begin == '+')
        ++begin;
    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(begin, end, value, std::chars_format::fixed);
    if (ec != std::errc() || ptr != end || !std::isfinite(value))
        return {};
    return {value, true};
}

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
        const double f = ReadTextNumber(s.Frequencies[k].FrequencyText).value;
        const double c = ReadTextNumber(s.Frequencies[k].ConstantText).value;
        s.FrequencyMHz[k] = static_cast<float>(f);
        s.FrequencyTermDb[k] = static_cast<float>(20.0 * std::log10(f) - c);
        s.AbsorptionFactor[k] = static_cast<float>(143.0 / ((f + 0.904) * (f + 0.904) + 10.0));
    }

    s.MinRadiationAngleDeg = ReadTextNumber(s.MinRadiationAngleText).value;
    s.MinRadiationAngleRad = s.MinRadiationAngleDeg * (std::numbers::pi / 180.0);

    s.NoiseSlope = 27.7f;
    switch (s.NoiseEnvironment) {
    case kNoiseIndustrial: s.NoiseConstant = -140.4f; break;
    case kNoiseRural: s.NoiseConstant = -150.0f; break;
    case kNoiseRemote:
        s.NoiseConstant = -163.6f;
        s.NoiseSlope = 28.6f;
        break;
    default: s.NoiseConstant = -144.7f; break; // residential, also for a value out of range
    }

    // The bandwidth is an integer number of hertz; fractions are dropped.
    const double bandwidthHz = std::trunc(ReadTextNumber(s.NoiseBandwidthText).value);
    s.BandwidthDb = static_cast<float>(10.0 * std::log10(std::max(1.0, bandwidthHz)));

    switch (s.SuppressionThreshold) {
    case 0: s.SuppressionLevelDb = 0; break;
    case 1: s.SuppressionLevelDb = -10; break;
    case 2: s.SuppressionLevelDb = -20; break;
    default: s.SuppressionLevelDb = kNoSuppressionDb; break;
    }
}

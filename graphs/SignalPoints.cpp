// The signals graph's values and its vertical scale.

#include "core/Numeric.h"
#include "graphs/SignalGraph.h"
#include "report/PredictionSetup.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kValueLimitDb = 995.0;

int NearestInt(double x) {
    return static_cast<int>(RoundHalfEven(x));
}

} // namespace

Rgb FrequencyColour(int slot) {
    static constexpr Rgb kColours[kMaxFrequencies] = {
        {128, 0, 128}, {255, 0, 255}, {0, 0, 255}, {128, 128, 0}, {255, 0, 0},
        {0, 128, 128}, {0, 255, 0},   {0, 128, 0}, {0, 255, 255}, {128, 0, 0}};
    return kColours[((slot % kMaxFrequencies) + kMaxFrequencies) % kMaxFrequencies];
}

SignalGraphData SignalGraphDataOf(const PredictionResult& result, PathKind kind,
                                  const Settings& settings, const TimeZoneState& zone,
                                  bool showSignalLevels) {
    SignalGraphData data;
    data.path = &result.Paths[static_cast<int>(kind)];
    data.frequencyCount = std::clamp(result.FrequencyCount, 0, kMaxFrequencies);
    data.frequencyMHz = result.FrequencyMHz;
    data.frequencyTexts = FrequencyTexts(settings);
    data.utcOffsetDays = zone.UtcOffset;
    data.timeLabel = zone.TimeZoneLabel;
    data.kind = kind;
    data.rules = TableRulesOf(settings, showSignalLevels);
    return data;
}

char MarkerLetter(float reliability) {
    const char letter = AvailabilityLetter(reliability);
    return letter == ' ' ? '0' : letter;
}

SignalPoints BuildSignalPoints(const SignalGraphData& data) {
    SignalPoints points;
    static const PathResult kEmptyPath{};
    const PathResult& path = data.path ? *data.path : kEmptyPath;
    const TableRules& rules = data.rules;
    const int count = std::clamp(data.frequencyCount, 0, kMaxFrequencies);
    for (int n = 0; n < count; ++n) {
        SignalSeries series;
        series.slot = n;
        series.colour = FrequencyColour(n);
        const std::string text =
            n < static_cast<int>(data.frequencyTexts.size()) ? data.frequencyTexts[n] : "";
        series.label = text + " MHz";
        for (int k = 0; k <= kHalfHours; ++k) {
            const int i = DisplayedSlot(k % kHalfHours, data.utcOffsetDays);
            const float signal = path.Signal[i][n];
            const float reliability = path.Reliability[i][n];
            if (signal != kNoModeSignal)
                points.anyMode = true;
            if (!(signal >= static_cast<float>(rules.suppressionLevelDb)))
                continue;
            if (!rules.showZeroAvailability && !(RoundToShown(reliability, 2) > 0.0))
                continue;
            double value = signal;
            if (!rules.showSignalLevels)
                value -= NoiseLevel(data.frequencyMHz[n], path.Muf[i], rules.noise);
            if (!(value > -kValueLimitDb && value < kValueLimitDb))
                continue;
            series.shown[k] = true;
            series.value[k] = value;
            series.letter[k] = MarkerLetter(reliability);
            points.minDb = points.anyShown ? std::min(points.minDb, value) : value;
            points.maxDb = points.anyShown ? std::max(points.maxDb, value) : value;
            points.anyShown = true;
        }
        points.series.push_back(std::move(series));
    }
    return points;
}

SignalScale ComputeSignalScale(double minDb, double maxDb) {
    minDb = std::clamp(minDb, -kValueLimitDb, kValueLimitDb);
    maxDb = std::clamp(maxDb, minDb, kValueLimitDb);
    int top = 5 * NearestInt(maxDb / 5);
    if (top <= maxDb)
        top += 5;
    int bottom = top;
    while (!(bottom < minDb && (top - bottom) % 7 == 0))
        bottom -= 5;
    const int top0 = top;
    int bottom0 = bottom;
    int step = (top - bottom) / 35;
    // Each pass moves the scale up by 5 dB; within 'step' passes the top reaches a
    // multiple of 5·step, and a scale that loses the minimum is widened, so the loop
    // ends. The bound only guards against a value it was not meant for.
    for (int pass = 0; pass < 100000; ++pass) {
        if (top % (5 * step) == 0 && NearestInt(maxDb / step) * step < top)
            break;
        top += 5;
        bottom += 5;
        if (bottom >= minDb) {
            bottom0 -= 35;
            step += 1;
            top = top0;
            bottom = bottom0;
        }
    }
    const int g = 5 * step;
    if (top - maxDb < g / 2.0 && minDb - bottom > 1.2 * g) {
        top += g;
        bottom += g;
    }
    while (top >= 996)
        top -= 5;
    while (bottom < -995)
        bottom += 5;
    return {top, bottom, step};
}

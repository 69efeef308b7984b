#include "freqmap/FreqMapValues.h"

#include <algorithm>
#include <numbers>

#include "core/Numeric.h"

namespace {

constexpr int kMostSlots = 7;
constexpr const char* kBuiltInFrequencies[] = {"28.3", "21.2", "18.1", "14.1",
                                               "10.1", "7.1",  "3.5"};

float TextMHz(const std::string& text) {
    return static_cast<float>(ParseDecimal(text, false).value_or(0.0));
}

} // namespace

FreqMapSlots MakeFreqMapSlots(const Settings& settings) {
    FreqMapSlots slots;
    const int n = std::clamp(settings.FrequencyCount, 0, kFrequencySlots);
    if (n > 0) {
        slots.fromUserList = true;
        for (int k = n - 1; k >= std::max(0, n - kMostSlots); --k)
            slots.texts.push_back(settings.Frequencies[k].FrequencyText);
        for (int k = 0; k < n - kMostSlots; ++k)
            slots.leftOut.push_back(settings.Frequencies[k].FrequencyText);
    } else {
        slots.texts.assign(std::begin(kBuiltInFrequencies), std::end(kBuiltInFrequencies));
    }
    for (const std::string& text : slots.texts)
        slots.mhz.push_back(TextMHz(text));
    return slots;
}

int FreqMapClass(const FreqMapSlots& slots, float mufMHz) {
    for (int g = 0; g < slots.count(); ++g)
        if (slots.mhz[g] <= mufMHz)
            return g + 1;
    return slots.classCount();
}

std::vector<PointPath> PrepareFreqMapPaths(const StationConditions& conditions,
                                           const std::vector<FreqMapCell>& cells) {
    std::vector<PointPath> paths;
    paths.reserve(cells.size());
    for (const FreqMapCell& cell : cells)
        paths.emplace_back(conditions, cell.centreLatDeg * std::numbers::pi / 180.0,
                           cell.centreLonDeg * std::numbers::pi / 180.0);
    return paths;
}

std::vector<int> FreqMapClasses(const FreqMapSlots& slots, const std::vector<float>& mufs) {
    std::vector<int> classes(mufs.size());
    for (std::size_t n = 0; n < mufs.size(); ++n)
        classes[n] = FreqMapClass(slots, mufs[n]);
    return classes;
}

std::vector<FreqMapValuesAt> ComputeFreqMapValues(const StationConditions& conditions,
                                                  const FreqMapSlots& slots,
                                                  const std::vector<FreqMapCell>& cells,
                                                  const std::vector<double>& utHours) {
    std::vector<FreqMapValuesAt> values;
    if (utHours.size() == 1) {
        // One instant: each path is used once, right after it is prepared.
        FreqMapValuesAt& at = values.emplace_back();
        at.utHours = utHours.front();
        at.mufs.resize(cells.size());
        for (std::size_t n = 0; n < cells.size(); ++n)
            at.mufs[n] = PointPath(conditions, cells[n].centreLatDeg * std::numbers::pi / 180.0,
                                   cells[n].centreLonDeg * std::numbers::pi / 180.0)
                             .Muf(static_cast<float>(at.utHours));
        at.classes = FreqMapClasses(slots, at.mufs);
        return values;
    }
    const std::vector<PointPath> paths = PrepareFreqMapPaths(conditions, cells);
    values.reserve(utHours.size());
    for (double t : utHours) {
        FreqMapValuesAt& at = values.emplace_back();
        at.utHours = t;
        at.mufs.resize(paths.size());
        for (std::size_t n = 0; n < paths.size(); ++n)
            at.mufs[n] = paths[n].Muf(static_cast<float>(t));
        at.classes = FreqMapClasses(slots, at.mufs);
    }
    return values;
}

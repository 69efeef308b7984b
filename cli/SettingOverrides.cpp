#include "cli/SettingOverrides.h"

#include "core/Numeric.h"

#include <algorithm>
#include <cctype>
#include <cmath>

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

namespace {

std::vector<std::string> SplitList(const std::string& text) {
    std::vector<std::string> items;
    if (text.empty())
        return items;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = text.find(',', start);
        std::string item =
            text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        item.erase(0, item.find_first_not_of(' '));
        item.erase(item.find_last_not_of(' ') + 1);
        items.push_back(item);
        if (comma == std::string::npos)
            return items;
        start = comma + 1;
    }
}

// A bound as the entry fields write it: whole numbers without decimals.
std::string BoundText(double bound) {
    return FormatFixed(bound, 0, bound == std::trunc(bound) ? 0 : 1);
}

/// The check of a real entry field with one decimal: the value rounded to one decimal
/// must lie within the bounds; the text becomes the value with one decimal.
std::optional<std::string> CheckReal(const std::string& text, double min, double max,
                                     std::string& error) {
    const std::optional<double> value = ParseDecimal(text, true);
    const double shown = value ? RoundToShown(*value, 1) : 0.0;
    if (!value || shown < RoundToShown(min, 1) || shown > RoundToShown(max, 1)) {
        error = "Please enter a value between " + BoundText(min) + " and " + BoundText(max) + ".";
        return std::nullopt;
    }
    return FormatFixed(shown, 0, 1);
}

/// The check of an integer entry field.
std::optional<int> CheckInteger(const std::string& text, int min, int max, std::string& error) {
    const std::optional<double> value = ParseDecimal(text, true);
    if (!value || *value < min || *value > max) {
        error = "Please enter a value between " + std::to_string(min) + " and " +
                std::to_string(max) + ".";
        return std::nullopt;
    }
    return static_cast<int>(*value);
}

} // namespace

SettingOverrides TakeOverrides(ArgList& args) {
    SettingOverrides o;
    o.freqs = args.Value("freqs");
    o.constants = args.Value("constants");
    o.minAngle = args.Value("min-angle");
    o.bandwidth = args.Value("bandwidth");
    o.noise = args.Value("noise");
    o.suppression = args.Value("suppression");
    o.showZero = args.Flag("show-zero");
    o.hideZero = args.Flag("hide-zero");
    o.snr = args.Flag("snr");
    o.signal = args.Flag("signal");
    return o;
}

/// The frequency list from --freqs and --constants, in ascending order.
static std::optional<ArgFailure> ApplyFrequencies(const SettingOverrides& o, Settings& s) {
    std::vector<FrequencyEntry> entries;
    std::string error;
    if (o.freqs) {
        for (const std::string& text : SplitList(*o.freqs)) {
            const std::optional<std::string> freq = CheckReal(text, 3.0, 30.0, error);
            if (!freq)
                return ArgFailure{"--freqs '" + text + "': " + error, 1};
            for (const FrequencyEntry& e : entries)
                if (e.FrequencyText == *freq)
                    return ArgFailure{text + " MHz is a duplicate frequency", 1};
            entries.push_back({*freq, "0.0"});
        }
        if (entries.size() > static_cast<std::size_t>(kFrequencySlots))
            return ArgFailure{"--freqs: at most 10 frequencies can be given", 1};
    } else {
        entries.assign(s.Frequencies.begin(),
                       s.Frequencies.begin() + std::clamp(s.FrequencyCount, 0, kFrequencySlots));
    }
    if (o.constants) {
        const std::vector<std::string> texts = SplitList(*o.constants);
        if (texts.size() != entries.size())
            return ArgFailure{"--constants: give one constant for each of the " +
                                  std::to_string(entries.size()) + " frequencies",
                              1};
        for (std::size_t k = 0; k < texts.size(); ++k) {
            const std::optional<std::string> constant = CheckReal(texts[k], -99.9, 100.0, error);
            if (!constant)
                return ArgFailure{"--constants '" + texts[k] + "': " + error, 1};
            entries[k].ConstantText = *constant;
        }
    }
    std::stable_sort(entries.begin(), entries.end(),
                     [](const FrequencyEntry& x, const FrequencyEntry& y) {
                         return ParseDecimal(x.FrequencyText, false).value_or(0) <
                                ParseDecimal(y.FrequencyText, false).value_or(0);
                     });
    s.FrequencyCount = static_cast<int>(entries.size());
    s.Frequencies = {};
    std::copy(entries.begin(), entries.end(), s.Frequencies.begin());
    return std::nullopt;
}

std::optional<ArgFailure> ApplyOverrides(const SettingOverrides& o, Settings& s) {
    if (o.showZero && o.hideZero)
        return ArgFailure{"give only one of --show-zero and --hide-zero", 2};
    if (o.snr && o.signal)
        return ArgFailure{"give only one of --snr and --signal", 2};
    if (o.freqs || o.constants)
        if (auto failure = ApplyFrequencies(o, s))
            return failure;
    std::string error;
    if (o.minAngle) {
        const std::optional<std::string> angle = CheckReal(*o.minAngle, 0.0, 45.0, error);
        if (!angle)
            return ArgFailure{"--min-angle '" + *o.minAngle + "': " + error, 1};
        s.MinRadiationAngleText = *angle;
    }
    if (o.bandwidth) {
        const std::optional<int> hz = CheckInteger(*o.bandwidth, 1, 20000, error);
        if (!hz)
            return ArgFailure{"--bandwidth '" + *o.bandwidth + "': " + error, 1};
        s.NoiseBandwidthText = std::to_string(*hz);
    }
    if (o.noise) {
        static const char* const names[] = {"industrial", "residential", "rural", "remote"};
        const auto found = std::find(std::begin(names), std::end(names), Lower(*o.noise));
        if (found == std::end(names))
            return ArgFailure{"--noise must be industrial, residential, rural or remote", 2};
        s.NoiseEnvironment = static_cast<int>(found - std::begin(names));
    }
    if (o.suppression) {
        static const char* const levels[] = {"0", "-10", "-20", "none"};
        const auto found = std::find(std::begin(levels), std::end(levels), Lower(*o.suppression));
        if (found == std::end(levels))
            return ArgFailure{"--suppression must be 0, -10, -20 or none", 2};
        s.SuppressionThreshold = static_cast<int>(found - std::begin(levels));
    }
    if (o.showZero || o.hideZero)
        s.ShowZeroAvailability = o.showZero;
    if (o.snr || o.signal)
        s.ShowSnr = o.snr;
    DeriveSettings(s);
    return std::nullopt;
}

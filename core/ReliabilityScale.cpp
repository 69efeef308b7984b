#include "core/ReliabilityScale.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

struct Stop {
    double percent;
    ScaleColour colour;
};

constexpr Stop kStops[] = {{1, {215, 48, 39}},
                           {35, {252, 141, 89}},
                           {60, {254, 224, 139}},
                           {80, {145, 207, 96}},
                           {100, {26, 152, 80}}};

std::uint8_t Mix(std::uint8_t a, std::uint8_t b, double t) {
    return static_cast<std::uint8_t>(std::lround(a + (b - a) * t));
}

} // namespace

ScaleColour ReliabilityScaleColour(double percent) {
    const double p = std::clamp(std::isnan(percent) ? 0.0 : percent, 1.0, 100.0);
    for (std::size_t i = 1; i < std::size(kStops); ++i)
        if (p <= kStops[i].percent) {
            const Stop& a = kStops[i - 1];
            const Stop& b = kStops[i];
            const double t = (p - a.percent) / (b.percent - a.percent);
            return {Mix(a.colour.r, b.colour.r, t), Mix(a.colour.g, b.colour.g, t),
                    Mix(a.colour.b, b.colour.b, t)};
        }
    return kStops[std::size(kStops) - 1].colour;
}

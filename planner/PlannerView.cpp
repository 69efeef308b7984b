#include "planner/PlannerView.h"

#include "core/Numeric.h"
#include "report/PredictionTable.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <tuple>

namespace {

std::string Lowered(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

} // namespace

std::string StripText(const PlannerBand& band, double utcOffsetDays) {
    std::string strip(kHalfHours, '.');
    for (int k = 0; k < kHalfHours; ++k) {
        const int j = DisplayedSlot(k, utcOffsetDays);
        const char letter = band.letter[j];
        if (letter != ' ')
            strip[k] = band.open[j]
                           ? letter
                           : static_cast<char>(std::tolower(static_cast<unsigned char>(letter)));
    }
    return strip;
}

std::vector<float> StripReliability(const PlannerBand& band, double utcOffsetDays) {
    std::vector<float> strip(kHalfHours, -1.0f);
    for (int k = 0; k < kHalfHours; ++k) {
        const int j = DisplayedSlot(k, utcOffsetDays);
        if (band.shown[j])
            strip[k] = 100.0f * band.reliability[j];
    }
    return strip;
}

int DisplayedHalfHour(double utcNowDays, double utcOffsetDays) {
    const double shown = utcNowDays - utcOffsetDays;
    return SlotOfUtcHours((shown - std::floor(shown)) * 24.0);
}

std::string PlannerCellText(const PlannerRow& row, int column, int utcSlotNow) {
    switch (column) {
    case kPlannerPrefixColumn:
        return row.place.Prefix;
    case kPlannerNameColumn:
        return row.place.Name;
    case kPlannerDistanceColumn:
        return FormatFixed(row.distanceKm, 0, 0);
    case kPlannerBearingColumn:
        return FormatFixed(row.bearingDeg, 0, 1);
    case kPlannerPathColumn:
        return row.kind == PathKind::Short ? "Short" : "Long";
    case kPlannerBestNowColumn: {
        const int best = BestBandAt(row, utcSlotNow);
        if (best < 0)
            return "-";
        const PlannerBand& band = row.bands[best];
        return band.freqText + " (" + FormatFixed(band.reliability[utcSlotNow], 0, 2) + ")";
    }
    default:
        return {};
    }
}

bool PlannerLess(const PlannerRow& a, const PlannerRow& b, int column, int utcSlotNow) {
    switch (column) {
    case kPlannerPrefixColumn:
        return a.place.Prefix < b.place.Prefix;
    case kPlannerNameColumn:
        return Lowered(a.place.Name) < Lowered(b.place.Name);
    case kPlannerDistanceColumn:
        return a.distanceKm < b.distanceKm;
    case kPlannerBearingColumn:
        return a.bearingDeg < b.bearingDeg;
    case kPlannerPathColumn:
        return a.kind < b.kind;
    case kPlannerBestNowColumn:
        return BestReliabilityAt(a, utcSlotNow) < BestReliabilityAt(b, utcSlotNow);
    default: {
        const std::size_t n = static_cast<std::size_t>(column - kPlannerBandColumn);
        if (n >= a.bands.size() || n >= b.bands.size())
            return false;
        const PlannerBand& x = a.bands[n];
        const PlannerBand& y = b.bands[n];
        return std::tuple(x.openCount, x.reliability[utcSlotNow]) <
               std::tuple(y.openCount, y.reliability[utcSlotNow]);
    }
    }
}

bool PlannerRowMatches(const PlannerRow& row, const std::string& filter) {
    if (filter.empty())
        return true;
    const std::string key = Lowered(filter);
    return Lowered(row.place.Prefix).find(key) != std::string::npos ||
           Lowered(row.place.Name).find(key) != std::string::npos;
}

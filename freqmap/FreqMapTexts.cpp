#include "freqmap/FreqMapTexts.h"

#include <cstdint>

#include "core/Numeric.h"
#include "core/PathText.h"

namespace {

// Eight 8 × 8 patterns: word k is column k, bit l of its low byte row l.
constexpr std::uint16_t kPatterns[8][8] = {
    {0x00FF, 0x00FF, 0x00FF, 0x00FF, 0x00FF, 0x00FF, 0x00FF, 0x00FF},
    {0x00AA, 0x0055, 0x00AA, 0x0055, 0x00AA, 0x0055, 0x00AA, 0x0055},
    {0x0088, 0x0022, 0x0088, 0x0022, 0x0088, 0x0022, 0x0088, 0x0022},
    {0x0080, 0x0010, 0x0002, 0x0040, 0x0008, 0x0001, 0x0020, 0x0004},
    {0x0080, 0x0000, 0x0008, 0x0000, 0x0080, 0x0000, 0x0008, 0x0000},
    {0x0080, 0x0000, 0x0000, 0x0000, 0x0008, 0x0000, 0x0000, 0x0000},
    {0x0000, 0x0000, 0x0000, 0x0010, 0x0000, 0x0000, 0x0000, 0x0000},
    {0x0000, 0x0000, 0x0000, 0x0000, 0x0000, 0x0000, 0x0000, 0x0000},
};

bool SingleUserFrequency(const FreqMapSlots& slots) {
    return slots.fromUserList && slots.count() == 1;
}

std::string LowestFrequency(const FreqMapSlots& slots) {
    return slots.texts.empty() ? std::string() : slots.texts.back();
}

} // namespace

std::array<std::string, 2> FreqMapTopText(const FreqMapSlots& slots) {
    if (SingleUserFrequency(slots))
        return {"Your frequency is shown in each area of the world for which",
                "the frequency is less than the short-path MUF to that area"};
    return {"The frequency indicated in each area of the world is the highest",
            "available frequency that is less than the short-path MUF to that area"};
}

std::string FreqMapLeftOutNote(const FreqMapSlots& slots) {
    const std::size_t left = slots.leftOut.size();
    if (left == 0)
        return {};
    std::string list;
    for (std::size_t i = 0; i < left; ++i)
        list += (i == 0 ? "" : i + 1 == left ? " and " : ", ") + slots.leftOut[i];
    return "The map shows " + std::to_string(slots.count()) + " frequencies: " + list +
           " MHz (the first " + std::to_string(left) + " of your " +
           std::to_string(left + slots.texts.size()) + ") " + (left == 1 ? "is" : "are") +
           " left out";
}

std::string FreqMapLegendTitle(const FreqMapSlots& slots) {
    return SingleUserFrequency(slots) ? "Frequency in MHz" : "Available Frequencies (MHz)";
}

std::string FreqMapLegendLabel(const FreqMapSlots& slots, int klass) {
    if (klass >= 1 && klass <= slots.count())
        return slots.texts[klass - 1];
    return "< " + LowestFrequency(slots);
}

std::string FreqMapReadout(const FreqMapSlots& slots, int klass, std::optional<double> mufMHz) {
    std::string text = FreqMapLegendLabel(slots, klass) + " MHz";
    if (mufMHz)
        text += ", MUF " + FormatFixed(*mufMHz, 0, 1) + " MHz";
    return text;
}

int FreqMapPatternOf(const FreqMapSlots& slots, int klass) {
    if (klass < 1 || klass > slots.count())
        return 8;
    const bool spread = slots.fromUserList && slots.count() <= 4;
    return spread ? 2 * klass - 1 : klass;
}

bool FreqMapPatternLit(int pattern, int x, int y) {
    if (pattern < 1 || pattern > 8)
        return false;
    const std::uint16_t word = kPatterns[pattern - 1][x & 7];
    return (word >> (y & 7)) & 1u;
}

std::vector<InfoRow> FreqMapInfoRows(const Terminal& a, DateValue date, float ssn, float flux,
                                     const std::string& kIndexText, const SolarPosition& sun,
                                     const TimeZoneState& zone, const DateConventions& dates) {
    return {
        {0, "From", a.Name},
        {1, "Latitude", FormatCoordinate(CoordinateKind::Latitude, a.LatitudeDeg)},
        {2, "Longitude", FormatCoordinate(CoordinateKind::Longitude, a.LongitudeDeg)},
        {4, "Date", FormatDateText(false, date, dates)},
        {5, "Sunrise",
         SunEventTime(SunEvent::Sunrise, a.SinLatitude, a.CosLatitude, a.LongitudeDeg, sun, zone)},
        {6, "Sunset",
         SunEventTime(SunEvent::Sunset, a.SinLatitude, a.CosLatitude, a.LongitudeDeg, sun, zone)},
        {8, "Sunspot Number", FormatFixed(ssn, 6, 1)},
        {9, "Solar Flux", FormatFixed(flux, 6, 1)},
        {10, "K Index", KIndexShown(kIndexText)},
    };
}

#include "freqmap/FreqMapSheet.h"

#include "core/PathText.h"
#include "freqmap/FreqMapTexts.h"
#include "maps/MapSheet.h"

namespace {

// The map's own colours: a lit dot of a pattern is cyan on black.
constexpr Rgb kLitDot = 0x00FFFF;

} // namespace

std::vector<std::string> FreqMapSheetTitle(const FreqMapSheetFacts& facts,
                                           const FreqMapSlots& slots) {
    const Terminal& a = facts.station;
    std::string from = "From ";
    if (!a.Name.empty())
        from += a.Name + " (";
    from += FormatCoordinate(CoordinateKind::Latitude, a.LatitudeDeg) + " " +
            FormatCoordinate(CoordinateKind::Longitude, a.LongitudeDeg);
    if (!a.Name.empty())
        from += ")";
    const std::string k = facts.kIndexText.empty() ? std::string("average") : facts.kIndexText;
    return {"Frequency map (classic engine)   " + from + "   solar " + facts.solarIndexText +
                "   K " + k,
            facts.dateText + "   " + facts.utcText + " " + facts.zoneLabel + "   " +
                FreqMapLegendTitle(slots)};
}

PixelBuffer DrawFreqMapSheet(const PixelBuffer& mapImage, const std::vector<std::string>& title,
                             const FreqMapSlots& slots) {
    std::vector<std::string> texts;
    for (int klass = 1; klass <= slots.classCount(); ++klass)
        texts.push_back(FreqMapLegendLabel(slots, klass));
    return DrawMapSheet(
        mapImage, title, texts, [&slots](PixelBuffer& sheet, PixelBox inside, std::size_t i) {
            const int pattern = FreqMapPatternOf(slots, static_cast<int>(i) + 1);
            for (int y = inside.top; y < inside.bottom; ++y)
                for (int x = inside.left; x < inside.right; ++x)
                    sheet.FillBox({x, y, x + 1, y + 1},
                                  FreqMapPatternLit(pattern, x - inside.left, y - inside.top)
                                      ? kLitDot
                                      : kBlack);
        });
}

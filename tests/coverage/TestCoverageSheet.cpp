// The coverage pictures people keep: one set of colours for the cells, the legend and
// the night side, smooth coastlines, and the sheet's title and legend around the map.

#include <gtest/gtest.h>

#include "coverage/CoverageRender.h"
#include "coverage/CoverageSheet.h"
#include "maps/BaseMaps.h"
#include "maps/PixelBuffer.h"

#include <map>

namespace {

CoverageMap TenDegreeMap(int halfHour) {
    Settings settings = FactorySettings();
    DeriveSettings(settings);
    CoverageRequest r;
    r.station = {"<Ins>", "48", "-16", "Vienna"};
    r.date = DateFromCalendar(2026, 12, 21);
    r.solarIndexText = "S120";
    r.band = CoverageBandOf(settings, "14.1").value();
    r.cellDeg = 10;
    r.halfHours = {halfHour};
    return ComputeCoverage(r);
}

struct Rendered {
    PixelBuffer image{1, 1};
    PixelCells pixels;
};

Rendered Render(const CoverageMap& map, CoverageShow show) {
    const CoverageProjection projection{false, {0.0, 0.0}};
    const ImageSize size = CoverageImageSize(projection, 721, 361);
    PixelBuffer base(kRectangularBaseWidth, kRectangularBaseHeight);
    DrawRectangularBaseMap(base, 0.0);
    Rendered r;
    r.pixels = MapPixelsToCells(map.grid, projection, size.width, size.height);
    r.image = PixelBuffer(size.width, size.height);
    CoveragePicture picture;
    picture.map = &map;
    picture.show = show;
    picture.projection = projection;
    picture.pixels = &r.pixels;
    picture.utDate = DateFromCalendar(2026, 12, 21);
    picture.timeText = "1200";
    RenderCoverageMap(r.image, base, picture);
    return r;
}

// True when no channel of `a` is brighter than that of `b`.
bool NoBrighter(Rgb a, Rgb b) {
    for (const int shift : {16, 8, 0})
        if (((a >> shift) & 0xFF) > ((b >> shift) & 0xFF))
            return false;
    return true;
}

struct ShowCase {
    const char* name;
    CoverageShow show;
};

class CoveragePictureColours : public testing::TestWithParam<ShowCase> {};

} // namespace

// Land and sea of a cell take the one colour the legend gives it (grey when closed), by
// day and darkened by night, and the coastlines over them are antialiased, not a hard
// black staircase.
TEST_P(CoveragePictureColours, CellsShowTheirLegendColourOverLandAndSea) {
    const CoverageMap map = TenDegreeMap(24);
    ASSERT_TRUE(map.ok);
    const Rendered r = Render(map, GetParam().show);
    const std::vector<CellTint> tints = CellTints(map, 0, GetParam().show);
    std::map<int, std::map<Rgb, int>> counts;
    for (int y = 0; y < r.image.Height(); ++y)
        for (int x = 0; x < r.image.Width(); ++x)
            if (const int c = r.pixels.At(x, y); c >= 0)
                ++counts[c][r.image.PixelAt(x, y)];
    // Besides its day and night colour a cell shows the grid, the grey line and the
    // coastlines' smooth edges (many shades, each on few pixels); no other colour may
    // cover a tenth of it, as a sea or land of its own colour would.
    int wrongCells = 0;
    int closedCells = 0;
    for (const auto& [cell, colours] : counts) {
        const Rgb day = tints[static_cast<std::size_t>(cell)].Shown();
        int total = 0;
        for (const auto& [colour, n] : colours)
            total += n;
        bool wrong = false;
        for (const auto& [colour, n] : colours)
            if (colour != day && colour != NightColour(day) && colour != kBlack &&
                colour != kGrey && colour != 0xD0D0D0 && n * 10 > total)
                wrong = true;
        closedCells += !tints[static_cast<std::size_t>(cell)].tinted;
        wrongCells += wrong;
    }
    // The Sun, the station and the time label cover a cell each.
    EXPECT_LE(wrongCells, 3) << "cells showing a colour that is not their legend colour";
    if (GetParam().show == CoverageShow::Reliability) {
        EXPECT_GT(closedCells, 0) << "the test wants closed cells too";
    }

    // Pixels between black and their cell's colour: the coastlines' smooth edges.
    int blended = 0;
    for (int y = 0; y < r.image.Height(); ++y)
        for (int x = 0; x < r.image.Width(); ++x) {
            const int c = r.pixels.At(x, y);
            if (c < 0)
                continue;
            const Rgb day = tints[static_cast<std::size_t>(c)].Shown();
            const Rgb p = r.image.PixelAt(x, y);
            if (p != kBlack && p != kGrey && p != day && p != NightColour(day) &&
                NoBrighter(p, day))
                ++blended;
        }
    EXPECT_GT(blended, 500);
}

INSTANTIATE_TEST_SUITE_P(, CoveragePictureColours,
                         testing::Values(ShowCase{"reliability", CoverageShow::Reliability},
                                         ShowCase{"snr", CoverageShow::Snr}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CoverageLegend, NamesTheColoursTheMapShowsAndHowNightLooks) {
    for (const CoverageShow show : {CoverageShow::Reliability, CoverageShow::Snr}) {
        const std::vector<LegendEntry> legend = CoverageLegend(show);
        ASSERT_GE(legend.size(), 3u);
        const LegendEntry& closed = legend[legend.size() - 2];
        EXPECT_EQ(LegendBoxColour(closed), CellTint{}.Shown()) << closed.text;
        EXPECT_EQ(LegendBoxColour(closed), kClosedCellColour);
        EXPECT_TRUE(legend.back().night);
        EXPECT_EQ(legend.back().text, "night side darker");
        for (std::size_t i = 0; i + 1 < legend.size(); ++i)
            EXPECT_FALSE(legend[i].night) << legend[i].text;
    }
    const std::vector<LegendEntry> classes = CoverageLegend(CoverageShow::Reliability);
    const ReliabilityClass order[] = {ReliabilityClass::A, ReliabilityClass::B, ReliabilityClass::C,
                                      ReliabilityClass::D};
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_EQ(LegendBoxColour(classes[i]),
                  (CellTint{ReliabilityColour(order[i]), true}.Shown()));
    EXPECT_EQ(NightColour(0xFFFFFF), 0x8C8C8Cu); // 55 % of 255 = 140
}

namespace {

struct SheetCase {
    const char* name;
    int mapWidth;
    int mapHeight;
    CoverageShow show;
};

class CoverageSheetLayoutCase : public testing::TestWithParam<SheetCase> {};

} // namespace

// Title and legend fit the picture's width at every size, and the sheet holds the map
// 1:1 with the legend's colours under it.
TEST_P(CoverageSheetLayoutCase, TitleAndLegendFitAroundTheMap) {
    const SheetCase& c = GetParam();
    const CoverageMap map = TenDegreeMap(24);
    const std::vector<std::string> title = CoverageSheetTitle(map, "2026-12-21", "1200", c.show);
    ASSERT_EQ(title.size(), 2u);
    EXPECT_NE(title[0].find("14.1 MHz"), std::string::npos) << title[0];
    EXPECT_NE(title[0].find("SSN 120"), std::string::npos) << title[0];
    EXPECT_NE(title[1].find("2026-12-21"), std::string::npos) << title[1];
    EXPECT_NE(title[1].find("1200 UTC"), std::string::npos) << title[1];

    PixelBuffer measure(1, 1);
    const std::vector<LegendEntry> legend = CoverageLegend(c.show);
    const CoverageSheetLayout layout =
        LayOutCoverageSheet(c.mapWidth, c.mapHeight, title, legend, measure);
    if (c.mapWidth >= 200) {
        EXPECT_EQ(layout.width, c.mapWidth + 2 * kCoverageSheetMargin);
    }
    EXPECT_GE(layout.width, c.mapWidth + 2 * kCoverageSheetMargin);
    EXPECT_GE(layout.titleLines.size(), 2u);
    measure.SetFontPixelSize(layout.fontPixels);
    for (const std::string& line : layout.titleLines) {
        if (line.find(' ') != std::string::npos) {
            EXPECT_LE(measure.MeasureText(line).width, layout.width - 2 * kCoverageSheetMargin)
                << line;
        }
    }
    EXPECT_EQ(layout.map.right - layout.map.left, c.mapWidth);
    EXPECT_EQ(layout.map.bottom - layout.map.top, c.mapHeight);
    ASSERT_EQ(layout.legendBoxes.size(), legend.size());
    for (std::size_t i = 0; i < legend.size(); ++i) {
        const PixelBox& b = layout.legendBoxes[i];
        EXPECT_GE(b.top, layout.map.bottom);
        EXPECT_LE(b.bottom, layout.height);
        EXPECT_LE(b.right + 4 + measure.MeasureText(legend[i].text).width, layout.width)
            << legend[i].text;
    }

    PixelBuffer mapImage(c.mapWidth, c.mapHeight);
    mapImage.Fill(0x123456);
    PixelBuffer sheet = DrawCoverageSheet(mapImage, title, c.show);
    EXPECT_EQ(sheet.Width(), layout.width);
    EXPECT_EQ(sheet.Height(), layout.height);
    EXPECT_EQ(sheet.PixelAt(layout.map.left, layout.map.top), 0x123456u);
    EXPECT_EQ(sheet.PixelAt(layout.map.right - 1, layout.map.bottom - 1), 0x123456u);
    EXPECT_EQ(sheet.PixelAt(0, 0), kWhite);
    for (std::size_t i = 0; i < legend.size(); ++i) {
        const PixelBox& b = layout.legendBoxes[i];
        EXPECT_EQ(sheet.PixelAt(b.left, b.top), kBlack) << legend[i].text;
        EXPECT_EQ(sheet.PixelAt(b.left + 1, b.top + 1), LegendBoxColour(legend[i]))
            << legend[i].text;
        if (legend[i].night) {
            EXPECT_EQ(sheet.PixelAt(b.right - 2, b.bottom - 2),
                      NightColour(LegendBoxColour(legend[i])));
        }
    }
    int inked = 0;
    for (int y = 0; y < layout.map.top; ++y)
        for (int x = 0; x < sheet.Width(); ++x)
            inked += sheet.PixelAt(x, y) != kWhite;
    EXPECT_GT(inked, 100) << "the title is drawn";
}

INSTANTIATE_TEST_SUITE_P(
    , CoverageSheetLayoutCase,
    testing::Values(SheetCase{"smallest_rect", 89, 45, CoverageShow::Reliability},
                    SheetCase{"small_gc_snr", 229, 229, CoverageShow::Snr},
                    SheetCase{"default_rect", 1429, 715, CoverageShow::Reliability},
                    SheetCase{"wide_snr", 2401, 1201, CoverageShow::Snr}),
    [](const auto& info) { return std::string(info.param.name); });

// The bearings table's page arithmetic: grids, font size, columns, gaps and the
// order of the entries on the pages, without a printer.

#include "report/BearingsExport.h"
#include "report/BearingsLayout.h"

#include <gtest/gtest.h>

#include <map>

namespace {

// Entry texts that name their own index: "E0001" ... padded to 28 characters.
std::vector<std::string> NumberedEntries(int n) {
    std::vector<std::string> texts;
    for (int i = 1; i <= n; ++i) {
        char id[8];
        std::snprintf(id, sizeof id, "E%04d", i);
        texts.push_back(BearingsEntryText(id, "Somewhere", "123"));
    }
    return texts;
}

// The entry numbers of every table line, page by page, in reading order down each
// column and then across, as the columns are cut by their width and gap.
std::vector<int> ColumnOrder(const BearingsLayout& layout,
                             const std::vector<std::vector<std::string>>& pages) {
    std::vector<int> order;
    for (const std::vector<std::string>& page : pages) {
        std::map<int, std::vector<int>> columns;
        for (std::size_t line = kBearingsHeadingLines; line < page.size(); ++line) {
            const std::string& text = page[line];
            for (int c = 0; c < layout.columns; ++c) {
                const std::size_t at = static_cast<std::size_t>(
                    layout.margin + c * (kBearingsEntryWidth + layout.gap));
                if (at + 5 <= text.size() && text[at] == 'E')
                    columns[c].push_back(std::stoi(text.substr(at + 1, 4)));
            }
        }
        for (const auto& [column, numbers] : columns)
            order.insert(order.end(), numbers.begin(), numbers.end());
    }
    return order;
}

// A fixed-pitch font of 0.6 em per character and 1.13 em per line, at `dpi`.
BearingsFontMetrics CourierAt(int points, double dpi) {
    const double em = points / 72.0 * dpi;
    return {10 * 0.6 * em, 1.13 * em};
}

} // namespace

TEST(BearingsLayout, ColumnsReadDownThenAcrossOnEachPage) {
    BearingsGrid grid;
    grid.lineChars = 110;
    grid.rowsPerPage = 40;
    grid.maxColumns = 3;
    const BearingsLayout layout = LayOutBearings(371, grid);
    ASSERT_TRUE(layout);
    EXPECT_EQ(layout.pages, 4);
    EXPECT_EQ(layout.columns, 3);
    EXPECT_EQ(layout.entriesPerPage, 120);
    const auto pages = BearingsPages(layout, {"", 0, 0}, NumberedEntries(371));
    ASSERT_EQ(pages.size(), 4u);
    const std::string& firstRow = pages[0][kBearingsHeadingLines];
    EXPECT_NE(firstRow.find("E0001"), std::string::npos);
    EXPECT_NE(firstRow.find("E0041"), std::string::npos);
    EXPECT_NE(firstRow.find("E0081"), std::string::npos);
    // The last page holds 11 entries: 4 rows of up to 3 columns (1..4, 5..8, 9..11).
    EXPECT_EQ(pages[3].size(), static_cast<std::size_t>(kBearingsHeadingLines + 4));
    const std::string& lastFirstRow = pages[3][kBearingsHeadingLines];
    EXPECT_NE(lastFirstRow.find("E0361"), std::string::npos);
    EXPECT_NE(lastFirstRow.find("E0365"), std::string::npos);
    EXPECT_NE(lastFirstRow.find("E0369"), std::string::npos);
}

TEST(BearingsLayout, EveryEntryOnceInColumnOrderOnTwoPaperSizes) {
    // Landscape A4 and US Letter printable areas at 600 dpi (quarter-inch margins).
    const std::pair<double, double> papers[] = {{11.19 * 600, 7.77 * 600}, {10.5 * 600, 8.0 * 600}};
    for (const auto& [width, height] : papers) {
        for (int minSize : {6, 9, 12}) {
            const BearingsLayout layout = ChooseBearingsLayout(
                371, minSize, width, height, [](int size) { return CourierAt(size, 600); });
            ASSERT_TRUE(layout);
            EXPECT_GE(layout.fontSize, minSize);
            const auto pages =
                BearingsPages(layout, {"Toronto", 43.65, 79.38}, NumberedEntries(371));
            EXPECT_EQ(static_cast<int>(pages.size()), layout.pages);
            std::vector<int> expected(371);
            for (int i = 0; i < 371; ++i)
                expected[static_cast<std::size_t>(i)] = i + 1;
            EXPECT_EQ(ColumnOrder(layout, pages), expected) << width << " " << minSize;
            for (const auto& page : pages)
                for (const std::string& line : page)
                    EXPECT_LE(static_cast<int>(line.size()), layout.grid.lineChars);
        }
    }
}

TEST(BearingsLayout, TheLargestFontThatNeedsNoMorePages) {
    const auto metrics = [](int size) { return CourierAt(size, 600); };
    const double width = 10.5 * 600;
    const double height = 8.0 * 600;
    const BearingsLayout chosen = ChooseBearingsLayout(371, 6, width, height, metrics);
    const int pagesAtSix = BearingsPageCount(371, BearingsPrintGrid(width, height, metrics(6)));
    EXPECT_EQ(chosen.pages, pagesAtSix);
    if (chosen.fontSize < kBearingsMaxFontSize) {
        EXPECT_GT(
            BearingsPageCount(371, BearingsPrintGrid(width, height, metrics(chosen.fontSize + 1))),
            pagesAtSix);
    }
    EXPECT_EQ(ChooseBearingsLayout(371, 12, width, height, metrics).fontSize, 12);
}

TEST(BearingsLayout, APageTooSmallIsRefusedNotDividedByZero) {
    const auto metrics = [](int size) { return CourierAt(size, 72); };
    for (const auto& [width, height] : {std::pair{100.0, 1000.0}, std::pair{1000.0, 60.0}}) {
        const BearingsLayout layout = ChooseBearingsLayout(371, 6, width, height, metrics);
        EXPECT_FALSE(layout);
        EXPECT_EQ(layout.message.text, "The page is too small for the bearings table");
    }
    EXPECT_FALSE(LayOutBearings(10, BearingsTextGrid(20, 60)));
    EXPECT_FALSE(LayOutBearings(10, BearingsTextGrid(132, 9)));
}

TEST(BearingsLayout, GapAndMargin) {
    // One column is centred.
    BearingsLayout one = LayOutBearings(30, BearingsTextGrid(80, 60));
    EXPECT_EQ(one.columns, 1);
    EXPECT_EQ(one.gap, 0);
    EXPECT_EQ(one.margin, 26);
    // A wide page: the gap stops at 10.
    BearingsLayout wide = LayOutBearings(371, BearingsTextGrid(132, 60));
    EXPECT_EQ(wide.pages, 3);
    EXPECT_EQ(wide.columns, 3);
    EXPECT_EQ(wide.gap, 10);
    EXPECT_EQ(wide.margin, 14);
    // A gap of 7 or more shrinks while the margin is narrower than it.
    BearingsLayout tight = LayOutBearings(100, BearingsTextGrid(70, 60));
    EXPECT_EQ(tight.columns, 2);
    EXPECT_EQ(tight.gap, 6);
    EXPECT_EQ(tight.margin, 4);
}

TEST(BearingsLayout, HeadingLines) {
    EXPECT_EQ(BearingsFromLine({"", 43.65, 79.38}), "From 43.65 N  79.38 W");
    EXPECT_EQ(BearingsFromLine({"Sydney", -33.87, -151.21}), "From Sydney  33.87 S  151.21 E");
    EXPECT_EQ(BearingsFromLine({"A very long station name", 0, 0}),
              "From A very long stati  0.00 N  0.00 W");
    const BearingsLayout layout = LayOutBearings(371, BearingsTextGrid(132, 60));
    const auto pages = BearingsPages(layout, {"", 43.65, 79.38}, NumberedEntries(371));
    EXPECT_EQ(pages[0][0], "");
    EXPECT_EQ(pages[0][1], std::string(62, ' ') + "Hopscope");
    EXPECT_EQ(pages[0][4].find("Add or subtract 180 degrees for long-path bearings"), 41u);
    EXPECT_EQ(pages[0][6], std::string(14, ' ') + "PREFIX LOCATION          DEG" +
                               std::string(10, ' ') + "PREFIX LOCATION          DEG" +
                               std::string(10, ' ') + "PREFIX LOCATION          DEG");
    EXPECT_EQ(BearingsEntryText("VE3", "Toronto, Ontario", " 42"), "VE3    Toronto, Ontario   42");
    EXPECT_EQ(BearingsEntryText("F", "Zürich", "***").size(), 29u); // 28 characters
}

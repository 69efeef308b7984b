// Laying out the results table and the printed report from measured text widths.

#include "report/ResultsLayout.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>

TEST(ResultsLayout, PrintedFontFillsThePrintableWidth) {
    EXPECT_EQ(ReportFontPoints(8.0), 9); // 12.6 characters per inch
    EXPECT_EQ(ReportFontPoints(7.5), 8);
    EXPECT_EQ(ReportFontPoints(0.0), 1);
    EXPECT_EQ(ReportFontPoints(std::nan("")), 1);
}

TEST(ResultsLayout, LargestFontWhoseLineFits) {
    // A font 7 px wide per point and 101 characters: 10 points need 7070 px.
    const auto width = [](double points) { return static_cast<int>(points * 7 * 101); };
    EXPECT_EQ(LargestFittingPoints(14.0, 7070, width), 10.0);
    EXPECT_EQ(LargestFittingPoints(14.0, 7069, width), 9.5);
    EXPECT_EQ(LargestFittingPoints(14.0, 100000, width), 14.0);
    EXPECT_EQ(LargestFittingPoints(14.0, 10, width), 4.0); // nothing fits: the smallest
}

TEST(ResultsLayout, ColumnsShareTheWholeWidth) {
    for (int total : {0, 90, 100, 641, 1000, 1009}) {
        const std::vector<int> widths = ResultsColumnWidths(total, 40, 50);
        ASSERT_EQ(widths.size(), 12u);
        EXPECT_EQ(widths[0], 40);
        EXPECT_EQ(widths[1], 50);
        const int frequencies = std::accumulate(widths.begin() + 2, widths.end(), 0);
        EXPECT_EQ(frequencies, std::max(0, total - 90)) << total;
        // Frequency columns differ by at most a pixel, the wider ones last.
        EXPECT_TRUE(std::is_sorted(widths.begin() + 2, widths.end())) << total;
        EXPECT_LE(widths.back() - widths[2], 1) << total;
    }
}

TEST(ResultsLayout, ARowMostlyInViewCounts) {
    EXPECT_EQ(VisibleRowCount(200, 20), 10);
    EXPECT_EQ(VisibleRowCount(215, 20), 11); // the last row misses a quarter of its height
    EXPECT_EQ(VisibleRowCount(214, 20), 10);
    EXPECT_EQ(VisibleRowCount(5, 20), 1);
    EXPECT_EQ(VisibleRowCount(200, 0), 200);
}

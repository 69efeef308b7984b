#include "report/PredictionReport.h"

#include "text/TextColumns.h"

#include <gtest/gtest.h>

namespace {

HeaderLines SampleHeaders() {
    HeaderLines h;
    for (auto& line : h)
        line = std::string(kHeaderLineWidth, ' ');
    const auto put = [](std::string& line, std::size_t column, const std::string& text) {
        line.replace(column - 1, text.size(), text);
    };
    put(h[0], 2, "TERMINAL A: 51.50 N   0.10");
    put(h[2], 2, "SSN: 100.0  Flux: 150.0  K: ");
    put(h[2], 81, "Path Length:  8612 km");
    return h;
}

PathResult FilledPath() {
    PathResult p;
    for (int j = 0; j < kHalfHours; ++j) {
        p.Muf[j] = 12.0f + 0.25f * (j % 8);
        for (int n = 0; n < kMaxFrequencies; ++n) {
            p.Signal[j][n] = (n + j) % 3 == 0 ? kNoModeSignal : static_cast<float>(j - 20 + n);
            p.Reliability[j][n] = static_cast<float>((j * 7 + n) % 100) / 100.0f;
        }
    }
    return p;
}

PredictionTable TableWith(const PathResult& p, int count, bool showZero = false) {
    TableSource s;
    s.path = &p;
    s.frequencyCount = count;
    for (int n = 0; n < count; ++n) {
        s.frequencyMHz[n] = 3.0f + 2.5f * n;
        s.frequencyTexts.push_back(n == 9 ? "28.3" : std::to_string(3 + n) + ".0");
    }
    TableRules r;
    r.suppressionLevelDb = -10;
    r.showZeroAvailability = showZero;
    r.noise = {-144.7, 27.7, 0.0};
    return BuildPredictionTable(s, r);
}

} // namespace

TEST(PredictionReport, CaptionAndPolarLine) {
    EXPECT_EQ(PredictionCaption(PathKind::Short, "06/15/2002"),
              "Hopscope Short-Path Prediction for 06/15/2002");
    EXPECT_EQ(PredictionCaption(PathKind::Long, "2002-06-15"),
              "Hopscope Long-Path Prediction for 2002-06-15");
    const std::string line = SampleHeaders()[2];
    const std::string polar = PolarHeaderLine(line, true);
    EXPECT_EQ(polar.size(), kHeaderLineWidth);
    EXPECT_EQ(polar.substr(41, 20), "THIS IS A POLAR PATH");
    EXPECT_EQ(polar.substr(0, 41), line.substr(0, 41));
    EXPECT_EQ(polar.substr(61), line.substr(61));
    EXPECT_EQ(PolarHeaderLine(line, false), line);
    EXPECT_EQ(PolarHeaderLine("short", true),
              "short" + std::string(36, ' ') + "THIS IS A POLAR PATH");
}

TEST(PredictionReport, SolarSourceFollowsTheHeaderLinesOnlyWhenFetched) {
    const PathResult p = FilledPath();
    const PredictionTable t = TableWith(p, 5);
    const std::vector<std::string> plain = PredictionReportLines(
        t, SampleHeaders(), false, PathKind::Short, "12/08/2026", ReportStyle::ResultsWindow);
    std::vector<std::string> typed = plain;
    AddSolarSourceLines(typed, "");
    EXPECT_EQ(typed, plain) << "a figure typed by hand adds nothing";

    std::vector<std::string> fetched = plain;
    AddSolarSourceLines(fetched, "Daily flux of 8 Dec 2026, fetched 2026-12-08 22:00 UTC");
    ASSERT_EQ(fetched.size(), plain.size() + 1);
    EXPECT_EQ(fetched[5], plain[5]);
    EXPECT_EQ(fetched[6], " Solar data: Daily flux of 8 Dec 2026, fetched 2026-12-08 22:00 UTC");
    EXPECT_EQ(fetched[7], plain[6]);

    // A long source wraps at spaces within the report's width, the rest indented
    // under the first word; a multi-byte "×" counts as one column.
    const std::string longSource =
        "Predicted sunspot number of June 2027 \u00d7 0.6 (88.4 on the 2015 scale), fetched "
        "2026-12-08 22:00 UTC (the network could not be reached; cached figures of 7 Dec 2026 "
        "were used)";
    const std::vector<std::string> wrapped = SolarSourceLines(longSource);
    ASSERT_EQ(wrapped.size(), 2u);
    std::string joined;
    for (const std::string& line : wrapped) {
        EXPECT_LE(Utf8Length(line), 101u) << line;
        joined += line.substr(13) + " ";
    }
    EXPECT_EQ(wrapped[1].substr(0, 13), std::string(13, ' '));
    EXPECT_EQ(joined, longSource + " ");
    EXPECT_TRUE(SolarSourceLines("").empty());
}

TEST(PredictionReport, TenFrequencyLayout) {
    const PathResult p = FilledPath();
    const PredictionTable t = TableWith(p, 10);
    const std::vector<std::string> lines = PredictionReportLines(
        t, SampleHeaders(), true, PathKind::Short, "12/08/2026", ReportStyle::BatchFile);
    // empty, caption, empty, 3 headers, empty, title, column header, 48 rows, empty,
    // 2 footer lines, dashes.
    ASSERT_EQ(lines.size(), 1u + 1 + 1 + 3 + 1 + 1 + 1 + 48 + 1 + 2 + 1);
    EXPECT_EQ(lines[0], "");
    const std::string caption = "Hopscope Short-Path Prediction for 12/08/2026";
    EXPECT_EQ(lines[1], std::string((101 - caption.size()) / 2, ' ') + caption);
    for (int i = 3; i < 6; ++i)
        EXPECT_EQ(Utf8Length(lines[i]), 101u) << i;
    EXPECT_EQ(lines[5].substr(41, 20), "THIS IS A POLAR PATH");
    // The title has a two-byte µ and is centred by characters.
    EXPECT_EQ(lines[7], std::string(34, ' ') + "SIGNAL LEVELS IN dB ABOVE 0.5 µV");
    EXPECT_EQ(lines[8],
              " UTC   MUF   3.0 MHz  4.0 MHz  5.0 MHz  6.0 MHz  7.0 MHz  8.0 MHz  9.0 MHz 10.0 MHz"
              " 11.0 MHz 28.3 MHz");
    for (int row = 0; row < 48; ++row)
        EXPECT_EQ(lines[9 + row].size(), 101u) << row;
    EXPECT_EQ(lines[9].substr(0, 11), " 0000 12.0 ");
    // The MUF ends under "MUF" and each cell under its frequency header.
    EXPECT_EQ(lines[8].find("MUF") + 3, lines[9].find("12.0") + 4);
    ASSERT_EQ(lines[8].size(), 101u);
    for (int n = 0; n < 10; ++n) {
        const std::size_t start = 11 + 9 * n;
        EXPECT_EQ(lines[8][start + 8], 'z') << n;
        for (int row = 0; row < 48; ++row)
            EXPECT_EQ(lines[9 + row].substr(start, 9), RightAligned(t.cells[row][n], 9))
                << row << " " << n;
    }
    EXPECT_EQ(lines[9 + 47].substr(0, 5), " 2330");
    EXPECT_EQ(lines[57], "");
    EXPECT_EQ(lines[58], " Availabilities  A: 75 - 100%  B: 50 - 75%  C: 25 - 50%  D: 1 - 25%");
    EXPECT_EQ(lines[60], std::string(101, '-'));
}

TEST(PredictionReport, FewerFrequenciesUseTenColumnFields) {
    const PathResult p = FilledPath();
    const PredictionTable t = TableWith(p, 2);
    const std::vector<std::string> lines = PredictionReportLines(
        t, SampleHeaders(), false, PathKind::Long, "2026-12-08", ReportStyle::Batch);
    EXPECT_EQ(lines[8], " UTC   MUF    3.0 MHz   4.0 MHz");
    EXPECT_EQ(lines[9].size(), 31u);
    EXPECT_EQ(lines.back(), t.footer.back()); // no dashed line outside a file
    EXPECT_EQ(lines[5], SampleHeaders()[2]);
}

TEST(PredictionReport, EmptyTableGetsTheTrailingEmptyLineInBatchStyleOnly) {
    PathResult p;
    for (auto& row : p.Signal)
        row.fill(kNoModeSignal);
    const PredictionTable t = TableWith(p, 3);
    ASSERT_FALSE(t.anyCellFilled);
    const auto batch = PredictionReportLines(t, SampleHeaders(), false, PathKind::Short, "d",
                                             ReportStyle::BatchFile);
    const auto window = PredictionReportLines(t, SampleHeaders(), false, PathKind::Short, "d",
                                              ReportStyle::ResultsWindow);
    EXPECT_EQ(batch.size(), window.size() + 2);
    EXPECT_EQ(window.back(), " Signal levels suppressed if below -10 dB relative to 0.5 µV or if "
                             "predicted availability is zero");
    EXPECT_EQ(batch[batch.size() - 2], "");
    EXPECT_EQ(window.size(), 1u + 1 + 1 + 3 + 1 + 1 + 1 + 48 + 1 + 1);
    // Rows show times and MUFs only.
    EXPECT_EQ(window[9], " 0000  0.0 " + std::string(30, ' '));
}

TEST(PredictionReport, LinesEndInCrLf) {
    EXPECT_EQ(JoinReportLines({"a", "", "b"}), "a\r\n\r\nb\r\n");
}

TEST(TextColumns, Utf8Columns) {
    EXPECT_EQ(Utf8Length("0.5 µV"), 6u);
    EXPECT_EQ(ToValidUtf8("Z\xFCrich"), "Z\xC3\xBCrich"); // Latin-1 ü becomes UTF-8
    EXPECT_EQ(ToValidUtf8("Z\xC3\xBCrich"), "Z\xC3\xBCrich");
    EXPECT_EQ(ToValidUtf8("\xC3"), "\xC3\x83"); // a cut sequence is Latin-1
    EXPECT_EQ(Utf8Left("aµb", 2), "aµ");
    EXPECT_EQ(Utf8From("aµbc", 2), "bc");
    EXPECT_EQ(RightAligned("µ", 3), "  µ");
    EXPECT_EQ(RightAligned("toolong", 3), "toolong");
    EXPECT_EQ(Centered("ab", 7), "  ab");
    EXPECT_EQ(Centered(std::string(120, 'x'), 101), std::string(120, 'x'));
}

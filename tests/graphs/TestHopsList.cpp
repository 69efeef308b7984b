// The advanced list: line layout, both groupings, the suppression filter, the empty
// list, the printed lines with the polar marker and their pages.

#include "core/HopMode.h"
#include "graphs/HopsList.h"
#include "report/PredictionReport.h"
#include "text/TextColumns.h"

#include <gtest/gtest.h>

namespace {

HopsRules Rules(int level, bool keepZero) {
    return {level, keepZero, {-144.7, 27.7, 0.0}};
}

/// Two frequencies; no mode anywhere except: slot 0 both frequencies, slot 1 the
/// second only (at availability 0), slot 37 the first (a marker for the time zone).
PathResult SyntheticPath() {
    PathResult path;
    for (int j = 0; j < kHalfHours; ++j) {
        path.Muf[j] = 20.0f;
        for (int n = 0; n < kMaxFrequencies; ++n)
            path.Signal[j][n] = kNoModeSignal;
    }
    auto set = [&path](int j, int n, float signal, float reliability, const char* mode, int angle) {
        path.Signal[j][n] = signal;
        path.Reliability[j][n] = reliability;
        path.Mode[j][n] = LettersToMode(mode);
        path.Hops[j][n] = static_cast<std::uint8_t>(std::string(mode).size());
        path.Elevation[j][n] = static_cast<std::uint8_t>(angle);
    };
    set(0, 0, 12.4f, 0.9f, "FF", 7);
    set(0, 1, -15.0f, 0.5f, "E", 12);
    set(1, 1, 3.0f, 0.0f, "FFE", 4);
    set(37, 0, 44.0f, 1.0f, "F", 30);
    path.HeaderLines = {"line one", "line two", std::string(70, '3')};
    return path;
}

HopsSource SourceOf(const PathResult& path, double utcOffsetDays = 0.0) {
    HopsSource source;
    source.path = &path;
    source.frequencyCount = 2;
    source.frequencyMHz[0] = 7.1f;
    source.frequencyMHz[1] = 14.1f;
    source.utcOffsetDays = utcOffsetDays;
    return source;
}

} // namespace

TEST(HopsLine, ColumnsClampingAndHopLetters) {
    EXPECT_EQ(HopsLine("0530", 17.2f, 21.2f, 11.4f, 30.2, 0.11f, 3, LettersToMode("FFFFF"), 5),
              " 0530  17.2  21.2     11      30    0.11     3   F-F-F-F-F");
    // Values beyond ±999 dB print as ±999; one hop prints its letter alone; the angle
    // is right-aligned in two columns.
    const std::string line =
        HopsLine("2330", 9.8f, 7.1f, 1500.0f, -1200.0, 1.0f, 45, LettersToMode("E"), 1);
    EXPECT_EQ(line, " 2330   9.8   7.1    999    -999    1.00    45   E");
    EXPECT_EQ(line.size(), 50u);
}

TEST(BuildHopsList, GroupedByTimeAndByFrequency) {
    const PathResult path = SyntheticPath();
    const HopsRules none = Rules(kNoSuppressionDb, true);
    const HopsList byTime = BuildHopsList(SourceOf(path), none, HopsGrouping::ByTime);
    ASSERT_TRUE(byTime.enabled);
    // 0000: both frequencies; 0030: the second; 1830: the first. A blank line only
    // between groups that produced lines.
    ASSERT_EQ(byTime.lines.size(), 6u);
    EXPECT_EQ(byTime.lines[0].substr(0, 18), " 0000  20.0   7.1 ");
    EXPECT_EQ(byTime.lines[1].substr(0, 18), " 0000  20.0  14.1 ");
    EXPECT_EQ(byTime.lines[2], "");
    EXPECT_EQ(byTime.lines[3].substr(0, 18), " 0030  20.0  14.1 ");
    EXPECT_EQ(byTime.lines[4], "");
    EXPECT_EQ(byTime.lines[5].substr(0, 18), " 1830  20.0   7.1 ");

    const HopsList byFrequency = BuildHopsList(SourceOf(path), none, HopsGrouping::ByFrequency);
    ASSERT_EQ(byFrequency.lines.size(), 5u);
    EXPECT_EQ(byFrequency.lines[0].substr(0, 14), " 0000  20.0   ");
    EXPECT_EQ(byFrequency.lines[1].substr(0, 14), " 1830  20.0   ");
    EXPECT_EQ(byFrequency.lines[2], "");
    EXPECT_EQ(byFrequency.lines[3].substr(0, 18), " 0000  20.0  14.1 ");
    EXPECT_EQ(byFrequency.lines[4].substr(0, 18), " 0030  20.0  14.1 ");
}

TEST(BuildHopsList, SuppressionAndTimeZone) {
    const PathResult path = SyntheticPath();
    // −10 dB and zero availabilities dropped: only 0000/7.1 and the 1830 line remain.
    const HopsList suppressed =
        BuildHopsList(SourceOf(path), Rules(-10, false), HopsGrouping::ByTime);
    ASSERT_EQ(suppressed.lines.size(), 3u);
    EXPECT_EQ(suppressed.lines[0].substr(0, 18), " 0000  20.0   7.1 ");
    EXPECT_EQ(suppressed.lines[2].substr(0, 5), " 1830");

    // Local time 5:30 ahead of UTC: displayed 0000 is UTC slot 37.
    const HopsList local =
        BuildHopsList(SourceOf(path, -5.5 / 24), Rules(-10, false), HopsGrouping::ByTime);
    EXPECT_EQ(local.lines[0].substr(0, 5), " 0000");
    EXPECT_NE(local.lines[0].find("    44 "), std::string::npos);
}

TEST(BuildHopsList, EmptyListsExplainThemselves) {
    PathResult nothing;
    for (auto& row : nothing.Signal)
        row.fill(kNoModeSignal);
    // Slots without a mode never give a line, whatever the threshold.
    const HopsList none =
        BuildHopsList(SourceOf(nothing), Rules(kNoSuppressionDb, true), HopsGrouping::ByTime);
    EXPECT_FALSE(none.enabled);
    ASSERT_EQ(none.lines.size(), 2u);
    EXPECT_EQ(none.lines[0], std::string(31, ' ') + "There are no displayable signal levels");
    EXPECT_EQ(none.lines[1], std::string(30, ' ') + "(all are suppressed or no mode was found)");

    HopsSource noFrequencies = SourceOf(nothing);
    noFrequencies.frequencyCount = 0;
    const HopsList empty = BuildHopsList(noFrequencies, Rules(-10, false), HopsGrouping::ByTime);
    ASSERT_EQ(empty.lines.size(), 1u);
    EXPECT_EQ(empty.lines[0], std::string(33, ' ') + "NO FREQUENCIES HAVE BEEN SPECIFIED");
}

TEST(HopsFooter, EveryRule) {
    EXPECT_EQ(HopsFooter(Rules(kNoSuppressionDb, true)), " No suppression in effect");
    EXPECT_EQ(HopsFooter(Rules(-10, false)),
              " Line not shown if signal level below -10 dB or if predicted availability is zero");
    EXPECT_EQ(HopsFooter(Rules(0, true)), " Line not shown if signal level below 0 dB");
    EXPECT_EQ(HopsFooter(Rules(kNoSuppressionDb, false)),
              " Line not shown if predicted availability is zero");
}

TEST(FitHopsLine, ACutHopConfigurationEndsInAHyphen) {
    const std::string line = " 0000  20.0   7.1     12      20    0.90     7   F-F-E-F";
    auto fitsIn = [](std::size_t n) {
        return [n](const std::string& text) { return text.size() <= n; };
    };
    EXPECT_EQ(FitHopsLine(line, fitsIn(100)), line);
    // 54 characters fit ("...F-F-E"): the E is dropped as well, leaving "F-F-".
    EXPECT_EQ(FitHopsLine(line, fitsIn(54)), line.substr(0, 53));
    EXPECT_EQ(FitHopsLine(line, fitsIn(54)).back(), '-');
    EXPECT_EQ(FitHopsLine(line, fitsIn(53)), line.substr(0, 53));
}

TEST(HopsReportLines, PolarMarkerFooterAndPages) {
    const PathResult path = SyntheticPath();
    const HopsRules rules = Rules(-10, false);
    const HopsList list = BuildHopsList(SourceOf(path), rules, HopsGrouping::ByTime);
    const std::vector<std::string> lines =
        HopsReportLines(list, path.HeaderLines, true, HopsCaption(PathKind::Long, "12/08/2026"),
                        HopsColumnHeader("UTC"), HopsFooter(rules));
    ASSERT_EQ(lines.size(), 8u + list.lines.size() + 2u);
    EXPECT_EQ(lines[1],
              Centered("Hopscope Long-Path Prediction (Advanced) for 12/08/2026", kReportWidth));
    EXPECT_EQ(lines[5].substr(41, 20), kPolarPathText);
    EXPECT_EQ(lines[7], " UTC    MUF  Freq  Sig dB  S/N dB  Avail  Angle  Hop Configuration");
    EXPECT_EQ(lines.back(), HopsFooter(rules));

    // Pages of 6 lines: each further page starts with a blank line and the column
    // header; nothing is lost and every line is at most 101 characters.
    std::vector<std::string> longLines = lines;
    longLines.push_back(std::string(120, 'x'));
    const auto pages = HopsPages(longLines, 7, 6);
    std::size_t total = 0;
    for (std::size_t p = 0; p < pages.size(); ++p) {
        EXPECT_LE(pages[p].size(), 6u);
        if (p > 0) {
            EXPECT_EQ(pages[p][0], "");
            EXPECT_EQ(pages[p][1], lines[7]);
            total -= 2;
        }
        total += pages[p].size();
    }
    EXPECT_EQ(total, longLines.size());
    EXPECT_EQ(pages.back().back(), std::string(101, 'x'));
    EXPECT_EQ(HopsLinesPerPage(100.0, 10.0), 8u);
}

#include "core/Numeric.h"
#include "report/PredictionTable.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TableRules SignalRules(int level = -10, bool showZero = false) {
    TableRules r;
    r.showSignalLevels = true;
    r.suppressionLevelDb = level;
    r.showZeroAvailability = showZero;
    r.noise = {-144.7, 27.7, 0.0};
    return r;
}

} // namespace

TEST(AvailabilityLetter, ClassBoundaries) {
    EXPECT_EQ(AvailabilityLetter(0.75f), 'A');
    EXPECT_EQ(AvailabilityLetter(0.74f), 'B');
    EXPECT_EQ(AvailabilityLetter(0.5f), 'B');
    EXPECT_EQ(AvailabilityLetter(0.25f), 'C');
    EXPECT_EQ(AvailabilityLetter(0.01f), 'D');
    EXPECT_EQ(AvailabilityLetter(1.0f), 'A');
    EXPECT_EQ(AvailabilityLetter(0.004f), ' '); // rounds to 0.00
    EXPECT_EQ(AvailabilityLetter(0.006f), 'D'); // rounds to 0.01
    EXPECT_EQ(AvailabilityLetter(0.005f), ' '); // held as 0.00499999988
    EXPECT_EQ(AvailabilityLetter(0.0f), ' ');
    EXPECT_EQ(AvailabilityLetter(1.5f), 'A'); // held to the top class
}

TEST(CellText, ValuesLettersAndSuppression) {
    EXPECT_EQ(CellText(23.0f, 0.6f, 14.1f, 20.0f, SignalRules()), "  23 B");
    // Exactly at the threshold is shown; just below is not.
    EXPECT_EQ(CellText(-10.0f, 0.9f, 14.1f, 20.0f, SignalRules()), " -10 A");
    EXPECT_EQ(CellText(-10.01f, 0.9f, 14.1f, 20.0f, SignalRules()), "");
    // No mode is always empty, even without suppression.
    EXPECT_EQ(CellText(kNoModeSignal, 0.0f, 14.1f, 20.0f, SignalRules(kNoSuppressionDb, true)), "");
    // Zero availability: hidden, or shown with a blank letter.
    EXPECT_EQ(CellText(12.0f, 0.004f, 14.1f, 20.0f, SignalRules()), "");
    EXPECT_EQ(CellText(12.0f, 0.004f, 14.1f, 20.0f, SignalRules(-10, true)), "  12  ");
    // Rounded half to even, held to -999..999.
    EXPECT_EQ(CellText(2.5f, 0.3f, 14.1f, 20.0f, SignalRules()), "   2 C");
    EXPECT_EQ(CellText(3.5f, 0.3f, 14.1f, 20.0f, SignalRules()), "   4 C");
    EXPECT_EQ(CellText(1500.0f, 0.3f, 14.1f, 20.0f, SignalRules()), " 999 C");
}

TEST(CellText, SignalToNoiseSubtractsTheNoiseLevel) {
    TableRules r = SignalRules(kNoSuppressionDb, true);
    r.showSignalLevels = false;
    const float signal = 30.0f;
    const double expected = signal - NoiseLevel(14.1, 20.0, r.noise);
    const std::string text = CellText(signal, 0.8f, 14.1f, 20.0f, r);
    EXPECT_EQ(text,
              std::to_string(static_cast<int>(std::nearbyint(expected))).insert(0, 4 - 2, ' ') +
                  " A");
    // An S/N of -1200 dB shows as -999.
    EXPECT_EQ(CellText(-1200.0f, 0.8f, 3.0f, 20.0f, SignalRules(kNoSuppressionDb, true)), "-999 A");
}

TEST(NoiseLevel, ManMadeBelowTheMufGalacticAddedAbove) {
    const NoiseTerms residential{-144.7, 27.7, 0.0};
    // At 3 MHz below the MUF: the constant alone plus the 0.5 µV conversion.
    EXPECT_NEAR(NoiseLevel(3.0, 10.0, residential), -144.7 + 149.0308999, 1e-9);
    // Above the MUF the galactic noise adds power: never less than the man-made noise.
    const double below = NoiseLevel(14.0, 20.0, residential);
    const double above = NoiseLevel(14.0, 10.0, residential);
    EXPECT_GT(above, below);
    const double n = -144.7 - 27.7 * std::log10(14.0 / 3.0);
    const double g = -165.0 - 9.555 * std::log(14.0 / 3.0);
    EXPECT_NEAR(above, 10 * std::log10(std::pow(10, n / 10) + std::pow(10, g / 10)) + 149.0308999,
                1e-9);
    // The bandwidth adds its decibels.
    const NoiseTerms wide{-144.7, 27.7, 33.98};
    EXPECT_NEAR(NoiseLevel(7.0, 20.0, wide) - NoiseLevel(7.0, 20.0, residential), 33.98, 1e-9);
}

TEST(TableTexts, HeadersMufsAndSlots) {
    EXPECT_EQ(MufText(9.8f), " 9.8");
    EXPECT_EQ(MufText(28.25f), "28.3"); // 28.25f is exactly 28.25: half away from zero
    EXPECT_EQ(FrequencyHeader("14.1"), "14.1 MHz");
    EXPECT_EQ(FrequencyHeader("28.25"), "28.25 MH");
    EXPECT_EQ(FrequencyHeader("14.125"), "14.125 M");
    EXPECT_EQ(DisplayedSlot(0, 0.0), 0);
    EXPECT_EQ(DisplayedSlot(0, 0.25), 12); // UT = local + 6 h
    EXPECT_EQ(DisplayedSlot(47, 0.25), 11);
    EXPECT_EQ(DisplayedSlot(0, -5.5 / 24), 37); // local = UT + 5:30
    EXPECT_EQ(DisplayedSlot(0, 1.0 / 96), 0);   // half a slot rounds to even
}

TEST(TableTexts, SuppressionLines) {
    EXPECT_EQ(SuppressionLine(SignalRules()), " Signal levels suppressed if below -10 dB relative "
                                              "to 0.5 µV or if predicted availability is zero");
    TableRules snr = SignalRules(0, true);
    snr.showSignalLevels = false;
    EXPECT_EQ(SuppressionLine(snr),
              " S/N suppressed if signal level below 0 dB relative to 0.5 µV");
    EXPECT_EQ(SuppressionLine(SignalRules(kNoSuppressionDb, false)),
              " Signal levels suppressed if predicted availability is zero");
    EXPECT_EQ(SuppressionLine(SignalRules(kNoSuppressionDb, true)), " No suppression in effect");
    EXPECT_EQ(AvailabilityLegend(true),
              " Availabilities  A: 75 - 100%  B: 50 - 75%  C: 25 - 50%  D: 1 - 25%  Others: 0%");
}

namespace {

// A path with a mode only in slot 5, frequency 0, at 40 dB and reliability 0.9.
PathResult OneModePath() {
    PathResult p;
    for (auto& row : p.Signal)
        row.fill(kNoModeSignal);
    for (int j = 0; j < kHalfHours; ++j)
        p.Muf[j] = 10.0f + 0.1f * j;
    p.Signal[5][0] = 40.0f;
    p.Reliability[5][0] = 0.9f;
    return p;
}

TableSource SourceFor(const PathResult& p, int count) {
    TableSource s;
    s.path = &p;
    s.frequencyCount = count;
    for (int n = 0; n < count; ++n) {
        s.frequencyMHz[n] = 3.5f + n;
        s.frequencyTexts.push_back(std::to_string(3 + n) + ".5");
    }
    return s;
}

} // namespace

TEST(BuildPredictionTable, TitlesFollowWhatWasFilled) {
    const PathResult p = OneModePath();
    PredictionTable t = BuildPredictionTable(SourceFor(p, 2), SignalRules());
    EXPECT_TRUE(t.anyCellFilled);
    EXPECT_EQ(t.title, "SIGNAL LEVELS IN dB ABOVE 0.5 µV");
    EXPECT_FALSE(t.titleIsReason);
    EXPECT_EQ(t.cells[5][0], "  40 A");
    EXPECT_EQ(t.cells[5][1], "");
    EXPECT_EQ(t.times[0], "0000");
    EXPECT_EQ(t.times[47], "2330");
    EXPECT_EQ(t.mufs[5], "10.5");
    ASSERT_EQ(t.footer.size(), 2u);

    // Everything suppressed: a reason, and the footer has only the rule.
    t = BuildPredictionTable(SourceFor(p, 2), SignalRules(50));
    EXPECT_EQ(t.title, "There are no displayable signal levels (all are suppressed)");
    EXPECT_TRUE(t.titleIsReason);
    EXPECT_EQ(t.footer.size(), 1u);

    PathResult none = OneModePath();
    none.Signal[5][0] = kNoModeSignal;
    TableRules snr = SignalRules();
    snr.showSignalLevels = false;
    t = BuildPredictionTable(SourceFor(none, 2), snr);
    EXPECT_EQ(t.title, "There are no displayable S/N (no modes were found)");

    t = BuildPredictionTable(SourceFor(p, 0), SignalRules());
    EXPECT_EQ(t.title, "NO FREQUENCIES HAVE BEEN SPECIFIED");
    EXPECT_TRUE(t.frequencyHeaders.empty());
}

TEST(BuildPredictionTable, LocalTimeShiftsTheRows) {
    const PathResult p = OneModePath();
    TableSource s = SourceFor(p, 1);
    s.timeLabel = "ULT";
    s.utcOffsetDays = 0.25; // slot 5 (0230 UTC) shows at 2030 local
    const PredictionTable t = BuildPredictionTable(s, SignalRules());
    EXPECT_EQ(t.timeLabel, "ULT");
    EXPECT_EQ(t.cells[41][0], "  40 A");
    EXPECT_EQ(t.times[41], "2030");
    EXPECT_EQ(t.mufs[0], MufText(p.Muf[12]));
}

// The availability letter's test for "rounds above 0.00" agrees with the shown value
// for every float near the rounding edge.
TEST(PredictionTable, ZeroAvailabilityEdgeAgreesWithTheShownValue) {
    float r = 0.0049f;
    TableRules rules;
    rules.suppressionLevelDb = kNoSuppressionDb;
    for (int i = 0; i < 200000 && r < 0.0051f; ++i, r = std::nextafter(r, 1.0f))
        ASSERT_EQ(CellShown(0.0f, r, rules), RoundToShown(r, 2) > 0.0) << r;
    EXPECT_FALSE(CellShown(0.0f, -0.001f, rules));
    EXPECT_FALSE(CellShown(0.0f, std::nanf(""), rules));
}

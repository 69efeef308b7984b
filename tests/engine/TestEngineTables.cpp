// The built-in tables of the engine: complete to their ends, and cells checked against the model's
// tables, so that a shifted row, a swapped index or a mis-generated bit shows up.

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "engine/DecileTable.h"
#include "engine/F2LayerTables.h"
#include "engine/LandSeaMask.h"
#include "engine/PathLosses.h"

TEST(EngineTables, GeneratedTablesRunToTheirLastEntry) {
    // A table written out short is filled up with zeros at its end: its last entries
    // show it (the decile and K-index cells are all checked below).
    for (int eastDeg = 0; eastDeg < 360; ++eastDeg)
        ASSERT_TRUE(IsLandAt(180, eastDeg)) << "south pole row, " << eastDeg << " E";
    EXPECT_NE(DipEquatorTable.front(), 0.0f);
    EXPECT_EQ(DipEquatorTable.back(), DipEquatorTable.front()); // 360° W is 0° W again
    for (std::size_t i = 1; i < SeasonKnots.size(); ++i)
        EXPECT_GT(SeasonKnots[i].knot, SeasonKnots[i - 1].knot) << i;
    EXPECT_NE(WinterAnomalyTable.back(), decltype(WinterAnomalyTable)::value_type{});
}

TEST(EngineTables, KIndexFactorCells) {
    // [season][solar level][band][block] = {A, B}
    struct Cell {
        int s, l, b, c, a, bb;
    };
    const Cell cells[] = {
        {0, 0, 0, 0, 845, 813},    {0, 0, 4, 0, 845, 2066},   {0, 0, 6, 5, 1172, -870},
        {0, 2, 5, 5, 1511, -1360}, {1, 2, 2, 7, 1158, -595},  {1, 2, 2, 0, 1100, -399},
        {2, 2, 6, 0, 1540, -1341}, {2, 2, 6, 7, 1486, -1112},
    };
    for (const Cell& c : cells) {
        SCOPED_TRACE(testing::Message() << c.s << "/" << c.l << "/" << c.b << "/" << c.c);
        EXPECT_EQ(KIndexFactorTable[c.s][c.l][c.b][c.c].a, c.a);
        EXPECT_EQ(KIndexFactorTable[c.s][c.l][c.b][c.c].b, c.bb);
    }
    // The table's promise: positive for every K index up to 9.
    for (const auto& season : KIndexFactorTable)
        for (const auto& level : season)
            for (const auto& band : level)
                for (const KIndexCell& cell : band)
                    EXPECT_GT(cell.a / 1000.0 + 9 * cell.b / 10000.0, 0.0);
}

TEST(EngineTables, DecileCells) {
    // [solar level][season][block][band − 1] = {lower, upper}
    EXPECT_EQ(DecileTable[0][0][0][0].lower, 71);
    EXPECT_EQ(DecileTable[0][0][0][0].upper, 127);
    EXPECT_EQ(DecileTable[0][0][0][7].lower, 60);
    EXPECT_EQ(DecileTable[0][0][0][7].upper, 144);
    EXPECT_EQ(DecileTable[0][2][5][0].lower, 69);
    EXPECT_EQ(DecileTable[1][2][2][0].lower, 84);
    EXPECT_EQ(DecileTable[1][2][2][7].upper, 120);
    EXPECT_EQ(DecileTable[2][2][5][7].lower, 75);
    EXPECT_EQ(DecileTable[2][2][5][7].upper, 124);
    for (const auto& level : DecileTable)
        for (const auto& season : level)
            for (const auto& block : season)
                for (const DecilePair& pair : block) {
                    EXPECT_LT(pair.lower, 100);
                    EXPECT_GT(pair.upper, 100);
                }
}

TEST(EngineTables, LandSeaMaskRows) {
    auto land = [](int latDeg, int eastDeg) { return IsLandAt(90 - latDeg, eastDeg); };
    // Latitude 84: 323–325 and 327–330 only.
    EXPECT_FALSE(land(84, 322));
    EXPECT_TRUE(land(84, 323));
    EXPECT_TRUE(land(84, 325));
    EXPECT_FALSE(land(84, 326));
    EXPECT_TRUE(land(84, 330));
    EXPECT_FALSE(land(84, 331));
    // The equator: Africa from 9° E, Sumatra, Borneo, South America.
    EXPECT_FALSE(land(0, 8));
    EXPECT_TRUE(land(0, 9));
    EXPECT_TRUE(land(0, 43));
    EXPECT_FALSE(land(0, 44));
    EXPECT_TRUE(land(0, 312));
    EXPECT_FALSE(land(0, 313));
    // Antarctic coast row −66 with single-degree entries.
    EXPECT_TRUE(land(-66, 88));
    EXPECT_FALSE(land(-66, 89));
    EXPECT_TRUE(land(-66, 95));
    // The rows the table leaves out are all sea; the South Pole row all land.
    for (int lon = 0; lon < 360; ++lon) {
        EXPECT_FALSE(land(90, lon));
        EXPECT_FALSE(land(85, lon));
        EXPECT_FALSE(land(-56, lon));
        EXPECT_FALSE(land(-61, lon));
        EXPECT_TRUE(land(-90, lon));
    }
}

TEST(EngineTables, CosineTables) {
    const CosineTableSet& t = CosineTables();
    EXPECT_EQ(t.cosine[0], 65535);
    EXPECT_EQ(t.cosine[60], 32768); // 32767.5 rounds to the even neighbour
    EXPECT_EQ(t.cosine[90], 0);
    EXPECT_EQ(t.cosine[91], t.cosine[90]);
    EXPECT_EQ(t.powers[0][0], 65535);
    EXPECT_EQ(t.powers[2][91], t.powers[2][90]);
    EXPECT_EQ(t.powers[0][45], static_cast<int>(std::lround(
                                   65535.0 * std::pow(std::cos(std::numbers::pi / 4), 16))));
    // Linear interpolation between whole degrees; the argument is folded to |x|.
    EXPECT_NEAR(CosineOf(60.0), 32768.0 / 65535.0, 1e-12);
    EXPECT_NEAR(CosineOf(59.5), (t.cosine[59] + t.cosine[60]) / 2.0 / 65535.0, 1e-12);
    EXPECT_DOUBLE_EQ(CosinePower(64, -20.25), CosinePower(64, 20.25));
    // Far beyond the table the last entry is used, never a read past its end.
    EXPECT_DOUBLE_EQ(CosinePower(32, 200.0), t.powers[1][91] / 65535.0);
}

TEST(EngineTables, DipEquatorAndKnots) {
    EXPECT_FLOAT_EQ(DipEquatorTable[0], 11.567f);
    EXPECT_FLOAT_EQ(DipEquatorTable[8], -12.28f);
    EXPECT_FLOAT_EQ(DipEquatorTable[35], 11.22f);
    EXPECT_EQ(DipEquatorTable[36], DipEquatorTable[0]);
    // 90 − 12.28, held as a float.
    EXPECT_EQ(MaxMagneticLatitude(),
              static_cast<float>(90.0 - static_cast<double>(-DipEquatorTable[8])));
    EXPECT_NEAR(MaxMagneticLatitude(), 77.72, 1e-5);
    EXPECT_EQ(SeasonKnots.back().knot, 99);
    EXPECT_EQ(LatitudeKnots.front().width, 2.9);
    EXPECT_EQ(LatitudeKnots.back().first, 6);
    for (std::size_t i = 1; i < LatitudeKnots.size(); ++i)
        EXPECT_LT(LatitudeKnots[i - 1].knot, LatitudeKnots[i].knot);
    EXPECT_FLOAT_EQ(WinterAnomalyTable[0], 0.0282f);
    EXPECT_FLOAT_EQ(WinterAnomalyTable[11], 0.0083f);
}

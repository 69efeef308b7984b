#include "atlas/BuiltInAtlas.h"

#include "core/Syntax.h"
#include "tests/atlas/AtlasTestSupport.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

TEST(BuiltInAtlas, EveryRowFitsAndParses) {
    std::set<std::string> prefixes;
    for (const BuiltInAtlasRow& row : kBuiltInAtlasRows) {
        SCOPED_TRACE(row.Prefix);
        EXPECT_TRUE(IsValidPrefix(row.Prefix, false));
        EXPECT_TRUE(prefixes.insert(row.Prefix).second) << "prefix twice";
        EXPECT_LE(std::string(row.Latitude).size(), 8u);
        EXPECT_LE(std::string(row.Longitude).size(), 8u);
        EXPECT_GE(std::string(row.Name).size(), 1u);
        EXPECT_LE(std::string(row.Name).size(), 17u);
        const CoordinateParse lat = ParseCoordinate(row.Latitude, CoordinateKind::Latitude);
        const CoordinateParse lon = ParseCoordinate(row.Longitude, CoordinateKind::Longitude);
        ASSERT_TRUE(lat.ok) << row.Latitude;
        ASSERT_TRUE(lon.ok) << row.Longitude;
        // The texts are already in the program's tidy form, so they show as stored.
        EXPECT_EQ(lat.normalizedText, row.Latitude);
        EXPECT_EQ(lon.normalizedText, row.Longitude);
        EXPECT_LE(std::abs(lat.valueDeg), 90.0);
        EXPECT_LE(std::abs(lon.valueDeg), 180.0);
    }
    EXPECT_EQ(prefixes.size(), 371u);
}

TEST(BuiltInAtlas, IsInAscendingAtlasOrder) {
    for (std::size_t i = 1; i < kBuiltInAtlasRows.size(); ++i)
        EXPECT_LT(CompareAtlasText(kBuiltInAtlasRows[i - 1].Prefix, kBuiltInAtlasRows[i].Prefix), 0)
            << kBuiltInAtlasRows[i - 1].Prefix << " before " << kBuiltInAtlasRows[i].Prefix;
    EXPECT_STREQ(kBuiltInAtlasRows.front().Prefix, "1A0");
    EXPECT_STREQ(kBuiltInAtlasRows.back().Prefix, "ZS8");
}

// These rows are the fixed positions other tests and the examples rely on.
TEST(BuiltInAtlas, KeepsTheFixedRowsExactly) {
    const Atlas atlas = BuiltInAtlas();
    const AtlasEntry rows[] = {
        MakeAtlasEntry("1A0", "41 54", "-12 29", "S.M.O. of Malta"),
        MakeAtlasEntry("3A", "43.7", "-7.4", "Monaco"),
        MakeAtlasEntry("3D2/R", "-12 30", "-177 6.5", "Rotuma"),
        MakeAtlasEntry("4U1UN", "40 45", "73 58", "United Nations HQ"),
        MakeAtlasEntry("CY9", "47 13 35", "60 08 26", "St. Paul Island"),
        MakeAtlasEntry("F", "48", "-2", "France"),
        MakeAtlasEntry("KC4", "-90", "0", "Antarctica"),
        MakeAtlasEntry("VE3", "43 39", "79 23", "Toronto, Ontario"),
        MakeAtlasEntry("W", "39 50", "98 35", "U.S.A."),
        MakeAtlasEntry("W6", "37.3", "120", "California"),
        MakeAtlasEntry("ZS8", "-46.8", "-37.8", "P.E. & Marion Is."),
    };
    for (const AtlasEntry& row : rows)
        EXPECT_EQ(FindAtlasEntry(atlas, row.Prefix()), row);
}

TEST(BuiltInAtlas, OnlyTheFourPairsShareANameAndAllCallDistrictsArePresent) {
    std::map<std::string, std::vector<std::string>> byName;
    for (const BuiltInAtlasRow& row : kBuiltInAtlasRows)
        byName[row.Name].push_back(row.Prefix);
    std::map<std::string, std::vector<std::string>> shared;
    for (const auto& [name, prefixes] : byName)
        if (prefixes.size() > 1)
            shared[name] = prefixes;
    const std::map<std::string, std::vector<std::string>> expected = {
        {"Vietnam", {"3W", "XV"}},
        {"Saint Martin", {"FJ", "FS"}},
        {"East Malaysia", {"9M6", "9M8"}},
        {"Asiatic Russia", {"UA0", "UA9"}},
    };
    EXPECT_EQ(shared, expected);

    const Atlas atlas = BuiltInAtlas();
    EXPECT_EQ(FindAtlasEntry(atlas, "VE")->Name(), "Canada");
    for (const char* area : {"W", "VE", "VK"}) {
        const int last = std::string(area) == "VK" ? 8 : 9;
        for (int d = std::string(area) == "W" ? 0 : 1; d <= last; ++d) {
            const std::string prefix = std::string(area) + static_cast<char>('0' + d);
            EXPECT_TRUE(FindAtlasEntry(atlas, prefix)) << prefix;
        }
    }
}

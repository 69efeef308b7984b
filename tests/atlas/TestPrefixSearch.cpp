#include "atlas/PrefixSearch.h"

#include "tests/atlas/AtlasTestSupport.h"

#include <gtest/gtest.h>

namespace {

// The prefix of the line the search selects for `text`, or "none".
std::string Selected(const std::vector<std::string>& lines, PrefixSearchMode mode,
                     const std::string& text) {
    const std::optional<std::size_t> line = IncrementalSearch(lines, text);
    return line ? PrefixSearchPrefix(lines[*line], mode) : "none";
}

} // namespace

TEST(PrefixSearchLine, PlacesBothFieldsInTwentyEightColumns) {
    const AtlasEntry entry = MakeAtlasEntry("VE3", "43 39", "79 23", "Toronto, Ontario");
    EXPECT_EQ(PrefixSearchLine(entry, PrefixSearchMode::ByPrefix), " VE3      Toronto, Ontario  ");
    EXPECT_EQ(PrefixSearchLine(entry, PrefixSearchMode::ByName), " Toronto, Ontario    VE3    ");
    const AtlasEntry widest = MakeAtlasEntry("4U1ITU", "0", "0", "Trinidad & Tobago");
    EXPECT_EQ(PrefixSearchLine(widest, PrefixSearchMode::ByPrefix), " 4U1ITU   Trinidad & Tobago ");
    EXPECT_EQ(PrefixSearchLine(widest, PrefixSearchMode::ByName), " Trinidad & Tobago   4U1ITU ");
    EXPECT_EQ(PrefixSearchField(" Toronto, Ontario    VE3    ", PrefixSearchMode::ByName),
              "Toronto, Ontario");
    EXPECT_EQ(PrefixSearchField(" VE3      Toronto, Ontario  ", PrefixSearchMode::ByPrefix), "VE3");
    EXPECT_EQ(PrefixSearchPrefix(" Trinidad & Tobago   4U1ITU ", PrefixSearchMode::ByName),
              "4U1ITU");
    EXPECT_EQ(PrefixSearchPrefix("", PrefixSearchMode::ByName), "");
    EXPECT_EQ(PrefixSearchHeader(PrefixSearchMode::ByPrefix), "Prefix   Name");
    EXPECT_EQ(PrefixSearchHeader(PrefixSearchMode::ByName), "Name                Prefix");
}

TEST(PrefixSearchLine, ColumnsCountCharactersNotBytes) {
    const AtlasEntry moscow = MakeAtlasEntry("UA3", "55 45", "-37 37", "Москва");
    const std::string byName = PrefixSearchLine(moscow, PrefixSearchMode::ByName);
    EXPECT_EQ(byName, " Москва              UA3    ");
    EXPECT_EQ(PrefixSearchPrefix(byName, PrefixSearchMode::ByName), "UA3");
    EXPECT_EQ(PrefixSearchField(byName, PrefixSearchMode::ByName), "Москва");
    EXPECT_EQ(PrefixSearchLine(moscow, PrefixSearchMode::ByPrefix), " UA3      Москва            ");
}

TEST(PrefixSearchLines, FollowTheIndexOfTheMode) {
    const Atlas atlas = BuiltInAtlas();
    const auto byPrefix = PrefixSearchLines(atlas, PrefixSearchMode::ByPrefix);
    const auto byName = PrefixSearchLines(atlas, PrefixSearchMode::ByName);
    ASSERT_EQ(byPrefix.size(), 371u);
    ASSERT_EQ(byName.size(), 371u);
    for (std::size_t i = 0; i < 371; ++i) {
        EXPECT_EQ(byPrefix[i], PrefixSearchLine(AtlasEntryAt(atlas, AtlasIndex::ByPrefix, i + 1),
                                                PrefixSearchMode::ByPrefix));
        EXPECT_EQ(byName[i], PrefixSearchLine(AtlasEntryAt(atlas, AtlasIndex::ByName, i + 1),
                                              PrefixSearchMode::ByName));
    }
    EXPECT_TRUE(PrefixSearchLines(AtlasOf({}), PrefixSearchMode::ByName).empty());
    EXPECT_TRUE(PrefixSearchLines(Atlas{}, PrefixSearchMode::ByPrefix).empty());
}

TEST(IncrementalSearch, ByPrefixSelectsAsTheUserTypes) {
    const auto lines = PrefixSearchLines(BuiltInAtlas(), PrefixSearchMode::ByPrefix);
    const std::pair<const char*, const char*> cases[] = {
        {"V", "V2"},   {"VE", "VE"},      {"VE3", "VE3"}, {"ve3", "VE3"}, {"VE0", "VE1"},
        {"ZZ", "ZS8"}, {"", "1A0"},       {"0", "1A0"},   {"1", "1A0"},   {"2", "3A"},
        {"K", "KC4"},  {"3D2/", "3D2/C"}, {"~", "ZS8"},
    };
    for (const auto& [typed, prefix] : cases)
        EXPECT_EQ(Selected(lines, PrefixSearchMode::ByPrefix, typed), prefix)
            << '"' << typed << '"';
}

TEST(IncrementalSearch, ByNameIgnoresCase) {
    const auto lines = PrefixSearchLines(BuiltInAtlas(), PrefixSearchMode::ByName);
    const std::pair<const char*, const char*> cases[] = {
        {"Vietnam", "3W"},
        {"vietnam", "3W"},
        {"VIETNAM", "3W"},
        {"toronto", "VE3"},
        {"a", "VK5"},
        {"af", "YA"},
        {"Zz", "Z2"},
        {"zzz", "Z2"},
        {"Toronto, Ontario   ", "VE3"},
        {"Saint Martin", "FJ"},
        {"saint martin x", "5W"},
    };
    for (const auto& [typed, prefix] : cases)
        EXPECT_EQ(Selected(lines, PrefixSearchMode::ByName, typed), prefix) << '"' << typed << '"';
    EXPECT_EQ(IncrementalSearch({}, "VE"), std::nullopt);
}

TEST(PrefixSearchTopLine, ShowsTheSelectionAsTheThirdLine) {
    EXPECT_EQ(PrefixSearchTopLine(0), 0u);
    EXPECT_EQ(PrefixSearchTopLine(1), 0u);
    EXPECT_EQ(PrefixSearchTopLine(2), 0u);
    EXPECT_EQ(PrefixSearchTopLine(370), 368u);
}

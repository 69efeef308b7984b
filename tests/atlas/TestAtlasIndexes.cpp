#include "atlas/Atlas.h"

#include "tests/atlas/AtlasTestSupport.h"

#include <gtest/gtest.h>

#include <random>

namespace {

AtlasEntry Named(const std::string& prefix, const std::string& name) {
    return MakeAtlasEntry(prefix, "0", "0", name);
}

std::vector<std::string> NamesByName(const Atlas& atlas) {
    std::vector<std::string> result;
    for (std::size_t p = 1; p <= atlas.ByName.size(); ++p)
        result.push_back(AtlasEntryAt(atlas, AtlasIndex::ByName, p).Prefix());
    return result;
}

// The name index built the slow way, one entry at a time: a binary search for the
// first name not less than the new one, then past the names byte-for-byte equal to
// it, then a shift to make room.
std::vector<std::uint32_t> InsertOneByOne(const Atlas& atlas) {
    std::vector<std::uint32_t> byName;
    for (std::uint32_t i = 0; i < atlas.Entries.size(); ++i) {
        const std::string name = atlas.Entries[i].Name();
        std::size_t lo = 0, hi = byName.size();
        while (lo < hi) {
            const std::size_t mid = (lo + hi) / 2;
            if (CompareAtlasText(name, atlas.Entries[byName[mid]].Name()) <= 0)
                hi = mid;
            else
                lo = mid + 1;
        }
        while (lo < byName.size() && atlas.Entries[byName[lo]].Name() == name)
            ++lo;
        byName.insert(byName.begin() + static_cast<std::ptrdiff_t>(lo), i);
    }
    return byName;
}

} // namespace

TEST(AtlasIndexes, EqualNamesKeepFileOrder) {
    const Atlas atlas = BuiltInAtlas();
    std::vector<std::string> vietnam;
    for (const std::string& prefix : NamesByName(atlas))
        if (FindAtlasEntry(atlas, prefix)->Name() == "Vietnam")
            vietnam.push_back(prefix);
    EXPECT_EQ(vietnam, (std::vector<std::string>{"3W", "XV"}));
    EXPECT_EQ(AtlasEntryAt(atlas, AtlasIndex::ByName, 1).Name(), "Adelaide, S.A.");
}

TEST(AtlasIndexes, NamesDifferingOnlyInCasePutTheLaterFirst) {
    const Atlas atlas =
        AtlasOf({Named("A1", "Vietnam"), Named("A2", "VIETNAM"), Named("A3", "Vietnam"),
                 Named("A4", "apple"), Named("A5", "Vietnam")});
    EXPECT_EQ(NamesByName(atlas), (std::vector<std::string>{"A4", "A3", "A5", "A2", "A1"}));
}

TEST(AtlasIndexes, MatchInsertingOneByOneOnRandomAtlases) {
    // Few short names in mixed case, so equal and case-equal names are common.
    const std::vector<std::string> pool = {"a",  "A", "ab", "AB", "aB", "b",
                                           "B ", "b", "",   "Ab", "abc"};
    std::mt19937 random(5);
    for (int round = 0; round < 200; ++round) {
        std::vector<AtlasEntry> entries;
        const int count = static_cast<int>(random() % 40);
        for (int i = 0; i < count; ++i)
            entries.push_back(Named(std::to_string(i), pool[random() % pool.size()]));
        const Atlas atlas = AtlasOf(entries);
        ASSERT_EQ(atlas.ByName, InsertOneByOne(atlas)) << "round " << round;
    }
}

TEST(AtlasLowerBound, FindsTheFirstPositionNotLessThanTheKey) {
    const Atlas atlas = BuiltInAtlas();
    const std::size_t n = atlas.ByPrefix.size();
    const auto at = [&](const char* key) {
        const std::size_t p = AtlasLowerBound(atlas, key, AtlasIndex::ByPrefix, n);
        return p <= n ? AtlasEntryAt(atlas, AtlasIndex::ByPrefix, p).Prefix()
                      : std::string("past the end");
    };
    EXPECT_EQ(AtlasLowerBound(atlas, "", AtlasIndex::ByPrefix, n), 1u);
    EXPECT_EQ(at("ve"), "VE");
    EXPECT_EQ(at("VE0"), "VE1");
    EXPECT_EQ(at("K"), "KC4");
    EXPECT_EQ(at("ZZ"), "past the end");
    EXPECT_EQ(AtlasLowerBound(atlas, "ZS8", AtlasIndex::ByPrefix, 0), 1u);
    EXPECT_EQ(AtlasLowerBound(atlas, "ZZ", AtlasIndex::ByPrefix, 10), 11u);
    const std::size_t p = AtlasLowerBound(atlas, "vietnam", AtlasIndex::ByName, n);
    EXPECT_EQ(AtlasEntryAt(atlas, AtlasIndex::ByName, p).Prefix(), "3W");
}

TEST(FindAtlasEntry, MatchesThePrefixExactly) {
    const Atlas atlas = BuiltInAtlas();
    ASSERT_TRUE(FindAtlasEntry(atlas, "VE3"));
    EXPECT_EQ(FindAtlasEntry(atlas, "VE3")->Name(), "Toronto, Ontario");
    EXPECT_EQ(FindAtlasEntry(atlas, "VE")->Name(), "Canada");
    EXPECT_EQ(FindAtlasEntry(atlas, "1A0")->Name(), "S.M.O. of Malta");
    EXPECT_EQ(FindAtlasEntry(atlas, "ZS8")->Name(), "P.E. & Marion Is.");
    for (const char* absent : {"ve3", "V", "VE0", "ZZ", "", "3D2/"})
        EXPECT_FALSE(FindAtlasEntry(atlas, absent)) << absent;
    EXPECT_FALSE(FindAtlasEntry(AtlasOf({}), "VE3"));
    EXPECT_FALSE(FindAtlasEntry(Atlas{}, "VE3"));
}

TEST(AtlasStatus, ShowsAMessageOnlyAtOrBelowTheThreshold) {
    Atlas unavailable;
    unavailable.FilePath = "/nowhere/Hopscope.ATL";
    const Atlas empty = AtlasOf({});
    std::vector<AtlasEntry> twelve;
    for (int i = 0; i < 12; ++i)
        twelve.push_back(Named(std::to_string(10 + i), "x"));
    const Atlas full = AtlasOf(twelve);
    struct Case {
        const Atlas* atlas;
        int threshold;
        std::string text;
    };
    const Case cases[] = {
        {&unavailable, -2, ""},
        {&unavailable, -1, "Atlas file /nowhere/Hopscope.ATL not found\ror the file is corrupt."},
        {&empty, -1, ""},
        {&empty, 0, "The atlas is empty."},
        {&full, -2, ""},
        {&full, 0, ""},
        {&full, 12, "The atlas has 12 entries."},
    };
    for (const Case& c : cases) {
        const AtlasStatusResult status = AtlasStatus(*c.atlas, c.threshold);
        EXPECT_EQ(status.count, c.atlas->Count);
        EXPECT_EQ(status.message.text, c.text) << "threshold " << c.threshold;
        EXPECT_EQ(status.message.kind,
                  c.text.empty() ? MessageKind::None : MessageKind::Information);
        EXPECT_EQ(status.message.alert, !c.text.empty());
    }
}

TEST(PrefixInUse, RefusesATakenPrefixWithTheProgramsMessage) {
    const Atlas atlas = BuiltInAtlas();
    const PrefixUse used = PrefixInUse(atlas, "VE3");
    EXPECT_TRUE(used);
    EXPECT_EQ(used.message.text, "Prefix VE3 is in use by another entry");
    EXPECT_EQ(used.message.kind, MessageKind::Error);
    EXPECT_TRUE(used.message.alert);
    const PrefixUse free = PrefixInUse(atlas, "VE0");
    EXPECT_FALSE(free);
    EXPECT_TRUE(free.message.IsEmpty());
}

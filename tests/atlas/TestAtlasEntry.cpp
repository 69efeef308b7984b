#include "atlas/AtlasEntry.h"

#include "tests/atlas/AtlasTestSupport.h"

#include <gtest/gtest.h>

namespace {

std::string Bytes(const AtlasEntry& entry) {
    return std::string(entry.bytes.begin(), entry.bytes.end());
}

} // namespace

TEST(AtlasEntry, IsFourLengthPrefixedTextsInFortyEightBytes) {
    const AtlasEntry entry = MakeAtlasEntry("VE3", "43 39", "79 23", "Toronto, Ontario");
    const std::string expected = std::string("\x03VE3\0\0\0", 7) +
                                 std::string("\x05"
                                             "43 39\0\0\0\0\0",
                                             11) +
                                 std::string("\x05"
                                             "79 23\0\0\0\0\0\0",
                                             12) +
                                 std::string("\x10Toronto, Ontario\0", 18);
    ASSERT_EQ(expected.size(), 48u);
    EXPECT_EQ(Bytes(entry), expected);
    EXPECT_EQ(entry.Prefix(), "VE3");
    EXPECT_EQ(entry.Latitude(), "43 39");
    EXPECT_EQ(entry.Longitude(), "79 23");
    EXPECT_EQ(entry.Name(), "Toronto, Ontario");
    EXPECT_EQ(Bytes(AtlasEntry{}), std::string(48, '\0'));
}

TEST(AtlasEntry, TextsAreCutToTheirCapacities) {
    const AtlasEntry entry =
        MakeAtlasEntry("ABCDEFGH", "12345678901", "123456789012", "A name of twenty chars");
    EXPECT_EQ(entry.Prefix(), "ABCDEF");
    EXPECT_EQ(entry.Latitude(), "1234567890");
    EXPECT_EQ(entry.Longitude(), "12345678901");
    EXPECT_EQ(entry.Name(), "A name of twenty ");
}

TEST(AtlasEntry, ADamagedLengthByteIsReadAsTheCapacity) {
    AtlasEntry entry = MakeAtlasEntry("W", "1", "2", "Name");
    entry.bytes[0] = 255;
    entry.bytes[30] = 200;
    EXPECT_EQ(entry.Prefix(), "W?????"); // the zero bytes past the text, shown as "?"
    EXPECT_EQ(entry.Name().size(), 17u);
    EXPECT_EQ(entry.Latitude(), "1");
}

TEST(CompareAtlasText, UpperCasesOnlyAsciiLettersAndPutsBeginningsFirst) {
    struct Case {
        const char* a;
        const char* b;
        int sign;
    };
    const Case cases[] = {
        {"ve3", "VE3", 0}, {"VE", "VE3", -1}, {"3D2", "3D2/C", -1}, {"3D2/C", "3D2/R", -1},
        {"Z", "a", 1},     {"[", "a", 1},     {"", "", 0},          {"", "A", -1},
        {"9Y", "A2", -1},  {"\xE9", "z", 1},  {"\xE9", "\xC9", 1},  {"Saint", "Saint Martin", -1},
    };
    for (const Case& c : cases) {
        const int result = CompareAtlasText(c.a, c.b);
        EXPECT_EQ((result > 0) - (result < 0), c.sign) << '"' << c.a << "\" vs \"" << c.b << '"';
        const int reverse = CompareAtlasText(c.b, c.a);
        EXPECT_EQ((reverse > 0) - (reverse < 0), -c.sign) << '"' << c.b << "\" vs \"" << c.a << '"';
    }
    EXPECT_EQ(AtlasUpperCase("ve3/p \xe9z"), "VE3/P \xe9Z");
}

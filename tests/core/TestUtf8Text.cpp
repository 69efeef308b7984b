#include "core/Terminal.h"
#include "core/Utf8Text.h"

#include <gtest/gtest.h>

namespace {

bool IsValidUtf8(const std::string& text) {
    return ToValidUtf8(text) == text;
}

} // namespace

TEST(CutText, CutsOnWholeCharactersWithinTheFieldsBytes) {
    // Three bytes a character: 17 bytes hold five; the sixth would be cut in half.
    const std::string tokyo = "東京都港区六本木";
    const std::string cut = CutText(tokyo, kNameCapacity);
    EXPECT_EQ(cut, "東京都港区");
    EXPECT_TRUE(IsValidUtf8(cut));
    EXPECT_EQ(CutText("Zürich Nord Ost 1", 17), "Zürich Nord Ost "); // 18 bytes
    EXPECT_EQ(CutText("abcdefghijklmnopqrstu", 17), "abcdefghijklmnopq");
    EXPECT_EQ(CutText("ü", 1), "");
    EXPECT_EQ(CutText("Toronto", 17), "Toronto");
    // A byte outside any UTF-8 sequence is one character of its own.
    EXPECT_EQ(CutText("ab\xFC\xFC", 3), "ab\xFC");
}

TEST(CutText, NeverLeavesHalfACharacterWhateverTheCapacity) {
    const std::string mixed = "aé東😀b\xC3";
    for (std::size_t capacity = 0; capacity <= mixed.size() + 1; ++capacity) {
        const std::string cut = CutText(mixed, capacity);
        EXPECT_LE(cut.size(), capacity);
        EXPECT_EQ(mixed.compare(0, cut.size(), cut), 0);
        if (capacity < mixed.size()) {
            EXPECT_TRUE(IsValidUtf8(cut)) << capacity;
        }
    }
}

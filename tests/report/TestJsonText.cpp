#include "report/JsonText.h"

#include <gtest/gtest.h>

TEST(JsonString, EscapesWhatJsonForbidsAndKeepsTheRest) {
    EXPECT_EQ(JsonString(""), "\"\"");
    EXPECT_EQ(JsonString("say \"hi\" \\ there"), "\"say \\\"hi\\\" \\\\ there\"");
    EXPECT_EQ(JsonString("a\nb\rc\td"), "\"a\\nb\\rc\\td\"");
    EXPECT_EQ(JsonString(std::string_view("\x01\x1f\0", 3)), "\"\\u0001\\u001f\\u0000\"");
    EXPECT_EQ(JsonString("0.5 \xC2\xB5V"), "\"0.5 \xC2\xB5V\""); // well-formed UTF-8 passes through
}

TEST(JsonString, StrayBytesAreReadAsLatin1) {
    // A place name stored as 8-bit text still gives valid UTF-8 JSON.
    EXPECT_EQ(JsonString("Z\xFCrich"), "\"Z\xC3\xBCrich\"");
    EXPECT_EQ(JsonString("\xC3"), "\"\xC3\x83\"");
}

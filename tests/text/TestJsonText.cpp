#include "text/JsonText.h"

#include <gtest/gtest.h>

#include <limits>

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

TEST(JsonNumber, ShortestFormThatReadsBackAndNullWhenNotFinite) {
    EXPECT_EQ(JsonNumber(14.1f), "14.1"); // a float as a float, not 14.100000381469727
    EXPECT_EQ(JsonNumber(0.25 * 57.29577951308232), "14.32394487827058");
    EXPECT_EQ(JsonNumber(270.0), "270");
    EXPECT_EQ(JsonNumber(-0.5f), "-0.5");
    EXPECT_EQ(JsonNumber(std::numeric_limits<double>::infinity()), "null");
    EXPECT_EQ(JsonNumber(std::numeric_limits<float>::quiet_NaN()), "null");
}

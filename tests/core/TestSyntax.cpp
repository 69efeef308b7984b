#include <gtest/gtest.h>

#include <random>

#include "core/Core.h"
#include "tests/core/CorePrinters.h"

namespace {

struct CoordinateCase {
    const char* name;
    const char* input;
    CoordinateKind kind;
    double valueDeg;
    const char* normalized;
};

class ParseCoordinateAccepts : public testing::TestWithParam<CoordinateCase> {};

TEST_P(ParseCoordinateAccepts, ValueAndNormalizedText) {
    const CoordinateCase& c = GetParam();
    const CoordinateParse r = ParseCoordinate(c.input, c.kind);
    ASSERT_TRUE(r.ok) << OneLineText(r.message);
    EXPECT_NEAR(r.valueDeg, c.valueDeg, 1e-12);
    EXPECT_EQ(r.normalizedText, c.normalized);
    EXPECT_TRUE(r.message.IsEmpty());
}

constexpr CoordinateKind kLat = CoordinateKind::Latitude;
constexpr CoordinateKind kLon = CoordinateKind::Longitude;

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseCoordinateAccepts,
    testing::Values(CoordinateCase{"Decimal", "40.9", kLat, 40.9, "40.9"},
                    CoordinateCase{"PlusSign", "+40.9", kLat, 40.9, "+40.9"},
                    CoordinateCase{"DegMinNorth", "40 54 N", kLat, 40.9, "40 54 N"},
                    CoordinateCase{"LetterJoined", "40 54.0N", kLat, 40.9, "40 54.0 N"},
                    CoordinateCase{"DegMin", "40 54", kLat, 40.9, "40 54"},
                    CoordinateCase{"RunsOfBlanks", "  40  54N ", kLat, 40.9, "40 54 N"},
                    CoordinateCase{"DegMinSecEast", "28 10 30 E", kLon, -28.175, "28 10 30 E"},
                    CoordinateCase{"MinusDecimalMinutes", "-28 10.5", kLon, -28.175, "-28 10.5"},
                    CoordinateCase{"SignThenBlank", "- 28", kLon, -28, "-28"},
                    CoordinateCase{"South", "33.9 S", kLat, -33.9, "33.9 S"},
                    CoordinateCase{"LatitudeLetterNotChecked", "10 E", kLat, -10, "10 E"},
                    CoordinateCase{"NinetyInclusive", "90", kLat, 90, "90"},
                    CoordinateCase{"MinusNinety", "-90", kLat, -90, "-90"},
                    CoordinateCase{"LongitudeUpTo360", "359 W", kLon, 359, "359 W"},
                    CoordinateCase{"ThreeSixty", "-360", kLon, -360, "-360"},
                    CoordinateCase{"LeadingDot", ".5", kLat, 0.5, ".5"},
                    CoordinateCase{"Zero", "0", kLon, 0, "0"}),
    [](const testing::TestParamInfo<CoordinateCase>& info) {
        return std::string(info.param.name);
    });

TEST(ParseCoordinate, SyntaxErrorsOpenTheSyntaxWindow) {
    for (const char* bad : {"40 60",   "+40 N", "40 N N",  "1 2 3 4", "++40",  "--40", "40..5",
                            "4.0 5.0", "+",     "-",       "N",       "+ ",    "40 x", "N40",
                            "40-5",    ". 5",   "40 5 60", "1e5",     "40\t5", "-40 S"}) {
        const CoordinateParse r = ParseCoordinate(bad, kLat);
        EXPECT_FALSE(r.ok) << bad;
        EXPECT_EQ(r.message.kind, MessageKind::SyntaxError) << bad;
        EXPECT_TRUE(r.message.alert);
        EXPECT_EQ(r.valueDeg, 0.0);
        EXPECT_EQ(r.normalizedText, std::string(bad).substr(0, 11)) << bad;
    }
}

TEST(ParseCoordinate, EmptyAndOutOfRangeGetTheirMessages) {
    const CoordinateParse empty = ParseCoordinate("   ", kLon);
    EXPECT_EQ(empty.message.kind, MessageKind::Error);
    EXPECT_EQ(empty.message.text, "You have not entered a valid longitude.");
    const CoordinateParse lat = ParseCoordinate("91", kLat);
    EXPECT_FALSE(lat.ok);
    EXPECT_EQ(lat.message.text, "Please enter a latitude between -90 and +90 degrees.");
    EXPECT_EQ(lat.valueDeg, 0.0);
    EXPECT_EQ(lat.normalizedText, "91");
    EXPECT_EQ(ParseCoordinate("-90 0 1", kLat).message.text,
              "Please enter a latitude between -90 and +90 degrees.");
    EXPECT_EQ(ParseCoordinate("360.01 W", kLon).message.text,
              "Please enter a longitude between -360 and +360 degrees.");
}

// The normalized text is what records store and parse again, so it must never
// lose the letter that carries the sign.
TEST(ParseCoordinate, NormalizedTextsThatGrowKeepTheirSign) {
    const CoordinateParse full = ParseCoordinate("28 10 30.2E", kLon);
    ASSERT_TRUE(full.ok);
    EXPECT_EQ(full.normalizedText, "28 10 30.2E");
    EXPECT_EQ(ParseCoordinate(full.normalizedText, kLon).valueDeg, full.valueDeg);
    const CoordinateParse longer = ParseCoordinate("28 10 30.25 E", kLon);
    ASSERT_TRUE(longer.ok);
    EXPECT_EQ(longer.normalizedText, "-28.175069");
    // A latitude record holds 10 characters.
    const CoordinateParse lat = ParseCoordinate("40 5 30.5S", kLat);
    EXPECT_EQ(lat.normalizedText, "40 5 30.5 S");
    EXPECT_EQ(FitCoordinateText(lat.normalizedText, lat.valueDeg, kLatitudeTextCapacity),
              "40 5 30.5S");
    EXPECT_EQ(FitCoordinateText("+40 5 30.55", 40.091819444, kLatitudeTextCapacity), "40.091819");
    EXPECT_EQ(FitCoordinateText("40 54 N", 40.9, kLatitudeTextCapacity), "40 54 N");
}

TEST(ParseCoordinate, SyntaxWindowLinesByKind) {
    const std::vector<std::string> lat = SyntaxErrorLines(kLat);
    ASSERT_EQ(lat.size(), 9u);
    EXPECT_EQ(lat[0], "Invalid syntax.");
    EXPECT_EQ(lat[1], "Use: [+/-]deg [min [sec]] [N/S]");
    EXPECT_EQ(lat[5], "          40 54 N    28 10 30 S");
    EXPECT_EQ(lat[8], "Do not mix +/- and N/S.");
    const std::vector<std::string> lon = SyntaxErrorLines(kLon);
    EXPECT_EQ(lon[1], "Use: [+/-]deg [min [sec]] [W/E]");
    EXPECT_EQ(lon[5], "          40 54 W    28 10 30 E");
    EXPECT_EQ(lon[8], "Do not mix +/- and W/E.");
}

TEST(GridLocator, CentresOfSquaresAndSubsquares) {
    const LocatorResult fn31 = GridLocatorToCoordinates("FN31", true);
    ASSERT_TRUE(fn31.ok);
    EXPECT_EQ(fn31.latitudeText, "41.50");
    EXPECT_EQ(fn31.longitudeText, "73.00");
    const LocatorResult jn58 = GridLocatorToCoordinates("JN58", true);
    EXPECT_EQ(jn58.latitudeText, "48.50");
    EXPECT_EQ(jn58.longitudeText, "-11.00");
    // FN31pr: 72.7083° W, 41.7292° N.
    const LocatorResult six = GridLocatorToCoordinates("FN31PR", true);
    ASSERT_TRUE(six.ok);
    EXPECT_NEAR(six.latitudeDeg, 41.0 + 17 * 2.5 / 60 + 1.0 / 48, 1e-12);
    EXPECT_NEAR(six.longitudeDeg, 74.0 - 15 * 5.0 / 60 - 1.0 / 24, 1e-12);
    EXPECT_EQ(six.latitudeText, "41.73");
    EXPECT_EQ(six.longitudeText, "72.71");
    // Corners of the grid.
    EXPECT_EQ(GridLocatorToCoordinates("AA00AA", false).latitudeText, "-89.98");
    EXPECT_EQ(GridLocatorToCoordinates("RR99XX", false).longitudeText, "-179.96");
}

TEST(GridLocator, Refusals) {
    for (const char* bad : {"FN31pr", "fn31", "SN31", "FNA1", "FN31PY", "F N3"}) {
        const LocatorResult r = GridLocatorToCoordinates(bad, true);
        EXPECT_FALSE(r.ok) << bad;
        EXPECT_EQ(r.message.text, "You have not entered a valid grid locator") << bad;
        EXPECT_TRUE(GridLocatorToCoordinates(bad, false).message.IsEmpty());
    }
    for (const char* wrongLength : {"", "FN3", "FN31P", "FN31PRX"})
        EXPECT_TRUE(GridLocatorToCoordinates(wrongLength, true).message.IsEmpty()) << wrongLength;
}

TEST(Prefix, ValidAndInvalid) {
    for (const char* good : {"DL", "3DA", "K", "VP2E", "KH6/K", "W1AW/K"})
        EXPECT_TRUE(IsValidPrefix(good, true).ok) << good;
    for (const char* bad : {"", "/P", "K7/", "1234", "ABCDEFG", "12/A", "dl", "D L", "D#"}) {
        const CheckResult r = IsValidPrefix(bad, true);
        EXPECT_FALSE(r.ok) << bad;
        EXPECT_EQ(r.message.text, "You have not entered a valid prefix");
        EXPECT_TRUE(IsValidPrefix(bad, false).message.IsEmpty());
    }
}

TEST(TimeOfDay, ChecksAndHours) {
    EXPECT_TRUE(IsValidHHMM("0000"));
    EXPECT_TRUE(IsValidHHMM("2359"));
    for (const char* bad : {"2400", "1260", "930", "09300", "12:3", "-130", ""})
        EXPECT_FALSE(IsValidHHMM(bad)) << bad;
    EXPECT_TRUE(CheckTimeOfDay("0000").ok);
    EXPECT_TRUE(CheckTimeOfDay("2359").ok);
    const CheckResult late = CheckTimeOfDay("2400");
    EXPECT_FALSE(late.ok);
    EXPECT_EQ(late.message.text, "Please enter a four-digit time between 0000 and 2359.");
    EXPECT_FALSE(CheckTimeOfDay("+130").ok);
    EXPECT_DOUBLE_EQ(*HHMMToHours("0930"), 9.5);
    EXPECT_DOUBLE_EQ(*HHMMToHours("2345"), 23.75);
    EXPECT_FALSE(HHMMToHours("ab").has_value());
}

struct SolarCase {
    const char* input;
    bool sunspotPrimary;
    bool ok;
    const char* text; // the rewritten text, or the message
};

class SolarIndexCheck : public testing::TestWithParam<SolarCase> {};

TEST_P(SolarIndexCheck, Result) {
    const SolarCase& c = GetParam();
    const TextCheck r = CheckSolarIndex(c.input, c.sunspotPrimary);
    EXPECT_EQ(r.ok, c.ok);
    EXPECT_EQ(r.ok ? r.text : r.message.text, c.text);
    if (!r.ok) {
        EXPECT_EQ(r.text, c.input);
        EXPECT_TRUE(r.message.alert);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SolarIndexCheck,
    testing::Values(SolarCase{"S0", false, true, "S0.0"}, SolarCase{"S360", false, true, "S360.0"},
                    SolarCase{"S360.04", false, true, "S360.0"},
                    SolarCase{"S360.05", false, false, "Sunspot number must be between 0 and 360"},
                    SolarCase{"F59.9", false, false, "Solar flux must be between 60 and 410"},
                    SolarCase{"F59.96", false, true, "F60.0"},
                    SolarCase{"F410", false, true, "F410.0"},
                    SolarCase{"150", true, true, "S150.0"}, SolarCase{"150", false, true, "F150.0"},
                    SolarCase{"F150", true, true, "F150.0"},
                    SolarCase{"S12.34", false, true, "S12.3"},
                    SolarCase{"", true, false, "You must enter a solar flux or sunspot number"},
                    SolarCase{"S", false, false, "Sunspot number must be between 0 and 360"},
                    SolarCase{"S.", false, false, "Sunspot number must be between 0 and 360"},
                    SolarCase{"FS100", false, false, "Solar flux must be between 60 and 410"},
                    SolarCase{"S-5", false, false, "Sunspot number must be between 0 and 360"}));

TEST(KIndex, CanonicalFormAndRefusals) {
    EXPECT_TRUE(CheckKIndex("").ok);
    EXPECT_EQ(CheckKIndex("").text, "");
    EXPECT_EQ(CheckKIndex("05").text, "5");
    EXPECT_EQ(CheckKIndex("-1").text, "-1");
    EXPECT_EQ(CheckKIndex("9").text, "9");
    for (const char* bad : {"10", "-2", "a", "-", "1.5", " 5"}) {
        const TextCheck r = CheckKIndex(bad);
        EXPECT_FALSE(r.ok) << bad;
        EXPECT_EQ(
            r.message.text,
            "Please enter a K index between 0 and 9 (or leave blank or enter -1 if you want the "
            "calculations to use an average K index).");
    }
}

// No text may crash a parser or leave it in an inconsistent state.
TEST(Syntax, RandomTextsNeverCrashAndResultsStayConsistent) {
    const std::string alphabet = "0123456789 +-.NSEWnsew/ABRXZ_:\t\r\xff";
    const std::string plausible = "0123456789012345    .NSEW-";
    std::mt19937 rng(2026);
    std::uniform_int_distribution<std::size_t> length(0, 40), pick(0, alphabet.size() - 1);
    const DateConventions dates{DateOrder::MonthDayYear, '/'};
    for (int i = 0; i < 20000; ++i) {
        std::string text(length(rng), ' ');
        const std::string& chars = i % 2 ? alphabet : plausible;
        for (char& c : text)
            c = chars[pick(rng) % chars.size()];
        if (i % 2 == 0)
            text.resize(text.size() % 14);
        for (CoordinateKind kind : {kLat, kLon}) {
            const CoordinateParse r = ParseCoordinate(text, kind);
            ASSERT_LE(r.normalizedText.size(), 11u);
            ASSERT_EQ(r.ok, r.message.IsEmpty()) << text;
            if (r.ok) {
                ASSERT_LE(std::abs(r.valueDeg), kind == kLat ? 90.0 : 360.0);
                // The normalized text, also when fitted into its record,
                // reads back to the same value (to the 6 decimals of a fallback).
                for (const std::string& stored :
                     {r.normalizedText, FitCoordinateText(r.normalizedText, r.valueDeg,
                                                          kind == kLat ? kLatitudeTextCapacity
                                                                       : kLongitudeTextCapacity)}) {
                    const CoordinateParse again = ParseCoordinate(stored, kind);
                    ASSERT_TRUE(again.ok) << text;
                    ASSERT_NEAR(again.valueDeg, r.valueDeg, 5e-7)
                        << text << " stored as " << stored;
                }
            }
        }
        const LocatorResult loc = GridLocatorToCoordinates(text, true);
        if (loc.ok) {
            ASSERT_LE(std::abs(loc.latitudeDeg), 90.0);
        }
        IsValidPrefix(text, true);
        IsValidHHMM(text);
        HHMMToHours(text);
        CheckTimeOfDay(text);
        const TextCheck solar = CheckSolarIndex(text, i % 2 == 0);
        if (solar.ok) {
            ASSERT_TRUE(CheckSolarIndex(solar.text, false).ok);
        }
        CheckKIndex(text);
        if (IsValidDateText(text, dates)) {
            ASSERT_TRUE(ParseDateText(text, dates).has_value());
        }
        ParseDecimal(text, true);
        LettersToMode(text);
    }
    // Very long texts.
    const std::string longText(100000, '9');
    EXPECT_FALSE(ParseCoordinate(longText, kLat).ok);
    EXPECT_FALSE(CheckSolarIndex(longText, true).ok);
    EXPECT_FALSE(IsValidPrefix(longText, true).ok);
}

} // namespace

TEST(TrimBlanks, OnlyOuterSpacesGo) {
    EXPECT_EQ(TrimBlanks("  40 54 N  "), "40 54 N");
    EXPECT_EQ(TrimBlanks("   "), "");
    EXPECT_EQ(TrimBlanks(""), "");
    EXPECT_EQ(TrimBlanks("\t7.1 "), "\t7.1"); // a blank is a space, nothing else
}

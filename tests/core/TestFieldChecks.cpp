// The checks the entry fields run when they are left, and the date field's mask
// editing, without windows.

#include "core/DateMask.h"
#include "core/FieldChecks.h"
#include "core/Terminal.h"
#include "core/Utf8Text.h"

#include <gtest/gtest.h>

namespace {

struct RealCase {
    const char* name;
    const char* typed;
    bool accepted;
    const char* shown;
};

class RealFieldCheck : public testing::TestWithParam<RealCase> {};

} // namespace

TEST(FieldChecks, LatitudePolesAreSpelledOut) {
    // A value that shows as 90.00 is a pole; its spelling follows what was typed.
    const std::pair<const char*, const char*> cases[] = {{"89.996", "90"},   {"89.996N", "90 N"},
                                                         {"+89.999", "+90"}, {"89.999 S", "90 S"},
                                                         {"-89.995", "-90"}, {"89.99", "89.99"}};
    for (const auto& [typed, shown] : cases) {
        const TextCheck check = CheckLatitudeField(typed);
        EXPECT_TRUE(check.ok) << typed;
        EXPECT_EQ(check.text, shown) << typed;
    }
    const TextCheck beyond = CheckLatitudeField("91");
    EXPECT_FALSE(beyond.ok);
    EXPECT_EQ(beyond.text, "91");
    EXPECT_EQ(beyond.message.text, "Please enter a latitude between -90 and +90 degrees.");
}

TEST_P(RealFieldCheck, RoundsToItsPrecisionBeforeTheRangeCheck) {
    const RealCase& c = GetParam();
    const TextCheck check = CheckRealField(c.typed, 1, 3.0, 30.0, 0);
    EXPECT_EQ(check.ok, c.accepted);
    EXPECT_EQ(check.text, c.shown);
    if (!c.accepted) {
        EXPECT_EQ(check.message.text, "Please enter a value between 3 and 30.");
    }
}

INSTANTIATE_TEST_SUITE_P(Typed, RealFieldCheck,
                         testing::Values(RealCase{"CutToOneDecimal", "14.14", true, "14.1"},
                                         RealCase{"RoundsUpToTheMinimum", "2.96", true, "3.0"},
                                         RealCase{"RoundsDownToTheMaximum", "30.04", true, "30.0"},
                                         RealCase{"WholeNumber", "3", true, "3.0"},
                                         RealCase{"Above", "30.05", false, "30.05"},
                                         RealCase{"NotANumber", ".", false, "."}),
                         [](const testing::TestParamInfo<RealCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(FieldChecks, RangeMessagesKeepTheBoundsDecimals) {
    EXPECT_EQ(CheckRealField("-100", 1, -99.9, 100.0, 0).message.text,
              "Please enter a value between -99.9 and 100.");
    EXPECT_EQ(CheckRealField("7", 1, 0.0, 45.0, 5).text, "  7.0");
    EXPECT_EQ(CheckIntegerField("0", 1, 20000, 0).message.text,
              "Please enter a value between 1 and 20000.");
    EXPECT_EQ(CheckIntegerField(" 2500 ", 1, 20000, 5).text, " 2500");
    EXPECT_EQ(CheckIntegerField(" 2500", 1, 20000, 0).text, " 2500"); // kept as typed
    EXPECT_FALSE(CheckIntegerField("20000.5", 1, 20000, 0).ok);
}

TEST(FieldChecks, NamesAndRecordTexts) {
    EXPECT_EQ(CheckNameField("   ", false).message.text, "A Name is required");
    EXPECT_TRUE(CheckNameField("   ", true).ok);
    // Control characters would act on a terminal where the name is printed.
    for (const char* name : {"\x1B[2JHome", "Two\nLines", "Nul\x7F", "C1\xC2\x85"})
        EXPECT_EQ(CheckNameField(name, false).message.text, "A Name cannot hold control characters")
            << name;
    EXPECT_TRUE(CheckNameField("Zürich", false).ok);
    EXPECT_EQ(WithoutControlCharacters("a\tb\x1B\xC2\x9Fü"), "a?b??ü");
    EXPECT_EQ(CutText("Toronto", 17), "Toronto");
    EXPECT_EQ(CutText("abcdefghijklmnopqrstu", 17), "abcdefghijklmnopq");
    // "ü" is two bytes; a cut through it drops it whole.
    EXPECT_EQ(CutText("Zürich Nord Ost 1", 17), "Zürich Nord Ost ");
    EXPECT_EQ(CutText("ü", 1), "");
}

TEST(DateMask, TypingOverwritesAndJumpsSeparators) {
    const std::string blank = "__/__/__";
    EXPECT_EQ(DateMaskType("06/15/02", 0, 0, 0, '0', blank), (DateMaskState{"06/15/02", 1}));
    EXPECT_EQ(DateMaskType("06/15/02", 1, 1, 1, '7', blank), (DateMaskState{"07/15/02", 3}));
    // A separator only goes where the mask has one; letters never; nothing at the end.
    EXPECT_EQ(DateMaskType("07/_5/02", 3, 3, 3, '/', blank), (DateMaskState{"07/_5/02", 3}));
    EXPECT_EQ(DateMaskType("07/_5/02", 2, 2, 2, '/', blank), (DateMaskState{"07/_5/02", 3}));
    EXPECT_EQ(DateMaskType("07/_5/02", 3, 3, 3, 'x', blank), (DateMaskState{"07/_5/02", 3}));
    EXPECT_EQ(DateMaskType("07/15/02", 8, 8, 8, '9', blank), (DateMaskState{"07/15/02", 8}));
    // A selection is blanked before the new digit goes to its start.
    EXPECT_EQ(DateMaskType("07/15/02", 8, 0, 8, '1', blank), (DateMaskState{"1_/__/__", 1}));
    // A text of another length becomes the blank mask first.
    EXPECT_EQ(DateMaskType("7/1/02", 0, 0, 0, '1', blank), (DateMaskState{"1_/__/__", 1}));
}

TEST(DateMask, DeleteAndBackspaceBlankWithoutMoving) {
    const std::string blank = "__.__.__";
    EXPECT_EQ(DateMaskBackspace("06.15.02", 2, 2, 2, blank), (DateMaskState{"0_.15.02", 1}));
    // Backspace just after a separator jumps over it.
    EXPECT_EQ(DateMaskBackspace("06.15.02", 3, 3, 3, blank), (DateMaskState{"0_.15.02", 1}));
    EXPECT_EQ(DateMaskBackspace("06.15.02", 0, 0, 0, blank), (DateMaskState{"06.15.02", 0}));
    EXPECT_EQ(DateMaskDelete("07.15.02", 3, 3, 3, blank), (DateMaskState{"07._5.02", 3}));
    EXPECT_EQ(DateMaskDelete("07.15.02", 8, 3, 5, blank), (DateMaskState{"07.__.02", 3}));
    // A selection is blanked, separators kept, and the caret goes to its start.
    EXPECT_EQ(DateMaskBackspace("07.15.02", 8, 1, 7, blank), (DateMaskState{"0_.__._2", 1}));
}

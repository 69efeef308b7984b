#include "cli/IsoDate.h"
#include "cli/SettingOverrides.h"
#include "cli/TerminalArgs.h"
#include "settings/Settings.h"

#include <gtest/gtest.h>

TEST(IsoDate, ReadsRealDaysAndRefusesTheRest) {
    EXPECT_EQ(ParseIsoDate("2024-02-29"), DateFromCalendar(2024, 2, 29));
    EXPECT_EQ(ParseIsoDate("2099-12-31"), DateFromCalendar(2099, 12, 31));
    for (const char* bad :
         {"2023-02-29", "2024-04-31", "2024-13-01", "2024-00-10", "1900-06-01", "2100-01-01",
          "2024-1-01", "2024/01/01", "+024-01-01", "", "2024-01-0x"})
        EXPECT_EQ(ParseIsoDate(bad), std::nullopt) << bad;
}

namespace {

std::optional<ArgFailure> Apply(std::vector<std::string> argv, Settings& settings) {
    ArgList args(std::move(argv));
    const SettingOverrides overrides = TakeOverrides(args);
    EXPECT_EQ(args.Problem(), std::nullopt);
    return ApplyOverrides(overrides, settings);
}

} // namespace

TEST(SettingOverrides, FrequenciesAreCheckedSortedAndDerived) {
    Settings settings = FactorySettings();
    ASSERT_EQ(Apply({"--freqs", "21.2, 3,14.1", "--constants", "0,-3.5,2"}, settings),
              std::nullopt);
    ASSERT_EQ(settings.FrequencyCount, 3);
    EXPECT_EQ(settings.Frequencies[0].FrequencyText, "3.0");
    EXPECT_EQ(settings.Frequencies[0].ConstantText, "-3.5");
    EXPECT_EQ(settings.Frequencies[2].FrequencyText, "21.2");
    EXPECT_FLOAT_EQ(settings.FrequencyMHz[1], 14.1f);

    Settings again = FactorySettings();
    const auto duplicate = Apply({"--freqs", "7.1,7.10"}, again);
    ASSERT_TRUE(duplicate);
    EXPECT_EQ(duplicate->text, "7.10 MHz is a duplicate frequency");
    EXPECT_EQ(duplicate->status, 1);
}

TEST(SettingOverrides, RefusalsSayWhatIsWrongAndUsageErrorsAreMarked) {
    Settings settings = FactorySettings();
    const auto range = Apply({"--min-angle", "46"}, settings);
    ASSERT_TRUE(range);
    EXPECT_EQ(range->status, 1);
    EXPECT_NE(range->text.find("between 0 and 45"), std::string::npos) << range->text;

    const auto noise = Apply({"--noise", "city"}, settings);
    ASSERT_TRUE(noise);
    EXPECT_EQ(noise->status, 2);

    const auto constants = Apply({"--freqs", "7.1,14.1", "--constants", "0"}, settings);
    ASSERT_TRUE(constants);
    EXPECT_EQ(constants->status, 1);

    EXPECT_TRUE(Apply({"--freqs", "3,4,5,6,7,8,9,10,11,12,13"}, settings));
    EXPECT_TRUE(Apply({"--snr", "--signal"}, settings));
}

TEST(TerminalArgs, OptionsAreReadOnceAndResolvedAsTheDialogDoes) {
    ArgList args({"--a", "fn31", "--a-name", "Home", "--b-lat", "40 54 3.2s", "--b-lon", "0.1",
                  "--b-name", "london"});
    const TerminalOptions a = TakeTerminalOptions(args, "a");
    const TerminalOptions b = TakeTerminalOptions(args, "b");
    EXPECT_EQ(args.Problem(), std::nullopt);
    ASSERT_TRUE(a.usageProblem.empty());
    ASSERT_TRUE(b.usageProblem.empty());
    const Settings settings = FactorySettings();
    const TerminalArgs locator = ResolveTerminalOptions(a, nullptr, settings);
    ASSERT_TRUE(locator.ok);
    EXPECT_EQ(locator.terminal.Prefix, "FN31");
    EXPECT_EQ(locator.terminal.Name, "Home"); // --a-name replaces the locator's empty name
    const TerminalArgs byHand = ResolveTerminalOptions(b, nullptr, settings);
    ASSERT_TRUE(byHand.ok);
    EXPECT_EQ(byHand.terminal.Prefix, "<Ins>");
    EXPECT_EQ(byHand.terminal.Name, "london"); // names keep their case
    EXPECT_EQ(byHand.terminal.LatitudeText.back(), 'S');

    ArgList mixed({"--a", "FN31", "--a-lat", "10"});
    EXPECT_FALSE(TakeTerminalOptions(mixed, "a").usageProblem.empty());
    ArgList half({"--a-lon", "10"});
    EXPECT_FALSE(TakeTerminalOptions(half, "a").usageProblem.empty());

    ArgList outOfRange({"--a-lat", "45", "--a-lon", "361"});
    const TerminalArgs bad =
        ResolveTerminalOptions(TakeTerminalOptions(outOfRange, "a"), nullptr, settings);
    EXPECT_FALSE(bad.ok);
    EXPECT_EQ(bad.problem.rfind("--a-lon '361': ", 0), 0u) << bad.problem;
}

#include "cli/ArgList.h"

#include <gtest/gtest.h>

TEST(ArgList, TakesValuesFlagsAndPositionalsAndReportsTheRest) {
    ArgList args({"find", "--date", "2024-03-01", "--utc", "--solar=S100", "--bogus"});
    EXPECT_EQ(args.Value("date"), "2024-03-01");
    EXPECT_EQ(args.Value("solar"), "S100");
    EXPECT_EQ(args.Value("absent"), std::nullopt);
    EXPECT_TRUE(args.Flag("utc"));
    EXPECT_FALSE(args.Flag("local"));
    EXPECT_EQ(args.Positionals(), std::vector<std::string>{"find"});
    EXPECT_EQ(args.Problem(), "Unknown argument: --bogus");
}

TEST(ArgList, AnOptionWithoutItsValueIsAProblem) {
    ArgList args({"--date"});
    EXPECT_EQ(args.Value("date"), std::nullopt);
    EXPECT_EQ(args.Problem(), "The option --date needs a value");
}

TEST(ArgList, TheLastValueGivenWins) {
    ArgList args({"--k", "3", "--k", "5"});
    EXPECT_EQ(args.Value("k"), "5");
    EXPECT_EQ(args.Problem(), std::nullopt);
}

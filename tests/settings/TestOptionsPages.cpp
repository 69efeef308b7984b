// The page the Options window opens on.

#include "settings/OptionsPages.h"

#include <gtest/gtest.h>

TEST(OptionsPages, OptionsOpenOnThePageThatNeedsAttention) {
    Settings settings = FactorySettings();
    EXPECT_EQ(StartingOptionsPage(settings, 3), 0); // no default terminal yet
    settings.DefaultDefined = true;
    settings.FrequencyCount = 0;
    EXPECT_EQ(StartingOptionsPage(settings, 3), 1); // no frequencies
    settings.FrequencyCount = 2;
    EXPECT_EQ(StartingOptionsPage(settings, 3), 3);
    EXPECT_EQ(StartingOptionsPage(settings, -1), 0); // first opening
    EXPECT_EQ(StartingOptionsPage(settings, 4), 4);  // the station page
    EXPECT_EQ(StartingOptionsPage(settings, 5), 0);
}

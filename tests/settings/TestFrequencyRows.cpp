// The Options window's frequency list as rows: order, refusals, deletion and what is
// written back into the settings.

#include "settings/FrequencyRows.h"

#include <gtest/gtest.h>

TEST(FrequencyRows, AddKeepsAscendingOrderAndRefusesDuplicatesAndAnEleventh) {
    FrequencyRows rows;
    // "3.6" sorts before "14.1" only with its leading blank.
    for (const char* typed : {"14.1", "3.6", "28.5", "7.0"})
        ASSERT_TRUE(AddFrequencyRow(rows, typed).ok) << typed;
    EXPECT_EQ(rows.frequencies, (std::vector<std::string>{" 3.6", " 7.0", "14.1", "28.5"}));
    EXPECT_EQ(rows.constants, std::vector<std::string>(4, "0.0"));

    const AddedRow duplicate = AddFrequencyRow(rows, "7.0");
    EXPECT_FALSE(duplicate.ok);
    EXPECT_EQ(duplicate.message.text, "7.0 MHz is a duplicate frequency");
    for (const char* typed : {"10.1", "18.1", "21.0", "24.9", "29.0", "30.0"})
        ASSERT_TRUE(AddFrequencyRow(rows, typed).ok) << typed;
    EXPECT_FALSE(AddFrequencyRow(rows, "5.0").ok);
    EXPECT_EQ(rows.count(), kFrequencySlots);
}

TEST(FrequencyRows, DeleteSelectsTheNextRowOrNothing) {
    FrequencyRows rows;
    AddFrequencyRow(rows, "7.0");
    AddFrequencyRow(rows, "14.1");
    EXPECT_EQ(DeleteButtonCaption(rows, 0), "Delete 7.0 MHz");
    EXPECT_EQ(DeleteFrequencyRow(rows, 1), 0); // the last row goes: its neighbour above
    EXPECT_EQ(DeleteFrequencyRow(rows, 5), 0); // no such row: nothing deleted
    EXPECT_EQ(DeleteFrequencyRow(rows, 0), -1);
    EXPECT_EQ(DeleteButtonCaption(rows, -1), "Delete Frequency");
}

TEST(FrequencyRows, WrittenBackWithoutBlanksAndWithTheRestCleared) {
    Settings settings = FactorySettings();
    FrequencyRows rows = RowsFromSettings(settings);
    ASSERT_GT(rows.count(), 2);
    DeleteFrequencyRow(rows, 0);
    rows.constants[0] = "-12.5x"; // longer than the record holds
    WriteFrequencyRows(rows, settings);
    EXPECT_EQ(settings.FrequencyCount, rows.count());
    EXPECT_EQ(settings.Frequencies[0].ConstantText, "-12.5");
    for (int k = 0; k < settings.FrequencyCount; ++k)
        EXPECT_NE(settings.Frequencies[k].FrequencyText.front(), ' ') << k;
    EXPECT_EQ(settings.Frequencies[rows.count()].FrequencyText, "");
    EXPECT_EQ(RowsFromSettings(settings).frequencies, rows.frequencies);
}

// Reading the measured-hours table: the committed data, and damaged tables refused with
// the file, the line and the reason.

#include "validation/MeasuredHours.h"

#include <gtest/gtest.h>
#include <string>

namespace {

const std::string kHeader = "id,tx_name,rx_name,tx_lat,tx_lon_east,rx_lat,rx_lon_east,freq_mhz,"
                            "dist_km,long_path,year,month,ssn,hour_utc,measured_dbuv_m";
const std::string kRow = "175,CANBERRA LP,LUECHOW,-35.3,149.1,53,11.1,5.1,23826,1,1978,1,61,24,-37";

TEST(MeasuredHours, ReadsARowWithCrLf) {
    const MeasuredRead read = ParseMeasuredHours(kHeader + "\r\n" + kRow + "\r\n", "t.csv");
    ASSERT_EQ(read.error, "");
    ASSERT_EQ(read.hours.size(), 1u);
    const MeasuredHour& h = read.hours[0];
    EXPECT_EQ(h.circuit, 175);
    EXPECT_EQ(h.txName, "CANBERRA LP");
    EXPECT_EQ(h.rxName, "LUECHOW");
    EXPECT_DOUBLE_EQ(h.txLatDeg, -35.3);
    EXPECT_DOUBLE_EQ(h.txLonEastDeg, 149.1);
    EXPECT_DOUBLE_EQ(h.rxLonEastDeg, 11.1);
    EXPECT_DOUBLE_EQ(h.freqMHz, 5.1);
    EXPECT_TRUE(h.longPath);
    EXPECT_EQ(h.year, 1978);
    EXPECT_EQ(h.month, 1);
    EXPECT_DOUBLE_EQ(h.ssn, 61);
    EXPECT_EQ(h.hourUtc, 24);
    EXPECT_DOUBLE_EQ(h.fieldDbu, -37);
}

struct DamagedCase {
    const char* name;
    std::string text;
    std::string message;
};

class DamagedTables : public testing::TestWithParam<DamagedCase> {};

TEST_P(DamagedTables, AreRefusedNamingFileAndLine) {
    const MeasuredRead read = ParseMeasuredHours(GetParam().text, "d1.csv");
    EXPECT_EQ(read.error, GetParam().message);
    EXPECT_TRUE(read.hours.empty());
}

std::string WithField(int column, const std::string& value) {
    std::string row;
    int c = 0;
    std::size_t start = 0;
    for (std::size_t comma = kRow.find(',');; comma = kRow.find(',', start)) {
        row += (c == column ? value : kRow.substr(start, comma - start));
        if (comma == std::string::npos)
            break;
        row += ',';
        start = comma + 1;
        ++c;
    }
    return kHeader + "\n" + kRow + "\n" + row + "\n";
}

INSTANTIATE_TEST_SUITE_P(
    MeasuredHours, DamagedTables,
    testing::Values(DamagedCase{"Empty", "", "d1.csv, line 1: the file is empty"},
                    DamagedCase{"OtherHeader", "a,b\n" + kRow,
                                "d1.csv, line 1: the header is not the measured-hours header "
                                "(id,tx_name,...,measured_dbuv_m)"},
                    DamagedCase{"ShortRow", kHeader + "\n1,A,B,1\n",
                                "d1.csv, line 2: expected 15 fields, found 4"},
                    DamagedCase{"BlankLineInside", kHeader + "\n\n" + kRow,
                                "d1.csv, line 2: expected 15 fields, found 1"},
                    DamagedCase{"NotANumber", WithField(7, "5.1x"),
                                "d1.csv, line 3: freq_mhz \"5.1x\" is not a number in its range"},
                    DamagedCase{"Month13", WithField(11, "13"),
                                "d1.csv, line 3: month \"13\" is not a number in its range"},
                    DamagedCase{"HourZero", WithField(13, "0"),
                                "d1.csv, line 3: hour_utc \"0\" is not a number in its range"},
                    DamagedCase{"HalfHour", WithField(13, "12.5"),
                                "d1.csv, line 3: hour_utc \"12.5\" is not a number in its range"},
                    DamagedCase{"LongPathTwo", WithField(9, "2"),
                                "d1.csv, line 3: long_path \"2\" is not a number in its range"},
                    DamagedCase{"Latitude", WithField(3, "-90.5"),
                                "d1.csv, line 3: tx_lat \"-90.5\" is not a number in its range"},
                    DamagedCase{
                        "Infinite", WithField(14, "inf"),
                        "d1.csv, line 3: measured_dbuv_m \"inf\" is not a number in its range"}),
    [](const testing::TestParamInfo<DamagedCase>& info) { return std::string(info.param.name); });

TEST(MeasuredHours, TheCommittedTableReadsWhole) {
    const MeasuredRead read = ReadMeasuredHoursFile(std::string(HOPSCOPE_SOURCE_DIR) +
                                                    "/tests/validation/data/d1_odd.csv");
    ASSERT_EQ(read.error, "");
    EXPECT_EQ(read.hours.size(), 7305u);
}

TEST(MeasuredHours, AMissingFileIsNamed) {
    const MeasuredRead read = ReadMeasuredHoursFile("/nonexistent/d1.csv");
    EXPECT_EQ(read.error.rfind("/nonexistent/d1.csv: ", 0), 0u) << read.error;
}

} // namespace

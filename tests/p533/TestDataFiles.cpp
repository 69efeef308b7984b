// Reading the method's data and antenna patterns: damaged, truncated and hostile files
// are refused with the file's name, never read past their end or trusted for sizes.

#include "p533/CircuitPrediction.h"
#include "tests/p533/WorkedCase.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace fs = std::filesystem;
using namespace p533;

namespace {

std::string Replace(std::string text, const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

// A scratch copy of the data folder that a test may damage.
class DataCopy : public testing::Test {
protected:
    void SetUp() override {
        folder =
            fs::temp_directory_path() /
            ("hopscope-p533-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
        for (const auto& entry : fs::directory_iterator(MethodDataFolder()))
            fs::copy_file(entry.path(), folder / entry.path().filename());
    }
    void TearDown() override { fs::remove_all(folder); }
    void Write(const std::string& name, const std::string& text) {
        std::ofstream(folder / name, std::ios::binary | std::ios::trunc) << text;
    }
    fs::path folder;
};

TEST_F(DataCopy, TheFilesAsShippedRead) {
    const DataLoad load = LoadPredictionData(folder);
    EXPECT_EQ(load.error, "");
    EXPECT_TRUE(load.data);
}

TEST_F(DataCopy, EachDamageIsRefusedNamingTheFile) {
    const std::string coeff = ReadTextFile(folder / "COEFF03W.txt");
    struct Damage {
        const char* file;
        std::string text;
        const char* reason;
    };
    const std::vector<Damage> damages = {
        {"COEFF03W.txt", coeff.substr(0, coeff.size() / 3), "fakp"},
        {"COEFF03W.txt", Replace(coeff, "xf2(13,76,2)", "xf2(13,76,3)"), "other dimensions"},
        {"COEFF03W.txt", Replace(coeff, "xf2(13,76,2)", "xf2(99999,99999,99999)"), "line 5"},
        {"COEFF03W.txt", Replace(coeff, "0.65998964E+01", "0.659x8964E+01"), "not a number"},
        {"COEFF03W.txt", Replace(coeff, "69              71", "69              72"), "terms"},
        {"COEFF03W.txt", "", "empty"},
        {"COEFF03W.txt", std::string(3 << 20, '1'), "larger"},
        {"P1239-3 Decile Factors.txt",
         Replace(ReadTextFile(folder / "P1239-3 Decile Factors.txt"), "R12 > 100", "R12 ? 100"),
         "R12 range"},
        {"magnetic_field_P1239.csv", "m,n,g_gauss,h_gauss,K_mn\n0,1,0.3,0,0\n", "27"},
        {"magnetic_field_P1239.csv", "m,n,g_gauss,h_gauss,K_mn\n9,1,0.3,0,0\n", "m and n"},
        {"absorption_ATnoon.csv", "row_months\nJan+Dec,1,2\n", "29 values"},
        {"absorption_p_exponent.csv", "h\nJan,0,30.0,1,2,3,4,5,6,nan\n", "seven"},
        {"Lh_auroral_loss.csv", "h\n<=2500,spring,>=77.5,1,2,3,4,5,6,7,8\n", "season"},
    };
    for (const Damage& d : damages) {
        const std::string good = ReadTextFile(folder / d.file);
        Write(d.file, d.text);
        const DataLoad load = LoadPredictionData(folder);
        EXPECT_FALSE(load.data) << d.file << ": " << d.reason;
        EXPECT_NE(load.error.find(d.file), std::string::npos) << load.error;
        EXPECT_NE(load.error.find(d.reason), std::string::npos) << load.error;
        Write(d.file, good);
    }
    fs::remove(folder / "Lh_auroral_loss.csv");
    const DataLoad missing = LoadPredictionData(folder);
    EXPECT_NE(missing.error.find("Lh_auroral_loss.csv"), std::string::npos) << missing.error;
}

// One azimuth block: the azimuth and 91 gains, ten to a line as the Type 13 layout has.
std::string Block(int az, double gain, bool touching) {
    std::string s;
    char item[32];
    std::snprintf(item, sizeof item, "%5d    ", az);
    s += item;
    for (int e = 0; e <= 90; ++e) {
        std::snprintf(item, sizeof item, touching ? "%7.3f" : " %6.2f",
                      e == 0 ? -99.999 : gain + e / 100.0);
        s += item;
        if (e % 10 == 9 || e == 90)
            s += "\n         ";
    }
    return s + "\n";
}

std::string Pattern(bool touching, int azimuths = 360) {
    std::string s = "Test pattern\n 4     4 parameters\n  3.00  [ 1] Max Gain\n  13   [ 2] Type\n"
                    "  0.0  [ 3] Efficiency\n  7.100  [ 4] Frequency\n";
    for (int az = 0; az < azimuths; ++az)
        s += Block(az, -10.0 - az / 100.0, touching);
    return s;
}

TEST(AntennaPatterns, ReadTheLayoutWithTouchingNumbers) {
    for (bool touching : {false, true}) {
        const PatternRead read = ParseAntennaPattern(Pattern(touching), "test.13");
        ASSERT_EQ(read.error, "");
        const GainTable& t = read.pattern->tables.at(0);
        EXPECT_EQ(t.freqMHz, 7.1);
        EXPECT_FLOAT_EQ(t.gainDbi[0], touching ? -99.999f : -100.0f);
        EXPECT_FLOAT_EQ(t.gainDbi[359 * 91 + 90], -10.0f - 3.59f + 0.90f);
    }
    // "-99.999-10.080": the shipped files have touching numbers after negative ones.
    const PatternRead dipole =
        ReadAntennaPatternFile(WorkedCaseFolder() / "dipole_14mhz_10m_aagl.13");
    ASSERT_EQ(dipole.error, "");
    EXPECT_EQ(dipole.pattern->tables[0].freqMHz, 14.0);
    EXPECT_FLOAT_EQ(dipole.pattern->tables[0].gainDbi[9], 0.92f);
}

TEST(AntennaPatterns, DamagedPatternsAreRefusedWithFileAndLine) {
    const std::string good = Pattern(false);
    struct Damage {
        std::string text;
        const char* reason;
    };
    const std::vector<Damage> damages = {
        {"", "header"},
        {"title\n", "header"},
        {"title\n 999 parameters\n", "count of parameter"},
        {Pattern(false, 200), "ends before azimuth 200"},
        {Replace(good, "  101    ", "  102    "), "azimuth 101"},
        {Replace(good, "-10.01", "-1x.01"), "not a number"},
        {Replace(good, "-10.01", "9e99"), "outside"},
        {good + "  7\n", "more follows"},
        {Replace(good, "7.100  [ 4]", "abc  [ 4]"), "parameter line"},
    };
    for (const Damage& d : damages) {
        const PatternRead read = ParseAntennaPattern(d.text, "ant.13");
        EXPECT_FALSE(read.pattern) << d.reason;
        EXPECT_EQ(read.error.rfind("ant.13: line ", 0), 0u) << read.error;
        EXPECT_NE(read.error.find(d.reason), std::string::npos) << read.error;
    }
    const PatternRead none = ReadAntennaPatternFile("/nonexistent/ant.13");
    EXPECT_NE(none.error.find("/nonexistent/ant.13"), std::string::npos);
}

} // namespace

#include "atlas/CountryFile.h"

#include "atlas/BuiltInAtlas.h"
#include "atlas/ResolveTerminal.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

const CountryFile& ShippedFile() {
    static const CountryFileRead read =
        ReadCountryFile(fs::path(HOPSCOPE_SOURCE_DIR) / "atlas" / "data" / kCountryFileName);
    EXPECT_TRUE(read.Ok()) << read.error;
    return read.file;
}

// A temporary folder, removed with its files at the end of the test.
struct ScratchFolder {
    fs::path path;
    explicit ScratchFolder(const std::string& tag)
        : path(fs::temp_directory_path() /
               ("hopscope-cty-" + tag + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name())) {
        fs::remove_all(path);
        fs::create_directories(path);
    }
    ~ScratchFolder() { fs::remove_all(path); }
    void Write(const std::string& name, const std::string& text) const {
        std::ofstream(path / name, std::ios::binary) << text;
    }
};

constexpr const char* kTwoCountries =
    "Fed. Rep. of Germany:     14:  28:  EU:   51.00:   -10.00:    -1.0:  DL:\n"
    "    DA,DL,=DL0XX/LH,\n"
    "    DR5<52.5/-13.4>;\n"
    "Sicily:                   15:  28:  EU:   37.50:   -14.00:    -1.0:  *IT9:\r\n"
    "    IT9(15)[28]{EU}~-1.0~;\r\n";

} // namespace

// The copy shipped with the program, looked up as operators type: a prefix, a call, a
// call with an operating suffix, a call worked from abroad, and exact calls. The
// positions are the file's, longitude west positive; exact equality, since they are
// copied, not computed.
TEST(CountryFile, ShippedFilePlacesPrefixesAndCalls) {
    struct Row {
        const char* typed;
        const char* matched;
        const char* primary;
        double latitudeDeg, longitudeDeg;
        bool exact;
    };
    const Row rows[] = {
        {"DL", "DL", "DL", 51.00, -10.00, false},
        {"K", "K", "K", 37.60, 91.87, false},
        {"JA1", "JA", "JA", 36.40, -138.38, false},
        {"ZS6", "ZS", "ZS", -29.07, -22.63, false},
        {"ZS8", "ZS8", "ZS8", -46.88, -37.72, false}, // longer prefix, other entity
        {"OE1", "OE", "OE", 47.33, -13.33, false},
        {"dl1abc", "DL", "DL", 51.00, -10.00, false},
        {"VK2XYZ/P", "VK", "VK", -23.70, -132.33, false},
        {"VK2XYZ/QRP", "VK", "VK", -23.70, -132.33, false},
        {"G3ABC/DL", "DL", "DL", 51.00, -10.00, false},
        {"DL/G3ABC/P", "DL", "DL", 51.00, -10.00, false},
        {"3D2AG/P", "3D2AG/P", "3D2/r", -12.48, -177.08, true}, // Rotuma, not Fiji
        {"3D2CR", "3D2CR", "3D2/c", -22.00, -175.00, true},     // Conway Reef
        {"3D2ABC", "3D2", "3D2", -17.78, -177.92, false},       // Fiji
        {"9M4SDX", "9M4SDX", "1S", 9.88, -114.23, true},        // Spratly, not Malaysia
    };
    const CountryFile& file = ShippedFile();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.typed);
        const std::optional<CallsignMatch> match = MatchCallsign(file, row.typed);
        ASSERT_TRUE(match.has_value());
        EXPECT_EQ(match->matched, row.matched);
        EXPECT_EQ(match->exactCall, row.exact);
        EXPECT_EQ(file.countries[match->country].primaryPrefix, row.primary);
        EXPECT_DOUBLE_EQ(match->latitudeDeg, row.latitudeDeg);
        EXPECT_DOUBLE_EQ(match->longitudeDeg, row.longitudeDeg);
    }
    EXPECT_EQ(CallsignMatchText(file, *MatchCallsign(file, "DL1ABC")),
              "DL1ABC \u2192 Fed. Rep. of Germany (DL)");
    // No country: at sea, in the air, nothing that begins like a prefix, bad characters.
    for (const char* typed :
         {"DL1ABC/MM", "K1ABC/AM", "", "/", "DL1ABC/", "Q1ABC", "DL-1", "DL1 ÄB"})
        EXPECT_FALSE(MatchCallsign(file, typed).has_value()) << typed;
}

TEST(CountryFile, OverridesCarriageReturnsAndStarredPrefixes) {
    const CountryFileRead read = ParseCountryFile(kTwoCountries, "test.dat");
    ASSERT_TRUE(read.Ok()) << read.error;
    ASSERT_EQ(read.file.countries.size(), 2u);
    EXPECT_EQ(read.file.countries[1].primaryPrefix, "IT9");
    EXPECT_EQ(read.file.longestPrefix, 3u);
    // A prefix with its own position; the overrides of zones are skipped.
    const std::optional<CallsignMatch> berlin = MatchCallsign(read.file, "DR5X");
    ASSERT_TRUE(berlin.has_value());
    EXPECT_DOUBLE_EQ(berlin->latitudeDeg, 52.5);
    EXPECT_DOUBLE_EQ(berlin->longitudeDeg, -13.4);
    EXPECT_EQ(MatchCallsign(read.file, "IT9ABC")->country, 1u);
    // An exact call with a suffix matches only as listed.
    EXPECT_TRUE(MatchCallsign(read.file, "DL0XX/LH")->exactCall);
    EXPECT_FALSE(MatchCallsign(read.file, "DL0XX/P")->exactCall);
}

// Every damaged file is refused with the file, the line and the reason.
TEST(CountryFile, DamagedFilesNameFileLineAndReason) {
    const std::string header = "Germany: 14: 28: EU: 51.00: -10.00: -1.0: DL:\n";
    struct Row {
        std::string text;
        const char* error;
    };
    const Row rows[] = {
        {"", "x.dat: holds no country"},
        {"\n  \n", "x.dat: holds no country"},
        {header, "x.dat, line 1: the list of Germany does not end with \";\""},
        {header + "    DL,\n" + header, "x.dat, line 3: the list of Germany does not end"},
        {"    DL;\n", "x.dat, line 1: a list of prefixes without an entity before it"},
        {"Germany: 14: 28: EU: 51.00: -10.00: DL:\n    DL;\n",
         "line 1: an entity line needs eight"},
        {"Germany: 14: 28: EU: 51.00: -10.00: -1.0: DL: x\n", "text after its last"},
        {"Germany: 14: 28: EU: 91.00: -10.00: -1.0: DL:\n    DL;\n", "the latitude \"91.00\""},
        {"Germany: 14: 28: EU: 51.00: east: -1.0: DL:\n    DL;\n", "the longitude \"east\""},
        {"Germany: 14: 28: EU: 51.00: nan: -1.0: DL:\n    DL;\n", "the longitude \"nan\""},
        {"Germany: 14: 28: EU: 51.00: -10.00: -1.0: :\n    DL;\n", "Germany has no prefix"},
        {header + "    DL,,DA;\n", "line 2: an empty prefix"},
        {header + "    D-L;\n", "line 2: the prefix or call \"D-...\" has a character"},
        {header + "    DL(14;\n", "line 2: the override of DL is not closed"},
        {header + "    DL<51.0>;\n", "the position of DL is not"},
        {header + "    (14)DL;\n", "an override without its prefix"},
        {header + "    DL; DA\n", "text after the \";\""},
        {header + "    DL\x01;\n", "line 2: a control character"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        const CountryFileRead read = ParseCountryFile(row.text, "x.dat");
        EXPECT_FALSE(read.Ok());
        EXPECT_NE(read.error.find(row.error), std::string::npos) << read.error;
        EXPECT_TRUE(read.file.countries.empty());
    }
}

// The user's newer copy in the data folder wins; a damaged one is named and the
// program's copy read instead; no copy at all is an error that names the folder.
TEST(CountryFile, UserCopyBeforeProgramCopy) {
    const ScratchFolder data("data"), program("program");
    program.Write(kCountryFileName, kTwoCountries);
    const std::vector<fs::path> candidates{program.path / kCountryFileName};

    CountryFileLoad load = LoadCountryFile(data.path, candidates);
    ASSERT_TRUE(load.Ok()) << load.error;
    EXPECT_EQ(load.path, program.path / kCountryFileName);
    EXPECT_EQ(load.file.countries.size(), 2u);

    data.Write(kCountryFileName, "Monaco: 14: 27: EU: 43.73: -7.40: -1.0: 3A:\n    3A;\n");
    load = LoadCountryFile(data.path, candidates);
    EXPECT_EQ(load.path, data.path / kCountryFileName);
    EXPECT_EQ(load.file.countries.at(0).name, "Monaco");

    data.Write(kCountryFileName, "Monaco: 14\n");
    load = LoadCountryFile(data.path, candidates);
    ASSERT_TRUE(load.Ok());
    EXPECT_EQ(load.path, program.path / kCountryFileName);
    EXPECT_NE(load.warning.find((data.path / kCountryFileName).string() + ", line 1"),
              std::string::npos)
        << load.warning;

    load = LoadCountryFile(data.path, {});
    EXPECT_FALSE(load.Ok());
    EXPECT_NE(load.error.find(", line 1"), std::string::npos) << load.error;
    fs::remove(data.path / kCountryFileName);
    load = LoadCountryFile(data.path, {program.path / "missing.dat"});
    EXPECT_NE(load.error.find("no country file cty.dat in " + data.path.string()),
              std::string::npos)
        << load.error;
    // A folder in the file's place is named with the system's reason.
    fs::create_directory(data.path / kCountryFileName);
    EXPECT_NE(LoadCountryFile(data.path, candidates).warning.find("Is a directory"),
              std::string::npos);
}

// The atlas comes first; the country file places what it lacks, and says so.
TEST(CountryFile, TerminalsFromTheCountryFileAfterTheAtlas) {
    static const Atlas atlas = AtlasOf(BuiltInAtlasEntries());
    const TerminalSources sources{&atlas, std::nullopt, &ShippedFile()};
    struct Row {
        const char* typed;
        const char* prefix;
        const char* latitude;
        const char* longitude;
        const char* name;
        const char* match; ///< empty: the atlas or the locator gave it
    };
    const Row rows[] = {
        {"G", "G", "52.5", "1.5", "England", ""}, // the atlas's own
        {"FN31", "FN31", "41.50", "73.00", "", ""},
        {"DL", "DL", "51.00", "-10.00", "Fed. Rep. of Germ", "DL \u2192 Fed. Rep. of Germany (DL)"},
        {"dl1abc", "DL1ABC", "51.00", "-10.00", "DL1ABC",
         "DL1ABC \u2192 Fed. Rep. of Germany (DL)"},
        {"VK2XYZ/P", "VK", "-23.70", "-132.33", "VK2XYZ/P", "VK2XYZ/P \u2192 Australia (VK)"},
        {"JA1", "JA1", "36.40", "-138.38", "Japan", "JA1 \u2192 Japan (JA)"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.typed);
        const ResolvedTerminal resolved = ResolveTerminal({row.typed, "", "", ""}, 'A', sources);
        ASSERT_TRUE(resolved.ok) << resolved.message.text;
        EXPECT_EQ(resolved.terminal.Prefix, row.prefix);
        if (*row.match) {
            EXPECT_EQ(resolved.terminal.LatitudeText, row.latitude);
            EXPECT_EQ(resolved.terminal.LongitudeText, row.longitude);
            EXPECT_EQ(resolved.terminal.Name, row.name);
        }
        EXPECT_EQ(resolved.matchText, row.match);
    }
    const ResolvedTerminal unknown = ResolveTerminal({"Q1ABC", "", "", ""}, 'A', sources);
    EXPECT_EQ(unknown.problem, TerminalProblem::PrefixUnknown);
    EXPECT_EQ(unknown.message.text,
              "Q1ABC not found in atlas\rand not a valid grid locator or callsign");
}

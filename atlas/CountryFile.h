#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

/// A country file in the "cty.dat" format that contest and logging programs share: one
/// record per DXCC entity, a header line
///     Fed. Rep. of Germany:     14:  28:  EU:   51.00:   -10.00:    -1.0:  DL:
/// (name, CQ zone, ITU zone, continent, latitude north positive, longitude WEST
/// positive, UTC offset, primary prefix, each followed by a colon) and then, on
/// indented lines, the entity's prefixes and exact callsigns ("=DL0ABC") separated by
/// commas and ended by a semicolon. A prefix or call may carry overrides: "(cq)",
/// "[itu]", "<lat/lon>", "{continent}" and "~utc~"; only the position is used here.

/// One entity of the file.
struct Country {
    std::string name;          ///< "Fed. Rep. of Germany"
    std::string primaryPrefix; ///< "DL"; the file's "*" of an entity of one list removed
    double latitudeDeg = 0.0;  ///< -90..90, north positive
    double longitudeDeg = 0.0; ///< -180..180, WEST positive, as the file has it
};

/// Where a prefix or an exact call leads: its entity and, when the file gives one for
/// it, its own position.
struct CountryTarget {
    std::size_t country = 0; ///< index into CountryFile::countries
    std::optional<double> latitudeDeg, longitudeDeg;
};

/// A country file read into memory; prefixes and calls in upper case.
struct CountryFile {
    std::vector<Country> countries;
    std::unordered_map<std::string, CountryTarget> prefixes;
    std::unordered_map<std::string, CountryTarget> exactCalls;
    std::size_t longestPrefix = 0; ///< characters of the longest prefix
};

/// A country file, or why it could not be read.
struct CountryFileRead {
    CountryFile file;
    std::string error; ///< empty on success; otherwise names the file, the line and why
    bool Ok() const { return error.empty(); }
};

/// The file name of a country file, in the data folder and among the program's data.
inline constexpr const char* kCountryFileName = "cty.dat";

/// The largest country file read (bytes); today's files are about 330 kB.
inline constexpr std::size_t kCountryFileMaxBytes = 8u << 20;

/// Reads the text of a country file. `fileName` goes into the messages, which name the
/// line (from 1) and what is wrong with it: a header line without its eight fields, a
/// latitude or longitude that is not a number in range, a prefix or call with a
/// character other than a letter, digit or "/", an override left open, a list not
/// ended by ";" before the next entity or the end, or no entity at all. Carriage
/// returns before line ends are accepted. A prefix or call listed twice keeps its
/// first entity.
CountryFileRead ParseCountryFile(std::string_view text, std::string_view fileName);

/// Reads the country file at `path` (a regular file of at most kCountryFileMaxBytes):
/// ParseCountryFile with the path as its name, or the reason it cannot be read.
CountryFileRead ReadCountryFile(const std::filesystem::path& path);

/// A country file as the program uses it: the user's copy in the data folder when it
/// reads, otherwise the copy installed with the program.
struct CountryFileLoad {
    CountryFile file;
    std::filesystem::path path; ///< the file read; empty when none could be
    std::string error;          ///< no country file at all: why (names the files)
    std::string warning;        ///< the user's copy was refused: why (the other was read)
    bool Ok() const { return error.empty(); }
};

/// Where the program's own copy may lie, in the order looked at: "cty.dat" beside the
/// program (a portable folder), then "../share/hopscope/cty.dat" from the program's
/// folder (an install under any prefix, and the build tree). Empty for an empty folder.
std::vector<std::filesystem::path> CountryFileCandidates(const std::filesystem::path& programDir);

/// Reads `dataDir`/cty.dat when it exists (a newer file the user put there), otherwise,
/// or when it does not read, the first of `candidates` that exists. Nothing is
/// written.
CountryFileLoad LoadCountryFile(const std::filesystem::path& dataDir,
                                const std::vector<std::filesystem::path>& candidates);

/// What a callsign or prefix resolved to.
struct CallsignMatch {
    std::string call;        ///< the text looked up, in upper case, blanks removed
    std::string matched;     ///< the prefix that matched ("DL"), or the call for "=CALL"
    bool exactCall = false;  ///< matched an "=CALL" entry of the file
    std::size_t country = 0; ///< index into CountryFile::countries
    double latitudeDeg = 0.0;
    double longitudeDeg = 0.0; ///< WEST positive
};

/// Looks a callsign or prefix up in `file`, in upper case:
/// 1. the whole text as an exact call ("=3D2AG/P");
/// 2. without its operating suffixes ("/P", "/M", "/QRP", "/A", "/B", "/LH", a lone
///    call-area digit, ...), the exact call again;
/// 3. the longest prefix of the file that begins the call; a call worked from another
///    country ("DL/G3ABC", "G3ABC/DL") is looked up by its shorter part.
/// Maritime and aeronautical mobile ("/MM", "/AM") have no country: nothing. Nothing
/// either for an empty text, characters other than letters, digits and "/", or when no
/// prefix of the file begins the call.
std::optional<CallsignMatch> MatchCallsign(const CountryFile& file, std::string_view text);

/// "DL1ABC → Fed. Rep. of Germany (DL)": the call, the entity and its primary prefix.
std::string CallsignMatchText(const CountryFile& file, const CallsignMatch& match);

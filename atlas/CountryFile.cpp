#include "atlas/CountryFile.h"

#include "core/ReadFile.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <system_error>

namespace fs = std::filesystem;

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

char UpperChar(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool IsCallChar(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '/';
}

std::optional<double> ParseNumber(std::string_view text, double limit) {
    text = Trim(text);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    double value = 0.0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size() ||
        !std::isfinite(value) || std::fabs(value) > limit)
        return std::nullopt;
    return value;
}

// The reader's state over the lines of one file.
class Reader {
public:
    explicit Reader(std::string_view fileName) : m_fileName(fileName) {}

    void SetLine(std::size_t number) { m_line = number; }

    bool Line(std::string_view line) {
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (Trim(line).empty())
            return true;
        if (!IsBlank(line.front())) {
            if (m_inList)
                return Fail("the list of " + m_file.countries.back().name +
                            " does not end with \";\"");
            return Header(line);
        }
        if (!m_inList)
            return Fail("a list of prefixes without an entity before it");
        return List(line);
    }

    CountryFileRead Finish() {
        if (m_result.error.empty() && m_inList)
            Fail("the list of " + m_file.countries.back().name + " does not end with \";\"");
        if (m_result.error.empty() && m_file.countries.empty())
            m_result.error = std::string(m_fileName) + ": holds no country";
        if (m_result.error.empty())
            m_result.file = std::move(m_file);
        return std::move(m_result);
    }

    bool Fail(const std::string& why) {
        m_result.error = std::string(m_fileName) + ", line " + std::to_string(m_line) + ": " + why;
        return false;
    }

private:
    bool Header(std::string_view line) {
        std::array<std::string_view, 8> fields;
        std::size_t count = 0;
        while (!line.empty()) {
            const std::size_t colon = line.find(':');
            if (colon == std::string_view::npos) {
                if (!Trim(line).empty())
                    return Fail("an entity line has text after its last \":\"");
                break;
            }
            if (count == fields.size())
                return Fail("an entity line has more than eight fields");
            fields[count++] = Trim(line.substr(0, colon));
            line.remove_prefix(colon + 1);
        }
        if (count != fields.size())
            return Fail("an entity line needs eight fields ended by \":\" (name, CQ zone, "
                        "ITU zone, continent, latitude, longitude, UTC offset, prefix)");
        Country country;
        country.name = std::string(fields[0]);
        const std::optional<double> latitude = ParseNumber(fields[4], 90.0);
        const std::optional<double> longitude = ParseNumber(fields[5], 180.0);
        if (country.name.empty())
            return Fail("an entity without a name");
        if (!latitude)
            return Fail("the latitude \"" + std::string(fields[4]) +
                        "\" is not a number from "
                        "-90 to 90");
        if (!longitude)
            return Fail("the longitude \"" + std::string(fields[5]) +
                        "\" is not a number from -180 to 180");
        std::string_view primary = fields[7];
        if (!primary.empty() && primary.front() == '*')
            primary.remove_prefix(1);
        if (primary.empty())
            return Fail("the entity " + country.name + " has no prefix");
        country.primaryPrefix = std::string(primary);
        country.latitudeDeg = *latitude;
        country.longitudeDeg = *longitude;
        m_file.countries.push_back(std::move(country));
        m_inList = true;
        return true;
    }

    bool List(std::string_view line) {
        std::size_t start = 0;
        for (std::size_t i = 0; i <= line.size(); ++i) {
            if (i < line.size() && line[i] != ',' && line[i] != ';')
                continue;
            const std::string_view item = Trim(line.substr(start, i - start));
            if (!m_inList && !item.empty())
                return Fail("text after the \";\" that ends the list");
            const bool end = i < line.size() && line[i] == ';';
            // A list may break its line after a comma; ",," is a typo.
            if (item.empty() && i < line.size() && !end)
                return Fail("an empty prefix in the list");
            if (!item.empty() && !Item(item))
                return false;
            if (end)
                m_inList = false;
            start = i + 1;
        }
        return true;
    }

    // One "=CALL(14)[28]<51.0/-10.0>{EU}~-1.0~" or "DL" of a list.
    bool Item(std::string_view item) {
        const bool exact = item.front() == '=';
        if (exact)
            item.remove_prefix(1);
        std::string call;
        while (!item.empty() &&
               std::string_view("([<{~").find(item.front()) == std::string_view::npos) {
            const char c = UpperChar(item.front());
            if (!IsCallChar(c))
                return Fail("the prefix or call \"" + call + std::string(1, item.front()) +
                            "...\" has a character other than a letter, digit or \"/\"");
            call += c;
            item.remove_prefix(1);
        }
        if (call.empty())
            return Fail("an override without its prefix or call");
        CountryTarget target;
        target.country = m_file.countries.size() - 1;
        while (!item.empty()) {
            const char open = item.front();
            const char close = open == '('   ? ')'
                               : open == '[' ? ']'
                               : open == '<' ? '>'
                               : open == '{' ? '}'
                               : open == '~' ? '~'
                                             : 0;
            const std::size_t end = close ? item.find(close, 1) : std::string_view::npos;
            if (end == std::string_view::npos)
                return Fail("the override of " + call + " is not closed");
            if (open == '<' && !Position(item.substr(1, end - 1), call, target))
                return false;
            item.remove_prefix(end + 1);
        }
        auto& table = exact ? m_file.exactCalls : m_file.prefixes;
        table.emplace(call, target);
        if (!exact)
            m_file.longestPrefix = std::max(m_file.longestPrefix, call.size());
        return true;
    }

    bool Position(std::string_view text, const std::string& call, CountryTarget& target) {
        const std::size_t slash = text.find('/');
        const std::optional<double> latitude =
            slash == std::string_view::npos ? std::nullopt : ParseNumber(text.substr(0, slash), 90);
        const std::optional<double> longitude = slash == std::string_view::npos
                                                    ? std::nullopt
                                                    : ParseNumber(text.substr(slash + 1), 180);
        if (!latitude || !longitude)
            return Fail("the position of " + call + " is not \"<latitude/longitude>\"");
        target.latitudeDeg = latitude;
        target.longitudeDeg = longitude;
        return true;
    }

    std::string_view m_fileName;
    std::size_t m_line = 0;
    bool m_inList = false;
    CountryFile m_file;
    CountryFileRead m_result;
};

// The operating suffixes that say how a station works, not where.
bool IsOperatingSuffix(std::string_view part) {
    constexpr std::string_view kSuffixes[] = {"P",  "M",   "QRP", "QRPP", "A",  "B",
                                              "LH", "LGT", "J",   "R",    "YL", "N"};
    if (part.size() == 1 && part[0] >= '0' && part[0] <= '9')
        return true;
    return std::find(std::begin(kSuffixes), std::end(kSuffixes), part) != std::end(kSuffixes);
}

std::vector<std::string_view> SplitSlashes(std::string_view call) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= call.size(); ++i)
        if (i == call.size() || call[i] == '/') {
            parts.push_back(call.substr(start, i - start));
            start = i + 1;
        }
    return parts;
}

CallsignMatch MatchOf(const CountryFile& file, const std::string& call, const std::string& matched,
                      bool exact, const CountryTarget& target) {
    CallsignMatch match;
    match.call = call;
    match.matched = matched;
    match.exactCall = exact;
    match.country = target.country;
    const Country& country = file.countries[target.country];
    match.latitudeDeg = target.latitudeDeg.value_or(country.latitudeDeg);
    match.longitudeDeg = target.longitudeDeg.value_or(country.longitudeDeg);
    return match;
}

} // namespace

CountryFileRead ParseCountryFile(std::string_view text, std::string_view fileName) {
    Reader reader(fileName);
    std::size_t number = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        reader.SetLine(++number);
        if (const auto bad = std::find_if(line.begin(), line.end(),
                                          [](char c) {
                                              const auto u = static_cast<unsigned char>(c);
                                              return (u < 0x20 && c != '\t' && c != '\r') ||
                                                     u == 0x7f;
                                          });
            bad != line.end()) {
            reader.Fail("a control character in the text");
            break;
        }
        if (!reader.Line(line))
            break;
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return reader.Finish();
}

CountryFileRead ReadCountryFile(const fs::path& path) {
    CountryFileRead result;
    const FileReadResult read = ReadFilePart(path, 0, kCountryFileMaxBytes + 1);
    if (!read) {
        result.error = path.string() + ": " + read.error;
        return result;
    }
    if (read.fileSize > kCountryFileMaxBytes) {
        result.error = path.string() + ": too large for a country file (" +
                       std::to_string(read.fileSize) + " bytes)";
        return result;
    }
    return ParseCountryFile(read.bytes, path.string());
}

std::vector<fs::path> CountryFileCandidates(const fs::path& programDir) {
    if (programDir.empty())
        return {};
    return {programDir / kCountryFileName,
            (programDir / ".." / "share" / "hopscope" / kCountryFileName).lexically_normal()};
}

CountryFileLoad LoadCountryFile(const fs::path& dataDir, const std::vector<fs::path>& candidates) {
    CountryFileLoad load;
    std::error_code ec;
    const fs::path user = dataDir.empty() ? fs::path() : dataDir / kCountryFileName;
    if (!user.empty() && fs::exists(user, ec)) {
        CountryFileRead read = ReadCountryFile(user);
        if (read.Ok()) {
            load.file = std::move(read.file);
            load.path = user;
            return load;
        }
        load.warning = read.error;
    }
    for (const fs::path& candidate : candidates) {
        if (!fs::exists(candidate, ec) || (!user.empty() && fs::equivalent(user, candidate, ec)))
            continue;
        CountryFileRead read = ReadCountryFile(candidate);
        if (!read.Ok()) {
            load.error = read.error;
            return load;
        }
        load.file = std::move(read.file);
        load.path = candidate;
        return load;
    }
    if (!load.warning.empty()) {
        load.error = load.warning;
        load.warning.clear();
    } else {
        load.error = "no country file " + std::string(kCountryFileName) + " in " +
                     (user.empty() ? std::string("the data folder") : dataDir.string()) +
                     " or among the program's data";
    }
    return load;
}

std::optional<CallsignMatch> MatchCallsign(const CountryFile& file, std::string_view text) {
    std::string call;
    for (const char c : text)
        if (!IsBlank(c))
            call += UpperChar(c);
    if (call.empty() || !std::all_of(call.begin(), call.end(), IsCallChar))
        return std::nullopt;
    if (const auto exact = file.exactCalls.find(call); exact != file.exactCalls.end())
        return MatchOf(file, call, call, true, exact->second);

    std::vector<std::string_view> parts = SplitSlashes(call);
    if (std::any_of(parts.begin(), parts.end(), [](std::string_view p) { return p.empty(); }))
        return std::nullopt;
    if (std::any_of(parts.begin(), parts.end(),
                    [](std::string_view p) { return p == "MM" || p == "AM"; }))
        return std::nullopt;
    // Suffixes follow the call, and the call itself is never taken for one.
    while (parts.size() > 1 && IsOperatingSuffix(parts.back()))
        parts.pop_back();
    std::string_view base = parts.front();
    if (parts.size() > 1) {
        const auto shortest = std::min_element(
            parts.begin(), parts.end(),
            [](std::string_view a, std::string_view b) { return a.size() < b.size(); });
        base = *shortest;
    }
    if (parts.size() == 1 || base == parts.front()) {
        // Without its suffixes the call may be an exact one of the file.
        std::string stem(parts.front());
        for (std::size_t i = 1; i < parts.size(); ++i)
            stem += "/" + std::string(parts[i]);
        if (const auto exact = file.exactCalls.find(stem); exact != file.exactCalls.end())
            return MatchOf(file, call, stem, true, exact->second);
    }
    for (std::size_t length = std::min(base.size(), file.longestPrefix); length > 0; --length) {
        const std::string prefix(base.substr(0, length));
        if (const auto found = file.prefixes.find(prefix); found != file.prefixes.end())
            return MatchOf(file, call, prefix, false, found->second);
    }
    return std::nullopt;
}

std::string CallsignMatchText(const CountryFile& file, const CallsignMatch& match) {
    const Country& country = file.countries.at(match.country);
    return match.call + " \u2192 " + country.name + " (" + country.primaryPrefix + ")";
}

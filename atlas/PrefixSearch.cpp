#include "atlas/PrefixSearch.h"

#include "core/Syntax.h"
#include "core/Utf8Text.h"

#include <algorithm>

namespace {

constexpr std::size_t kPrefixColumn = 1;     // by prefix: prefix from column 2
constexpr std::size_t kNameAfterPrefix = 10; // by prefix: name from column 11
constexpr std::size_t kNameColumn = 1;       // by name: name from column 2
constexpr std::size_t kPrefixAfterName = 21; // by name: prefix from column 22

// Characters `first` .. first + count - 1 of a list line.
std::string Columns(std::string_view line, std::size_t first, std::size_t count) {
    return Utf8Left(Utf8From(line, first), count);
}

bool BeginsWith(std::string_view line, std::string_view key) {
    return line.size() >= key.size() && CompareAtlasText(line.substr(0, key.size()), key) == 0;
}

} // namespace

std::string PrefixSearchLine(const AtlasEntry& entry, PrefixSearchMode mode) {
    std::string line;
    if (mode == PrefixSearchMode::ByPrefix) {
        AppendAtColumn(line, kPrefixColumn, entry.Prefix());
        AppendAtColumn(line, kNameAfterPrefix, entry.Name());
    } else {
        AppendAtColumn(line, kNameColumn, entry.Name());
        AppendAtColumn(line, kPrefixAfterName, entry.Prefix());
    }
    AppendAtColumn(line, kPrefixSearchLineWidth, {});
    return line;
}

std::string PrefixSearchHeader(PrefixSearchMode mode) {
    return mode == PrefixSearchMode::ByPrefix ? "Prefix   Name" : "Name                Prefix";
}

std::vector<std::string> PrefixSearchLines(const Atlas& atlas, PrefixSearchMode mode) {
    return SortedAtlasLines(atlas, mode, &PrefixSearchLine);
}

std::vector<std::string> NameSearchLines(const Atlas& atlas, std::string_view text) {
    const auto upper = [](std::string value) {
        for (char& c : value)
            if (c >= 'a' && c <= 'z')
                c = static_cast<char>(c - 'a' + 'A');
        return value;
    };
    const std::string wanted = upper(TrimBlanks(text));
    std::vector<std::string> lines = PrefixSearchLines(atlas, PrefixSearchMode::ByName);
    std::erase_if(lines, [&](const std::string& line) {
        return upper(PrefixSearchField(line, PrefixSearchMode::ByName)).find(wanted) ==
               std::string::npos;
    });
    return lines;
}

std::vector<std::string> SortedAtlasLines(const Atlas& atlas, PrefixSearchMode mode,
                                          std::string (*lineOf)(const AtlasEntry&,
                                                                PrefixSearchMode)) {
    std::vector<std::string> lines;
    if (atlas.Count <= 0)
        return lines;
    const AtlasIndex index =
        mode == PrefixSearchMode::ByPrefix ? AtlasIndex::ByPrefix : AtlasIndex::ByName;
    const std::size_t count =
        index == AtlasIndex::ByPrefix ? atlas.ByPrefix.size() : atlas.ByName.size();
    lines.reserve(count);
    for (std::size_t position = 1; position <= count; ++position)
        lines.push_back(lineOf(AtlasEntryAt(atlas, index, position), mode));
    std::stable_sort(lines.begin(), lines.end(), [](const std::string& a, const std::string& b) {
        return CompareAtlasText(a, b) < 0;
    });
    return lines;
}

std::optional<std::size_t> IncrementalSearch(const std::vector<std::string>& lines,
                                             std::string_view text) {
    if (lines.empty())
        return std::nullopt;
    if (text.empty())
        return 0;
    const std::string_view first = lines.front();
    if (text.size() == 1 && first.size() > 1 && CompareAtlasText(first.substr(1, 1), text) >= 0)
        return 0;
    std::string key(1, ' ');
    key.append(text);
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (BeginsWith(lines[i], key))
            return i;
    // No line begins with the text: the first line that sorts after it.
    std::int64_t lo = 0;
    std::int64_t hi = static_cast<std::int64_t>(lines.size()) - 1;
    while (lo <= hi) {
        const std::int64_t mid = (lo + hi) / 2;
        if (CompareAtlasText(key, lines[static_cast<std::size_t>(mid)]) > 0)
            lo = mid + 1;
        else
            hi = mid - 1;
    }
    return std::min(static_cast<std::size_t>(lo), lines.size() - 1);
}

std::string PrefixSearchField(std::string_view line, PrefixSearchMode mode) {
    if (mode == PrefixSearchMode::ByPrefix)
        return TrimBlanks(Columns(line, kPrefixColumn, kAtlasPrefixField.Capacity));
    return TrimBlanks(Columns(line, kNameColumn, kAtlasNameField.Capacity));
}

std::string PrefixSearchPrefix(std::string_view line, PrefixSearchMode mode) {
    const std::size_t column =
        mode == PrefixSearchMode::ByPrefix ? kPrefixColumn : kPrefixAfterName;
    std::string prefix(Columns(line, column, kAtlasPrefixField.Capacity));
    prefix.erase(std::remove(prefix.begin(), prefix.end(), ' '), prefix.end());
    return prefix;
}

std::size_t PrefixSearchTopLine(std::size_t selected) {
    return selected >= 2 ? selected - 2 : 0;
}

#pragma once

#include "atlas/Atlas.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

/// The two ways the prefix search list is ordered and searched.
enum class PrefixSearchMode { ByPrefix, ByName };

/// Width of one line of the prefix search list, in characters (columns).
inline constexpr std::size_t kPrefixSearchLineWidth = 28;

/// The list line of one entry: 28 characters (UTF-8; columns count characters). By prefix: the
/// prefix from column 2 and the name from column 11 (columns from 1). By name: the
/// name from column 2 and the prefix from column 22. Every line begins with a space.
std::string PrefixSearchLine(const AtlasEntry& entry, PrefixSearchMode mode);

/// The header above the list: "Prefix   Name" or "Name                Prefix".
std::string PrefixSearchHeader(PrefixSearchMode mode);

/// All lines of the list for `atlas`, from its `ByPrefix` or `ByName` index, kept
/// sorted like the list itself (case-insensitive character-code order of the whole
/// line, stable), which is the order of the first field. Empty when Count <= 0.
std::vector<std::string> PrefixSearchLines(const Atlas& atlas, PrefixSearchMode mode);

/// The line `lineOf` makes of every entry of `atlas`, from its `ByPrefix` or `ByName`
/// index, sorted as PrefixSearchLines sorts its lines. Empty when Count <= 0.
std::vector<std::string> SortedAtlasLines(const Atlas& atlas, PrefixSearchMode mode,
                                          std::string (*lineOf)(const AtlasEntry&,
                                                                PrefixSearchMode));

/// The line (0-based) the incremental search selects for the typed text `text`:
/// 1. one character that sorts at or before the first line's first character: line 0;
/// 2. empty text: line 0;
/// 3. the first line that begins with " " + text, ignoring case;
/// 4. otherwise the first line not less than " " + text (upper-cased character
///    codes, binary search), or the last line when the text sorts after them all.
/// Nothing when `lines` is empty. Case never matters ("vietnam" = "VIETNAM").
std::optional<std::size_t> IncrementalSearch(const std::vector<std::string>& lines,
                                             std::string_view text);

/// The lines of the list by name (PrefixSearchLines, in its order) whose name contains
/// `text`, ignoring the case of ASCII letters and the blanks around `text`. Every line
/// for an empty text.
std::vector<std::string> NameSearchLines(const Atlas& atlas, std::string_view text);

/// The first field of a line, spaces around it removed: the prefix (columns 2..7) by
/// prefix, the name (columns 2..18) by name. This is what a click copies into the
/// search field.
std::string PrefixSearchField(std::string_view line, PrefixSearchMode mode);

/// The prefix of a line, spaces removed: columns 2..7 by prefix, 22..27 by name. The
/// picker's result; callers look it up with FindAtlasEntry.
std::string PrefixSearchPrefix(std::string_view line, PrefixSearchMode mode);

/// The list's top line that shows `selected` as the third visible line.
std::size_t PrefixSearchTopLine(std::size_t selected);

#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

/// One element of a record: a number, a text or nothing usable (null, true, false, an
/// object or array inside the record, a text longer than kMaxJsonRecordText).
struct JsonScalar {
    std::optional<double> number;
    std::optional<std::string> text;
};

/// One object or array of the top-level array of a JSON text: its members (with their
/// keys) or its items (keys empty), in the text's order.
struct JsonRecord {
    bool isArray = false;
    std::vector<std::pair<std::string, JsonScalar>> fields;

    /// The member `key` of an object record; nullptr when it has none.
    const JsonScalar* Find(std::string_view key) const;
};

/// The deepest nesting read (the records are at depth 2); a deeper text is refused.
inline constexpr int kMaxJsonDepth = 16;
/// Members or items of a record beyond this many are read and left out.
inline constexpr std::size_t kMaxJsonRecordFields = 64;
/// Texts longer than this (bytes) are read as nothing usable.
inline constexpr std::size_t kMaxJsonRecordText = 64;

/// Reads `text` as a JSON array and hands each of its elements that is an object or an
/// array to `onRecord`, as the parse reaches it, so that memory stays that of one
/// record whatever the text's size or nesting. Returns "" for a JSON array, else why
/// not: "empty", "not valid JSON (cut short or damaged)", "not a JSON array" or
/// "nested more than 16 levels deep".
std::string ReadJsonRecords(std::string_view text,
                            const std::function<void(const JsonRecord&)>& onRecord);

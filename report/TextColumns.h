#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Column arithmetic for the 101-column text reports. Report lines are UTF-8 and a
// column is one character (one code point), so "µV" takes two columns, not three.

/// The text with every byte that is not part of a well-formed UTF-8 sequence read as
/// a Latin-1 character and re-encoded, so that names stored as 8-bit text in older
/// files still give valid UTF-8 of the same number of characters.
std::string ToValidUtf8(std::string_view text);

/// The number of characters (code points) of UTF-8 text.
std::size_t Utf8Length(std::string_view text);

/// The first `count` characters of UTF-8 text (all of it when shorter).
std::string Utf8Left(std::string_view text, std::size_t count);

/// The characters from 0-based character `start` on (empty when shorter).
std::string Utf8From(std::string_view text, std::size_t start);

/// The text right-aligned in `width` characters; a longer text is not cut.
std::string RightAligned(std::string_view text, std::size_t width);

/// The text preceded by (width − length) div 2 blanks (none when it is wider), as
/// the report centres its caption and table title.
std::string Centered(std::string_view text, std::size_t width);

#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Texts are UTF-8 everywhere in the program; a column of a text report or list is one
// character (one code point), so "µV" takes two columns, not three. Files written by
// older versions hold 8-bit Latin-1 texts; ToValidUtf8 turns those into UTF-8 when a
// record is read.

/// The length in bytes (1..4) of the well-formed UTF-8 sequence that starts at byte
/// `i` of `text`, or 0 when none does (a stray, overlong, surrogate or cut sequence).
std::size_t Utf8SequenceLength(std::string_view text, std::size_t i);

/// The text with every byte that is not part of a well-formed UTF-8 sequence read as
/// a Latin-1 character and re-encoded, so that names stored as 8-bit text in older
/// files still give valid UTF-8 of the same number of characters. Valid UTF-8 comes
/// back unchanged.
std::string ToValidUtf8(std::string_view text);

/// The number of characters (code points) of UTF-8 text.
std::size_t Utf8Length(std::string_view text);

/// The first `count` characters of UTF-8 text (all of it when shorter).
std::string Utf8Left(std::string_view text, std::size_t count);

/// The characters from 0-based character `start` on (empty when shorter).
std::string Utf8From(std::string_view text, std::size_t start);

/// Appends `text` to the UTF-8 `line`, first padding the line with blanks up to the
/// 0-based character `column` (a line already that long gets no blanks), so that
/// columns of text line up on screen whatever characters the names hold.
void AppendAtColumn(std::string& line, std::size_t column, std::string_view text);

/// True when UTF-8 text holds a control character: C0 (U+0000..U+001F, which takes in
/// NUL, CR, LF, tab and escape), DEL (U+007F) or C1 (U+0080..U+009F). Names and table
/// cells never hold one: printed raw they would move the cursor, clear a terminal or
/// split a line.
bool HasControlCharacter(std::string_view text);

/// UTF-8 text with every control character (as HasControlCharacter) replaced by "?", so
/// that a name read from a damaged or hostile file is shown, never acted on.
std::string WithoutControlCharacters(std::string_view text);

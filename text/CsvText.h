#pragma once

#include <string>
#include <string_view>

/// A CSV field (RFC 4180): the text as valid UTF-8 (stray bytes read as Latin-1, see
/// ToValidUtf8), in double quotes with its quotes doubled when it holds a comma, a
/// quote or a line break, otherwise as it is.
std::string CsvField(std::string_view text);

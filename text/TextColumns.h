#pragma once

#include "core/Utf8Text.h"

#include <cstddef>
#include <string>
#include <string_view>

// Column arithmetic for the 101-column text reports. Report lines are UTF-8 and a
// column is one character (one code point); the UTF-8 helpers are in core/Utf8Text.h.

/// The text right-aligned in `width` characters; a longer text is not cut.
std::string RightAligned(std::string_view text, std::size_t width);

/// The text preceded by (width − length) div 2 blanks (none when it is wider), as
/// the report centres its caption and table title.
std::string Centered(std::string_view text, std::size_t width);

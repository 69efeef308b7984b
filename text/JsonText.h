#pragma once

#include <string>
#include <string_view>

/// The text as a JSON string literal, quotes included: quotes and backslashes are
/// escaped, line feed, carriage return and tab as \n, \r, \t, other control
/// characters as \u00XX. Bytes that are not part of well-formed UTF-8 are read as
/// Latin-1 characters (see ToValidUtf8), so the result is always valid UTF-8 JSON.
std::string JsonString(std::string_view text);

/// A number in the shortest form that reads back as the same value (a 32-bit float
/// as a float, so 14.1f is written 14.1); "null" when it is not finite.
std::string JsonNumber(double value);
std::string JsonNumber(float value);

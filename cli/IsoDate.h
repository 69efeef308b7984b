#pragma once

#include "core/Dates.h"

#include <optional>
#include <string>

/// A date written YYYY-MM-DD on the command line, or nullopt when the text is not a
/// real calendar day between 1901 and 2099 (the range of the day-number formula).
std::optional<DateValue> ParseIsoDate(const std::string& text);

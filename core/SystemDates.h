#pragma once

#include "core/Dates.h"

#include <string_view>

/// The date conventions of a POSIX date format such as "%m/%d/%y", "%d.%m.%Y" or
/// "%Y-%m-%d": the order from the first and last of the d/m/y conversions (as
/// DateOrderFromFormat reads letters), the separator the first character after the
/// first conversion that is not a letter, digit or "%" ("/" when there is none).
/// %D counts as "%m/%d/%y" and %F as "%Y-%m-%d".
DateConventions DateConventionsFromPosixFormat(std::string_view format);

/// The date conventions of the user's locale (LC_ALL, LC_TIME, LANG), read with
/// nl_langinfo(D_FMT) without changing the process's locale; month-day-year with "/"
/// (the C locale's) when the locale cannot be read.
DateConventions SystemDateConventions();

#pragma once

// The checks the entry fields run when the user leaves them, beyond the syntax
// routines of core/Syntax.h and core/Dates.h: number ranges, the latitude's pole
// spelling and names (the prefix check, which needs the atlas, is atlas/PrefixCheck.h).
// The fields show the messages these checks return.

#include "core/UserMessage.h"

#include <string>
#include <string_view>

/// A bound of a range message: a whole number without decimals, any other value with
/// `decimals` decimals ("3", "30", "-99.9", "100").
std::string FormatBound(double bound, int decimals);

/// "Please enter a value between " + min + " and " + max + "." (alert, error box).
UserMessage RangeMessage(double minValue, double maxValue, int decimals);

/// `text` filled on the left with blanks to `width` characters (unchanged when it is
/// already as long).
std::string RightJustified(std::string_view text, int width);

/// The integer field's check: the text (blanks around it ignored) must read as a
/// number, decimals allowed, and lie in [minValue, maxValue]. The text is kept as it
/// is; with `rightJustifyWidth` > 0 it is filled on the left with blanks to that width.
TextCheck CheckIntegerField(std::string_view text, long long minValue, long long maxValue,
                            int rightJustifyWidth);

/// The real field's check: the text must read as a number; the value and both bounds
/// are rounded to `precision` decimals as they would be shown, and the value must lie
/// between them. The text becomes the value with `precision` decimals (14.14 → "14.1",
/// 2.96 → "3.0" with bounds 3.0..30.0), right-justified to `rightJustifyWidth` when
/// that is > 0. Failure: RangeMessage with the bounds.
TextCheck CheckRealField(std::string_view text, int precision, double minValue, double maxValue,
                         int rightJustifyWidth);

/// The latitude field's check: ParseCoordinate; on success the normalized text, with
/// a pole spelled "+90", "90 N" or "90" (value ≥ 89.995, by what the text contains)
/// and "90 S" or "-90" (value ≤ −89.995).
TextCheck CheckLatitudeField(std::string_view text);

/// The longitude field's check: ParseCoordinate; on success the normalized text.
TextCheck CheckLongitudeField(std::string_view text);

/// The name field's check: an empty (or all-blank) name fails with "A Name is
/// required" unless `blankAllowed`.
CheckResult CheckNameField(std::string_view text, bool blankAllowed);

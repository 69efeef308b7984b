#include "core/FieldChecks.h"

#include "core/Numeric.h"
#include "core/Syntax.h"
#include "core/Utf8Text.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace {

TextCheck Failed(std::string_view text, UserMessage message) {
    TextCheck result;
    result.text = std::string(text);
    result.message = std::move(message);
    return result;
}

TextCheck Passed(std::string text) {
    TextCheck result;
    result.ok = true;
    result.text = std::move(text);
    return result;
}

} // namespace

std::string FormatBound(double bound, int decimals) {
    if (bound == std::floor(bound))
        return FormatFixed(bound, 0, 0);
    return FormatFixed(bound, 0, decimals);
}

UserMessage RangeMessage(double minValue, double maxValue, int decimals) {
    return ErrorMessage("Please enter a value between " + FormatBound(minValue, decimals) +
                        " and " + FormatBound(maxValue, decimals) + ".");
}

std::string RightJustified(std::string_view text, int width) {
    std::string result(text);
    if (static_cast<int>(result.size()) < width)
        result.insert(0, static_cast<std::size_t>(width) - result.size(), ' ');
    return result;
}

TextCheck CheckIntegerField(std::string_view text, long long minValue, long long maxValue,
                            int rightJustifyWidth) {
    const auto value = ParseDecimal(TrimBlanks(text), true);
    if (!value || *value < static_cast<double>(minValue) || *value > static_cast<double>(maxValue))
        return Failed(
            text, RangeMessage(static_cast<double>(minValue), static_cast<double>(maxValue), 0));
    if (rightJustifyWidth > 0)
        return Passed(RightJustified(TrimBlanks(text), rightJustifyWidth));
    return Passed(std::string(text));
}

TextCheck CheckRealField(std::string_view text, int precision, double minValue, double maxValue,
                         int rightJustifyWidth) {
    const auto read = ParseDecimal(TrimBlanks(text), true);
    const UserMessage refusal = RangeMessage(minValue, maxValue, precision);
    if (!read)
        return Failed(text, refusal);
    const double value = RoundToShown(*read, precision);
    if (value < RoundToShown(minValue, precision) || value > RoundToShown(maxValue, precision))
        return Failed(text, refusal);
    std::string shown = FormatFixed(value, 0, precision);
    if (rightJustifyWidth > 0)
        shown = RightJustified(shown, rightJustifyWidth);
    return Passed(std::move(shown));
}

TextCheck CheckLatitudeField(std::string_view text) {
    const CoordinateParse parse = ParseCoordinate(text, CoordinateKind::Latitude);
    if (!parse)
        return Failed(text, parse.message);
    const std::string& normalized = parse.normalizedText;
    const auto contains = [&](char c) { return normalized.find(c) != std::string::npos; };
    if (parse.valueDeg >= 89.995) {
        if (contains('+'))
            return Passed("+90");
        if (contains('N'))
            return Passed("90 N");
        return Passed("90");
    }
    if (parse.valueDeg <= -89.995)
        return Passed(contains('S') ? "90 S" : "-90");
    return Passed(normalized);
}

TextCheck CheckLongitudeField(std::string_view text) {
    const CoordinateParse parse = ParseCoordinate(text, CoordinateKind::Longitude);
    if (!parse)
        return Failed(text, parse.message);
    return Passed(parse.normalizedText);
}

CheckResult CheckNameField(std::string_view text, bool blankAllowed) {
    CheckResult result;
    if (TrimBlanks(text).empty() && !blankAllowed) {
        result.message = ErrorMessage("A Name is required");
        return result;
    }
    if (HasControlCharacter(text)) {
        result.message = ErrorMessage("A Name cannot hold control characters");
        return result;
    }
    result.ok = true;
    return result;
}

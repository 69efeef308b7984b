#include "core/Numeric.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

#include "core/Constants.h"

double ArcCos(double x) {
    if (x >= 1.0)
        return 0.0;
    if (x <= -1.0)
        return kPi;
    if (x == 0.0)
        return kHalfPi;
    return std::acos(x);
}

double ArcSin(double x) {
    if (x >= 1.0)
        return kHalfPi;
    if (x <= -1.0)
        return -kHalfPi;
    if (x == 0.0)
        return 0.0;
    return std::asin(x);
}

double PositiveMod(int n, double x) {
    if (n <= 0)
        return std::numeric_limits<double>::quiet_NaN();
    const double q = x / n;
    double r = n * (q - std::trunc(q));
    if (r < 0.0)
        r += n;
    if (r >= n)
        r = 0.0;
    return r == 0.0 ? 0.0 : r; // no negative zero
}

double RoundHalfEven(double x) {
    // The default floating-point rounding mode is to nearest, ties to even.
    return std::nearbyint(x);
}

namespace {

std::string PadLeft(std::string text, int width) {
    if (width > 0 && static_cast<int>(text.size()) < width)
        text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
    return text;
}

} // namespace

std::string FormatFixed(double x, int width, int decimals) {
    if (std::isnan(x))
        return PadLeft("NAN", width);
    if (std::isinf(x))
        return PadLeft(x < 0 ? "-INF" : "INF", width);
    decimals = std::clamp(decimals, 0, 18);

    // The value to 15 significant digits: d.dddddddddddddde±xx.
    char buf[64];
    const auto res =
        std::to_chars(buf, buf + sizeof buf, std::fabs(x), std::chars_format::scientific, 14);
    const std::string sci(buf, res.ptr);
    const std::size_t ePos = sci.find('e');
    std::string digits;
    for (std::size_t i = 0; i < ePos; ++i)
        if (sci[i] != '.')
            digits += sci[i];
    const int exponent = std::stoi(sci.substr(ePos + 1));

    // digits holds 0.d1d2...d15 × 10^(exponent + 1); keep the digits down to the
    // last decimal and round half away from zero on the first dropped digit.
    const int kept = exponent + 1 + decimals;
    std::string integer; // the value × 10^decimals, as decimal digits
    int dropped = 0;
    if (kept > 0) {
        if (kept <= static_cast<int>(digits.size())) {
            integer = digits.substr(0, static_cast<std::size_t>(kept));
            if (kept < static_cast<int>(digits.size()))
                dropped = digits[static_cast<std::size_t>(kept)] - '0';
        } else {
            integer = digits + std::string(static_cast<std::size_t>(kept) - digits.size(), '0');
        }
    } else if (kept == 0) {
        dropped = digits[0] - '0';
    }
    if (dropped >= 5) {
        int i = static_cast<int>(integer.size()) - 1;
        while (i >= 0 && integer[static_cast<std::size_t>(i)] == '9')
            integer[static_cast<std::size_t>(i--)] = '0';
        if (i >= 0)
            ++integer[static_cast<std::size_t>(i)];
        else
            integer.insert(0, 1, '1');
    }
    // Strip leading zeros, then make room for "0." and the decimals.
    const std::size_t firstNonZero = integer.find_first_not_of('0');
    integer = firstNonZero == std::string::npos ? std::string() : integer.substr(firstNonZero);
    const bool isZero = integer.empty();
    if (integer.size() < static_cast<std::size_t>(decimals) + 1)
        integer.insert(0, static_cast<std::size_t>(decimals) + 1 - integer.size(), '0');
    if (decimals > 0)
        integer.insert(integer.size() - static_cast<std::size_t>(decimals), 1, '.');
    if (x < 0 && !isZero)
        integer.insert(0, 1, '-');
    return PadLeft(integer, width);
}

double RoundToShown(double x, int decimals) {
    const std::string text = FormatFixed(x, 0, decimals);
    if (auto value = ParseDecimal(text, true))
        return *value;
    return x; // NaN and infinities read back as themselves
}

std::string FormatHHMM(double dayFraction) {
    double minutes = RoundHalfEven(PositiveMod(24, dayFraction * 24.0) * 60.0);
    if (!std::isfinite(minutes))
        minutes = 0.0;
    const int m = static_cast<int>(minutes) % 1440;
    std::string text = std::to_string(100 * (m / 60) + m % 60);
    text.insert(0, 4 - text.size(), '0');
    return text;
}

int Sign(double x) {
    return x > 0.0 ? 1 : (x < 0.0 ? -1 : 0);
}

double MaxOf(double a, double b) {
    return a > b ? a : b;
}
double MinOf(double a, double b) {
    return a < b ? a : b;
}
int MaxOf(int a, int b) {
    return a > b ? a : b;
}
int MinOf(int a, int b) {
    return a < b ? a : b;
}

double Log10(double x) {
    return std::log10(x);
}

SinCosPair SinCos(double angleRad) {
    return {std::sin(angleRad), std::cos(angleRad)};
}

double SqrtOneMinusSquare(double x) {
    const double v = 1.0 - x * x;
    return v > 0.0 ? std::sqrt(v) : 0.0;
}

std::optional<double> ParseDecimal(std::string_view text, bool allowSign) {
    std::string body(text);
    bool negative = false;
    if (allowSign && !body.empty() && (body[0] == '+' || body[0] == '-')) {
        negative = body[0] == '-';
        body.erase(0, 1);
    }
    int digitCount = 0;
    int dotCount = 0;
    for (char c : body) {
        if (c >= '0' && c <= '9')
            ++digitCount;
        else if (c == '.')
            ++dotCount;
        else
            return std::nullopt;
    }
    if (digitCount == 0 || dotCount > 1)
        return std::nullopt;
    if (body.front() == '.')
        body.insert(0, 1, '0');
    if (body.back() == '.')
        body += '0';
    double value = 0.0;
    const auto res = std::from_chars(body.data(), body.data() + body.size(), value);
    if (res.ec != std::errc() || res.ptr != body.data() + body.size())
        return std::nullopt;
    return negative ? -value : value;
}

std::optional<int> ParseInteger(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    if (text.empty())
        return std::nullopt;
    long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > std::numeric_limits<int>::max())
            return std::nullopt;
    }
    return static_cast<int>(negative ? -value : value);
}

#pragma once

#include <optional>
#include <string>
#include <string_view>

/// Arc cosine clamped to its domain: 0 for x ≥ 1, π for x ≤ −1, exactly π/2 for
/// x = 0, the ordinary arc cosine otherwise (radians, 0..π). Never fails; NaN in
/// gives NaN out.
double ArcCos(double x);

/// Arc sine clamped to its domain: π/2 for x ≥ 1, −π/2 for x ≤ −1, 0 for x = 0,
/// the ordinary arc sine otherwise (radians, −π/2..π/2). Never fails.
double ArcSin(double x);

/// x reduced into [0, n): n·frac(x/n), plus n when negative; a result that comes
/// out equal to n (rounding of a tiny negative x) is 0. n must be positive.
double PositiveMod(int n, double x);

/// The nearest integer, halves to the even neighbour (0.5 → 0, 1.5 → 2, 2.5 → 2).
/// This is the program's "rounded to the nearest integer" everywhere.
double RoundHalfEven(double x);

/// x with `decimals` decimals (0..18), right-justified in `width` characters (a
/// longer result is not cut), "." as the decimal separator. The value is first read
/// to 15 significant digits and then rounded half away from zero, so a value held
/// as 28.174999999999997 shows as 28.18 with two decimals. Negative zero results
/// show without a sign ("0.00"). NaN shows as "NAN", infinities as "INF"/"-INF".
std::string FormatFixed(double x, int width, int decimals);

/// The value FormatFixed(x, 0, decimals) shows, read back as a number.
double RoundToShown(double x, int decimals);

/// A day fraction as four digits HHMM: the minutes are PositiveMod(24, x·24)·60
/// rounded to the nearest integer, modulo 1440 (0.99999 gives "0000", 0.5 "1200").
std::string FormatHHMM(double dayFraction);

/// −1, 0 or +1 by the sign of x (0 for ±0 and NaN).
int Sign(double x);

/// The larger of a and b; b when they are equal.
double MaxOf(double a, double b);
/// The smaller of a and b; b when they are equal.
double MinOf(double a, double b);
/// The larger of two integers; b when they are equal.
int MaxOf(int a, int b);
/// The smaller of two integers; b when they are equal.
int MinOf(int a, int b);

/// Decimal logarithm (−inf for 0, NaN for negative x).
double Log10(double x);

/// Sine and cosine of one angle (radians).
struct SinCosPair {
    double sin = 0.0;
    double cos = 1.0;
};
SinCosPair SinCos(double angleRad);

/// √(1 − x²); 0 when |x| ≥ 1.
double SqrtOneMinusSquare(double x);

/// Reads a plain decimal number: optional sign only when allowSign, digits with at
/// most one ".", at least one digit (so "." alone, "", "1e5", " 1" and "1.2.3" are
/// not numbers). Never throws.
std::optional<double> ParseDecimal(std::string_view text, bool allowSign);

/// Reads an integer: optional "+" or "-", then 1..9 digits. Never throws.
std::optional<int> ParseInteger(std::string_view text);

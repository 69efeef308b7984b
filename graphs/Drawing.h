#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <variant>
#include <vector>

// A small display list: what a graph is made of, in pixels of its page (x to the
// right, y down). A backend (a painter on screen, a printer, a picture file) replays
// it item by item in order; the graphs themselves never touch a drawing library.

/// An RGB colour.
struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kGridGrey{128, 128, 128};
inline constexpr Rgb kRed{255, 0, 0};
/// The background of a graph's frame on a colour screen.
inline constexpr Rgb kFrameCream{255, 251, 240};

/// The typeface of a text: the graphs' proportional face (Arial or its like) and the
/// fixed-pitch face of the header lines (Courier New or its like).
enum class FontFace { Sans, Mono };

/// A font: face, weight and size in pixels (the em size).
struct FontStyle {
    FontFace face = FontFace::Sans;
    bool bold = false;
    double pixelSize = 12.0;
    bool operator==(const FontStyle&) const = default;
};

enum class HAlign { Left, Centre, Right };
/// Top: y is the top of the text's line; Middle: its middle; Baseline: its baseline.
enum class VAlign { Top, Middle, Baseline };

struct LineItem {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    Rgb colour;
    double width = 1.0;
};

struct Point {
    double x = 0, y = 0;
    bool operator==(const Point&) const = default;
};

struct PolylineItem {
    std::vector<Point> points;
    Rgb colour;
    double width = 1.0;
};

/// A rectangle: filled when `filled`, outlined when `outlined`.
struct RectItem {
    double x = 0, y = 0, w = 0, h = 0;
    bool filled = false;
    Rgb fill;
    bool outlined = false;
    Rgb outline;
    double outlineWidth = 1.0;
};

struct TextItem {
    double x = 0, y = 0;
    std::string text; ///< UTF-8
    FontStyle font;
    Rgb colour;
    HAlign hAlign = HAlign::Left;
    VAlign vAlign = VAlign::Top;
};

using DrawItem = std::variant<LineItem, PolylineItem, RectItem, TextItem>;

/// A page of drawing: its size, a background that fills it first, and the items.
struct Drawing {
    double width = 0, height = 0;
    Rgb background = kWhite;
    std::vector<DrawItem> items;

    void Line(double x1, double y1, double x2, double y2, Rgb colour, double width = 1.0);
    void Text(double x, double y, std::string text, const FontStyle& font, Rgb colour,
              HAlign hAlign, VAlign vAlign);
};

/// The text metrics of a backend, which the graphs' layouts need (the widths of
/// labels, the height of a line of text).
struct TextMeasure {
    /// Width of the text in pixels.
    std::function<double(const std::string& text, const FontStyle& font)> width;
    /// Height of a line of text (ascent + descent) in pixels.
    std::function<double(const FontStyle& font)> height;
};

/// A measure for tests and fallbacks: every character 0.6 em wide, lines 1.15 em high.
TextMeasure ApproximateTextMeasure();

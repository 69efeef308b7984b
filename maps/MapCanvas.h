#pragma once

#include <cstdint>
#include <span>
#include <string_view>

/// A colour as 0xRRGGBB. Canvases compare and replace colours by this value only.
using Rgb = std::uint32_t;

inline constexpr Rgb kBlack = 0x000000;
inline constexpr Rgb kWhite = 0xFFFFFF;
inline constexpr Rgb kGrey = 0x808080;
inline constexpr Rgb kRed = 0xFF0000;
inline constexpr Rgb kLime = 0x00FF00;
inline constexpr Rgb kBlue = 0x0000FF;
inline constexpr Rgb kYellow = 0xFFFF00;

/// A pixel position.
struct PixelPoint {
    int x = 0;
    int y = 0;
    bool operator==(const PixelPoint&) const = default;
};

/// A box as the drawing calls take it: left and top inside, right and bottom just
/// outside (a box (0, 0, 10, 10) covers 10 × 10 pixels).
struct PixelBox {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

/// The size of a drawn text, pixels.
struct TextExtent {
    int width = 0;
    int height = 0;
};

/// A surface the maps are drawn on: rows of 32-bit pixels whose low 24 bits are the
/// colour (0xRRGGBB; the top byte is written as 0xFF and ignored when read), plus text.
/// The drawing operations (pen position, lines, ellipses, polygons, flood fills, block
/// copies) work on the rows alone, so every canvas draws the same pixels; a subclass
/// supplies the memory and the text rendering. Coordinates outside the surface are
/// clipped silently.
class MapCanvas {
public:
    virtual ~MapCanvas() = default;

    virtual int Width() const = 0;
    virtual int Height() const = 0;
    /// Row y (0 ≤ y < Height()), Width() pixels.
    virtual std::uint32_t* Row(int y) = 0;
    virtual const std::uint32_t* Row(int y) const = 0;
    /// The extent of `text` in the canvas' font.
    virtual TextExtent MeasureText(std::string_view text) = 0;
    /// Draws `text` with its top left corner at (x, y), `ink` on an opaque `paper` box of
    /// MeasureText's extent.
    virtual void DrawText(int x, int y, std::string_view text, Rgb ink, Rgb paper) = 0;
    /// The canvas font's pixel size (the height of a capital letter plus ascent room).
    virtual void SetFontPixelSize(int pixels) = 0;

    // Pen and brush, as the drawing calls use them.
    Rgb penColour = kBlack;
    int penWidth = 1;
    Rgb brushColour = kWhite;

    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < Width() && y < Height(); }
    /// The colour at (x, y); black outside the surface.
    Rgb PixelAt(int x, int y) const;
    /// Sets one pixel (nothing outside the surface).
    void SetPixel(int x, int y, Rgb colour);
    /// Every pixel to `colour`.
    void Fill(Rgb colour);
    /// The pixels of the box to `colour`.
    void FillBox(PixelBox box, Rgb colour);

    PixelPoint Position() const { return m_position; }
    void MoveTo(int x, int y) { m_position = {x, y}; }
    /// A line in the pen from the position to (x, y), which becomes the position. A pen
    /// of width 1 leaves the end pixel out; a wider pen paints a round dot of its width
    /// on every pixel of the line, ends included.
    void LineTo(int x, int y);

    /// The ellipse inscribed in `box`, filled with the brush unless `fill` is false,
    /// outlined in the pen (width 1).
    void Ellipse(PixelBox box, bool fill);
    /// A closed polygon filled with the brush and outlined in the pen.
    void Polygon(std::span<const PixelPoint> points);

    /// Fills the 4-connected region of pixels of colour `surface` that holds (x, y) with
    /// the brush. With `wrap` the region continues across the left and right edges.
    /// Nothing happens when (x, y) is outside or not of that colour, or when the brush is
    /// that colour.
    void FloodFillSurface(int x, int y, Rgb surface, bool wrap = false);
    /// Fills the 4-connected region around (x, y) bounded by pixels of colour `border`
    /// with the brush.
    void FloodFillToBorder(int x, int y, Rgb border);

    /// Bitwise AND of the colours of `mask`, scaled nearest-neighbour to this canvas.
    void AndWith(const MapCanvas& mask);
    /// Copies `source`, scaled nearest-neighbour, into `box` of this canvas.
    void CopyFrom(const MapCanvas& source, PixelBox box);

private:
    void Dot(int x, int y);
    template <typename Inside, typename Mark>
    void Fill4(int x, int y, Inside inside, Mark mark, bool wrap);

    PixelPoint m_position;
};

#pragma once

#include <memory>
#include <optional>
#include <string>

#include "maps/MapCanvas.h"
#include "maps/VectorMap.h"

struct _cairo_surface;

/// A plain in-memory canvas: a cairo image surface of 24-bit colour pixels, which
/// also renders text (DejaVu Sans); PNG files are written with libpng. The base maps, the command
/// line and the tests draw on it.
class PixelBuffer final : public MapCanvas {
public:
    /// A width × height surface filled with black (sizes below 1 count as 1).
    PixelBuffer(int width, int height);
    ~PixelBuffer() override;
    PixelBuffer(PixelBuffer&& other) noexcept;
    PixelBuffer& operator=(PixelBuffer&& other) noexcept;
    PixelBuffer(const PixelBuffer&) = delete;
    PixelBuffer& operator=(const PixelBuffer&) = delete;

    /// A copy of the pixels (pen, brush and font start afresh).
    PixelBuffer Clone() const;

    int Width() const override { return m_width; }
    int Height() const override { return m_height; }
    std::uint32_t* Row(int y) override;
    const std::uint32_t* Row(int y) const override;
    TextExtent MeasureText(std::string_view text) override;
    void DrawText(int x, int y, std::string_view text, Rgb ink, Rgb paper) override;
    void SetFontPixelSize(int pixels) override { m_fontPixels = pixels; }

    /// Strokes `lines` (pixel coordinates, a pixel's centre at whole numbers + 0.5)
    /// antialiased in `colour`, `width` pixels wide with round joins, clipped to the map
    /// of `clip` (its box, or its disc for a great-circle frame).
    void StrokeSmoothLines(const std::vector<MapPolyline>& lines, Rgb colour, double width,
                           const WorldFrame& clip);

    /// The picture as a PNG file's bytes; nullopt when cairo cannot encode it.
    std::optional<std::string> EncodePng() const;

private:
    _cairo_surface* m_surface = nullptr;
    unsigned char* m_data = nullptr;
    int m_stride = 0;
    int m_width = 0;
    int m_height = 0;
    int m_fontPixels = 13;
};

#pragma once

#include <QFont>
#include <QImage>

#include "maps/MapCanvas.h"
#include "maps/PixelBuffer.h"

/// The maps' canvas on a QImage (Format_RGB32, whose pixels are 0xffRRGGBB rows, the
/// canvas' own layout), with text drawn by QPainter in a chosen font. The map windows
/// draw their images on it and show them scaled nearest-neighbour only.
class QImageCanvas final : public MapCanvas {
public:
    /// A width × height image filled with black.
    QImageCanvas(int width, int height, const QFont& font = QFont());

    int Width() const override { return m_image.width(); }
    int Height() const override { return m_image.height(); }
    std::uint32_t* Row(int y) override;
    const std::uint32_t* Row(int y) const override;
    TextExtent MeasureText(std::string_view text) override;
    void DrawText(int x, int y, std::string_view text, Rgb ink, Rgb paper) override;
    void SetFontPixelSize(int pixels) override { m_font.setPixelSize(pixels); }

    const QImage& image() const { return m_image; }

private:
    QImage m_image;
    QFont m_font;
};

/// A plain buffer as a QImage (a copy, Format_RGB32).
QImage ToQImage(const MapCanvas& canvas);

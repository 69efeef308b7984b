#include "maps/ui/QImageCanvas.h"

#include <QFontMetrics>
#include <QPainter>

#include <cstring>

QImageCanvas::QImageCanvas(int width, int height, const QFont& font)
    : m_image(qMax(width, 1), qMax(height, 1), QImage::Format_RGB32), m_font(font) {
    Fill(kBlack);
}

std::uint32_t* QImageCanvas::Row(int y) {
    return reinterpret_cast<std::uint32_t*>(m_image.scanLine(y));
}

const std::uint32_t* QImageCanvas::Row(int y) const {
    return reinterpret_cast<const std::uint32_t*>(m_image.constScanLine(y));
}

TextExtent QImageCanvas::MeasureText(std::string_view text) {
    const QFontMetrics metrics(m_font);
    const QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    return {metrics.horizontalAdvance(s), metrics.height()};
}

void QImageCanvas::DrawText(int x, int y, std::string_view text, Rgb ink, Rgb paper) {
    const TextExtent size = MeasureText(text);
    FillBox({x, y, x + size.width, y + size.height}, paper);
    QPainter painter(&m_image);
    painter.setFont(m_font);
    painter.setPen(QColor::fromRgb(ink));
    const QFontMetrics metrics(m_font);
    painter.drawText(x, y + metrics.ascent(),
                     QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

QImage ToQImage(const MapCanvas& canvas) {
    QImage image(canvas.Width(), canvas.Height(), QImage::Format_RGB32);
    for (int y = 0; y < canvas.Height(); ++y)
        std::memcpy(image.scanLine(y), canvas.Row(y), sizeof(std::uint32_t) * canvas.Width());
    return image;
}

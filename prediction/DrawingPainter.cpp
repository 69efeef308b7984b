#include "prediction/DrawingPainter.h"

#include <QBuffer>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <cmath>

namespace {

// A saved picture: PNG at 1600 × 1200 pixels, SVG and PDF at 1200 × 900 points.
constexpr int kPngWidth = 1600, kPngHeight = 1200;
constexpr int kVectorWidth = 1200, kVectorHeight = 900;

QColor ColourOf(Rgb c) {
    return QColor(c.r, c.g, c.b);
}

QPen PenOf(Rgb c, double width) {
    QPen pen(ColourOf(c));
    pen.setWidthF(width);
    pen.setCapStyle(Qt::SquareCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

void Replay(QPainter& painter, const Drawing& drawing) {
    painter.save();
    painter.fillRect(QRectF(0, 0, drawing.width, drawing.height), ColourOf(drawing.background));
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    for (const DrawItem& item : drawing.items) {
        if (const auto* line = std::get_if<LineItem>(&item)) {
            painter.setPen(PenOf(line->colour, line->width));
            painter.setRenderHint(QPainter::Antialiasing, false);
            painter.drawLine(QPointF(line->x1, line->y1), QPointF(line->x2, line->y2));
            painter.setRenderHint(QPainter::Antialiasing, true);
        } else if (const auto* poly = std::get_if<PolylineItem>(&item)) {
            QPolygonF points;
            for (const Point& p : poly->points)
                points << QPointF(p.x, p.y);
            painter.setPen(PenOf(poly->colour, poly->width));
            painter.drawPolyline(points);
        } else if (const auto* rect = std::get_if<RectItem>(&item)) {
            const QRectF box(rect->x, rect->y, rect->w, rect->h);
            if (rect->filled)
                painter.fillRect(box, ColourOf(rect->fill));
            if (rect->outlined) {
                painter.setRenderHint(QPainter::Antialiasing, false);
                painter.setPen(PenOf(rect->outline, rect->outlineWidth));
                painter.setBrush(Qt::NoBrush);
                painter.drawRect(box);
                painter.setRenderHint(QPainter::Antialiasing, true);
            }
        } else if (const auto* text = std::get_if<TextItem>(&item)) {
            const QFont font = QtFont(text->font);
            painter.setFont(font);
            const QFontMetricsF metrics(font, painter.device());
            const QString string = QString::fromStdString(text->text);
            double x = text->x;
            const double width = metrics.horizontalAdvance(string);
            if (text->hAlign == HAlign::Centre)
                x -= width / 2;
            else if (text->hAlign == HAlign::Right)
                x -= width;
            double baseline = text->y;
            if (text->vAlign == VAlign::Top)
                baseline += metrics.ascent();
            else if (text->vAlign == VAlign::Middle)
                baseline += (metrics.ascent() - metrics.descent()) / 2;
            painter.setPen(ColourOf(text->colour));
            painter.drawText(QPointF(x, baseline), string);
        }
    }
    painter.restore();
}

QString Failed(const QString& what, const QString& path, const QString& reason) {
    return what.arg(QDir::toNativeSeparators(path)) + QStringLiteral("\r") + reason;
}

} // namespace

QByteArray WithFontFallbacks(QByteArray svg) {
    // A viewer without the first family takes the next; the header rows stay aligned
    // only in a fixed-pitch font.
    svg.replace("font-family=\"Courier New\"",
                "font-family=\"Courier New, Liberation Mono, DejaVu Sans Mono, monospace\"");
    svg.replace("font-family=\"Arial\"",
                "font-family=\"Arial, Liberation Sans, DejaVu Sans, sans-serif\"");
    return svg;
}

QFont QtFont(const FontStyle& wanted) {
    QFont font(wanted.face == FontFace::Mono ? QStringLiteral("Courier New")
                                             : QStringLiteral("Arial"));
    font.setStyleHint(wanted.face == FontFace::Mono ? QFont::TypeWriter : QFont::SansSerif);
    font.setFixedPitch(wanted.face == FontFace::Mono);
    font.setBold(wanted.bold);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(wanted.pixelSize))));
    return font;
}

TextMeasure QtTextMeasure(const QPaintDevice* device) {
    // QFontMetricsF takes a non-const device, but only reads its resolution.
    auto* target = const_cast<QPaintDevice*>(device);
    TextMeasure measure;
    measure.width = [target](const std::string& text, const FontStyle& font) {
        const QFontMetricsF metrics =
            target ? QFontMetricsF(QtFont(font), target) : QFontMetricsF(QtFont(font));
        return metrics.horizontalAdvance(QString::fromStdString(text));
    };
    measure.height = [target](const FontStyle& font) {
        const QFontMetricsF metrics =
            target ? QFontMetricsF(QtFont(font), target) : QFontMetricsF(QtFont(font));
        return metrics.ascent() + metrics.descent();
    };
    return measure;
}

void PaintDrawing(QPainter& painter, const Drawing& drawing) {
    Replay(painter, drawing);
}

bool PrintDrawingPage(QPrinter& printer, const QString& title, const PageComposer& compose) {
    printer.setDocName(title);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QRectF page = printer.pageRect(QPrinter::DevicePixel);
    const Drawing drawing = compose(page.width(), page.height(), QtTextMeasure(&printer));
    Replay(painter, drawing);
    const bool aborted = printer.printerState() == QPrinter::Aborted;
    painter.end();
    return !aborted;
}

QString SavePicture(const QString& path, const PageComposer& compose) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return Failed(QStringLiteral("Could not open the file %1 for writing."), path,
                      file.errorString());
    bool drawn = false;
    if (suffix == QLatin1String("svg")) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(QSize(kVectorWidth, kVectorHeight));
        svg.setViewBox(QRect(0, 0, kVectorWidth, kVectorHeight));
        svg.setResolution(72);
        svg.setTitle(QFileInfo(path).completeBaseName());
        QPainter painter;
        if (painter.begin(&svg)) {
            Replay(painter, compose(kVectorWidth, kVectorHeight, QtTextMeasure(&svg)));
            drawn = painter.end();
        }
        const QByteArray text = WithFontFallbacks(buffer.data());
        drawn = drawn && file.write(text) == text.size();
    } else if (suffix == QLatin1String("pdf")) {
        QPdfWriter pdf(&file);
        pdf.setResolution(72);
        pdf.setPageSize(QPageSize(QSizeF(kVectorWidth, kVectorHeight), QPageSize::Point));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter painter;
        if (painter.begin(&pdf)) {
            Replay(painter, compose(kVectorWidth, kVectorHeight, QtTextMeasure(&pdf)));
            drawn = painter.end();
        }
    } else {
        QImage image(kPngWidth, kPngHeight, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter;
        if (painter.begin(&image)) {
            Replay(painter, compose(kPngWidth, kPngHeight, QtTextMeasure(&image)));
            drawn = painter.end();
        }
        drawn = drawn && image.save(&file, "PNG");
    }
    if (!drawn || file.error() != QFileDevice::NoError) {
        file.cancelWriting();
        return Failed(QStringLiteral("Could not write to the file %1."), path, file.errorString());
    }
    if (!file.commit())
        return Failed(QStringLiteral("Could not save the file %1."), path, file.errorString());
    return {};
}

QString AskPictureFile(QWidget* parent, QString& directory) {
    QFileDialog dialog(parent, QStringLiteral("Save Picture"), directory);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    const QStringList filters{QStringLiteral("PNG picture (*.png)"),
                              QStringLiteral("SVG picture (*.svg)"),
                              QStringLiteral("PDF document (*.pdf)")};
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(QStringLiteral("png"));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog, filters](const QString& filter) {
                         const int i = filters.indexOf(filter);
                         static const char* const kSuffixes[] = {"png", "svg", "pdf"};
                         if (i >= 0)
                             dialog.setDefaultSuffix(QString::fromLatin1(kSuffixes[i]));
                     });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    QString path = dialog.selectedFiles().constFirst();
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != QLatin1String("png") && suffix != QLatin1String("svg") &&
        suffix != QLatin1String("pdf"))
        path += QLatin1Char('.') + dialog.defaultSuffix();
    directory = QFileInfo(path).absolutePath();
    return path;
}

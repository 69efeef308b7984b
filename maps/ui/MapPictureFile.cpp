#include "maps/ui/MapPictureFile.h"

#include "widgets/MessageBoxes.h"

#include <algorithm>

#include <QFileDialog>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>
#include <QSvgGenerator>

void AskAndSaveMapPicture(QWidget* parent, QString& directory,
                          const std::function<QString(const QString& path)>& save) {
    const QString path = QFileDialog::getSaveFileName(
        parent, QStringLiteral("Save Picture"), directory,
        QStringLiteral("PNG picture (*.png);;SVG picture (*.svg);;PDF document (*.pdf)"));
    if (path.isEmpty())
        return;
    directory = QFileInfo(path).absolutePath();
    if (const QString problem = save(path); !problem.isEmpty())
        ShowError(parent, problem);
}

QString SaveMapPicture(const QString& path, const QImage& picture) {
    if (picture.isNull())
        return QStringLiteral("There is no map to save yet.");
    return SaveMapDrawing(path, QSizeF(picture.size()),
                          [&picture](QPainter& painter) { painter.drawImage(0, 0, picture); });
}

QString SaveMapDrawing(const QString& path, QSizeF size, const MapDrawing& draw) {
    const QSize whole = size.toSize().expandedTo(QSize(1, 1));
    const QString suffix = QFileInfo(path).suffix().toLower();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("Could not open the file %1 for writing.").arg(path);
    bool drawn = false;
    QPainter painter;
    if (suffix == QLatin1String("svg")) {
        QSvgGenerator svg;
        svg.setOutputDevice(&file);
        svg.setSize(whole);
        svg.setViewBox(QRect(QPoint(0, 0), whole));
        svg.setTitle(QFileInfo(path).completeBaseName());
        if (painter.begin(&svg)) {
            draw(painter);
            drawn = painter.end();
        }
    } else if (suffix == QLatin1String("pdf")) {
        QPdfWriter pdf(&file);
        pdf.setResolution(96);
        pdf.setPageSize(QPageSize(QSizeF(whole) * 72.0 / 96.0, QPageSize::Point));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        if (painter.begin(&pdf)) {
            draw(painter);
            drawn = painter.end();
        }
    } else {
        QImage image(whole, QImage::Format_RGB32);
        image.fill(Qt::white);
        if (painter.begin(&image)) {
            draw(painter);
            drawn = painter.end() && image.save(&file, "PNG");
        }
    }
    if (!drawn || !file.commit())
        return QStringLiteral("The picture could not be written to %1.").arg(path);
    return {};
}

bool PrintMapPicture(QPrinter& printer, const QImage& picture, const QString& title) {
    if (picture.isNull())
        return false;
    printer.setDocName(title);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QRect page = painter.viewport();
    const QSize fitted = picture.size().scaled(page.size(), Qt::KeepAspectRatio);
    painter.drawImage(QRect(page.topLeft(), fitted), picture);
    const bool aborted = printer.printerState() == QPrinter::Aborted;
    return painter.end() && !aborted;
}

bool PrintMapDrawing(QPrinter& printer, QSizeF size, const MapDrawing& draw, const QString& title) {
    if (size.isEmpty())
        return false;
    printer.setDocName(title);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QRect page = painter.viewport();
    const double scale = std::min(page.width() / size.width(), page.height() / size.height());
    painter.translate(page.topLeft());
    painter.scale(scale, scale);
    draw(painter);
    const bool aborted = printer.printerState() == QPrinter::Aborted;
    return painter.end() && !aborted;
}

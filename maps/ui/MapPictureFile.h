#pragma once

#include <QImage>
#include <QSizeF>
#include <QString>
#include <functional>

class QPainter;
class QPrinter;
class QWidget;

/// Asks for a picture file (PNG, SVG or PDF) in `directory`; an empty text when the
/// user cancelled. `directory` becomes the chosen file's folder.
QString AskMapPictureFile(QWidget* parent, QString& directory);

/// Writes a finished map picture as PNG, SVG or PDF, chosen by the file's extension,
/// through a temporary file that replaces `path` only when all was written. Returns an
/// empty text on success, else the message that says what failed.
QString SaveMapPicture(const QString& path, const QImage& picture);

/// Prints the picture on one page, as large as fits, keeping its proportions; false
/// when the printer could not be started or the job was aborted.
bool PrintMapPicture(QPrinter& printer, const QImage& picture, const QString& title);

/// Draws a picture of logical size `size`.
using MapDrawing = std::function<void(QPainter&)>;

/// SaveMapPicture for a drawing: SVG and PDF get its vectors, PNG is drawn at `size`.
QString SaveMapDrawing(const QString& path, QSizeF size, const MapDrawing& draw);

/// PrintMapPicture for a drawing: scaled to fit the page, its vectors sent as they are.
bool PrintMapDrawing(QPrinter& printer, QSizeF size, const MapDrawing& draw, const QString& title);

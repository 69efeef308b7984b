#pragma once

#include <QImage>
#include <QSizeF>
#include <QString>
#include <functional>

class QPainter;
class QPrinter;
class QWidget;

/// Asks for a picture file (PNG, SVG or PDF) in `directory`, which becomes the chosen
/// file's folder, and writes it with `save`, which returns an empty text or the message
/// that says what failed; that message is shown. Nothing happens when the user cancels.
void AskAndSaveMapPicture(QWidget* parent, QString& directory,
                          const std::function<QString(const QString& path)>& save);

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

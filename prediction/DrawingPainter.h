#pragma once

#include "graphs/Drawing.h"

#include <QFont>
#include <QString>
#include <functional>

class QPaintDevice;
class QPainter;
class QPrinter;
class QWidget;

/// The Qt font of a drawing's font: Arial (or the system's sans-serif) or Courier New
/// (or the system's fixed-pitch face) at the pixel size.
QFont QtFont(const FontStyle& wanted);

/// An SVG picture whose font families name fall-backs after the fonts drawn with
/// ("Courier New, Liberation Mono, DejaVu Sans Mono, monospace"; the same for Arial),
/// so that a viewer without Courier New keeps the header rows in a fixed-pitch font.
QByteArray WithFontFallbacks(QByteArray svg);

/// Text metrics on `device` (the screen when null).
TextMeasure QtTextMeasure(const QPaintDevice* device);

/// Replays the drawing on the painter: the background over the drawing's size, then
/// every item in order.
void PaintDrawing(QPainter& painter, const Drawing& drawing);

/// Makes a drawing of `width` × `height` pixels with the metrics of the device it is
/// painted on.
using PageComposer =
    std::function<Drawing(double width, double height, const TextMeasure& measure)>;

/// Prints one page composed for the printer's printable rectangle, in whichever
/// orientation the print dialog chose; `title` names the job. False when the job did
/// not start or was aborted.
bool PrintDrawingPage(QPrinter& printer, const QString& title, const PageComposer& compose);

/// Saves a picture composed at a size of its own (not a copy of the screen) as PNG,
/// SVG or PDF, chosen by the file's extension; through a temporary file that replaces
/// `path` only when everything was written. Returns an empty text on success, or the
/// message that names what failed.
QString SavePicture(const QString& path, const PageComposer& compose);

/// Asks for a picture file (PNG, SVG or PDF) in `directory`; an empty text when the
/// user cancelled. `directory` becomes the chosen file's folder.
QString AskPictureFile(QWidget* parent, QString& directory);

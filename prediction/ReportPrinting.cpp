#include "prediction/ReportPrinting.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <cmath>

int ReportFontPoints(double printableWidthInches) {
    if (!(printableWidthInches > 0.0))
        return 1;
    const double charactersPerInch = 101.0 / printableWidthInches;
    return std::max(1, static_cast<int>(std::trunc(120.0 / charactersPerInch)));
}

bool PrintReportLines(QPrinter& printer, const std::vector<std::string>& lines,
                      const QString& title, const std::function<bool()>& beforeLine) {
    printer.setDocName(title);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QRectF page = printer.pageRect(QPrinter::DevicePixel);
    const double widthInches = page.width() / printer.resolution();
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSize(ReportFontPoints(widthInches));
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QFontMetricsF metrics(painter.font());
    const double lineHeight = metrics.lineSpacing();
    double y = 0.0;
    for (const std::string& line : lines) {
        if (beforeLine && !beforeLine())
            break;
        if (printer.printerState() == QPrinter::Aborted)
            break;
        if (y + lineHeight > page.height()) {
            if (!printer.newPage())
                break;
            y = 0.0;
        }
        painter.drawText(QPointF(0.0, y + metrics.ascent()), QString::fromStdString(line));
        y += lineHeight;
    }
    const bool aborted = printer.printerState() == QPrinter::Aborted;
    painter.end();
    return !aborted;
}

#include "prediction/ReportPrinting.h"

#include "report/ResultsLayout.h"
#include "widgets/QtText.h"
#include "widgets/ReportFont.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <cmath>

bool PrintReportLines(QPrinter& printer, const std::vector<std::string>& lines,
                      const QString& title, const std::function<bool()>& beforeLine) {
    printer.setDocName(title);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QRectF page = printer.pageRect(QPrinter::DevicePixel);
    const double widthInches = page.width() / printer.resolution();
    painter.setFont(ReportFont(ReportFontPoints(widthInches)));
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
        painter.drawText(QPointF(0.0, y + metrics.ascent()), Q(line));
        y += lineHeight;
    }
    const bool aborted = printer.printerState() == QPrinter::Aborted;
    painter.end();
    return !aborted;
}

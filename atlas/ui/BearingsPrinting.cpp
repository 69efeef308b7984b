#include "atlas/ui/BearingsPrinting.h"

#include "atlas/AtlasBearings.h"
#include "report/BearingsExport.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>

namespace {

QFont TableFont(int pointSize) {
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setBold(true);
    font.setPointSize(pointSize);
    return font;
}

} // namespace

BearingsPrintResult PrintBearings(QPrinter& printer, const Atlas& atlas,
                                  const BearingsPrintJob& job,
                                  const std::function<void()>& beforeEntry) {
    BearingsPrintResult result;
    printer.setDocName(job.title);
    QPainter painter;
    if (!painter.begin(&printer)) {
        result.message =
            ErrorMessage("The bearings could not be printed: the print job did not start.");
        return result;
    }
    const QRectF page = printer.pageRect(QPrinter::DevicePixel);
    const std::vector<EntryBearing> rows =
        AtlasBearings(atlas, job.order, job.origin.latitudeDeg, job.origin.longitudeDeg);
    const BearingsLayout layout = ChooseBearingsLayout(
        static_cast<int>(rows.size()), job.minFontSize, page.width(), page.height(),
        [&printer](int size) {
            const QFontMetricsF metrics(TableFont(size), &printer);
            return BearingsFontMetrics{metrics.horizontalAdvance(QStringLiteral("0123456789")),
                                       metrics.height()};
        });
    if (!layout) {
        printer.abort();
        painter.end();
        result.message = layout.message;
        return result;
    }
    result.fontSize = layout.fontSize;
    result.pages = layout.pages;
    painter.setFont(TableFont(layout.fontSize));
    painter.setPen(Qt::black);
    const QFontMetricsF metrics(painter.font());
    const double lineHeight = metrics.height() + 2.0;
    const std::vector<std::vector<std::string>> pages =
        BearingsPages(layout, job.origin, BearingsEntryTexts(rows));
    const std::size_t headingLines = static_cast<std::size_t>(kBearingsHeadingLines);
    bool aborted = false;
    for (std::size_t p = 0; p < pages.size() && !aborted; ++p) {
        if (p > 0 && !printer.newPage()) {
            aborted = true;
            break;
        }
        double y = 0.0;
        for (std::size_t i = 0; i < pages[p].size(); ++i) {
            if (i >= headingLines && beforeEntry)
                beforeEntry();
            if (printer.printerState() == QPrinter::Aborted) {
                aborted = true;
                break;
            }
            painter.drawText(QPointF(0.0, y + metrics.ascent()),
                             QString::fromStdString(pages[p][i]));
            y += lineHeight;
        }
    }
    aborted = aborted || printer.printerState() == QPrinter::Aborted;
    painter.end();
    result.ok = !aborted;
    return result;
}

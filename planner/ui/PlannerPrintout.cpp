#include "planner/ui/PlannerPrintout.h"

#include "planner/PlannerSheet.h"
#include "planner/PlannerView.h"
#include "planner/ui/PlannerStripPainter.h"
#include "widgets/QtText.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>

namespace {

// Every page is laid out on this many logical units across, whatever the paper.
constexpr double kPageWidth = 1400.0;

// A P.533 band's reliability per half hour, for the continuous scale the window uses;
// empty for the classic engine, whose strips go by their class letters.
QVariantList StripReliabilityList(const PlannerPrintJob& job, const PlannerBand& band) {
    QVariantList list;
    if (job.setup.engine.IsP533())
        for (float percent : StripReliability(band, job.utcOffsetDays))
            list.append(percent);
    return list;
}

struct PageGeometry {
    double height = 0.0;
    double headerBottom = 0.0;
    double rulerBottom = 0.0;
    double rowHeight = 0.0;
    std::vector<double> columnLeft; ///< place columns, then bands; one more for the right edge
};

PageGeometry LayOut(double pageHeight, int bands, const QFontMetricsF& metrics) {
    PageGeometry g;
    g.height = pageHeight;
    const double line = metrics.height();
    g.headerBottom = 3.0 * line + 8.0;
    g.rulerBottom = g.headerBottom + 2.0 * line + 6.0;
    g.rowHeight = (pageHeight - g.rulerBottom) / kPlannerRowsPerPage;
    const char* const widest[] = {"WWWWWW", "Mmmmmmmmmmmmmmmmm", "200000", "000.0",
                                  "Short",  "29.60 (0.99)"};
    double x = 0.0;
    for (const char* text : widest) {
        g.columnLeft.push_back(x);
        x += metrics.horizontalAdvance(QString::fromLatin1(text)) + 18.0;
    }
    const double band = (kPageWidth - x) / std::max(bands, 1);
    for (int n = 0; n <= bands; ++n)
        g.columnLeft.push_back(x + n * band);
    return g;
}

void PaintPage(QPainter& painter, const PlannerPrintJob& job, const PageGeometry& g, int page,
               int pages, const QFont& font) {
    const QFontMetricsF metrics(font, painter.device());
    const double line = metrics.height();
    painter.setFont(font);
    painter.setPen(Qt::black);
    const std::vector<std::string> header =
        PlannerPrintHeader(job.setup, job.dateText, page + 1, pages);
    for (std::size_t i = 0; i < header.size(); ++i) {
        QFont lineFont = font;
        lineFont.setBold(i == 0);
        painter.setFont(lineFont);
        painter.drawText(QPointF(0.0, metrics.ascent() + static_cast<double>(i) * line),
                         Q(header[i]));
    }
    painter.setFont(font);
    static const char* const kTitles[] = {"Prefix", "Name", "km", "Bearing", "Path", "Best now"};
    const int bands = static_cast<int>(job.bandTexts.size());
    const double titleTop = g.headerBottom;
    for (int c = 0; c < kPlannerBandColumn + bands; ++c) {
        const QRectF cell(g.columnLeft[c] + 2.0, titleTop,
                          g.columnLeft[c + 1] - g.columnLeft[c] - 4.0, line);
        const QString title = c < kPlannerBandColumn ? QString::fromLatin1(kTitles[c])
                                                     : Q(job.bandTexts[c - kPlannerBandColumn]) +
                                                           QStringLiteral(" MHz");
        painter.drawText(
            cell, (c >= kPlannerBandColumn ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter,
            title);
        if (c >= kPlannerBandColumn) {
            QFont small = font;
            small.setPixelSize(std::max(6, font.pixelSize() * 4 / 5));
            PaintHourRuler(painter, QRectF(cell.left(), titleTop + line, cell.width(), line + 4.0),
                           small);
            painter.setFont(font);
        }
    }
    painter.drawLine(QPointF(0.0, g.rulerBottom), QPointF(kPageWidth, g.rulerBottom));
    const int first = page * kPlannerRowsPerPage;
    const int last = std::min(first + kPlannerRowsPerPage, static_cast<int>(job.rows.size()));
    for (int r = first; r < last; ++r) {
        const PlannerRow& row = job.rows[static_cast<std::size_t>(r)];
        const double top = g.rulerBottom + (r - first) * g.rowHeight;
        if ((r - first) % 2 == 1)
            painter.fillRect(QRectF(0.0, top, g.columnLeft[kPlannerBandColumn], g.rowHeight),
                             QColor(240, 240, 240));
        for (int c = 0; c < kPlannerBandColumn; ++c) {
            const QRectF cell(g.columnLeft[c] + 2.0, top,
                              g.columnLeft[c + 1] - g.columnLeft[c] - 6.0, g.rowHeight);
            if (c == kPlannerBestNowColumn && OpenAt(row, job.utcSlotNow))
                painter.fillRect(cell, QColor(170, 230, 170));
            painter.drawText(cell,
                             (c >= kPlannerDistanceColumn ? Qt::AlignRight : Qt::AlignLeft) |
                                 Qt::AlignVCenter,
                             Q(PlannerCellText(row, c, job.utcSlotNow)));
        }
        for (int n = 0; n < bands && n < static_cast<int>(row.bands.size()); ++n) {
            const int c = kPlannerBandColumn + n;
            const QRectF strip(g.columnLeft[c] + 2.0, top + 1.0,
                               g.columnLeft[c + 1] - g.columnLeft[c] - 4.0, g.rowHeight - 2.0);
            const PlannerBand& band = row.bands[static_cast<std::size_t>(n)];
            PaintPlannerStrip(painter, strip, Q(StripText(band, job.utcOffsetDays)),
                              StripReliabilityList(job, band));
        }
    }
}

} // namespace

bool PrintPlanner(QPagedPaintDevice& device, const PlannerPrintJob& job) {
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const QRect viewport = painter.viewport();
    const double pageHeight = kPageWidth * viewport.height() / std::max(viewport.width(), 1);
    painter.setWindow(QRect(0, 0, static_cast<int>(kPageWidth), static_cast<int>(pageHeight)));
    QFont font(QStringLiteral("DejaVu Sans"));
    // Forty rows and the header share the page's height.
    font.setPixelSize(
        std::clamp(static_cast<int>(pageHeight / (kPlannerRowsPerPage + 9) * 0.62), 7, 16));
    const QFontMetricsF metrics(font, painter.device());
    const PageGeometry geometry =
        LayOut(pageHeight, static_cast<int>(job.bandTexts.size()), metrics);
    const int pages = PlannerPageCount(static_cast<int>(job.rows.size()));
    for (int page = 0; page < pages; ++page) {
        if (page > 0 && !device.newPage())
            return false;
        PaintPage(painter, job, geometry, page, pages, font);
    }
    return painter.end();
}

#include "batch/ui/ReportPrintJob.h"

#include "report/ResultsLayout.h"
#include "widgets/ReportFont.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <cmath>

ReportPrintJob::ReportPrintJob(QPrinter& printer, const QString& title)
    : m_printer(printer), m_title(title) {}

ReportPrintJob::~ReportPrintJob() {
    end();
}

bool ReportPrintJob::begin() {
    m_printer.setDocName(m_title);
    m_painter = std::make_unique<QPainter>();
    if (!m_painter->begin(&m_printer)) {
        m_painter.reset();
        m_failed = true;
        return false;
    }
    m_started = true;
    const QRectF page = m_printer.pageRect(QPrinter::DevicePixel);
    const double widthInches = page.width() / m_printer.resolution();
    m_painter->setFont(ReportFont(ReportFontPoints(widthInches)));
    m_painter->setPen(Qt::black);
    return true;
}

bool ReportPrintJob::aborted() const {
    return m_printer.printerState() == QPrinter::Aborted ||
           m_printer.printerState() == QPrinter::Error;
}

bool ReportPrintJob::printReport(const std::vector<std::string>& lines,
                                 const std::function<bool()>& beforeLine) {
    if (!m_started || m_failed || aborted())
        return false;
    if (!m_firstReport && !m_printer.newPage()) {
        m_failed = true;
        return false;
    }
    m_firstReport = false;
    const QRectF page = m_printer.pageRect(QPrinter::DevicePixel);
    const QFontMetricsF metrics(m_painter->font());
    const double lineHeight = metrics.lineSpacing();
    double y = 0.0;
    for (const std::string& line : lines) {
        if (beforeLine && !beforeLine())
            return false;
        if (aborted())
            return false;
        if (y + lineHeight > page.height()) {
            if (!m_printer.newPage()) {
                m_failed = true;
                return false;
            }
            y = 0.0;
        }
        m_painter->drawText(QPointF(0.0, y + metrics.ascent()), QString::fromStdString(line));
        y += lineHeight;
    }
    return !aborted();
}

bool ReportPrintJob::end() {
    if (!m_painter)
        return !m_failed;
    const bool ok = !m_failed && !aborted();
    m_painter->end();
    m_painter.reset();
    return ok && !aborted();
}

#include "maps/ui/GreatCirclePrintDialog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/Syntax.h"
#include "maps/GreatCirclePrint.h"
#include "widgets/EntryFields.h"
#include "widgets/HelpContext.h"
#include "widgets/MessageBoxes.h"
#include "widgets/QtText.h"
#include "widgets/StatusLine.h"
#include "widgets/WindowScale.h"

namespace {

// The help page F1 opens here.
constexpr int kGreatCirclePrintHelpContext = 82;

void DrawCentred(QPainter& painter, int cx, int top, const QString& text) {
    const QFontMetrics metrics(painter.font());
    painter.drawText(cx - metrics.horizontalAdvance(text) / 2, top + metrics.ascent(), text);
}

} // namespace

GreatCirclePrintDialog::GreatCirclePrintDialog(const Settings& settings, StatusLine* statusLine,
                                               QWidget* parent)
    : QDialog(parent), m_statusLine(statusLine),
      m_choosePrinter([](QPrinter& printer, QWidget* owner) {
          QPrintDialog dialog(&printer, owner);
          return dialog.exec() == QDialog::Accepted;
      }) {
    setObjectName(QStringLiteral("TGCPrintDlgForm"));
    SetHelpContext(this, kGreatCirclePrintHelpContext);
    setWindowTitle(QStringLiteral("Print Great Circle Map"));
    ScaleWindow(this);
    FormCreate(settings);
}

void GreatCirclePrintDialog::FormCreate(const Settings& settings) {
    auto* group = new QGroupBox(QStringLiteral("Center Map On:"), this);
    group->setObjectName(QStringLiteral("FromGroupBox"));
    m_lat = new LatitudeEdit(group);
    m_lat->setObjectName(QStringLiteral("LatEdit"));
    m_lon = new LongitudeEdit(group);
    m_lon->setObjectName(QStringLiteral("LonEdit"));
    m_name = new NameEdit(group);
    m_name->setObjectName(QStringLiteral("NameEdit"));
    m_name->setBlankAllowed(true);
    const QString where =
        QStringLiteral("The map will be centered the latitude and longitude you enter");
    m_lat->setStatusTip(where);
    m_lon->setStatusTip(where);
    m_name->setStatusTip(QStringLiteral("The name you enter will appear below the map"));
    auto* form = new QFormLayout(group);
    form->addRow(QStringLiteral("Latitude"), m_lat);
    form->addRow(QStringLiteral("Longitude"), m_lon);
    form->addRow(QStringLiteral("Name"), m_name);

    m_print = new QPushButton(QStringLiteral("&Print..."), this);
    m_print->setObjectName(QStringLiteral("PrintBtn"));
    m_print->setDefault(true);
    m_cancel = new QPushButton(QStringLiteral("Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("CancelBtn"));
    ValidatedEdit::MarkAsCancelButton(m_cancel);
    connect(m_print, &QPushButton::clicked, this, &GreatCirclePrintDialog::PrintBtnClick);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_print);
    buttons->addWidget(m_cancel);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons);

    if (settings.DefaultDefined) {
        m_lat->setText(Q(settings.DefaultLatitudeText));
        m_lon->setText(Q(settings.DefaultLongitudeText));
        m_name->setText(Q(settings.DefaultName));
    }
    if (m_statusLine)
        m_statusLine->ResetStatusLine();
    TrackFocusHints(this, m_statusLine);
    adjustSize();
    CentreOnScreen(this, 0.4);
}

void GreatCirclePrintDialog::PrintBtnClick() {
    for (ValidatedEdit* field : std::initializer_list<ValidatedEdit*>{m_lat, m_lon, m_name})
        if (!field->Validate()) {
            field->refocus();
            return;
        }
    m_print->setEnabled(false);
    m_cancel->setEnabled(false);
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setDocName(windowTitle());
    if (m_choosePrinter(printer, this)) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        if (m_statusLine)
            m_statusLine->SetStatusHint(QStringLiteral("Printing (this may take a while)"));
        m_printing = true;
        printPage(printer);
        m_printing = false;
        QApplication::restoreOverrideCursor();
    }
    accept();
}

void GreatCirclePrintDialog::printPage(QPrinter& printer) {
    QPainter painter;
    if (!painter.begin(&printer)) {
        ShowError(this, QStringLiteral("The printer could not start the document"));
        return;
    }
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    const int dpi = printer.resolution();
    const GcPrintLayout l = ComputeGcPrintLayout(page.width(), page.height(), dpi);
    const CoordinateParse lat =
        ParseCoordinate(m_lat->text().toStdString(), CoordinateKind::Latitude);
    const CoordinateParse lon =
        ParseCoordinate(m_lon->text().toStdString(), CoordinateKind::Longitude);

    // A line a sixth of a millimetre wide, whatever the printer's resolution.
    painter.setPen(QPen(Qt::black, std::max(1, dpi / 150)));
    painter.setBrush(Qt::NoBrush);
    painter.setFont(QFont(QStringLiteral("Arial"), 12));
    DrawCentred(painter, l.cx, l.titleY, QStringLiteral("Hopscope GREAT CIRCLE MAP"));
    DrawCentred(painter, l.cx, l.subtitleY, QStringLiteral("(Azimuthal Equidistant Projection)"));
    DrawCentred(painter, l.cx, l.captionY,
                Q(GcPrintCaption(m_lat->text().toStdString(), m_lon->text().toStdString(),
                                 m_name->text().toStdString(), lat.valueDeg)));
    painter.drawEllipse(QPoint(l.cx, l.cy), l.R, l.R);
    painter.drawEllipse(QPoint(l.cx, l.cy), l.Rd, l.Rd);

    int count = 0;
    const GcPrintDrawing drawing =
        BuildGcPrintDrawing(l, {lat.valueDeg, lon.valueDeg}, [&printer, &count] {
            if (++count % 256 == 0)
                QApplication::processEvents();
            return printer.printerState() != QPrinter::Aborted;
        });
    for (const auto* lines : {&drawing.rose, &drawing.coastline})
        for (const std::vector<PixelPoint>& line : *lines) {
            if (line.size() == 1) {
                painter.drawPoint(line[0].x, line[0].y);
                continue;
            }
            QPolygon polygon;
            polygon.reserve(static_cast<int>(line.size()));
            for (const PixelPoint& p : line)
                polygon << QPoint(p.x, p.y);
            painter.drawPolyline(polygon);
        }
    if (!painter.end())
        ShowError(this, QStringLiteral("The printer could not finish the document"));
}

void GreatCirclePrintDialog::closeEvent(QCloseEvent* event) {
    if (m_printing) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

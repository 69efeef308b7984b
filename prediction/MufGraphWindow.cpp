#include "prediction/MufGraphWindow.h"

#include "graphs/MufGraph.h"
#include "prediction/ChildWindowParts.h"
#include "prediction/DrawingPainter.h"
#include "widgets/HelpContext.h"
#include "widgets/MessageBoxes.h"
#include "widgets/StatusLine.h"
#include "widgets/WindowScale.h"

#include <QApplication>
#include <QFontInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>
#include <new>

namespace {

// The help page F1 opens here.
constexpr int kMufGraphHelpContext = 70;

const char* const kCloseHint = "Close MUF Graph window and return to Hopscope Prediction Window";

/// The graph could not be drawn: say so, and close the window once the message is read.
void ReportDrawingFailure(QDialog* window) {
    ShowError(window, QStringLiteral("Program error while drawing graph\ror\rInsufficient memory"));
    QTimer::singleShot(0, window, &QDialog::reject);
}

bool LowColourDisplay() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen && screen->depth() < 7;
}

} // namespace

MufGraphWindow::MufGraphWindow(PredictionResultsInput input, PathKind kind, QWidget* parent)
    : ChildWindow(parent), m_input(std::move(input)), m_pathKind(kind),
      m_printDirectory(m_input.printDirectory) {
    setObjectName(QStringLiteral("TPredMUFForm"));
    SetHelpContext(this, kMufGraphHelpContext);
    buildControls();
    const QSize screen = ScreenSize(this);
    resize(qRound(screen.width() * 0.9), qRound(screen.height() * 0.85));
    CentreOnScreen(this, 0.5);
    Rebuild();
}

void MufGraphWindow::buildControls() {
    QMenuBar* bar = makeMenuBar(
        {QStringLiteral("&Print..."), QStringLiteral("Print the current MUF graph"),
         QStringLiteral("Save P&icture..."), QStringLiteral("SavePicture1"),
         QStringLiteral("Save the MUF graph as a PNG, SVG or PDF picture"),
         QString::fromLatin1(kCloseHint)},
        [this] { Print1Click(); }, [this] { SavePicture1Click(); });

    m_headerList = MakeHeaderList(this, m_headerDelegate);
    m_headerList->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_image = new DrawingView(this);
    m_image->setObjectName(QStringLiteral("Image1"));
    connect(m_image, &DrawingView::resized, this, &MufGraphWindow::redraw);

    m_pathToggle = new QPushButton(this);
    m_pathToggle->setObjectName(QStringLiteral("PathToggleBtn"));
    m_pathToggle->setStatusTip(QStringLiteral("Toggle between short path and long path MUF"));
    m_pathToggle->setAutoDefault(false);
    connect(m_pathToggle, &QPushButton::clicked, this, &MufGraphWindow::PathToggleBtnClick);
    m_closeButton = new QPushButton(QStringLiteral("&Close"), this);
    m_closeButton->setObjectName(QStringLiteral("CloseBtn"));
    m_closeButton->setStatusTip(QString::fromLatin1(kCloseHint));
    m_closeButton->setDefault(true);
    connect(m_closeButton, &QPushButton::clicked, this, &QDialog::accept);
    const int buttonWidth =
        fontMetrics().horizontalAdvance(QStringLiteral("Show Short PathXX")) + Scaled(this, 16);
    m_pathToggle->setFixedWidth(buttonWidth);
    m_closeButton->setFixedWidth(buttonWidth);

    QStatusBar* statusBar = makeStatusBar();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_pathToggle);
    buttons->addSpacing(buttonWidth / 4);
    buttons->addWidget(m_closeButton);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(bar);
    layout->addWidget(m_headerList);
    layout->addWidget(m_image, 1);
    layout->addLayout(buttons);
    layout->addWidget(statusBar);
}

void MufGraphWindow::Rebuild() {
    const std::string date = FormatDateText(true, m_input.request.Date, m_input.dates);
    setWindowTitle(QString::fromStdString(MufCaption(m_pathKind, date)));
    m_pathToggle->setText(m_pathKind == PathKind::Short ? QStringLiteral("Show Long &Path")
                                                        : QStringLiteral("Show Short &Path"));
    FillHeaderList(m_headerList, m_headerDelegate,
                   m_input.result.Paths[static_cast<int>(m_pathKind)]);
    redraw();
}

void MufGraphWindow::redraw() {
    // The graph's font is Arial bold at the header lines' size.
    const double pixels = QFontInfo(m_headerList->font()).pixelSize();
    try {
        m_image->setDrawing(
            MufScreenDrawing(MufGraphDataOf(m_input.result, m_pathKind, m_input.request.Zone),
                             m_image->width(), m_image->height(),
                             ScreenGraphStyle(pixels, LowColourDisplay()), QtTextMeasure(m_image)));
    } catch (const std::bad_alloc&) {
        ReportDrawingFailure(this);
    }
}

const Drawing& MufGraphWindow::drawing() const {
    return m_image->drawing();
}

void MufGraphWindow::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    SetHeaderListFont(m_headerList, FittedReportFont(this, width() - Scaled(this, 40)));
    redraw();
}

Drawing MufGraphWindow::pageDrawing(double width, double height, bool paper,
                                    const TextMeasure& measure) const {
    const std::string date = FormatDateText(true, m_input.request.Date, m_input.dates);
    return MufPageDrawing(MufGraphDataOf(m_input.result, m_pathKind, m_input.request.Zone),
                          PageHeaderOf(m_input.result, m_pathKind, MufCaption(m_pathKind, date)),
                          width, height, paper, measure);
}

void MufGraphWindow::enableControls(bool enabled) {
    for (QWidget* w : std::initializer_list<QWidget*>{m_pathToggle, m_closeButton})
        w->setEnabled(enabled);
    m_print->setEnabled(enabled);
    m_save->setEnabled(enabled);
    if (!enabled)
        m_hintPanel->clear();
}

void MufGraphWindow::PathToggleBtnClick() {
    if (m_busy)
        return;
    m_pathKind = m_pathKind == PathKind::Short ? PathKind::Long : PathKind::Short;
    Rebuild();
}

void MufGraphWindow::Print1Click() {
    QPrinter printer(QPrinter::HighResolution);
    if (!AskPrinter(printer, this))
        return;
    setBusy(true);
    const bool ok = PrintDrawingPage(printer, windowTitle(),
                                     [this](double w, double h, const TextMeasure& measure) {
                                         return pageDrawing(w, h, true, measure);
                                     });
    setBusy(false);
    if (!ok && printer.printerState() != QPrinter::Aborted)
        ShowError(this, QStringLiteral(
                            "The MUF graph could not be printed: the print job did not start."));
}

void MufGraphWindow::SavePicture1Click() {
    const QString path = AskPictureFile(this, m_printDirectory);
    if (!path.isEmpty())
        savePictureTo(path);
}

bool MufGraphWindow::savePictureTo(const QString& path) {
    setBusy(true);
    const QString failure =
        SavePicture(path, [this](double w, double h, const TextMeasure& measure) {
            return pageDrawing(w, h, false, measure);
        });
    setBusy(false);
    if (!failure.isEmpty())
        ShowError(this, failure);
    return failure.isEmpty();
}

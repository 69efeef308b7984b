#include "prediction/SignalGraphWindow.h"

#include "graphs/MufGraph.h"
#include "prediction/ChildWindowParts.h"
#include "prediction/DrawingPainter.h"
#include "widgets/HelpContext.h"
#include "widgets/MessageBoxes.h"
#include "widgets/StatusLine.h"
#include "widgets/WindowScale.h"

#include <QApplication>
#include <QFontInfo>
#include <QFrame>
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
constexpr int kSignalsGraphHelpContext = 71;

const char* const kCloseHint =
    "Close Signals Graph window and return to Hopscope Prediction Window";
const char* const kClickHint = "Click a curve to identify its frequency";
/// How long a named frequency stays in the status bar.
constexpr int kHintPauseMs = 2500;

bool LowColourDisplay() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen && screen->depth() < 7;
}

} // namespace

SignalGraphWindow::SignalGraphWindow(PredictionResultsInput input, PathKind kind,
                                     bool showSignalLevels, QWidget* parent)
    : ChildWindow(parent), m_input(std::move(input)), m_pathKind(kind),
      m_showSignalLevels(showSignalLevels), m_printDirectory(m_input.printDirectory) {
    setObjectName(QStringLiteral("TSigGraphForm"));
    SetHelpContext(this, kSignalsGraphHelpContext);
    buildControls();
    const QSize screen = ScreenSize(this);
    resize(qRound(screen.width() * 0.95), qRound(screen.height() * 0.88));
    CentreOnScreen(this, 0.5);
    Rebuild();
}

void SignalGraphWindow::buildControls() {
    QMenuBar* bar = makeMenuBar(
        {QStringLiteral("&Print..."), QStringLiteral("Print the current signals graph"),
         QStringLiteral("Save P&icture..."), QStringLiteral("SavePicture1"),
         QStringLiteral("Save the signals graph as a PNG, SVG or PDF picture"),
         QString::fromLatin1(kCloseHint)},
        [this] { Print1Click(); }, [this] { SavePicture1Click(); });

    m_headerList = MakeHeaderList(this, m_headerDelegate);
    m_headerList->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_graph = new DrawingView(this);
    m_graph->setObjectName(QStringLiteral("SignalsGraph"));
    m_graph->setStatusTip(QString::fromLatin1(kClickHint));
    connect(m_graph, &DrawingView::resized, this, &SignalGraphWindow::redraw);
    connect(m_graph, &DrawingView::leftReleased, this, &SignalGraphWindow::identifyAt);
    connect(m_graph, &DrawingView::pressedOrLeft, this, &SignalGraphWindow::clearIdentification);
    m_hintTimer = new QTimer(this);
    m_hintTimer->setSingleShot(true);
    connect(m_hintTimer, &QTimer::timeout, this, &SignalGraphWindow::clearIdentification);
    auto* bevel = new QFrame(this);
    bevel->setObjectName(QStringLiteral("Bevel1"));
    bevel->setFrameShape(QFrame::HLine);
    bevel->setFrameShadow(QFrame::Sunken);

    m_pathToggle = new QPushButton(this);
    m_pathToggle->setObjectName(QStringLiteral("PathToggleBtn"));
    m_pathToggle->setStatusTip(QStringLiteral("Toggle between short path and long path signals"));
    connect(m_pathToggle, &QPushButton::clicked, this, &SignalGraphWindow::PathToggleBtnClick);
    m_sigToggle = new QPushButton(this);
    m_sigToggle->setObjectName(QStringLiteral("SigDisplayToggleBtn"));
    m_sigToggle->setStatusTip(
        QStringLiteral("Toggle between signal levels and signal-to-noise ratios"));
    connect(m_sigToggle, &QPushButton::clicked, this, &SignalGraphWindow::SigDisplayToggleBtnClick);
    m_closeButton = new QPushButton(QStringLiteral("&Close"), this);
    m_closeButton->setObjectName(QStringLiteral("CloseBtn"));
    m_closeButton->setStatusTip(QString::fromLatin1(kCloseHint));
    m_closeButton->setDefault(true);
    connect(m_closeButton, &QPushButton::clicked, this, &QDialog::accept);
    const QFontMetrics metrics = fontMetrics();
    const int pad = Scaled(this, 16);
    m_pathToggle->setFixedWidth(metrics.horizontalAdvance(QStringLiteral("Show Short PathXX")) +
                                pad);
    m_closeButton->setFixedWidth(m_pathToggle->width());
    m_sigToggle->setFixedWidth(
        metrics.horizontalAdvance(QStringLiteral("Show Signal-to-Noise RatiosXX")) + pad);
    for (QPushButton* button : {m_pathToggle, m_sigToggle})
        button->setAutoDefault(false);

    QStatusBar* statusBar = makeStatusBar();
    auto* buttons = new QHBoxLayout;
    const int gap = m_closeButton->width() / 4;
    buttons->addStretch();
    buttons->addWidget(m_pathToggle);
    buttons->addSpacing(gap);
    buttons->addWidget(m_sigToggle);
    buttons->addSpacing(gap);
    buttons->addWidget(m_closeButton);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(bar);
    layout->addWidget(m_headerList);
    layout->addWidget(m_graph, 1);
    layout->addWidget(bevel);
    layout->addLayout(buttons);
    layout->addWidget(statusBar);
}

SignalGraphData SignalGraphWindow::graphData() const {
    return SignalGraphDataOf(m_input.result, m_pathKind, m_input.settings, m_input.request.Zone,
                             m_showSignalLevels);
}

void SignalGraphWindow::Rebuild() {
    const std::string date = FormatDateText(true, m_input.request.Date, m_input.dates);
    setWindowTitle(QString::fromStdString(SignalsCaption(m_pathKind, date)));
    m_pathToggle->setText(m_pathKind == PathKind::Short ? QStringLiteral("Show Long &Path")
                                                        : QStringLiteral("Show Short &Path"));
    m_sigToggle->setText(m_showSignalLevels ? QStringLiteral("Show &Signal-to-Noise Ratios")
                                            : QStringLiteral("Show &Signal Levels"));
    FillHeaderList(m_headerList, m_headerDelegate,
                   m_input.result.Paths[static_cast<int>(m_pathKind)]);
    redraw();
}

void SignalGraphWindow::redraw() {
    // The graph's font is Arial bold at the header lines' size; both areas span the
    // view's full height.
    const double pixels = QFontInfo(m_headerList->font()).pixelSize();
    const GraphStyle style = ScreenGraphStyle(pixels, LowColourDisplay());
    const TextMeasure measure = QtTextMeasure(m_graph);
    const SignalAreas areas = SignalAreasFor(m_graph->width(), 0, m_graph->height());
    try {
        m_model = BuildSignalGraph(graphData(), areas, style.font, measure);
        m_graph->setDrawing(
            SignalScreenDrawing(m_model, m_graph->width(), m_graph->height(), style, measure));
    } catch (const std::bad_alloc&) {
        m_model = {};
        m_model.message = " ";
        ShowError(this,
                  QStringLiteral("Program error while drawing graph\ror\rInsufficient memory"));
        QTimer::singleShot(0, this, &QDialog::reject);
    }
    // Print whenever something is drawn.
    m_print->setEnabled(!m_busy && m_model.Drawn());
    m_save->setEnabled(!m_busy && m_model.Drawn());
}

void SignalGraphWindow::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    SetHeaderListFont(m_headerList, FittedReportFont(this, width() - Scaled(this, 40)));
    redraw();
}

void SignalGraphWindow::identifyAt(QPointF position) {
    const std::optional<int> slot = IdentifyCurve(m_model, position.x(), position.y());
    if (!slot)
        return;
    for (const SignalSeries& series : m_model.points.series) {
        if (series.slot != *slot)
            continue;
        m_hintPanel->setText(QString::fromStdString(series.label));
        m_identifying = true;
        m_hintTimer->start(kHintPauseMs);
    }
}

void SignalGraphWindow::clearIdentification() {
    if (!m_identifying)
        return;
    m_identifying = false;
    m_hintTimer->stop();
    m_hintPanel->setText(m_graph->underMouse() ? QString::fromLatin1(kClickHint) : QString());
}

bool SignalGraphWindow::showsStatusTips() const {
    return !m_busy && !m_identifying;
}

void SignalGraphWindow::enableControls(bool enabled) {
    for (QPushButton* button : {m_pathToggle, m_sigToggle, m_closeButton})
        button->setEnabled(enabled);
    m_print->setEnabled(enabled && m_model.Drawn());
    m_save->setEnabled(enabled && m_model.Drawn());
    if (!enabled)
        m_hintPanel->clear();
}

void SignalGraphWindow::PathToggleBtnClick() {
    if (m_busy)
        return;
    m_pathKind = m_pathKind == PathKind::Short ? PathKind::Long : PathKind::Short;
    Rebuild();
}

void SignalGraphWindow::SigDisplayToggleBtnClick() {
    if (m_busy)
        return;
    m_showSignalLevels = !m_showSignalLevels;
    Rebuild();
}

void SignalGraphWindow::Print1Click() {
    if (!m_model.Drawn())
        return;
    if (ShowMessage(this, MessageKind::Warning,
                    QStringLiteral("Printing of the Signals Graph requires a color printer.\r"
                                   "OK to proceed with printing?"),
                    true) != MessageAnswer::Ok)
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setColorMode(QPrinter::Color);
    if (!AskPrinter(printer, this))
        return;
    setBusy(true);
    const std::string date = FormatDateText(true, m_input.request.Date, m_input.dates);
    const PageHeader header =
        PageHeaderOf(m_input.result, m_pathKind, SignalsCaption(m_pathKind, date));
    const SignalGraphData data = graphData();
    const bool ok =
        PrintDrawingPage(printer, windowTitle(), [&](double w, double h, const TextMeasure& m) {
            return SignalPageDrawing(data, header, w, h, true, m);
        });
    setBusy(false);
    if (!ok && printer.printerState() != QPrinter::Aborted)
        ShowError(
            this,
            QStringLiteral("The signals graph could not be printed: the print job did not start."));
}

void SignalGraphWindow::SavePicture1Click() {
    const QString path = AskPictureFile(this, m_printDirectory);
    if (!path.isEmpty())
        savePictureTo(path);
}

bool SignalGraphWindow::savePictureTo(const QString& path) {
    setBusy(true);
    const std::string date = FormatDateText(true, m_input.request.Date, m_input.dates);
    const PageHeader header =
        PageHeaderOf(m_input.result, m_pathKind, SignalsCaption(m_pathKind, date));
    const SignalGraphData data = graphData();
    const QString failure = SavePicture(path, [&](double w, double h, const TextMeasure& m) {
        return SignalPageDrawing(data, header, w, h, false, m);
    });
    setBusy(false);
    if (!failure.isEmpty())
        ShowError(this, failure);
    return failure.isEmpty();
}

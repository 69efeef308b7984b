#include "prediction/CircuitChartWindow.h"

#include "prediction/ChildWindowParts.h"
#include "prediction/DrawingPainter.h"
#include "widgets/HelpContext.h"
#include "widgets/MessageBoxes.h"
#include "widgets/QtText.h"
#include "widgets/WindowScale.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QPushButton>
#include <QSaveFile>
#include <QStatusBar>
#include <QVBoxLayout>

namespace {

// The help page F1 opens here.
constexpr int kCircuitChartHelpContext = 92;

const char* const kCloseHint = "Close the circuit chart";

} // namespace

CircuitChartWindow::CircuitChartWindow(CircuitChartWindowInput input, QWidget* parent)
    : ChildWindow(parent), m_input(std::move(input)), m_printDirectory(m_input.printDirectory) {
    setObjectName(QStringLiteral("TCircuitChartForm"));
    SetHelpContext(this, kCircuitChartHelpContext);
    buildControls();
    const QSize screen = ScreenSize(this);
    resize(qRound(screen.width() * 0.9), qRound(screen.height() * 0.85));
    CentreOnScreen(this, 0.5);
    recompute();
}

void CircuitChartWindow::buildControls() {
    QMenuBar* bar = makeMenuBar(
        {QStringLiteral("&Print..."), QStringLiteral("Print the circuit chart"),
         QStringLiteral("Save P&icture..."), QStringLiteral("SavePicture1"),
         QStringLiteral("Save the circuit chart as a PNG, SVG or PDF picture"),
         QString::fromLatin1(kCloseHint)},
        [this] { Print1Click(); }, [this] { SavePicture1Click(); });
    QMenu* file = bar->findChild<QMenu*>(QStringLiteral("File1"));
    m_saveCsv = new QAction(QStringLiteral("Save as &CSV..."), this);
    m_saveCsv->setObjectName(QStringLiteral("SaveCsv1"));
    m_saveCsv->setStatusTip(QStringLiteral("Save the chart's numbers as a CSV table"));
    connect(m_saveCsv, &QAction::triggered, this, &CircuitChartWindow::SaveCsv1Click);
    file->insertAction(file->actions().at(2), m_saveCsv);

    m_image = new DrawingView(this);
    m_image->setObjectName(QStringLiteral("Image1"));
    m_image->setMouseTracking(true);
    connect(m_image, &DrawingView::resized, this, &CircuitChartWindow::redraw);
    connect(m_image, &DrawingView::moved, this, &CircuitChartWindow::showCell);
    connect(m_image, &DrawingView::leftReleased, this, &CircuitChartWindow::showCell);

    m_rows = new QComboBox(this);
    m_rows->setObjectName(QStringLiteral("RowsComboBox"));
    m_rows->addItems({QStringLiteral("Your frequencies"), QStringLiteral("Amateur bands")});
    m_rows->setCurrentIndex(m_input.chart.amateurBands ? 1 : 0);
    m_rows->setStatusTip(QStringLiteral("Chart your frequencies or the amateur bands 3.5-28 MHz"));
    connect(m_rows, &QComboBox::currentIndexChanged, this, [this](int index) {
        m_input.chart.amateurBands = index == 1;
        recompute();
    });
    auto* rowsLabel = new QLabel(QStringLiteral("&Rows:"), this);
    rowsLabel->setBuddy(m_rows);
    m_classicMuf = new QCheckBox(QStringLiteral("Classic &MUF"), this);
    m_classicMuf->setObjectName(QStringLiteral("ClassicMufBox"));
    m_classicMuf->setStatusTip(QStringLiteral("Draw the classic engine's MUF beside the chart"));
    connect(m_classicMuf, &QCheckBox::toggled, this, &CircuitChartWindow::recompute);

    m_readout = new QLabel(this);
    m_readout->setObjectName(QStringLiteral("ReadoutLabel"));
    m_readout->setText(QStringLiteral("Point at a cell to read its values."));
    m_readout->setTextInteractionFlags(Qt::TextSelectableByMouse);

    m_pathToggle = new QPushButton(QStringLiteral("Show Long &Path"), this);
    m_pathToggle->setObjectName(QStringLiteral("PathToggleBtn"));
    m_pathToggle->setStatusTip(QStringLiteral("Toggle between the short and the long path"));
    m_pathToggle->setAutoDefault(false);
    connect(m_pathToggle, &QPushButton::clicked, this, &CircuitChartWindow::PathToggleBtnClick);
    m_closeButton = new QPushButton(QStringLiteral("&Close"), this);
    m_closeButton->setObjectName(QStringLiteral("CloseBtn"));
    m_closeButton->setStatusTip(QString::fromLatin1(kCloseHint));
    m_closeButton->setDefault(true);
    connect(m_closeButton, &QPushButton::clicked, this, &QDialog::accept);

    QStatusBar* statusBar = makeStatusBar();
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(rowsLabel);
    buttons->addWidget(m_rows);
    buttons->addSpacing(Scaled(this, 12));
    buttons->addWidget(m_classicMuf);
    buttons->addStretch();
    buttons->addWidget(m_pathToggle);
    buttons->addWidget(m_closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(bar);
    layout->addWidget(m_image, 1);
    layout->addWidget(m_readout);
    layout->addLayout(buttons);
    layout->addWidget(statusBar);
}

void CircuitChartWindow::recompute() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    std::string error;
    const auto data = SharedP533Data(error);
    if (data) {
        m_chart = ComputeCircuitChart(*data, m_input.chart, m_longPath);
    } else {
        m_chart = CircuitChart{};
        m_chart.error = error;
    }
    if (m_classicMuf->isChecked() && m_chart.error.empty()) {
        m_chart.classicMufMHz =
            ClassicPathMuf(m_input.classic, m_longPath ? PathKind::Long : PathKind::Short);
        m_chart.hasClassicMuf = true;
    }
    QApplication::restoreOverrideCursor();
    setWindowTitle(
        QStringLiteral("Hopscope Circuit Chart: %1")
            .arg(m_longPath ? QStringLiteral("Long Path") : QStringLiteral("Short Path")));
    m_pathToggle->setText(m_longPath ? QStringLiteral("Show Short &Path")
                                     : QStringLiteral("Show Long &Path"));
    const bool ok = m_chart.error.empty();
    m_readout->setText(QStringLiteral("Point at a cell to read its values."));
    m_print->setEnabled(ok);
    m_save->setEnabled(ok);
    m_saveCsv->setEnabled(ok);
    redraw();
}

void CircuitChartWindow::redraw() {
    const TextMeasure measure = QtTextMeasure(m_image);
    m_layout = LayoutCircuitChart(m_chart, m_image->width(), m_image->height(), measure);
    m_image->setDrawing(CircuitChartDrawing(m_chart, m_image->width(), m_image->height(), measure));
}

void CircuitChartWindow::showCell(QPointF position) {
    if (!m_chart.error.empty())
        return;
    if (const auto cell = ChartCellAt(m_layout, position.x(), position.y()))
        m_readout->setText(Q(ChartCellReadout(m_chart, cell->column, cell->row)));
}

const Drawing& CircuitChartWindow::drawing() const {
    return m_image->drawing();
}

QString CircuitChartWindow::readout() const {
    return m_readout->text();
}

void CircuitChartWindow::enableControls(bool enabled) {
    for (QWidget* w :
         std::initializer_list<QWidget*>{m_pathToggle, m_closeButton, m_rows, m_classicMuf})
        w->setEnabled(enabled);
    m_print->setEnabled(enabled);
    m_save->setEnabled(enabled);
    m_saveCsv->setEnabled(enabled);
}

void CircuitChartWindow::PathToggleBtnClick() {
    if (m_busy)
        return;
    m_longPath = !m_longPath;
    recompute();
}

void CircuitChartWindow::Print1Click() {
    QPrinter printer(QPrinter::HighResolution);
    if (!AskPrinter(printer, this))
        return;
    printer.setPageOrientation(QPageLayout::Landscape);
    setBusy(true);
    const bool ok = PrintDrawingPage(printer, windowTitle(),
                                     [this](double w, double h, const TextMeasure& measure) {
                                         return CircuitChartDrawing(m_chart, w, h, measure);
                                     });
    setBusy(false);
    if (!ok && printer.printerState() != QPrinter::Aborted)
        ShowError(
            this,
            QStringLiteral("The circuit chart could not be printed: the print job did not start."));
}

void CircuitChartWindow::SavePicture1Click() {
    const QString path = AskPictureFile(this, m_printDirectory);
    if (!path.isEmpty())
        savePictureTo(path);
}

bool CircuitChartWindow::savePictureTo(const QString& path) {
    setBusy(true);
    const QString failure =
        SavePicture(path, [this](double w, double h, const TextMeasure& measure) {
            return CircuitChartDrawing(m_chart, w, h, measure);
        });
    setBusy(false);
    if (!failure.isEmpty())
        ShowError(this, failure);
    return failure.isEmpty();
}

void CircuitChartWindow::SaveCsv1Click() {
    const QString path =
        QFileDialog::getSaveFileName(this, QStringLiteral("Save as CSV"), m_printDirectory,
                                     QStringLiteral("CSV files (*.csv);;All files (*)"));
    if (path.isEmpty())
        return;
    m_printDirectory = QFileInfo(path).absolutePath();
    saveCsvTo(path);
}

bool CircuitChartWindow::saveCsvTo(const QString& path) {
    const std::string csv = CircuitChartCsv(m_chart);
    QSaveFile file(path);
    const bool ok = file.open(QIODevice::WriteOnly) &&
                    file.write(csv.data(), static_cast<qint64>(csv.size())) ==
                        static_cast<qint64>(csv.size()) &&
                    file.commit();
    if (!ok)
        ShowError(this,
                  QStringLiteral("Could not write the file %1:\r%2").arg(path, file.errorString()));
    return ok;
}

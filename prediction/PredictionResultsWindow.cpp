#include "prediction/PredictionResultsWindow.h"

#include "prediction/HeaderLinesDelegate.h"
#include "prediction/PathInfoPanel.h"
#include "prediction/ReportPrinting.h"
#include "prediction/TextReportFile.h"
#include "report/PathReport.h"
#include "report/PredictionReport.h"
#include "report/PredictionSetup.h"
#include "report/ResultsLayout.h"
#include "widgets/HelpContext.h"
#include "widgets/MessageBoxes.h"
#include "widgets/QtText.h"
#include "widgets/ReportFont.h"
#include "widgets/WindowScale.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>

namespace {

// The help page F1 opens here.
constexpr int kResultsHelpContext = 62;

QColor PaleColumnColour() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen && screen->depth() < 7 ? QColor(Qt::white) : QColor(255, 250, 240);
}

} // namespace

PredictionResultsWindow::PredictionResultsWindow(PredictionResultsInput input, QWidget* parent)
    : QDialog(parent), m_input(std::move(input)) {
    setObjectName(QStringLiteral("TPredResultsForm"));
    SetHelpContext(this, kResultsHelpContext);
    m_frequencyTexts = FrequencyTexts(m_input.settings);
    m_frequencyTexts.resize(
        static_cast<std::size_t>(std::clamp(m_input.result.FrequencyCount, 0, kMaxFrequencies)));
    m_showSignalLevels = !m_input.settings.ShowSnr;
    m_printDirectory = m_input.printDirectory;
    m_pathInfoOpener = [this](QWidget* parent) {
        PathInfoPanel info(m_input.request, m_input.dates, true, parent);
        info.exec();
    };
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::WindowMaximizeButtonHint);
    ScaleWindow(this);
    buildControls();
    // The whole work area, less a title bar: the table shows as many rows as fit.
    const QRect area =
        screen() ? screen()->availableGeometry() : QRect(QPoint(0, 0), ScreenSize(this));
    resize(area.width(), area.height() - Scaled(this, 28));
    move(area.topLeft());
    Rebuild();
}

void PredictionResultsWindow::setWindowOpener(const QString& itemName, ResultsWindowOpener opener) {
    m_openers[itemName] = std::move(opener);
    updateOpenerItems();
}

void PredictionResultsWindow::updateOpenerItems() {
    const bool noFrequencies = m_input.result.FrequencyCount <= 0;
    for (const auto& [name, item] : m_openerItems) {
        const auto opener = m_openers.find(name);
        const bool needsFrequencies =
            name == QLatin1String("Signals1") || name == QLatin1String("Advanced");
        item->setEnabled(opener != m_openers.end() && opener->second &&
                         !(needsFrequencies && noFrequencies));
    }
    for (QMenu* menu : {m_mapsMenu, m_graphsMenu}) {
        bool any = false;
        for (QAction* item : menu->actions())
            any = any || item->isEnabled();
        menu->menuAction()->setEnabled(any);
    }
}

void PredictionResultsWindow::openWindow(const QString& itemName) {
    const auto opener = m_openers.find(itemName);
    if (opener == m_openers.end() || !opener->second)
        return;
    runChildWindow([&] { opener->second(this, m_input, m_pathKind, m_showSignalLevels); });
}

void PredictionResultsWindow::setButtonsEnabled(bool enabled) {
    for (QPushButton* button : {m_pathToggle, m_sigToggle, m_closeButton})
        button->setEnabled(enabled);
}

void PredictionResultsWindow::runChildWindow(const std::function<void()>& show) {
    setButtonsEnabled(false);
    show();
    setButtonsEnabled(true);
    ResetStatusLine();
}

void PredictionResultsWindow::fitFont() {
    // One fixed-pitch font for the header lines, the table and the labels, as large
    // as lets a 101-character line fit the window.
    QFont font = ReportFont(14.0, true);
    const QString line(static_cast<int>(kReportWidth), QLatin1Char('0'));
    font.setPointSizeF(LargestFittingPoints(14.0 * WindowScale(this), qMax(200, width() - 40),
                                            [&font, &line](double points) {
                                                font.setPointSizeF(points);
                                                return QFontMetrics(font).horizontalAdvance(line);
                                            }));
    for (QWidget* w :
         std::initializer_list<QWidget*>{m_headerList, m_topLabel, m_grid, m_footerLabel})
        w->setFont(font);
    m_grid->horizontalHeader()->setFont(font);
    const QFontMetrics metrics(font);
    m_grid->verticalHeader()->setDefaultSectionSize(qRound(1.1 * metrics.height()));
    // The three header lines and, for a fetched solar figure, the lines of its source.
    const int lines = 3 + static_cast<int>(SolarSourceLines(m_input.solarSource).size());
    m_headerList->setFixedHeight(lines * (metrics.height() + 2) + 2 * m_headerList->frameWidth() +
                                 4);
}

void PredictionResultsWindow::layoutColumns() {
    const QFontMetrics metrics(m_grid->font());
    const int timeWidth = metrics.horizontalAdvance(QStringLiteral(" 0000 "));
    const int mufWidth = metrics.horizontalAdvance(QStringLiteral(" 99.9 "));
    const std::vector<int> widths =
        ResultsColumnWidths(m_grid->viewport()->width(), timeWidth, mufWidth);
    for (int c = 0; c < kGridColumns; ++c)
        m_grid->setColumnWidth(c, widths[static_cast<std::size_t>(c)]);
}

int PredictionResultsWindow::computeVisibleRows() const {
    const int rowHeight = (m_grid->rowCount() > 0 ? m_grid->rowHeight(0)
                                                  : m_grid->verticalHeader()->defaultSectionSize());
    return VisibleRowCount(m_grid->viewport()->height(), rowHeight);
}

void PredictionResultsWindow::Rebuild() {
    const PathResult& path = m_input.result.Paths[static_cast<int>(m_pathKind)];
    const std::string dateText = FormatDateText(true, m_input.request.Date, m_input.dates);
    setWindowTitle(Q(PredictionCaption(m_pathKind, dateText)));
    m_pathToggle->setText(m_pathKind == PathKind::Short ? QStringLiteral("Show Long &Path")
                                                        : QStringLiteral("Show Short &Path"));
    m_sigToggle->setText(m_showSignalLevels ? QStringLiteral("Show &Signal-to-Noise Ratios")
                                            : QStringLiteral("Show &Signal Levels"));

    TableSource source;
    source.path = &path;
    source.frequencyCount = static_cast<int>(m_frequencyTexts.size());
    source.frequencyMHz = m_input.result.FrequencyMHz;
    source.frequencyTexts = m_frequencyTexts;
    source.timeLabel = m_input.request.Zone.TimeZoneLabel;
    source.utcOffsetDays = m_input.request.Zone.UtcOffset;
    m_table = BuildPredictionTable(source, TableRulesOf(m_input.settings, m_showSignalLevels));

    QStringList headers{Q(m_table.timeLabel), QStringLiteral("MUF")};
    for (const std::string& header : m_table.frequencyHeaders)
        headers << Q(header);
    while (headers.size() < kGridColumns)
        headers << QString();
    m_grid->setHorizontalHeaderLabels(headers);

    m_visibleRows = computeVisibleRows();
    const int rowCount = ClockRowCount(m_visibleRows);
    m_grid->clearContents();
    m_grid->setRowCount(rowCount);
    const QColor pale = PaleColumnColour();
    for (int r = 1; r <= rowCount; ++r) {
        const int k = ClockRowHalfHour(r);
        for (int c = 0; c < kGridColumns; ++c) {
            QString text;
            if (c == 0)
                text = Q(m_table.times[k]);
            else if (c == 1)
                text = Q(m_table.mufs[k]);
            else if (static_cast<std::size_t>(c - 2) < m_table.cells[k].size())
                text = Q(m_table.cells[k][c - 2]);
            auto* item = new QTableWidgetItem(text);
            item->setTextAlignment(Qt::AlignCenter);
            if (c >= 2 && c % 2 == 0)
                item->setBackground(pale);
            m_grid->setItem(r - 1, c, item);
        }
    }

    QPalette labelPalette = m_topLabel->palette();
    labelPalette.setColor(QPalette::WindowText, m_table.titleIsReason ? Qt::red : Qt::black);
    m_topLabel->setPalette(labelPalette);
    m_topLabel->setText(Q(m_table.title));
    QStringList footer;
    for (const std::string& line : m_table.footer)
        footer << Q(line);
    m_footerLabel->setText(footer.join(QLatin1Char('\n')));

    m_headerList->clear();
    for (const std::string& line : path.HeaderLines)
        m_headerList->addItem(Q(line));
    for (const std::string& line : SolarSourceLines(m_input.solarSource))
        m_headerList->addItem(Q(line));
    m_headerDelegate->setPolar(path.Geometry.IsPolar);
    m_headerList->viewport()->update();

    applyScroll(ClockHome());
    m_grid->setFocus();
}

void PredictionResultsWindow::applyScroll(ClockScrollState state) {
    m_scroll = state;
    m_adjusting = true;
    m_grid->verticalScrollBar()->setValue(state.topRow - 1);
    m_grid->setCurrentCell(state.selectedRow - 1, 0,
                           QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_grid->verticalScrollBar()->setValue(state.topRow - 1);
    m_adjusting = false;
}

void PredictionResultsWindow::gridScrolled(int value) {
    if (m_adjusting)
        return;
    const int top = ClockNormalTop(value + 1, m_visibleRows);
    m_scroll.topRow = top;
    if (top != value + 1) {
        m_adjusting = true;
        m_grid->verticalScrollBar()->setValue(top - 1);
        m_adjusting = false;
    }
}

bool PredictionResultsWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_grid && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        switch (key->key()) {
        case Qt::Key_Down:
            applyScroll(ClockLineDown(m_scroll, m_visibleRows));
            return true;
        case Qt::Key_Up:
            applyScroll(ClockLineUp(m_scroll, m_visibleRows));
            return true;
        case Qt::Key_PageDown:
            applyScroll(ClockPageDown(m_scroll, m_visibleRows));
            return true;
        case Qt::Key_PageUp:
            applyScroll(ClockPageUp(m_scroll, m_visibleRows));
            return true;
        case Qt::Key_Home:
            applyScroll(ClockHome());
            return true;
        case Qt::Key_End:
            applyScroll(ClockEnd(m_visibleRows));
            return true;
        case Qt::Key_Left:
        case Qt::Key_Right:
            return true;
        default:
            break;
        }
    }
    if (watched == m_grid->viewport() && event->type() == QEvent::Resize) {
        // The table holds V + 49 rows: a viewport that now shows another number of
        // rows needs the table rebuilt (the view returns to "0000").
        layoutColumns();
        if (computeVisibleRows() != m_visibleRows)
            QTimer::singleShot(0, this, [this] { Rebuild(); });
    }
    if (watched == m_grid->viewport() && event->type() == QEvent::Wheel) {
        const auto* wheel = static_cast<QWheelEvent*>(event);
        m_wheelDelta += wheel->angleDelta().y();
        const int lines = qMax(1, QApplication::wheelScrollLines());
        while (m_wheelDelta >= 120) {
            m_wheelDelta -= 120;
            for (int i = 0; i < lines; ++i)
                applyScroll(ClockLineUp(m_scroll, m_visibleRows));
        }
        while (m_wheelDelta <= -120) {
            m_wheelDelta += 120;
            for (int i = 0; i < lines; ++i)
                applyScroll(ClockLineDown(m_scroll, m_visibleRows));
        }
        return true;
    }
    if (watched == m_grid->viewport() && event->type() == QEvent::MouseButtonPress) {
        // A click selects the row under the pointer; the view stays.
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const int row = m_grid->rowAt(qRound(mouse->position().y()));
        if (row >= 0) {
            m_scroll.selectedRow = row + 1;
            m_scroll.topRow = m_grid->verticalScrollBar()->value() + 1;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void PredictionResultsWindow::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    fitFont();
    layoutColumns();
}

void PredictionResultsWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    fitFont();
    layoutColumns();
    Rebuild();
}

bool PredictionResultsWindow::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip) {
        const QString tip = static_cast<QStatusTipEvent*>(event)->tip();
        if (!m_busy)
            m_hintPanel->setText(tip);
        return true;
    }
    return QDialog::event(event);
}

void PredictionResultsWindow::reject() {
    if (m_busy)
        return; // not while printing or saving
    QDialog::reject();
}

void PredictionResultsWindow::SetStatusHint(const QString& text) {
    m_hintPanel->setText(text);
}

void PredictionResultsWindow::ResetStatusLine() {
    m_hintPanel->clear();
    m_helpPanel->setText(QString::fromLatin1(kPressF1ForHelp));
}

QString PredictionResultsWindow::hintText() const {
    return m_hintPanel->text();
}

void PredictionResultsWindow::PathToggleBtnClick() {
    m_pathKind = m_pathKind == PathKind::Short ? PathKind::Long : PathKind::Short;
    Rebuild();
}

void PredictionResultsWindow::SigDisplayToggleBtnClick() {
    m_showSignalLevels = !m_showSignalLevels;
    Rebuild();
}

std::vector<std::string> PredictionResultsWindow::reportLines() const {
    const PathResult& path = m_input.result.Paths[static_cast<int>(m_pathKind)];
    const std::string dateText = FormatDateText(true, m_input.request.Date, m_input.dates);
    std::vector<std::string> lines =
        PredictionReportLines(m_table, path.HeaderLines, path.Geometry.IsPolar, m_pathKind,
                              dateText, ReportStyle::ResultsWindow);
    AddSolarSourceLines(lines, m_input.solarSource);
    return lines;
}

void PredictionResultsWindow::setBusy(bool busy) {
    m_busy = busy;
    setButtonsEnabled(!busy);
    m_print->setEnabled(!busy);
    m_saveAsText->setEnabled(!busy);
    if (busy) {
        m_helpPanel->setText(QStringLiteral("Printing"));
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        m_helpPanel->setText(QString::fromLatin1(kPressF1ForHelp));
        QApplication::restoreOverrideCursor();
    }
}

void PredictionResultsWindow::Print1Click() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Portrait);
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("Print"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    setBusy(true);
    const bool ok = PrintReportLines(printer, reportLines(), windowTitle(), [] {
        QApplication::processEvents();
        return true;
    });
    setBusy(false);
    if (!ok && printer.printerState() != QPrinter::Aborted)
        ShowError(this, QStringLiteral(
                            "The prediction could not be printed: the print job did not start."));
}

void PredictionResultsWindow::SaveAsText1Click() {
    if (const std::optional<QString> path = AskTextReportFile(this, m_printDirectory))
        saveReportTo(*path);
}

bool PredictionResultsWindow::saveReportTo(const QString& path) {
    const std::optional<TextWriteMode> mode = AskTextWriteMode(path, this);
    if (!mode)
        return false;
    m_printDirectory = QFileInfo(path).absolutePath();
    setBusy(true);
    const std::string text =
        SavedReportText(m_input.result, m_pathKind, m_input.settings, m_input.request.Zone,
                        FormatDateText(true, m_input.request.Date, m_input.dates),
                        m_showSignalLevels, m_input.solarSource);
    const TextWriteResult written =
        WriteTextReport(path, QByteArray(text.data(), static_cast<qsizetype>(text.size())), *mode);
    setBusy(false);
    if (!written.ok)
        ShowError(this, written.message);
    return written.ok;
}

void PredictionResultsWindow::Info1Click() {
    runChildWindow([this] {
        if (m_pathInfoOpener)
            m_pathInfoOpener(this);
    });
}

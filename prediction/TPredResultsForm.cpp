#include "prediction/TPredResultsForm.h"

#include "batch/ui/TAppendOrOverwriteDlgForm.h"
#include "prediction/HeaderLinesDelegate.h"
#include "prediction/ReportPrinting.h"
#include "prediction/TPathInfoForm.h"
#include "prediction/TextReportFile.h"
#include "report/PathReport.h"
#include "report/PredictionReport.h"
#include "report/PredictionSetup.h"
#include "widgets/KxHelp.h"
#include "widgets/KxMessages.h"
#include "widgets/KxWindowScale.h"

#include <QAction>
#include <QApplication>
#include <QFileDialog>
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

/// The help context of the results window.
constexpr int kResultsHelpContext = 62;
constexpr int kGridColumns = 12;

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

QColor PaleColumnColour() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen && screen->depth() < 7 ? QColor(Qt::white) : QColor(255, 250, 240);
}

} // namespace

TPredResultsForm::TPredResultsForm(PredictionResultsInput input, QWidget* parent)
    : QDialog(parent), m_input(std::move(input)) {
    setObjectName(QStringLiteral("TPredResultsForm"));
    SetHelpContext(this, kResultsHelpContext);
    m_frequencyTexts = FrequencyTexts(m_input.settings);
    m_frequencyTexts.resize(
        static_cast<std::size_t>(std::clamp(m_input.result.FrequencyCount, 0, kMaxFrequencies)));
    m_showSignalLevels = !m_input.settings.ShowSnr;
    m_printDirectory = m_input.printDirectory;
    m_pathInfoOpener = [this](QWidget* parent) {
        TPathInfoForm info(m_input.request, m_input.dates, true, parent);
        info.exec();
    };
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::WindowMaximizeButtonHint);
    ScaleWindow(this);
    buildControls();
    const QSize screen = ScreenSize(this);
    resize(screen.width(), qRound(screen.height() * 0.9));
    move(0, 0);
    Rebuild();
}

void TPredResultsForm::buildMenus(QMenuBar* bar) {
    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("File1"));
    file->menuAction()->setStatusTip(QStringLiteral("File actions"));
    m_print = file->addAction(QStringLiteral("&Print..."), this, &TPredResultsForm::Print1Click);
    m_print->setObjectName(QStringLiteral("Print1"));
    m_print->setStatusTip(QStringLiteral("Print the predictions"));
    m_saveAsText = file->addAction(QStringLiteral("Save as &Text..."), this,
                                   &TPredResultsForm::SaveAsText1Click);
    m_saveAsText->setObjectName(QStringLiteral("SaveAsText1"));
    m_saveAsText->setStatusTip(QStringLiteral("Save the predictions as a text file"));
    file->addSeparator();
    QAction* close = file->addAction(QStringLiteral("&Close"), this, &QDialog::reject);
    close->setObjectName(QStringLiteral("Close1"));
    close->setStatusTip(
        QStringLiteral("Close this prediction window and return to Hopscope Main Menu"));

    m_info = bar->addAction(QStringLiteral("&Info"));
    m_info->setObjectName(QStringLiteral("Info1"));
    m_info->setStatusTip(QStringLiteral("Display the Path Information Window"));
    connect(m_info, &QAction::triggered, this, &TPredResultsForm::Info1Click);

    m_mapsMenu = bar->addMenu(QStringLiteral("&Maps"));
    m_mapsMenu->setObjectName(QStringLiteral("Maps1"));
    m_mapsMenu->menuAction()->setStatusTip(QStringLiteral(
        "Display great circle path and terminator on rectangular or great circle map"));
    QAction* rect = m_mapsMenu->addAction(QStringLiteral("&Rectangular Map"));
    rect->setObjectName(QStringLiteral("RectangularMap1"));
    rect->setStatusTip(
        QStringLiteral("Display great circle path and terminator on rectangular map"));
    QAction* gc = m_mapsMenu->addAction(QStringLiteral("&Great Circle Map"));
    gc->setObjectName(QStringLiteral("GreatCirclemap1"));
    gc->setStatusTip(
        QStringLiteral("Display great circle path and terminator on great circle map"));

    m_graphsMenu = bar->addMenu(QStringLiteral("&Graphs"));
    m_graphsMenu->setObjectName(QStringLiteral("Graphs1"));
    m_graphsMenu->menuAction()->setStatusTip(
        QStringLiteral("Display graph of predicted MUF, signal level, or signal-to-noise ratio"));
    QAction* muf = m_graphsMenu->addAction(QStringLiteral("&MUF"));
    muf->setObjectName(QStringLiteral("MUF1"));
    muf->setStatusTip(QStringLiteral("Display graph of predicted MUF"));
    m_signals = m_graphsMenu->addAction(QStringLiteral("&Signals"));
    m_signals->setObjectName(QStringLiteral("Signals1"));
    m_signals->setStatusTip(
        QStringLiteral("Display graphs of predicted signal levels and signal-to-noise ratios"));

    m_advanced = bar->addAction(QStringLiteral("&Advanced"));
    m_advanced->setObjectName(QStringLiteral("Advanced"));
    m_advanced->setStatusTip(QStringLiteral(
        "Display supplemental predictions, including ionospheric hop configuration"));

    // The maps, graphs and hops windows are handed in by the program as they exist;
    // until then their items stay disabled.
    for (QAction* item : {rect, gc, muf, m_signals, m_advanced}) {
        m_openerItems[item->objectName()] = item;
        const QString name = item->objectName();
        connect(item, &QAction::triggered, this, [this, name] { openWindow(name); });
    }
    updateOpenerItems();
}

void TPredResultsForm::setWindowOpener(const QString& itemName, ResultsWindowOpener opener) {
    m_openers[itemName] = std::move(opener);
    updateOpenerItems();
}

void TPredResultsForm::updateOpenerItems() {
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

void TPredResultsForm::openWindow(const QString& itemName) {
    const auto opener = m_openers.find(itemName);
    if (opener == m_openers.end() || !opener->second)
        return;
    runChildWindow([&] { opener->second(this, m_input, m_pathKind, m_showSignalLevels); });
}

void TPredResultsForm::setButtonsEnabled(bool enabled) {
    for (QPushButton* button : {m_pathToggle, m_sigToggle, m_closeButton})
        button->setEnabled(enabled);
}

void TPredResultsForm::runChildWindow(const std::function<void()>& show) {
    setButtonsEnabled(false);
    show();
    setButtonsEnabled(true);
    ResetStatusLine();
}

void TPredResultsForm::buildControls() {
    auto* bar = new QMenuBar(this);
    bar->setObjectName(QStringLiteral("MainMenu"));
    buildMenus(bar);
    // Pop-up menus are windows of their own: give them the window's scaled font.
    for (QMenu* menu : bar->findChildren<QMenu*>())
        menu->setFont(font());

    m_headerList = new QListWidget(this);
    m_headerList->setObjectName(QStringLiteral("HeaderListBox"));
    m_headerList->setFocusPolicy(Qt::NoFocus);
    m_headerList->setSelectionMode(QAbstractItemView::NoSelection);
    m_headerList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_headerList->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_headerDelegate = new HeaderLinesDelegate(m_headerList);
    m_headerList->setItemDelegate(m_headerDelegate);

    m_topLabel = new QLabel(this);
    m_topLabel->setObjectName(QStringLiteral("GridTopLabel"));
    m_topLabel->setAlignment(Qt::AlignCenter);

    m_grid = new QTableWidget(this);
    m_grid->setObjectName(QStringLiteral("PredGrid"));
    m_grid->setColumnCount(kGridColumns);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    m_grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setMinimumSectionSize(1);
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->horizontalHeader()->setHighlightSections(false);
    m_grid->setWordWrap(false);
    m_grid->installEventFilter(this);
    m_grid->viewport()->installEventFilter(this);
    connect(m_grid->verticalScrollBar(), &QScrollBar::valueChanged, this,
            &TPredResultsForm::gridScrolled);

    auto* upDown = new QWidget(this);
    upDown->setObjectName(QStringLiteral("UpDown"));
    m_upButton = new QToolButton(upDown);
    m_upButton->setObjectName(QStringLiteral("UpDownUp"));
    m_upButton->setArrowType(Qt::UpArrow);
    m_upButton->setAutoRepeat(true);
    m_upButton->setFocusPolicy(Qt::NoFocus);
    m_downButton = new QToolButton(upDown);
    m_downButton->setObjectName(QStringLiteral("UpDownDown"));
    m_downButton->setArrowType(Qt::DownArrow);
    m_downButton->setAutoRepeat(true);
    m_downButton->setFocusPolicy(Qt::NoFocus);
    auto* upDownLayout = new QVBoxLayout(upDown);
    upDownLayout->setContentsMargins(0, 0, 0, 0);
    upDownLayout->addWidget(m_upButton);
    upDownLayout->addWidget(m_downButton);
    upDownLayout->addStretch();
    connect(m_upButton, &QToolButton::clicked, this,
            [this] { applyScroll(ClockLineUp(m_scroll, m_visibleRows)); });
    connect(m_downButton, &QToolButton::clicked, this,
            [this] { applyScroll(ClockLineDown(m_scroll, m_visibleRows)); });

    m_footerLabel = new QLabel(this);
    m_footerLabel->setObjectName(QStringLiteral("GridFooterLabel"));

    m_pathToggle = new QPushButton(this);
    m_pathToggle->setObjectName(QStringLiteral("PathToggleBtn"));
    m_pathToggle->setStatusTip(
        QStringLiteral("Toggle between short path and long path predictions"));
    connect(m_pathToggle, &QPushButton::clicked, this, &TPredResultsForm::PathToggleBtnClick);
    m_sigToggle = new QPushButton(this);
    m_sigToggle->setObjectName(QStringLiteral("SigDisplayToggleBtn"));
    m_sigToggle->setStatusTip(
        QStringLiteral("Toggle between signal levels and signal-to-noise ratios"));
    connect(m_sigToggle, &QPushButton::clicked, this, &TPredResultsForm::SigDisplayToggleBtnClick);
    m_closeButton = new QPushButton(QStringLiteral("&Close"), this);
    m_closeButton->setObjectName(QStringLiteral("CloseBtn"));
    m_closeButton->setStatusTip(
        QStringLiteral("Close this prediction window and return to Hopscope Main Menu"));
    connect(m_closeButton, &QPushButton::clicked, this, &QDialog::reject);
    for (QPushButton* button : {m_pathToggle, m_sigToggle, m_closeButton})
        button->setAutoDefault(false);

    auto* statusBar = new QStatusBar(this);
    statusBar->setObjectName(QStringLiteral("StatusBar"));
    statusBar->setSizeGripEnabled(false);
    m_hintPanel = new QLabel(statusBar);
    m_helpPanel = new QLabel(QString::fromLatin1(kPressF1ForHelp), statusBar);
    statusBar->addWidget(m_hintPanel, 5);
    statusBar->addPermanentWidget(m_helpPanel, 1);

    auto* tableRow = new QHBoxLayout;
    tableRow->addWidget(m_grid, 1);
    tableRow->addWidget(upDown);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_pathToggle);
    buttons->addWidget(m_sigToggle);
    buttons->addWidget(m_closeButton);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(bar);
    layout->addWidget(m_headerList);
    layout->addWidget(m_topLabel);
    layout->addLayout(tableRow, 1);
    layout->addWidget(m_footerLabel);
    layout->addLayout(buttons);
    layout->addWidget(statusBar);
    TrackFocusHints(this, this);
}

void TPredResultsForm::fitFont() {
    // One fixed-pitch font for the header lines, the table and the labels, as large
    // as lets a 101-character line fit the window.
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setBold(true);
    const int available = qMax(200, width() - 40);
    const QString line(static_cast<int>(kReportWidth), QLatin1Char('0'));
    double points = 14.0 * WindowScale(this);
    font.setPointSizeF(points);
    while (points > 4.0 && QFontMetrics(font).horizontalAdvance(line) > available) {
        points -= 0.5;
        font.setPointSizeF(points);
    }
    for (QWidget* w :
         std::initializer_list<QWidget*>{m_headerList, m_topLabel, m_grid, m_footerLabel})
        w->setFont(font);
    m_grid->horizontalHeader()->setFont(font);
    const QFontMetrics metrics(font);
    m_grid->verticalHeader()->setDefaultSectionSize(qRound(1.1 * metrics.height()));
    m_headerList->setFixedHeight(3 * (metrics.height() + 2) + 2 * m_headerList->frameWidth() + 4);
}

void TPredResultsForm::layoutColumns() {
    const QFontMetrics metrics(m_grid->font());
    const int timeWidth = metrics.horizontalAdvance(QStringLiteral(" 0000 "));
    const int mufWidth = metrics.horizontalAdvance(QStringLiteral(" 99.9 "));
    const int total = m_grid->viewport()->width();
    const int rest = qMax(0, total - timeWidth - mufWidth);
    const int each = rest / 10;
    const int leftOver = rest - 10 * each;
    m_grid->setColumnWidth(0, timeWidth);
    m_grid->setColumnWidth(1, mufWidth);
    for (int c = 2; c < kGridColumns; ++c)
        m_grid->setColumnWidth(c, each + (c >= kGridColumns - leftOver ? 1 : 0));
}

int TPredResultsForm::computeVisibleRows() const {
    const int rowHeight =
        qMax(1, m_grid->rowCount() > 0 ? m_grid->rowHeight(0)
                                       : m_grid->verticalHeader()->defaultSectionSize());
    // A last row that misses less than a quarter of its height still counts as seen.
    return qMax(1, (m_grid->viewport()->height() + rowHeight / 4) / rowHeight);
}

void TPredResultsForm::Rebuild() {
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
    m_headerDelegate->setPolar(path.Geometry.IsPolar);
    m_headerList->viewport()->update();

    applyScroll(ClockHome());
    m_grid->setFocus();
}

void TPredResultsForm::applyScroll(ClockScrollState state) {
    m_scroll = state;
    m_adjusting = true;
    m_grid->verticalScrollBar()->setValue(state.topRow - 1);
    m_grid->setCurrentCell(state.selectedRow - 1, 0,
                           QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_grid->verticalScrollBar()->setValue(state.topRow - 1);
    m_adjusting = false;
}

void TPredResultsForm::gridScrolled(int value) {
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

bool TPredResultsForm::eventFilter(QObject* watched, QEvent* event) {
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

void TPredResultsForm::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    fitFont();
    layoutColumns();
}

void TPredResultsForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    fitFont();
    layoutColumns();
    Rebuild();
}

bool TPredResultsForm::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip) {
        const QString tip = static_cast<QStatusTipEvent*>(event)->tip();
        if (!m_busy)
            m_hintPanel->setText(tip);
        return true;
    }
    return QDialog::event(event);
}

void TPredResultsForm::reject() {
    if (m_busy)
        return; // not while printing or saving
    QDialog::reject();
}

void TPredResultsForm::SetStatusHint(const QString& text) {
    m_hintPanel->setText(text);
}

void TPredResultsForm::ResetStatusLine() {
    m_hintPanel->clear();
    m_helpPanel->setText(QString::fromLatin1(kPressF1ForHelp));
}

QString TPredResultsForm::hintText() const {
    return m_hintPanel->text();
}

void TPredResultsForm::PathToggleBtnClick() {
    m_pathKind = m_pathKind == PathKind::Short ? PathKind::Long : PathKind::Short;
    Rebuild();
}

void TPredResultsForm::SigDisplayToggleBtnClick() {
    m_showSignalLevels = !m_showSignalLevels;
    Rebuild();
}

std::vector<std::string> TPredResultsForm::reportLines() const {
    const PathResult& path = m_input.result.Paths[static_cast<int>(m_pathKind)];
    const std::string dateText = FormatDateText(true, m_input.request.Date, m_input.dates);
    return PredictionReportLines(m_table, path.HeaderLines, path.Geometry.IsPolar, m_pathKind,
                                 dateText, ReportStyle::ResultsWindow);
}

void TPredResultsForm::setBusy(bool busy) {
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

void TPredResultsForm::Print1Click() {
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

void TPredResultsForm::SaveAsText1Click() {
    QFileDialog dialog(this, QStringLiteral("Save as Text"), m_printDirectory);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters({QStringLiteral("Text file (*.txt)"), QStringLiteral("Any file (*)")});
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    // An existing file gets the append-or-overwrite question instead.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    saveReportTo(dialog.selectedFiles().constFirst());
}

bool TPredResultsForm::saveReportTo(const QString& path) {
    TextWriteMode mode = TextWriteMode::Create;
    if (QFileInfo::exists(path)) {
        switch (TAppendOrOverwriteDlgForm::Ask(path, this)) {
        case TAppendOrOverwriteDlgForm::Choice::Append:
            mode = TextWriteMode::Append;
            break;
        case TAppendOrOverwriteDlgForm::Choice::Overwrite:
            mode = TextWriteMode::Overwrite;
            break;
        case TAppendOrOverwriteDlgForm::Choice::Cancel:
            return false;
        }
    }
    m_printDirectory = QFileInfo(path).absolutePath();
    setBusy(true);
    const std::string text = SavedReportText(
        m_input.result, m_pathKind, m_input.settings, m_input.request.Zone,
        FormatDateText(true, m_input.request.Date, m_input.dates), m_showSignalLevels);
    const TextWriteResult written =
        WriteTextReport(path, QByteArray(text.data(), static_cast<qsizetype>(text.size())), mode);
    setBusy(false);
    if (!written.ok)
        ShowError(this, written.message);
    return written.ok;
}

void TPredResultsForm::Info1Click() {
    runChildWindow([this] {
        if (m_pathInfoOpener)
            m_pathInfoOpener(this);
    });
}

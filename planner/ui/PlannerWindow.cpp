#include "planner/ui/PlannerWindow.h"

#include "core/Syntax.h"
#include "planner/PlannerExport.h"
#include "planner/PlannerSheet.h"
#include "planner/PlannerView.h"
#include "planner/ui/PlannerHeaderView.h"
#include "planner/ui/PlannerPrintout.h"
#include "planner/ui/PlannerStripDelegate.h"
#include "planner/ui/PlannerStripPainter.h"
#include "planner/ui/PlannerTableModel.h"
#include "widgets/DayAndIndexFields.h"
#include "widgets/EngineBox.h"
#include "widgets/EntryFields.h"
#include "widgets/HelpContext.h"
#include "widgets/MessageBoxes.h"
#include "widgets/QtText.h"
#include "widgets/SolarDataButton.h"
#include "widgets/StatusLine.h"
#include "widgets/TerminalGroup.h"
#include "widgets/WindowScale.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QSaveFile>
#include <QScreen>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>
#include <cmath>

namespace {

// The help page F1 opens here.
constexpr int kPlannerHelpContext = 73;

/// Places per chunk: small enough that the first rows show at once and Cancel is
/// heard quickly, large enough to keep both cores busy.
constexpr std::size_t kChunkPlaces = 16;

QPushButton* Button(QWidget* parent, const char* name, const char* caption, const char* hint) {
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setStatusTip(QString::fromUtf8(hint));
    button->setAutoDefault(false);
    return button;
}

} // namespace

PlannerWindow::PlannerWindow(PlannerWindowInput input, StatusLine* statusLine, QWidget* parent)
    : QDialog(parent), m_input(std::move(input)), m_statusLine(statusLine) {
    setObjectName(QStringLiteral("PlannerWindow"));
    setWindowTitle(QStringLiteral("Hopscope Planner"));
    SetHelpContext(this, kPlannerHelpContext);
    ScaleWindow(this);

    m_fields = MakeStationDayFields(
        this, {&m_input.settings, m_input.atlas, m_input.countries, m_input.dates}, statusLine);
    m_path = new QComboBox(this);
    m_path->setObjectName(QStringLiteral("PathKindCombo"));
    m_path->addItems(
        {QStringLiteral("Short path"), QStringLiteral("Long path"), QStringLiteral("Both paths")});
    m_path->setStatusTip(QStringLiteral("The paths to plan for each place"));
    m_threshold = new QDoubleSpinBox(this);
    m_threshold->setObjectName(QStringLiteral("ThresholdSpin"));
    m_threshold->setRange(0.0, 1.0);
    m_threshold->setSingleStep(0.05);
    m_threshold->setDecimals(2);
    m_threshold->setValue(0.5);
    m_threshold->setStatusTip(QStringLiteral(
        "A half hour is open at this MUF probability or more, when its signal is shown"));
    m_engine = MakeEngineBox(
        this,
        QStringLiteral("Classic: the MUF probability, half hour by half hour; P.533: the circuit "
                       "reliability for your station and mode, hour by hour"),
        m_input.p533.choice.data != nullptr, Q(m_input.p533.problem));
    m_legend = new QLabel(this);
    m_legend->setObjectName(QStringLiteral("LegendLbl"));
    connect(m_engine, &QComboBox::currentIndexChanged, this, [this](int i) {
        setEngine(i == 1 ? PredictionEngine::P533 : PredictionEngine::Classic);
    });
    m_ok = Button(this, "OKBtn", "OK (F9)", "Plan the paths to every place of the atlas");
    m_stop = Button(this, "CancelBtn", "Cancel", "Stop the computation; the rows so far stay");
    m_stop->setEnabled(false);
    m_filter = new QLineEdit(this);
    m_filter->setObjectName(QStringLiteral("FilterEdit"));
    m_filter->setPlaceholderText(QStringLiteral("Filter by prefix or name"));
    m_filter->setStatusTip(QStringLiteral("Show only the places whose prefix or name holds this"));
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("ProgressBar"));
    m_progress->setVisible(false);
    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("SummaryLabel"));

    m_model = new PlannerTableModel(this);
    m_proxy = new PlannerSortProxy(m_model, this);
    m_strips = new PlannerStripDelegate(this);
    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("PlannerGrid"));
    m_header = new PlannerHeaderView(m_table);
    m_table->setHorizontalHeader(m_header);
    m_table->setModel(m_proxy);
    m_table->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_table->viewport()->installEventFilter(this);
    m_table->setItemDelegate(m_strips);
    m_table->setSortingEnabled(true);
    m_table->sortByColumn(kPlannerDistanceColumn, Qt::AscendingOrder);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->setVisible(false);
    m_table->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    m_table->setStatusTip(QStringLiteral(
        "Click a column header to sort; double-click a row for its on-screen prediction"));

    auto* save = Button(this, "SaveCsvBtn", "Save as &CSV...", "Save the rows shown as CSV");
    auto* print = Button(this, "PrintBtn", "&Print...", "Print the rows shown");
    auto* close = Button(this, "CloseBtn", "&Close", "Close the planner");

    auto labelled = [this](QHBoxLayout* layout, const QString& text, QWidget* field) {
        auto* label = new QLabel(text, this);
        label->setBuddy(field);
        layout->addWidget(label);
        layout->addWidget(field);
        layout->addSpacing(10);
    };
    auto* values = new QHBoxLayout;
    labelled(values, QStringLiteral("&Date"), m_fields.date);
    labelled(values, QStringLiteral("Solar &Index"), m_fields.solar);
    labelled(values, QStringLiteral("&K Index"), m_fields.kIndex);
    MakeStationSolarDataButton(m_fields, m_input.dates, m_statusLine, this);
    values->addWidget(m_fields.solarData);
    values->addStretch();
    // The choices of the run go on a row of their own, so that the window fits a
    // 1280-pixel screen.
    auto* choices = new QHBoxLayout;
    labelled(choices, QStringLiteral("P&ath"), m_path);
    labelled(choices, QStringLiteral("&Engine"), m_engine);
    labelled(choices, QStringLiteral("&Threshold"), m_threshold);
    choices->addStretch();
    choices->addWidget(m_ok);
    choices->addWidget(m_stop);
    auto* tableBar = new QHBoxLayout;
    labelled(tableBar, QStringLiteral("&Filter"), m_filter);
    m_filter->setMinimumWidth(Scaled(this, 160));
    tableBar->addWidget(m_progress, 1);
    tableBar->addWidget(m_summary, 1);
    tableBar->addWidget(m_legend);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(print);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_fields.terminal);
    layout->addLayout(values);
    layout->addWidget(m_fields.solarData->sourceLabel());
    layout->addLayout(choices);
    layout->addLayout(tableBar);
    layout->addWidget(m_table, 1);
    layout->addLayout(buttons);

    connect(m_ok, &QPushButton::clicked, this, &PlannerWindow::OKBtnClick);
    connect(m_stop, &QPushButton::clicked, this, &PlannerWindow::StopBtnClick);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    connect(save, &QPushButton::clicked, this, &PlannerWindow::SaveCsvBtnClick);
    connect(print, &QPushButton::clicked, this, &PlannerWindow::PrintBtnClick);
    connect(m_filter, &QLineEdit::textChanged, this, [this](const QString& text) {
        m_proxy->setTextFilter(text);
        showSummary();
    });
    connect(m_table, &QTableView::doubleClicked, this, &PlannerWindow::RowDoubleClick);
    auto* f9 = new QShortcut(QKeySequence(Qt::Key_F9), this);
    connect(f9, &QShortcut::activated, this, &PlannerWindow::OKBtnClick);

    const PredictionInputs& previous = m_input.previous;
    if (m_input.settings.DefaultDefined || !previous.terminalA.Prefix.empty())
        m_fields.terminal->setTerminal(previous.terminalA);
    SetDayAndIndexTexts(m_fields.day(), previous.date, m_input.dates, previous.solarIndexText,
                        previous.kIndexText);
    setEngine(m_input.startEngine);
    TrackFocusHints(this, m_statusLine);
    if (const QScreen* screen = this->screen()) {
        const QRect area = screen->availableGeometry();
        resize(area.width() * 9 / 10, area.height() * 17 / 20);
    }
    CentreOnScreen(this, 0.5);
    m_fields.terminal->prefixEdit()->setFocus();
}

PlannerWindow::~PlannerWindow() {
    stopAndWait();
}

void PlannerWindow::setSolarDataSource(const SolarDataSource& source) {
    SetStationDaySolarSource(m_fields, source);
}

void PlannerWindow::setAtlasPicker(const AtlasPicker& picker) {
    SetStationDayAtlasPicker(m_fields, picker);
}

bool PlannerWindow::computing() const {
    return m_future.isRunning();
}

void PlannerWindow::closeEvent(QCloseEvent* event) {
    stopAndWait();
    QDialog::closeEvent(event);
}

void PlannerWindow::reject() {
    if (computing()) {
        StopBtnClick();
        return;
    }
    stopAndWait();
    QDialog::reject();
}

void PlannerWindow::stopAndWait() {
    m_cancel = true;
    m_future.waitForFinished();
}

void PlannerWindow::setComputing(bool on) {
    m_ok->setEnabled(!on);
    m_stop->setEnabled(on);
    m_progress->setVisible(on);
    m_summary->setVisible(!on);
}

void PlannerWindow::OKBtnClick() {
    if (computing())
        return;
    const std::optional<StationDayValues> values =
        ReadStationDayFields(m_fields, m_input.dates, m_input.previous.date);
    if (!values)
        return;
    PlannerSetup setup;
    setup.inputs.terminalA = values->station;
    setup.inputs.date = values->date;
    setup.inputs.solarIndexText = values->solarIndexText;
    setup.inputs.kIndexText = values->kIndexText;
    setup.inputs.zone = m_input.zone;
    setup.inputs.zone.PredictionDate = setup.inputs.date;
    setup.settings = m_input.settings;
    const int path = m_path->currentIndex();
    setup.kinds.clear();
    if (path != 1)
        setup.kinds.push_back(PathKind::Short);
    if (path != 0)
        setup.kinds.push_back(PathKind::Long);
    setup.threshold = static_cast<float>(m_threshold->value());
    if (engine() == PredictionEngine::P533) {
        setup.engine = m_input.p533.choice;
        if (!m_input.p533.problem.empty() && m_statusLine)
            m_statusLine->SetStatusHint(Q(m_input.p533.problem));
    }
    if (const std::optional<UserMessage> problem = CheckPlannerSetup(setup)) {
        ShowUserMessage(this, *problem);
        m_fields.terminal->prefixEdit()->refocus();
        return;
    }
    m_setup = setup;
    m_skipped.clear();

    const double utcNow = m_input.clock.utcNow;
    const int utcSlot = SlotOfUtcHours((utcNow - std::floor(utcNow)) * 24.0);
    const double offset = m_input.zone.utc ? 0.0 : m_input.zone.UtcOffset;
    m_strips->setNowHalfHour(DisplayedHalfHour(utcNow, offset));
    m_model->reset(FrequencyTexts(setup.settings), m_input.zone, utcSlot, setup.engine.engine);
    showLegend();
    // The place columns fit their texts; the strips share the rest of the width.
    const QFontMetrics metrics = m_table->fontMetrics();
    const char* const widest[] = {"WWWWWWW", "Mmmmmmmmmmmmmmmmm", "200000", "Bearing00",
                                  "Short0",  "29.6 (0.99)"};
    for (int column = 0; column < kPlannerBandColumn; ++column)
        m_table->setColumnWidth(column,
                                metrics.horizontalAdvance(QString::fromLatin1(widest[column])) +
                                    Scaled(this, 14));
    fitBandColumns();

    std::vector<Terminal> places =
        m_input.atlas ? AtlasPlaces(*m_input.atlas) : std::vector<Terminal>{};
    m_placeCount = static_cast<int>(places.size());
    m_progress->setRange(0, m_placeCount);
    m_progress->setValue(0);
    setComputing(true);
    m_cancel = false;
    // The worker hands each chunk to this window's thread; the window waits for the
    // worker before it goes, so `this` outlives every call.
    m_future = QtConcurrent::run([this, setup, places = std::move(places)] {
        ComputePlanner(
            setup, places, kChunkPlaces, [this](const PlannerResult& chunk, std::size_t done) {
                QMetaObject::invokeMethod(
                    this,
                    [this, rows = chunk.rows, skipped = chunk.skipped, done]() mutable {
                        addChunk(std::move(rows), std::move(skipped), static_cast<int>(done));
                    },
                    Qt::QueuedConnection);
                return !m_cancel.load();
            });
        QMetaObject::invokeMethod(this, &PlannerWindow::finishComputation, Qt::QueuedConnection);
    });
}

PredictionEngine PlannerWindow::engine() const {
    return m_engine->currentIndex() == 1 ? PredictionEngine::P533 : PredictionEngine::Classic;
}

void PlannerWindow::setEngine(PredictionEngine engine) {
    const bool p533 = engine == PredictionEngine::P533 && m_input.p533.choice.data;
    m_engine->blockSignals(true);
    m_engine->setCurrentIndex(p533 ? 1 : 0);
    m_engine->blockSignals(false);
    // With P.533 a slot is open at the station's required reliability; the classic
    // threshold comes back with the classic engine.
    if (p533 && m_threshold->isEnabled()) {
        m_classicThreshold = m_threshold->value();
        m_threshold->setValue(m_input.p533.choice.station.requiredReliabilityPercent / 100.0);
    } else if (!p533 && !m_threshold->isEnabled()) {
        m_threshold->setValue(m_classicThreshold);
    }
    m_threshold->setEnabled(!p533);
    showLegend();
}

void PlannerWindow::showLegend() {
    const bool p533 = engine() == PredictionEngine::P533;
    if (!p533) {
        m_legend->setPixmap(QPixmap());
        m_legend->setText(QStringLiteral("MUF probability classes A-D by half hours"));
        return;
    }
    // The continuous scale of the circuit reliability, with its ends named.
    const QFontMetrics metrics = fontMetrics();
    const QString low = QStringLiteral("Circuit reliability by hours: 1 %");
    const QString high =
        QStringLiteral("100 %; pale below %1 %")
            .arg(m_input.p533.choice.station.requiredReliabilityPercent, 0, 'f', 0);
    const int bar = Scaled(this, 80);
    const int gap = Scaled(this, 6);
    QPixmap pixmap(metrics.horizontalAdvance(low) + metrics.horizontalAdvance(high) + bar + 4 * gap,
                   metrics.height() + 4);
    pixmap.fill(palette().color(QPalette::Window));
    QPainter painter(&pixmap);
    painter.setPen(palette().color(QPalette::WindowText));
    int x = 0;
    painter.drawText(x, metrics.ascent() + 2, low);
    x += metrics.horizontalAdvance(low) + gap;
    for (int i = 0; i < bar; ++i) {
        painter.setPen(ScaleQColor(1.0 + 99.0 * i / (bar - 1)));
        painter.drawLine(x + i, 2, x + i, pixmap.height() - 2);
    }
    x += bar + gap;
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(x, metrics.ascent() + 2, high);
    painter.end();
    m_legend->setText(QString());
    m_legend->setPixmap(pixmap);
}

void PlannerWindow::addChunk(std::vector<PlannerRow> rows, std::vector<PlannerSkip> skipped,
                             int placesDone) {
    m_model->appendRows(std::move(rows));
    for (PlannerSkip& skip : skipped)
        m_skipped.push_back(std::move(skip));
    m_progress->setValue(placesDone);
}

void PlannerWindow::finishComputation() {
    setComputing(false);
    m_cancelled = m_cancel;
    m_finished = true;
    showSummary();
    emit computationDone();
}

void PlannerWindow::showSummary() {
    if (!m_finished)
        return;
    m_summary->setText(Q(PlannerSummaryText(m_proxy->rowCount(), m_model->rowCount(),
                                            m_input.zone.TimeZoneLabel, m_cancelled, m_skipped)));
}

void PlannerWindow::fitBandColumns() {
    const int bands = m_model->columnCount() - kPlannerBandColumn;
    if (bands <= 0)
        return;
    int placeWidth = 0;
    for (int column = 0; column < kPlannerBandColumn; ++column)
        placeWidth += m_table->columnWidth(column);
    // The strips share the width left; below their smallest the table scrolls sideways.
    const int share = (m_table->viewport()->width() - placeWidth) / bands;
    const int width = std::max(share, m_header->bandColumnMinimum());
    for (int n = 0; n < bands; ++n)
        m_table->setColumnWidth(kPlannerBandColumn + n, width);
}

bool PlannerWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_table->viewport() && event->type() == QEvent::Resize)
        fitBandColumns();
    return QDialog::eventFilter(watched, event);
}

void PlannerWindow::StopBtnClick() {
    m_cancel = true;
}

void PlannerWindow::RowDoubleClick(const QModelIndex& index) {
    if (!index.isValid() || !m_opener)
        return;
    const PlannerRow& row = m_model->rows()[m_proxy->mapToSource(index).row()];
    PredictionInputs inputs = m_setup.inputs;
    inputs.terminalB = row.place;
    m_opener(this, inputs, row.kind);
}

void PlannerWindow::SaveCsvBtnClick() {
    const QString chosen =
        QFileDialog::getSaveFileName(this, QStringLiteral("Save as CSV"), QString(),
                                     QStringLiteral("CSV file (*.csv);;Any file (*)"));
    if (chosen.isEmpty())
        return;
    const QString path = QString::fromStdString(WithCsvExtension(chosen.toStdString()));
    PlannerResult shown;
    shown.rows = m_proxy->shownRows();
    const std::string text = PlannerCsv(shown);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(text.data(), static_cast<qint64>(text.size())) !=
            static_cast<qint64>(text.size()) ||
        !file.commit())
        ShowError(this, QStringLiteral("The file %1 could not be written").arg(path));
}

void PlannerWindow::PrintBtnClick() {
    QPrinter printer;
    printer.setPageOrientation(QPageLayout::Landscape);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (!printTo(printer))
        ShowError(this, QStringLiteral("The planner could not be printed."));
}

bool PlannerWindow::printTo(QPagedPaintDevice& device) const {
    PlannerPrintJob job;
    job.setup = m_setup;
    job.dateText = FormatDateText(true, m_setup.inputs.date, m_input.dates);
    job.rows = m_proxy->shownRows();
    job.bandTexts = FrequencyTexts(m_setup.settings);
    job.utcOffsetDays = m_input.zone.utc ? 0.0 : m_input.zone.UtcOffset;
    job.utcSlotNow = m_model->utcSlotNow();
    return PrintPlanner(device, job);
}

#include "planner/ui/PlannerWindow.h"

#include "core/Syntax.h"
#include "planner/PlannerExport.h"
#include "planner/PlannerView.h"
#include "planner/ui/PlannerStripDelegate.h"
#include "planner/ui/PlannerTableModel.h"
#include "widgets/DayAndIndexFields.h"
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
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QSaveFile>
#include <QScreen>
#include <QShortcut>
#include <QTableView>
#include <QTextDocument>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>
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

    m_terminal =
        new TerminalGroup('A', QString(), m_input.settings, m_input.atlas, statusLine, this);
    m_terminal->setCountryFile(m_input.countries);
    const DayAndIndexFields dayFields =
        MakeDayAndIndexFields(this, m_input.dates, m_input.settings.SunspotPrimary);
    m_date = dayFields.date;
    m_solar = dayFields.solar;
    m_kIndex = dayFields.kIndex;
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
        "A half hour is open at this reliability or more, when its signal is shown"));
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
    m_table->setModel(m_proxy);
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
    labelled(values, QStringLiteral("&Date"), m_date);
    labelled(values, QStringLiteral("Solar &Index"), m_solar);
    labelled(values, QStringLiteral("&K Index"), m_kIndex);
    m_solarData = MakeSolarDataButton(dayFields, m_input.dates, m_statusLine, this);
    values->addWidget(m_solarData);
    values->addSpacing(10);
    labelled(values, QStringLiteral("P&ath"), m_path);
    labelled(values, QStringLiteral("&Threshold"), m_threshold);
    values->addStretch();
    values->addWidget(m_ok);
    values->addWidget(m_stop);
    auto* tableBar = new QHBoxLayout;
    labelled(tableBar, QStringLiteral("&Filter"), m_filter);
    m_filter->setMinimumWidth(Scaled(this, 160));
    tableBar->addWidget(m_progress, 1);
    tableBar->addWidget(m_summary, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(print);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_terminal);
    layout->addLayout(values);
    layout->addWidget(m_solarData->sourceLabel());
    layout->addLayout(tableBar);
    layout->addWidget(m_table, 1);
    layout->addLayout(buttons);

    connect(m_terminal, &TerminalGroup::focusBack, this,
            [this] { m_terminal->prefixEdit()->setFocus(Qt::OtherFocusReason); });
    connect(m_terminal, &TerminalGroup::groupDone, this,
            [this] { m_date->setFocus(Qt::OtherFocusReason); });
    connect(m_ok, &QPushButton::clicked, this, &PlannerWindow::OKBtnClick);
    connect(m_stop, &QPushButton::clicked, this, &PlannerWindow::StopBtnClick);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    connect(save, &QPushButton::clicked, this, &PlannerWindow::SaveCsvBtnClick);
    connect(print, &QPushButton::clicked, this, &PlannerWindow::PrintBtnClick);
    connect(m_filter, &QLineEdit::textChanged, m_proxy, &PlannerSortProxy::setTextFilter);
    connect(m_table, &QTableView::doubleClicked, this, &PlannerWindow::RowDoubleClick);
    auto* f9 = new QShortcut(QKeySequence(Qt::Key_F9), this);
    connect(f9, &QShortcut::activated, this, &PlannerWindow::OKBtnClick);

    const PredictionInputs& previous = m_input.previous;
    if (m_input.settings.DefaultDefined || !previous.terminalA.Prefix.empty())
        m_terminal->setTerminal(previous.terminalA);
    SetDayAndIndexTexts({m_date, m_solar, m_kIndex}, previous.date, m_input.dates,
                        previous.solarIndexText, previous.kIndexText);
    TrackFocusHints(this, m_statusLine);
    if (const QScreen* screen = this->screen()) {
        const QRect area = screen->availableGeometry();
        resize(area.width() * 9 / 10, area.height() * 17 / 20);
    }
    CentreOnScreen(this, 0.5);
    m_terminal->prefixEdit()->setFocus();
}

PlannerWindow::~PlannerWindow() {
    stopAndWait();
}

void PlannerWindow::setSolarDataSource(const SolarDataSource& source) {
    m_solarData->setSource(source);
    m_solarData->fillIfChosen();
}

void PlannerWindow::setAtlasPicker(const AtlasPicker& picker) {
    m_terminal->setAtlasPicker(picker);
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
    const std::optional<Terminal> station = m_terminal->resolveForOk();
    if (!station)
        return;
    for (ValidatedEdit* field : std::initializer_list<ValidatedEdit*>{m_date, m_solar, m_kIndex}) {
        if (!field->Validate()) {
            field->refocus();
            return;
        }
    }
    PlannerSetup setup;
    setup.inputs.terminalA = *station;
    setup.inputs.date =
        ParseDateText(m_date->text().toStdString(), m_input.dates).value_or(m_input.previous.date);
    setup.inputs.solarIndexText = CutText(m_solar->text().toStdString(), 6);
    setup.inputs.kIndexText = CutText(m_kIndex->text().toStdString(), 2);
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
    if (const std::optional<UserMessage> problem = CheckPlannerSetup(setup)) {
        ShowUserMessage(this, *problem);
        m_terminal->prefixEdit()->refocus();
        return;
    }
    m_setup = setup;
    m_skipped.clear();

    const double utcNow = m_input.clock.utcNow;
    const int utcSlot = SlotOfUtcHours((utcNow - std::floor(utcNow)) * 24.0);
    const double offset = m_input.zone.utc ? 0.0 : m_input.zone.UtcOffset;
    m_strips->setNowHalfHour(DisplayedHalfHour(utcNow, offset));
    m_model->reset(FrequencyTexts(setup.settings), m_input.zone, utcSlot);
    // The place columns fit their texts; the strips share the rest of the width.
    const QFontMetrics metrics = m_table->fontMetrics();
    const char* const widest[] = {"WWWWWWW", "Mmmmmmmmmmmmmmmmm", "200000", "Bearing00",
                                  "Short0",  "29.6 (0.99)"};
    for (int column = 0; column < kPlannerBandColumn; ++column)
        m_table->setColumnWidth(column,
                                metrics.horizontalAdvance(QString::fromLatin1(widest[column])) +
                                    Scaled(this, 14));
    for (int n = 0; n < setup.settings.FrequencyCount; ++n)
        m_table->horizontalHeader()->setSectionResizeMode(kPlannerBandColumn + n,
                                                          QHeaderView::Stretch);

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

void PlannerWindow::addChunk(std::vector<PlannerRow> rows, std::vector<PlannerSkip> skipped,
                             int placesDone) {
    m_model->appendRows(std::move(rows));
    for (PlannerSkip& skip : skipped)
        m_skipped.push_back(std::move(skip));
    m_progress->setValue(placesDone);
}

void PlannerWindow::finishComputation() {
    setComputing(false);
    QString text = QStringLiteral("%1 rows; strips 0000 to 2400 %2, the red line is now")
                       .arg(m_model->rowCount())
                       .arg(Q(m_input.zone.TimeZoneLabel));
    if (m_cancel)
        text += QStringLiteral(" (cancelled)");
    if (!m_skipped.empty()) {
        text += QStringLiteral("; no path to");
        for (const PlannerSkip& skip : m_skipped)
            text += QStringLiteral(" ") + Q(skip.place.Prefix);
    }
    m_summary->setText(text);
    emit computationDone();
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
    const QString path =
        QFileDialog::getSaveFileName(this, QStringLiteral("Save as CSV"), QString(),
                                     QStringLiteral("CSV file (*.csv);;Any file (*)"));
    if (path.isEmpty())
        return;
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
    PlannerResult shown;
    shown.rows = m_proxy->shownRows();
    const Terminal& a = m_setup.inputs.terminalA;
    const std::string title = "Hopscope Planner from " + (a.Name.empty() ? a.Prefix : a.Name) +
                              " for " + FormatDateText(true, m_setup.inputs.date, m_input.dates);
    QTextDocument document;
    QFont font(QStringLiteral("Courier New"), 8);
    font.setStyleHint(QFont::Monospace);
    document.setDefaultFont(font);
    document.setPlainText(Q(PlannerText(shown, title, m_setup.inputs.zone)));
    document.print(&printer);
}

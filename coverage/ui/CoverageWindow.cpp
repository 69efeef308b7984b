#include "coverage/ui/CoverageWindow.h"

#include "core/Numeric.h"
#include "core/Syntax.h"
#include "coverage/CoverageJob.h"
#include "coverage/CoverageTexts.h"
#include "maps/ui/AutoUpdateClock.h"
#include "maps/ui/MapPictureFile.h"
#include "maps/ui/WorldMapPainter.h"
#include "widgets/EngineBox.h"
#include "widgets/HelpContext.h"
#include "widgets/MessageBoxes.h"
#include "widgets/NewDateDialog.h"
#include "widgets/NewTimeDialog.h"
#include "widgets/QtText.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSlider>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace {

// The help page F1 opens here.
constexpr int kCoverageDisplayHelpContext = 86;

constexpr int kPlayStepMs = 250;

QString Lines(const std::vector<std::string>& lines) {
    QStringList texts;
    for (const std::string& line : lines)
        texts << QString::fromStdString(line);
    return texts.join(QLatin1Char('\n'));
}

} // namespace

CoverageWindow::CoverageWindow(CoverageDisplayInput input, QWidget* parent)
    : QDialog(parent), m_input(std::move(input)) {
    setObjectName(QStringLiteral("TCoverageDisplayForm"));
    setWindowTitle(QStringLiteral("Hopscope Coverage Map"));
    SetHelpContext(this, kCoverageDisplayHelpContext);
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    resize(1100, 700);

    const std::optional<CoverageBand> band =
        CoverageBandOf(m_input.settings, m_input.request.freqText);
    m_request.station = m_input.request.map.station;
    m_request.solarIndexText = m_input.request.map.solarIndexText;
    m_request.kIndexText = m_input.request.map.kIndexText;
    m_request.zone = m_input.zone;
    m_request.band = band.value_or(CoverageBand{});
    m_request.cellDeg = m_input.cellDeg;
    m_date = m_input.request.map.date;
    const double hours = MapTimeHours(m_input.request.map.timeText).value_or(0.0);
    m_halfHour = UtcHalfHourOf(hours, m_input.zone.UtcOffset);

    m_title = new QLabel(this);
    m_title->setObjectName(QStringLiteral("TitleLbl"));
    m_title->setWordWrap(true); // a long title takes two lines rather than widening the window
    m_mapImage = new QLabel(this);
    m_mapImage->setObjectName(QStringLiteral("MapImage"));
    m_mapImage->setAlignment(Qt::AlignCenter);
    m_mapImage->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    m_mapImage->setMinimumSize(200, 120);
    m_mapImage->installEventFilter(this);
    m_mapImage->setStyleSheet(QStringLiteral("background: black; color: white"));
    m_legend = new QLabel(this);
    m_legend->setObjectName(QStringLiteral("LegendLbl"));
    m_readout = new QLabel(QStringLiteral("Click a cell of the map to read its values"), this);
    m_readout->setObjectName(QStringLiteral("ReadoutLbl"));
    m_readout->setWordWrap(true);
    m_readout->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    m_kind = new QComboBox(this);
    m_kind->setObjectName(QStringLiteral("KindComboBox"));
    m_kind->addItems({QStringLiteral("Rectangular"), QStringLiteral("Great Circle")});
    m_showBox = new QComboBox(this);
    m_showBox->setObjectName(QStringLiteral("ShowComboBox"));
    m_showBox->addItems({QStringLiteral("MUF probability"), QStringLiteral("S/N")});
    m_engineBox = MakeEngineBox(
        this,
        QStringLiteral(
            "Classic: the chance the ionosphere supports the frequency (MUF probability); "
            "P.533: the circuit reliability for your station and mode"),
        m_input.p533.choice.data != nullptr, Q(m_input.p533.problem));
    m_stepLbl = new QLabel(this);
    m_stepLbl->setObjectName(QStringLiteral("DayStepLbl"));
    m_stepLbl->setWordWrap(true);
    connect(m_kind, &QComboBox::currentIndexChanged, this,
            [this](int i) { setGreatCircle(i == 1); });
    connect(m_showBox, &QComboBox::currentIndexChanged, this,
            [this](int i) { setShow(i == 1 ? CoverageShow::Snr : CoverageShow::Reliability); });
    connect(m_engineBox, &QComboBox::currentIndexChanged, this, [this](int i) {
        setEngine(i == 1 ? PredictionEngine::P533 : PredictionEngine::Classic);
    });
    m_slider = new QSlider(Qt::Horizontal, this);
    m_slider->setObjectName(QStringLiteral("TimeSlider"));
    m_slider->setRange(0, kHalfHours - 1);
    m_slider->setPageStep(2);
    connect(m_slider, &QSlider::valueChanged, this, &CoverageWindow::setHalfHour);
    m_timeLbl = new QLabel(this);
    m_timeLbl->setObjectName(QStringLiteral("TimeLbl"));
    m_autoUpdatingLbl = new QLabel(QStringLiteral("AUTO UPDATING"), this);
    m_autoUpdatingLbl->setObjectName(QStringLiteral("AutoUpdatingLbl"));
    m_autoUpdatingLbl->hide();

    auto button = [this](const char* name, const char* text, void (CoverageWindow::*slot)()) {
        auto* b = new QPushButton(QString::fromUtf8(text), this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, slot);
        return b;
    };
    m_play = button("PlayBtn", "P&lay", &CoverageWindow::PlayBtnClick);
    QPushButton* now = button("NowBtn", "&Now", &CoverageWindow::NowBtnClick);
    QPushButton* newDate = button("NewDateBtn", "New &Date...", &CoverageWindow::NewDateBtnClick);
    QPushButton* newTime = button("NewTimeBtn", "New &Time...", &CoverageWindow::NewTimeBtnClick);
    m_autoUpdate = button("AutoUpdateBtn", "&Auto Update", &CoverageWindow::AutoUpdateBtnClick);
    QPushButton* save =
        button("SavePictureBtn", "&Save Picture...", &CoverageWindow::SavePictureBtnClick);
    QPushButton* print = button("PrintBtn", "P&rint...", &CoverageWindow::PrintBtnClick);
    auto* close = new QPushButton(QStringLiteral("&Close"), this);
    close->setObjectName(QStringLiteral("CloseBtn"));
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto* sidePanel = new QWidget(this);
    sidePanel->setFixedWidth(
        fontMetrics().horizontalAdvance(QStringLiteral("Cell 00.00 N  000.00 W")) + 24);
    auto* side = new QVBoxLayout(sidePanel);
    side->setContentsMargins(0, 0, 0, 0);
    side->addWidget(new QLabel(QStringLiteral("Engine"), this));
    side->addWidget(m_engineBox);
    side->addWidget(m_stepLbl);
    side->addWidget(new QLabel(QStringLiteral("Projection"), this));
    side->addWidget(m_kind);
    side->addWidget(new QLabel(QStringLiteral("Colour by"), this));
    side->addWidget(m_showBox);
    side->addWidget(m_legend);
    side->addWidget(m_readout, 1);
    side->addWidget(m_autoUpdatingLbl);
    // The buttons in two rows under the map, so that the legend keeps its whole height
    // in a small window.
    auto* buttons = new QGridLayout;
    QWidget* const order[] = {now, newDate, newTime, m_autoUpdate, save, print, close};
    for (int i = 0; i < 7; ++i)
        buttons->addWidget(order[i], i / 4, i % 4);
    auto* timeRow = new QHBoxLayout;
    timeRow->addWidget(m_play);
    timeRow->addWidget(m_slider, 1);
    timeRow->addWidget(m_timeLbl);
    auto* mapColumn = new QVBoxLayout;
    mapColumn->addWidget(m_title);
    mapColumn->addWidget(m_mapImage, 1);
    mapColumn->addLayout(timeRow);
    mapColumn->addLayout(buttons);
    auto* body = new QHBoxLayout;
    body->addLayout(mapColumn, 1);
    body->addWidget(sidePanel);
    m_statusBar = new QStatusBar(this);
    m_statusBar->setObjectName(QStringLiteral("StatusBar"));
    m_statusBar->setSizeGripEnabled(false);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    layout->addWidget(m_statusBar);

    m_autoClock = new AutoUpdateClock(this, MapUpdateIntervalMs(m_input.settings), m_autoUpdate,
                                      m_autoUpdatingLbl);
    connect(m_autoClock, &AutoUpdateClock::tick, this, &CoverageWindow::Timer1Timer);
    m_playTimer = new QTimer(this);
    m_playTimer->setInterval(kPlayStepMs);
    connect(m_playTimer, &QTimer::timeout, this, &CoverageWindow::playStep);

    m_slider->setValue(m_halfHour);
    const bool p533 =
        m_input.startEngine == PredictionEngine::P533 && m_input.p533.choice.data != nullptr;
    if (!band) {
        setEngine(PredictionEngine::Classic);
        m_statusBar->showMessage(QStringLiteral("Not a frequency: ") + Q(m_input.request.freqText));
    } else {
        if (p533)
            m_engineBox->setCurrentIndex(1); // computes
        else
            setEngine(PredictionEngine::Classic);
    }
}

void CoverageWindow::setEngine(PredictionEngine engine) {
    const bool p533 = engine == PredictionEngine::P533 && m_input.p533.choice.data;
    m_request.engine = p533 ? m_input.p533.choice : EngineChoice{};
    m_engineBox->blockSignals(true);
    m_engineBox->setCurrentIndex(p533 ? 1 : 0);
    m_engineBox->blockSignals(false);
    m_showBox->setItemText(0, p533 ? QStringLiteral("Circuit reliability")
                                   : QStringLiteral("MUF probability"));
    m_stepLbl->setText(p533 ? QStringLiteral("P.533: the day in steps of an hour")
                            : QStringLiteral("Classic: the day in steps of half an hour"));
    m_slider->setSingleStep(dayStep());
    m_slider->setPageStep(2 * dayStep());
    m_halfHour -= m_halfHour % dayStep();
    m_slider->blockSignals(true);
    m_slider->setValue(m_halfHour);
    m_slider->blockSignals(false);
    if (p533 && !m_input.p533.problem.empty())
        m_statusBar->showMessage(Q(m_input.p533.problem));
    drawLegend();
    if (m_request.band.freqMHz > 0.0f)
        startComputing();
}

int CoverageWindow::dayStep() const {
    return m_request.engine.IsP533() ? 2 : 1;
}

CoverageShow CoverageWindow::cellShow() const {
    return m_show == CoverageShow::Reliability && m_request.engine.IsP533()
               ? CoverageShow::CircuitReliability
               : m_show;
}

CoverageWindow::~CoverageWindow() {
    m_job.reset(); // cancels the computation and waits for its thread
}

bool CoverageWindow::playing() const {
    return m_playWanted;
}

const CoverageMap* CoverageWindow::shownMap() const {
    if (m_day)
        return m_day.get();
    if (m_first && m_first->ok && m_first->halfHours.front() == m_halfHour)
        return m_first.get();
    return nullptr;
}

int CoverageWindow::shownIndex() const {
    if (m_day) {
        // The last computed half hour at or before the one shown.
        const std::vector<int>& computed = m_day->halfHours;
        const auto after = std::upper_bound(computed.begin(), computed.end(), m_halfHour);
        return after == computed.begin() ? 0 : static_cast<int>(after - computed.begin()) - 1;
    }
    return shownMap() ? 0 : -1;
}

QString CoverageWindow::readoutText() const {
    return m_readoutCell >= 0 ? m_readout->text() : QString();
}

void CoverageWindow::startComputing() {
    m_day.reset();
    m_first.reset();
    m_request.date = m_date;
    const int generation = ++m_generation;
    m_statusBar->showMessage(QStringLiteral("Computing the coverage for the day..."));
    m_job.reset();
    m_job = std::make_unique<CoverageDayJob>(
        m_request, m_halfHour,
        [this, generation](std::shared_ptr<const CoverageMap> map, bool wholeDay) {
            QMetaObject::invokeMethod(
                this, [this, map, wholeDay, generation] { takeMap(map, wholeDay, generation); },
                Qt::QueuedConnection);
        });
    drawFrame();
}

void CoverageWindow::takeMap(std::shared_ptr<const CoverageMap> map, bool wholeDay,
                             int generation) {
    if (generation != m_generation)
        return;
    if (!map->ok) {
        m_statusBar->showMessage(Q(OneLineText(map->message)));
        return;
    }
    (wholeDay ? m_day : m_first) = std::move(map);
    m_title->setText(Q(CoverageTitle(*(m_day ? m_day : m_first))) + QStringLiteral("   ") +
                     Q(FormatDateText(true, m_date, m_input.dates)));
    if (wholeDay) {
        m_statusBar->showMessage(QStringLiteral("Click a cell of the map to read its values"));
        if (m_playWanted)
            m_playTimer->start();
    }
    drawFrame();
}

void CoverageWindow::waitForDay() {
    if (m_job)
        m_job->Wait();
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}

CoverageFrame CoverageWindow::coverageFrame() const {
    CoverageFrame frame;
    frame.map = shownMap();
    frame.slotIndex = shownIndex();
    frame.show = cellShow();
    frame.greatCircle = m_greatCircle;
    frame.centre = m_input.centre;
    frame.utDate = m_date;
    frame.timeLabel = Q(TimeLabelText(FormatHHMM(m_halfHour / 48.0 - m_input.zone.UtcOffset),
                                      m_input.zone.TimeZoneLabel));
    frame.font = font();
    frame.surround = palette().color(QPalette::Window);
    return frame;
}

void CoverageWindow::drawFrame() {
    m_timeLbl->setText(Q(FormatHHMM(m_halfHour / 48.0 - m_input.zone.UtcOffset) + " " +
                         m_input.zone.TimeZoneLabel));
    const CoverageFrame frame = coverageFrame();
    if (!frame.map) {
        m_frame = QImage();
        m_mapImage->setPixmap(QPixmap());
        m_mapImage->setText(QStringLiteral("Computing..."));
        return;
    }
    // Drawn at the label's own size and the screen's pixel density: sharp at any size.
    const WorldMapScene scene = CoverageScene(frame);
    m_mapFrame = SceneFrame(scene, m_mapImage->width(), m_mapImage->height());
    m_frame = RenderWorldMap(m_mapImage->width(), m_mapImage->height(), devicePixelRatioF(), scene);
    m_mapImage->setPixmap(QPixmap::fromImage(m_frame));
    if (m_readoutCell >= 0)
        m_readout->setText(Lines(CoverageReadout(*frame.map, m_readoutCell, frame.slotIndex)));
}

void CoverageWindow::drawLegend() {
    const QSizeF size = CoverageLegendSize(cellShow(), font());
    QPixmap pixmap(size.toSize());
    pixmap.fill(palette().color(QPalette::Window));
    QPainter painter(&pixmap);
    PaintCoverageLegend(painter, QPointF(0, 0), cellShow(), font());
    painter.end();
    m_legend->setPixmap(pixmap);
    // Fixed, not only a minimum: a readout of many lines under it must never take rows
    // off the legend's top (a squeezed label centres its picture and cuts both ends).
    m_legend->setFixedSize(size.toSize());
    m_legend->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void CoverageWindow::setHalfHour(int halfHour) {
    m_halfHour = std::clamp(halfHour, 0, kHalfHours - 1);
    m_halfHour -= m_halfHour % dayStep();
    if (m_slider->value() != m_halfHour)
        m_slider->setValue(m_halfHour); // comes back here once, with the same value
    drawFrame();
}

void CoverageWindow::setGreatCircle(bool greatCircle) {
    m_greatCircle = greatCircle;
    if (m_kind->currentIndex() != (greatCircle ? 1 : 0))
        m_kind->setCurrentIndex(greatCircle ? 1 : 0);
    drawFrame();
}

void CoverageWindow::setShow(CoverageShow show) {
    m_show = show;
    if (m_showBox->currentIndex() != static_cast<int>(show))
        m_showBox->setCurrentIndex(static_cast<int>(show));
    drawLegend();
    drawFrame();
}

void CoverageWindow::mapClicked(QPoint at) {
    const CoverageMap* map = shownMap();
    if (!map || m_frame.isNull())
        return;
    m_readoutCell = CoverageCellAtPixel(m_mapFrame, map->grid, at.x() + 0.5, at.y() + 0.5);
    if (m_readoutCell < 0) {
        m_readout->setText(QStringLiteral("Click a cell of the map to read its values"));
        return;
    }
    m_readout->setText(Lines(CoverageReadout(*map, m_readoutCell, shownIndex())));
}

bool CoverageWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_mapImage) {
        if (event->type() == QEvent::Resize)
            drawFrame();
        else if (event->type() == QEvent::MouseButtonRelease)
            mapClicked(static_cast<QMouseEvent*>(event)->position().toPoint());
    }
    return QDialog::eventFilter(watched, event);
}

void CoverageWindow::closeEvent(QCloseEvent* event) {
    stopPlay();
    m_autoClock->stop();
    QDialog::closeEvent(event);
}

void CoverageWindow::setNow() {
    const ClockReading clock = m_input.clock ? m_input.clock() : ReadSystemClock();
    const MapClock now = MapNow(clock, m_input.settings, m_input.zone);
    m_halfHour = UtcHalfHourOf(MapTimeHours(now.timeText).value_or(0.0), m_input.zone.UtcOffset);
    m_halfHour -= m_halfHour % dayStep();
    m_slider->blockSignals(true);
    m_slider->setValue(m_halfHour);
    m_slider->blockSignals(false);
    if (now.date != m_date) {
        m_date = now.date;
        startComputing();
    } else {
        drawFrame();
    }
}

bool CoverageWindow::autoUpdating() const {
    return m_autoClock->active();
}

void CoverageWindow::stopPlay() {
    m_playWanted = false;
    m_playTimer->stop();
    m_play->setText(QStringLiteral("P&lay"));
}

void CoverageWindow::playStep() {
    if (m_day)
        setHalfHour((m_halfHour + dayStep()) % kHalfHours);
}

void CoverageWindow::PlayBtnClick() {
    if (m_playWanted) {
        stopPlay();
        return;
    }
    m_autoClock->stop();
    m_playWanted = true;
    m_play->setText(QStringLiteral("St&op"));
    if (m_day)
        m_playTimer->start();
}

void CoverageWindow::NowBtnClick() {
    stopPlay();
    m_autoClock->stop();
    setNow();
}

void CoverageWindow::Timer1Timer() {
    if (m_autoClock->active())
        setNow();
}

void CoverageWindow::AutoUpdateBtnClick() {
    if (m_autoClock->active()) {
        m_autoClock->stop();
        return;
    }
    stopPlay();
    m_autoClock->start();
    setNow();
}

void CoverageWindow::NewTimeBtnClick() {
    NewTimeDialog form(Q(m_input.zone.TimeZoneLabel), nullptr, this);
    if (!askModally(form))
        return;
    stopPlay();
    m_autoClock->stop();
    const double hours = MapTimeHours(form.timeText().toStdString()).value_or(0.0);
    setHalfHour(UtcHalfHourOf(hours, m_input.zone.UtcOffset));
}

void CoverageWindow::NewDateBtnClick() {
    NewDateDialog form(m_input.dates, nullptr, this);
    if (!askModally(form))
        return;
    stopPlay();
    m_autoClock->stop();
    m_date = ParseDateText(form.dateText().toStdString(), m_input.dates).value_or(m_date);
    startComputing();
}

bool CoverageWindow::askModally(QDialog& form) {
    const bool accepted = form.exec() == QDialog::Accepted;
    activateWindow();
    return accepted;
}

QString CoverageWindow::pictureTitle() const {
    return m_title->text() + QStringLiteral("  ") + m_timeLbl->text();
}

QSizeF CoverageWindow::pictureSize() const {
    return CoveragePictureSize(pictureTitle(), QSizeF(m_mapImage->size()), coverageFrame());
}

void CoverageWindow::paintPicture(QPainter& painter) const {
    PaintCoveragePicture(painter, pictureTitle(), QSizeF(m_mapImage->size()), coverageFrame());
}

QString CoverageWindow::savePicture(const QString& path) const {
    if (m_frame.isNull())
        return SaveMapPicture(path, QImage());
    return SaveMapDrawing(path, pictureSize(), [this](QPainter& p) { paintPicture(p); });
}

void CoverageWindow::SavePictureBtnClick() {
    static QString directory;
    AskAndSaveMapPicture(this, directory,
                         [this](const QString& path) { return savePicture(path); });
}

bool CoverageWindow::printTo(QPrinter& printer) const {
    return !m_frame.isNull() &&
           PrintMapDrawing(
               printer, pictureSize(), [this](QPainter& p) { paintPicture(p); }, windowTitle());
}

void CoverageWindow::PrintBtnClick() {
    QPrinter printer;
    printer.setPageOrientation(QPageLayout::Landscape);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (!printTo(printer))
        ShowError(this, QStringLiteral("The map could not be printed."));
}

#include "freqmap/ui/FreqMapWindow.h"

#include "core/Numeric.h"
#include "core/PathText.h"
#include "freqmap/FreqMapRender.h"
#include "freqmap/FreqMapSheet.h"
#include "freqmap/FreqMapTexts.h"
#include "freqmap/ui/FreqMapPainter.h"
#include "maps/ui/AutoUpdateClock.h"
#include "maps/ui/MapPictureFile.h"
#include "maps/ui/WorldMapPainter.h"
#include "widgets/HelpContext.h"
#include "widgets/NewDateDialog.h"
#include "widgets/NewTimeDialog.h"
#include "widgets/QtText.h"
#include "widgets/StatusLine.h"
#include "widgets/WindowScale.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <algorithm>

namespace {

// The white margin around a saved picture's parts, pixels.
constexpr int kSheetMargin = 6;

// The help page F1 opens here.
constexpr int kFreqMapDisplayHelpContext = 84;

constexpr int kHintPauseMs = 1250;

int Round(double x) {
    return static_cast<int>(RoundHalfEven(x));
}

QRect ToQRect(PixelRect r) {
    return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

} // namespace

FreqMapWindow::FreqMapWindow(FreqMapDisplayInput input, QWidget* parent)
    : QDialog(parent), m_input(std::move(input)) {
    setObjectName(QStringLiteral("TFreqMapDisplayForm"));
    setWindowTitle(QStringLiteral("Hopscope Frequency Map"));
    SetHelpContext(this, kFreqMapDisplayHelpContext);
    ScaleWindow(this);
    m_time = {m_input.request.date, m_input.request.timeText};

    auto label = [this](const QString& name, const QString& text = QString()) {
        auto* l = new QLabel(text, this);
        l->setObjectName(name);
        return l;
    };
    m_mapImage = label(QStringLiteral("MapImage"));
    m_mapImage->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_mapImage->setMouseTracking(true);
    m_topText = label(QStringLiteral("TopTextImage"));
    m_info = label(QStringLiteral("InfoImage"));
    m_clickBoxLbl = label(QStringLiteral("ClickBoxLbl"),
                          QStringLiteral("Click a box above to map only its frequency"));
    m_clickBoxLbl->setAlignment(Qt::AlignCenter);
    m_autoUpdatingLbl = label(QStringLiteral("AutoUpdatingLbl"), QStringLiteral("AUTO UPDATING"));
    m_autoUpdatingLbl->hide();
    for (QLabel* l : {m_mapImage, m_info})
        l->installEventFilter(this);

    auto button = [this](const QString& name, const QString& text) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(name);
        b->setAutoDefault(false);
        b->installEventFilter(this);
        return b;
    };
    m_showAll = button(QStringLiteral("ShowAllBtn"), QStringLiteral("&Restore All Frequencies"));
    m_showAll->hide();
    m_now = button(QStringLiteral("NowBtn"), QStringLiteral("&Now"));
    m_newDate = button(QStringLiteral("NewDateBtn"), QStringLiteral("New &Date..."));
    m_newTime = button(QStringLiteral("NewTimeBtn"), QStringLiteral("New &Time..."));
    m_autoUpdate = button(QStringLiteral("AutoUpdateBtn"), QStringLiteral("&Auto Update"));
    m_close = button(QStringLiteral("CloseBtn"), QStringLiteral("&Close"));
    m_savePicture = button(QStringLiteral("SavePictureBtn"), QStringLiteral("&Save Picture..."));
    m_savePicture->setStatusTip(QStringLiteral("Save the map as a PNG, SVG or PDF picture"));
    connect(m_savePicture, &QPushButton::clicked, this, &FreqMapWindow::SavePictureBtnClick);
    connect(m_showAll, &QPushButton::clicked, this, &FreqMapWindow::ShowAllBtnClick);
    connect(m_now, &QPushButton::clicked, this, &FreqMapWindow::NowBtnClick);
    connect(m_newDate, &QPushButton::clicked, this, &FreqMapWindow::NewDateBtnClick);
    connect(m_newTime, &QPushButton::clicked, this, &FreqMapWindow::NewTimeBtnClick);
    connect(m_autoUpdate, &QPushButton::clicked, this, &FreqMapWindow::AutoUpdateBtnClick);
    connect(m_close, &QPushButton::clicked, this, &QDialog::close);

    m_statusBar = new QStatusBar(this);
    m_statusBar->setObjectName(QStringLiteral("StatusBar"));
    m_statusBar->setSizeGripEnabled(false);
    m_panel0 = new QLabel(m_statusBar);
    m_panel1 = new QLabel(QString::fromLatin1(kPressF1ForHelp), m_statusBar);
    m_statusBar->addWidget(m_panel0, 5);
    m_statusBar->addWidget(m_panel1, 1);
    m_statusBar->installEventFilter(this);

    m_readout = label(QStringLiteral("ReadoutHint"));
    m_readout->setStyleSheet(QStringLiteral(
        "QLabel { background: #ffffe1; color: black; border: 1px solid black; padding: 3px }"));
    m_readout->hide();
    m_readout->setAttribute(Qt::WA_TransparentForMouseEvents);
    setMouseTracking(true);
    m_readoutTimer = new QTimer(this);
    m_readoutTimer->setSingleShot(true);
    m_readoutTimer->setInterval(kHintPauseMs);
    connect(m_readoutTimer, &QTimer::timeout, this, &FreqMapWindow::hideReadout);

    m_autoClock = new AutoUpdateClock(this, MapUpdateIntervalMs(m_input.settings), m_autoUpdate,
                                      m_autoUpdatingLbl);
    connect(m_autoClock, &AutoUpdateClock::tick, this, &FreqMapWindow::Timer1Timer);

    // The display fills the desktop's work area.
    if (QScreen* desktop = screen())
        setGeometry(desktop->availableGeometry());
}

FreqMapWindow::~FreqMapWindow() = default;

QString FreqMapWindow::statusText(int panel) const {
    return panel == 0 ? m_panel0->text() : m_panel1->text();
}

void FreqMapWindow::setStatus(const QString& panel0, const QString& panel1) {
    m_panel0->setText(panel0);
    m_panel1->setText(panel1);
}

QFont FreqMapWindow::panelFont(const QString& family, int rule) const {
    const int dpi = std::max(logicalDpiY(), 1);
    const int points =
        std::max(static_cast<int>(ScreenSize(this).height() * rule / (dpi * 6.4)), 6);
    QFont font(family, points, QFont::Bold);
    font.setStyleHint(family == QLatin1String("Courier New") ? QFont::TypeWriter
                                                             : QFont::SansSerif);
    return font;
}

void FreqMapWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!m_laidOut) {
        layOutAndDraw();
        QCursor::setPos(mapToGlobal(
            QPoint(Round(0.9 * m_info->width()), Round(0.6 * ScreenSize(this).height()))));
    }
}

void FreqMapWindow::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    if (m_laidOut && !m_busy)
        layOutAndDraw(); // the map is drawn again at the new size
}

void FreqMapWindow::layOutAndDraw() {
    m_laidOut = true;
    const QSize screenSize = ScreenSize(this);
    const int barHeight = m_statusBar->sizeHint().height();
    m_statusBar->setGeometry(0, height() - barHeight, width(), barHeight);
    m_geometry = ComputeFreqMapDisplayGeometry(
        {screenSize.width(), screenSize.height(), width(), height(), barHeight});
    const FreqMapDisplayGeometry& g = m_geometry;
    m_mapImage->setGeometry(ToQRect(g.map));
    m_topText->setGeometry(g.map.left, 0, g.map.right - g.map.left, g.map.top);
    const int buttonRow = g.RowY(23.3);
    m_info->setGeometry(0, 0, g.map.left, buttonRow);
    m_autoUpdatingLbl->adjustSize();
    m_autoUpdatingLbl->move(width() - m_autoUpdatingLbl->width() - 4, 2);

    const QFontMetrics metrics(m_showAll->font());
    const int buttonHeight = m_now->sizeHint().height();
    m_showAll->setFixedWidth(metrics.horizontalAdvance(m_showAll->text().remove('&') + "XX"));
    m_showAll->move((g.map.left - m_showAll->width()) / 2, buttonRow);
    m_showAll->setFixedHeight(buttonHeight);
    m_clickBoxLbl->setGeometry(0, buttonRow, g.map.left, buttonHeight);
    const int w = std::max(
        {m_now->sizeHint().width(), m_newDate->sizeHint().width(), m_newTime->sizeHint().width()});
    const int c = std::max((g.map.left - 3 * w) / 6, 2);
    const int row2 = buttonRow + Round(1.5 * buttonHeight);
    int x = (g.map.left - 3 * w - 2 * c) / 2;
    for (QPushButton* b : {m_now, m_newDate, m_newTime}) {
        b->setGeometry(x, row2, w, buttonHeight);
        x += w + c;
    }
    const int autoWidth = metrics.horizontalAdvance(QStringLiteral("Cancel Auto UpdateXX"));
    const int row3 = row2 + Round(1.5 * buttonHeight);
    const int left = (g.map.left - autoWidth - c - w) / 2;
    m_autoUpdate->setGeometry(left, row3, autoWidth, buttonHeight);
    m_close->setGeometry(left + autoWidth + c, row3, w, buttonHeight);
    const int saveWidth = m_savePicture->sizeHint().width();
    m_savePicture->setGeometry((g.map.left - saveWidth) / 2, row3 + Round(1.5 * buttonHeight),
                               saveWidth, buttonHeight);
    redraw(true, true, true);
}

void FreqMapWindow::redraw(bool info, bool top, bool map) {
    m_busy = true;
    setStatus(QString(), QStringLiteral("Preparing map"));
    QApplication::setOverrideCursor(Qt::WaitCursor);
    // The cursor and the busy flag come back also when drawing fails.
    struct Guard {
        bool& busy;
        ~Guard() {
            QApplication::restoreOverrideCursor();
            busy = false;
        }
    } guard{m_busy};
    m_computed = ComputeFreqMap(m_input.request, m_time, m_input.settings, m_input.zone,
                                m_mapImage->width(), m_mapImage->height(), m_input.centreLonDeg);
    if (info)
        drawInfo();
    if (top)
        drawTop();
    if (map)
        drawMap();
    // Frequencies the map has no room for are named until the user moves on.
    const std::string leftOut = FreqMapLeftOutNote(m_computed.freqSlots);
    setStatus(leftOut.empty() ? QString::fromLatin1(kFreqMapClickHint) : Q(leftOut),
              QString::fromLatin1(kPressF1ForHelp));
}

void FreqMapWindow::drawTop() {
    QPixmap pixmap(m_topText->size());
    pixmap.fill(palette().color(QPalette::Window));
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    const std::array<std::string, 2> rows = FreqMapTopText(m_computed.freqSlots);
    // The rows are centred over the map; a smaller font keeps the longer one whole
    // where the font found is wider than the map.
    QFont font = panelFont(QStringLiteral("Arial"), 12);
    const int room = pixmap.width() - 2 * Scaled(this, 4);
    while (font.pointSize() > 6 &&
           std::max(QFontMetrics(font).horizontalAdvance(Q(rows[0])),
                    QFontMetrics(font).horizontalAdvance(Q(rows[1]))) > room)
        font.setPointSize(font.pointSize() - 1);
    painter.setFont(font);
    for (int r = 0; r < 2; ++r) {
        const QString text = Q(rows[r]);
        const int x = (pixmap.width() - painter.fontMetrics().horizontalAdvance(text)) / 2;
        painter.drawText(x, m_geometry.RowY(r) + painter.fontMetrics().ascent(), text);
    }
    m_topText->setPixmap(pixmap);
}

void FreqMapWindow::drawInfo() {
    QPixmap pixmap(m_info->size());
    pixmap.fill(palette().color(QPalette::Window));
    QPainter painter(&pixmap);
    const int a = m_geometry.lineUnit / 2;
    const int b = pixmap.width() - m_geometry.lineUnit / 2;
    const PanelMargins margins = FreqMapPanelMargins(a, b);
    painter.setPen(Qt::black);
    painter.setFont(panelFont(QStringLiteral("Courier New"), 12));
    const QFontMetrics rowMetrics = painter.fontMetrics();
    const Terminal& a_ = m_input.request.station;
    for (const InfoRow& row : FreqMapInfoRows(a_, m_time.date, m_computed.ssn, m_computed.flux,
                                              m_input.request.kIndexText, m_computed.shownSun,
                                              m_input.zone, m_input.dates)) {
        const int y = m_geometry.RowY(row.row) + rowMetrics.ascent();
        painter.drawText(margins.left, y, Q(row.label));
        const QString value = Q(row.value).trimmed();
        painter.drawText(margins.right - rowMetrics.horizontalAdvance(value), y, value);
    }
    painter.setFont(panelFont(QStringLiteral("Arial"), 12));
    const QString title = Q(FreqMapLegendTitle(m_computed.freqSlots));
    painter.drawText((a + b - painter.fontMetrics().horizontalAdvance(title)) / 2,
                     m_geometry.RowY(11.75) + painter.fontMetrics().ascent(), title);
    painter.setFont(panelFont(QStringLiteral("Arial"), 10));
    const int classCount = m_computed.freqSlots.classCount();
    m_boxes = FreqMapLegendBoxes(m_geometry, a, b, classCount, m_selectedClass != 0);
    for (const LegendBox& box : m_boxes) {
        const QRect r = ToQRect(box.box);
        painter.drawImage(
            r.topLeft(),
            FreqMapPatternImage(FreqMapPatternOf(m_computed.freqSlots, box.klass), r.width()));
        painter.drawRect(r.adjusted(0, 0, -1, -1));
        const QString text = Q(FreqMapLegendLabel(m_computed.freqSlots, box.klass));
        painter.drawText(box.labelCentreX - painter.fontMetrics().horizontalAdvance(text) / 2,
                         box.labelTop + painter.fontMetrics().ascent(), text);
    }
    m_info->setPixmap(pixmap);
}

FreqMapPicture FreqMapWindow::mapPicture() const {
    FreqMapPicture picture;
    picture.cells = &m_computed.cells;
    picture.classes = &m_computed.classes;
    picture.freqSlots = &m_computed.freqSlots;
    picture.selectedClass = m_selectedClass;
    picture.station = {m_input.request.station.LatitudeDeg, m_input.request.station.LongitudeDeg};
    picture.centreLonDeg = m_input.centreLonDeg;
    picture.sun = m_computed.subsolar;
    picture.timeText = m_time.timeText;
    picture.zoneLabel = m_input.zone.TimeZoneLabel;
    picture.markerArm = std::max(Round(this->width() * 0.007), 2);
    return picture;
}

void FreqMapWindow::drawMap() {
    // At the label's own size and the screen's pixel density; time in the window's font.
    const double dpr = devicePixelRatioF();
    QImage image(QSize(m_mapImage->width(), m_mapImage->height()) * dpr, QImage::Format_RGB32);
    image.setDevicePixelRatio(dpr);
    PaintFreqMapPicture(image, mapPicture(), font());
    m_drawnMap = image;
    m_mapImage->setPixmap(QPixmap::fromImage(m_drawnMap));
}

std::vector<std::string> FreqMapWindow::pictureTitle() const {
    FreqMapSheetFacts facts;
    facts.station = m_input.request.station;
    facts.dateText = FormatDateText(true, m_time.date, m_input.dates);
    facts.utcText = m_time.timeText;
    facts.zoneLabel = m_input.zone.TimeZoneLabel;
    facts.solarIndexText = m_input.request.solarIndexText;
    facts.kIndexText = m_input.request.kIndexText;
    return FreqMapSheetTitle(facts, m_computed.freqSlots);
}

QSizeF FreqMapWindow::pictureSize() const {
    const QSizeF infoSize = m_info->pixmap().deviceIndependentSize();
    const QSizeF mapSize = m_drawnMap.deviceIndependentSize();
    const int titleHeight =
        static_cast<int>(pictureTitle().size()) * QFontMetrics(font()).height() + kSheetMargin;
    return QSize(Round(infoSize.width() + mapSize.width()) + 2 * kSheetMargin,
                 titleHeight + Round(std::max(infoSize.height(), mapSize.height())) +
                     2 * kSheetMargin);
}

void FreqMapWindow::paintPicture(QPainter& painter) const {
    const std::vector<std::string> title = pictureTitle();
    const QPixmap info = m_info->pixmap();
    const QFontMetrics metrics(font());
    const int titleHeight = static_cast<int>(title.size()) * metrics.height() + kSheetMargin;
    const QSizeF size = pictureSize();
    // The map first: its cells as an image under its coastlines and marks, which a
    // drawing for SVG or PDF keeps as vectors.
    const QPointF mapAt(kSheetMargin + info.deviceIndependentSize().width(),
                        kSheetMargin + titleHeight);
    const double dpr = m_drawnMap.devicePixelRatio();
    const QSizeF mapSize = m_drawnMap.deviceIndependentSize();
    const FreqMapPicture picture = mapPicture();
    QImage cells(m_drawnMap.size(), QImage::Format_RGB32);
    cells.setDevicePixelRatio(dpr);
    PaintFreqMapCells(cells, picture);
    painter.drawImage(mapAt, cells);
    painter.save();
    painter.translate(mapAt);
    PaintFreqMapOverlay(painter, mapSize.width(), mapSize.height(), dpr, picture, font());
    painter.restore();
    // Then white around it, which hides what SVG (it has no clipping) would show of the
    // coastlines' copies beyond the map's edges, and the title and the legend panel.
    const QRectF map(mapAt, mapSize);
    painter.fillRect(QRectF(0, 0, size.width(), map.top()), Qt::white);
    painter.fillRect(QRectF(0, map.bottom(), size.width(), size.height() - map.bottom()),
                     Qt::white);
    painter.fillRect(QRectF(0, 0, map.left(), size.height()), Qt::white);
    painter.fillRect(QRectF(map.right(), 0, size.width() - map.right(), size.height()), Qt::white);
    painter.setFont(font());
    painter.setPen(Qt::black);
    for (std::size_t i = 0; i < title.size(); ++i)
        painter.drawText(kSheetMargin,
                         kSheetMargin + static_cast<int>(i) * metrics.height() + metrics.ascent(),
                         Q(title[i]));
    painter.drawPixmap(QPointF(kSheetMargin, kSheetMargin + titleHeight), info);
}

QImage FreqMapWindow::picture() const {
    const double dpr = m_drawnMap.devicePixelRatio();
    QImage sheet(pictureSize().toSize() * dpr, QImage::Format_RGB32);
    sheet.setDevicePixelRatio(dpr);
    QPainter painter(&sheet);
    paintPicture(painter);
    return sheet;
}

QString FreqMapWindow::savePicture(const QString& path) const {
    if (m_drawnMap.isNull())
        return SaveMapPicture(path, QImage());
    return SaveMapDrawing(path, pictureSize(), [this](QPainter& p) { paintPicture(p); });
}

void FreqMapWindow::SavePictureBtnClick() {
    static QString directory;
    AskAndSaveMapPicture(this, directory,
                         [this](const QString& path) { return savePicture(path); });
}

void FreqMapWindow::mapClicked(QPoint at) {
    const std::optional<int> n = FindFreqMapCell(m_computed.cells, at.x(), at.y());
    if (!n || static_cast<std::size_t>(*n) >= m_computed.classes.size())
        return;
    const int klass = m_computed.classes[*n];
    if (m_selectedClass != 0 && m_selectedClass != klass)
        return; // not drawn: only the selected class holds valid cells
    // A hint of the window's own (not a tool-tip window, which a desktop without a
    // window manager may close at once), beside the pointer until the pause is over.
    std::optional<double> muf;
    if (static_cast<std::size_t>(*n) < m_computed.mufs.size())
        muf = m_computed.mufs[*n];
    m_readout->setText(Q(FreqMapReadout(m_computed.freqSlots, klass, muf)));
    m_readout->adjustSize();
    QPoint p = m_mapImage->mapTo(this, at) + QPoint(12, 16);
    p.setX(std::min(p.x(), width() - m_readout->width()));
    p.setY(std::min(p.y(), height() - m_readout->height()));
    m_readout->move(p);
    m_readout->show();
    m_readout->raise();
    m_readoutTimer->start();
}

void FreqMapWindow::hideReadout() {
    m_readoutTimer->stop();
    m_readout->hide();
}

QString FreqMapWindow::readoutText() const {
    return m_readout->isVisible() ? m_readout->text() : QString();
}

void FreqMapWindow::selectClass(int klass) {
    m_selectedClass = klass;
    m_showAll->setVisible(klass != 0);
    m_clickBoxLbl->setVisible(klass == 0);
    redraw(true, false, true);
}

void FreqMapWindow::ShowAllBtnClick() {
    if (!m_busy && m_selectedClass != 0)
        selectClass(0);
}

void FreqMapWindow::setNow() {
    const ClockReading clock = m_input.clock ? m_input.clock() : ReadSystemClock();
    m_time = MapNow(clock, m_input.settings, m_input.zone);
}

bool FreqMapWindow::autoUpdating() const {
    return m_autoClock->active();
}

void FreqMapWindow::NowBtnClick() {
    if (m_busy)
        return;
    m_autoClock->stop();
    setNow();
    redraw(true, false, true);
}

void FreqMapWindow::Timer1Timer() {
    if (m_busy || !m_autoClock->active())
        return; // a tick during a redraw is dropped
    setNow();
    redraw(true, false, true);
}

void FreqMapWindow::AutoUpdateBtnClick() {
    if (m_busy)
        return;
    if (m_autoClock->active()) {
        m_autoClock->stop();
        return;
    }
    m_autoClock->start();
    setNow();
    redraw(true, false, true);
}

void FreqMapWindow::NewTimeBtnClick() {
    if (m_busy)
        return;
    setStatus(QStringLiteral("Enter a four-digit time between 0000 and 2359"), m_panel1->text());
    NewTimeDialog form(Q(m_input.zone.TimeZoneLabel), nullptr, this);
    m_autoClock->askPaused([&] { return askModally(form); },
                           [&] {
                               m_time.timeText = form.timeText().toStdString();
                               redraw(true, false, true);
                           },
                           [this] {
                               setNow();
                               redraw(true, false, true);
                           });
}

void FreqMapWindow::NewDateBtnClick() {
    if (m_busy)
        return;
    setStatus(Q(DateHint(m_input.dates)), m_panel1->text());
    NewDateDialog form(m_input.dates, nullptr, this);
    m_autoClock->askPaused(
        [&] { return askModally(form); },
        [&] {
            m_time.date =
                ParseDateText(form.dateText().toStdString(), m_input.dates).value_or(m_time.date);
            redraw(true, false, true);
        },
        [this] {
            setNow();
            redraw(true, false, true);
        });
}

bool FreqMapWindow::askModally(QDialog& form) {
    m_asking = true;
    const bool accepted = form.exec() == QDialog::Accepted;
    m_asking = false;
    // The display takes the keyboard back (without a window manager nobody else does).
    activateWindow();
    return accepted;
}

bool FreqMapWindow::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (auto* button = qobject_cast<QPushButton*>(watched); button && !m_asking) {
        if (type == QEvent::Enter || type == QEvent::FocusIn)
            setStatus(QString::fromLatin1(kFreqMapClickHint), QString::fromLatin1(kPressF1ForHelp));
        else if (type == QEvent::Leave || type == QEvent::FocusOut)
            setStatus(QString(), QString::fromLatin1(kPressF1ForHelp));
        return QDialog::eventFilter(watched, event);
    }
    const bool mouseEvent = type == QEvent::MouseButtonPress ||
                            type == QEvent::MouseButtonRelease || type == QEvent::MouseMove;
    if (m_asking || !mouseEvent)
        return QDialog::eventFilter(watched, event);
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (watched == m_mapImage) {
        if (type == QEvent::MouseButtonPress) {
            hideReadout();
        } else if (type == QEvent::MouseButtonRelease && mouse->button() == Qt::LeftButton) {
            if (!m_busy)
                mapClicked(mouse->position().toPoint());
        } else if (type == QEvent::MouseMove) {
            const QPoint p = (mouse->position() * m_drawnMap.devicePixelRatio()).toPoint();
            if (m_drawnMap.valid(p) && m_drawnMap.pixel(p) == qRgb(255, 0, 0))
                hideReadout();
        }
    } else if (watched == m_info && type == QEvent::MouseButtonRelease &&
               mouse->button() == Qt::LeftButton && !m_busy) {
        const QPoint p = mouse->position().toPoint();
        const int klass =
            FreqMapLegendHit(m_boxes, m_computed.freqSlots.classCount(), p.x(), p.y());
        if (klass != 0)
            selectClass(klass);
    } else if (watched == m_statusBar && type == QEvent::MouseButtonRelease) {
        ShowAllBtnClick();
    }
    return QDialog::eventFilter(watched, event);
}

void FreqMapWindow::mouseMoveEvent(QMouseEvent* event) {
    hideReadout(); // moving over the window, off the map
    QDialog::mouseMoveEvent(event);
}

void FreqMapWindow::keyPressEvent(QKeyEvent* event) {
    hideReadout();
    if (m_busy)
        return; // keys are swallowed while the map is drawn
    QDialog::keyPressEvent(event);
}

void FreqMapWindow::reject() {
    if (!m_busy)
        QDialog::reject();
}

void FreqMapWindow::closeEvent(QCloseEvent* event) {
    if (m_busy) {
        event->ignore();
        return;
    }
    m_autoClock->stop();
    hideReadout();
    QDialog::closeEvent(event);
}

#include "maps/ui/MapDisplayWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QStatusBar>
#include <cmath>

#include "core/Numeric.h"
#include "maps/BaseMapFile.h"
#include "maps/ui/AutoUpdateClock.h"
#include "maps/ui/WorldMapPainter.h"
#include "widgets/HelpContext.h"
#include "widgets/NewDateDialog.h"
#include "widgets/NewTimeDialog.h"
#include "widgets/QtText.h"
#include "widgets/WindowScale.h"

namespace {

// The help page F1 opens here.
constexpr int kMapDisplayHelpContext = 81;

} // namespace

MapDisplayWindow::MapDisplayWindow(MapDisplayInput input, QWidget* parent)
    : QDialog(parent), m_input(std::move(input)), m_clock(&ReadSystemClock) {
    setObjectName(QStringLiteral("TMapsDisplayForm"));
    SetHelpContext(this, kMapDisplayHelpContext);
    m_askDate = [this]() -> std::optional<QString> {
        NewDateDialog form(m_input.dates, this, this);
        if (form.exec() != QDialog::Accepted)
            return std::nullopt;
        return form.dateText();
    };
    m_askTime = [this]() -> std::optional<QString> {
        NewTimeDialog form(Q(m_input.zone.TimeZoneLabel), this, this);
        if (form.exec() != QDialog::Accepted)
            return std::nullopt;
        return form.timeText();
    };
    FormCreate();
}

MapDisplayWindow::~MapDisplayWindow() = default;

void MapDisplayWindow::FormCreate() {
    setWindowTitle(Q(MapCaption(m_input.kind)));
    ScaleWindow(this);
    const auto label = [this](const char* name) {
        auto* l = new QLabel(this);
        l->setObjectName(QLatin1String(name));
        return l;
    };
    m_map = label("MapImage");
    m_top = label("TopInfoImage");
    m_side = label("SideInfoImage");
    m_centeredOn = label("CenteredOnMsgImage");
    m_autoLabel = label("AutoUpdatingLbl");
    m_autoLabel->setText(QStringLiteral("AUTO UPDATING"));
    m_autoLabel->hide();
    const auto button = [this](const char* name, const QString& caption) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        return b;
    };
    m_newDate = button("NewDateBtn", QStringLiteral("New &Date..."));
    m_newTime = button("NewTimeBtn", QStringLiteral("New &Time..."));
    m_now = button("NowBtn", QStringLiteral("&Now"));
    m_autoUpdate = button("AutoUpdateBtn", QStringLiteral("&Auto Update"));
    m_close = button("CloseBtn", QStringLiteral("&Close"));
    m_statusBar = new QStatusBar(this);
    m_statusBar->setObjectName(QStringLiteral("StatusBar"));
    m_statusBar->setSizeGripEnabled(false);
    m_panel0 = new QLabel(this);
    m_panel1 = new QLabel(QString::fromLatin1(kPressF1ForHelp), this);
    m_statusBar->addWidget(m_panel0, 5);
    m_statusBar->addWidget(m_panel1, 1);
    m_autoClock =
        new AutoUpdateClock(this, MapUpdateIntervalMs(m_input.settings), m_autoUpdate, m_autoLabel);

    connect(m_now, &QPushButton::clicked, this, &MapDisplayWindow::NowBtnClick);
    connect(m_newDate, &QPushButton::clicked, this, &MapDisplayWindow::NewDateBtnClick);
    connect(m_newTime, &QPushButton::clicked, this, &MapDisplayWindow::NewTimeBtnClick);
    connect(m_autoUpdate, &QPushButton::clicked, this, &MapDisplayWindow::AutoUpdateBtnClick);
    connect(m_close, &QPushButton::clicked, this, &MapDisplayWindow::close);
    connect(m_autoClock, &AutoUpdateClock::tick, this, &MapDisplayWindow::Timer1Timer);

    const QRect area = screen() ? screen()->availableGeometry() : QRect(0, 0, 1024, 768);
    resize(area.size() - QSize(0, Scaled(this, 28)));
}

void MapDisplayWindow::layOut() {
    const QSize screenSize = ScreenSize(this);
    const int statusHeight = m_statusBar->sizeHint().height();
    const int clientHeight = height() - statusHeight;
    m_layout = ComputeMapDisplayLayout(m_input.kind, screenSize.width(), screenSize.height(),
                                       width(), clientHeight);
    const MapDisplayLayout& l = m_layout;
    m_statusBar->setGeometry(0, clientHeight, width(), statusHeight);
    m_map->setGeometry(l.imageLeft, l.imageTop, l.imageWidth, l.imageHeight);

    // The panel font: as large as the screen allows while 37 characters fit beside the map.
    m_panelFont = QFont(QStringLiteral("Courier New"));
    m_panelFont.setStyleHint(QFont::TypeWriter);
    const double dpi = logicalDpiY() > 0 ? logicalDpiY() : 96.0;
    int points = static_cast<int>(screenSize.height() * 12 / (dpi * 6.4));
    const QString sample(37, QLatin1Char('X'));
    for (; points > 6; --points) {
        m_panelFont.setPointSize(points);
        if (QFontMetrics(m_panelFont).horizontalAdvance(sample) <= width() - l.mapSize)
            break;
    }
    m_panelFont.setPointSize(std::max(points, 6));

    const int topHeight = static_cast<int>(std::lround((2 + l.topOffset) * l.lineUnit)) + 2;
    m_top->setGeometry(0, 0, width(), topHeight);
    const int buttonHeight = m_now->sizeHint().height();
    const int buttonWidth = std::max(m_newDate->sizeHint().width(), m_newTime->sizeHint().width());
    const int gap = std::max(0, (l.imageLeft - 3 * buttonWidth) / 6);
    int x = 2 * gap;
    for (QPushButton* b : {m_now, m_newDate, m_newTime}) {
        b->setGeometry(x, l.buttonTop, buttonWidth, buttonHeight);
        x += buttonWidth + gap;
    }
    const int autoWidth = QFontMetrics(m_autoUpdate->font())
                              .horizontalAdvance(QStringLiteral("Cancel Auto UpdateXX"));
    const int secondRow = l.buttonTop + buttonHeight * 3 / 2;
    const int pairLeft = std::max(0, (l.imageLeft - autoWidth - buttonWidth - gap) / 2);
    m_autoUpdate->setGeometry(pairLeft, secondRow, autoWidth, buttonHeight);
    m_close->setGeometry(pairLeft + autoWidth + gap, secondRow, buttonWidth, buttonHeight);
    m_side->setGeometry(0, topHeight, std::max(1, l.imageLeft),
                        std::max(1, l.buttonTop - topHeight));
    const int belowMap = l.imageTop + l.imageHeight;
    m_centeredOn->setGeometry(0, belowMap, width(), std::max(1, clientHeight - belowMap));
    m_autoLabel->adjustSize();
    m_autoLabel->move(width() - m_autoLabel->width() - 4, 2);
    m_laidOut = true;
}

QImage MapDisplayWindow::panelImage(QLabel* label) const {
    QImage image(label->size(), QImage::Format_RGB32);
    image.fill(palette().color(QPalette::Window));
    return image;
}

void MapDisplayWindow::drawSidePanel() {
    QImage image = panelImage(m_side);
    QPainter painter(&image);
    QFont bold = m_panelFont;
    bold.setBold(true);
    const QFontMetrics metrics(m_panelFont);
    // The grey-line rows are 37 characters long, as wide as the font was chosen for:
    // centring on 37 keeps their last letters off the map.
    const int x0 =
        std::max(0, (image.width() - metrics.horizontalAdvance(QString(37, QLatin1Char('X')))) / 2);
    const SolarPosition sun = MapDaySun(m_input.date, m_input.zone);
    for (const PanelRow& row : SidePanelRows({m_input.paths, sun, m_input.zone})) {
        const int y = row.row * m_layout.lineUnit + metrics.ascent();
        std::string plain = row.text;
        plain.replace(0, row.boldLength, std::string(row.boldLength, ' '));
        painter.setFont(m_panelFont);
        painter.drawText(x0, y, Q(plain));
        painter.setFont(bold);
        painter.drawText(x0, y, Q(row.text.substr(0, row.boldLength)));
    }
    painter.end();
    m_side->setPixmap(QPixmap::fromImage(image));
}

void MapDisplayWindow::drawTopPanel() {
    QImage image = panelImage(m_top);
    QPainter painter(&image);
    QFont bold = font();
    bold.setBold(true);
    painter.setFont(bold);
    const QFontMetrics metrics(bold);
    const auto rows = TopPanelRows(m_input.paths.a, m_input.paths.b, m_input.date, m_input.dates);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const QString text = Q(rows[r]);
        const int y = static_cast<int>(std::lround((r + m_layout.topOffset) * m_layout.lineUnit));
        painter.drawText((image.width() - metrics.horizontalAdvance(text)) / 2,
                         y + metrics.ascent(), text);
    }
    painter.end();
    m_top->setPixmap(QPixmap::fromImage(image));
}

void MapDisplayWindow::drawCenteredOn() {
    if (m_input.kind != MapKind::GreatCircle)
        return;
    QImage image = panelImage(m_centeredOn);
    QPainter painter(&image);
    QFont bold = font();
    bold.setBold(true);
    painter.setFont(bold);
    painter.drawText(image.rect(), Qt::AlignCenter, Q(CenteredOnText(m_input.settings)));
    painter.end();
    m_centeredOn->setPixmap(QPixmap::fromImage(image));
}

void MapDisplayWindow::drawMap() {
    // Drawn at the label's own size and the screen's pixel density: sharp at any size.
    WorldMapScene scene;
    scene.greatCircle = m_input.kind == MapKind::GreatCircle;
    scene.centre = BaseMapCentre(m_input.settings).value_or(GeoPoint{});
    const std::optional<double> hours = MapTimeHours(m_input.timeText);
    scene.sun = MapSubsolarPoint(m_input.date, hours.value_or(0.0), m_input.zone);
    scene.paths = m_input.paths;
    scene.timeLabel = Q(TimeLabelText(m_input.timeText, m_input.zone.TimeZoneLabel));
    scene.font = font();
    m_mapImage =
        RenderWorldMap(m_layout.imageWidth, m_layout.imageHeight, devicePixelRatioF(), scene);
    m_map->setPixmap(QPixmap::fromImage(m_mapImage));
}

void MapDisplayWindow::redraw(int parts) {
    m_busy = true;
    m_panel1->setText(QStringLiteral("Preparing map"));
    QApplication::setOverrideCursor(Qt::WaitCursor);
    if (parts & SidePanel)
        drawSidePanel();
    if (parts & TopPanel)
        drawTopPanel();
    if (parts & CenteredOn)
        drawCenteredOn();
    if (parts & Map)
        drawMap();
    QApplication::restoreOverrideCursor();
    m_panel1->setText(QString::fromLatin1(kPressF1ForHelp));
    ++m_redraws;
    m_busy = false;
}

void MapDisplayWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (m_laidOut)
        return; // the cached images stay as they are
    layOut();
    QCursor::setPos(mapToGlobal(
        QPoint(m_side->width() / 2, m_close->geometry().bottom() + 2 * m_close->height())));
    redraw(SidePanel | TopPanel | CenteredOn | Map);
}

void MapDisplayWindow::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    if (!m_laidOut || m_busy)
        return;
    layOut(); // the map and the panels follow the window
    redraw(SidePanel | TopPanel | CenteredOn | Map);
}

void MapDisplayWindow::setNow() {
    const MapClock now = MapNow(m_clock(), m_input.settings, m_input.zone);
    m_input.date = now.date;
    m_input.timeText = now.timeText;
    redraw(SidePanel | TopPanel | Map);
}

bool MapDisplayWindow::autoUpdating() const {
    return m_autoClock->active();
}

void MapDisplayWindow::NowBtnClick() {
    if (m_busy)
        return;
    m_autoClock->stop();
    setNow();
}

void MapDisplayWindow::NewTimeBtnClick() {
    if (m_busy)
        return;
    SetStatusHint(QStringLiteral("Enter a four-digit time between 0000 and 2359"));
    std::optional<QString> text;
    m_autoClock->askPaused(
        [&] {
            text = m_askTime();
            return text && MapTimeHours(text->toStdString());
        },
        [&] {
            m_input.timeText = text->toStdString();
            redraw(Map);
        },
        [this] { setNow(); });
    ResetStatusLine();
}

void MapDisplayWindow::NewDateBtnClick() {
    if (m_busy)
        return;
    SetStatusHint(Q(DateHint(m_input.dates)));
    std::optional<DateValue> date;
    m_autoClock->askPaused(
        [&] {
            const std::optional<QString> text = m_askDate();
            date = text ? ParseDateText(text->toStdString(), m_input.dates) : std::nullopt;
            return date.has_value();
        },
        [&] {
            m_input.date = *date;
            redraw(SidePanel | TopPanel | Map);
        },
        [this] { setNow(); });
    ResetStatusLine();
}

void MapDisplayWindow::AutoUpdateBtnClick() {
    if (m_busy)
        return;
    if (m_autoClock->active()) {
        m_autoClock->stop();
        return;
    }
    m_autoClock->start();
    setNow();
}

void MapDisplayWindow::Timer1Timer() {
    if (m_autoClock->active() && !m_busy) // a tick during a redraw is dropped
        setNow();
}

void MapDisplayWindow::closeEvent(QCloseEvent* event) {
    if (m_busy) {
        event->ignore();
        return;
    }
    m_autoClock->pause();
    QDialog::closeEvent(event);
}

void MapDisplayWindow::keyPressEvent(QKeyEvent* event) {
    if (m_busy)
        return;
    QDialog::keyPressEvent(event);
}

void MapDisplayWindow::SetStatusHint(const QString& text) {
    m_panel0->setText(text);
}

void MapDisplayWindow::ResetStatusLine() {
    m_panel0->clear();
    m_panel1->setText(QString::fromLatin1(kPressF1ForHelp));
}

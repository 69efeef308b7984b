#include "prediction/PathInfoPanel.h"

#include "widgets/HelpContext.h"
#include "widgets/QtText.h"
#include "widgets/ReportFont.h"
#include "widgets/WindowScale.h"

#include <QCloseEvent>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

namespace {

// The help page F1 opens here.
constexpr int kPathInfoHelpContext = 61;

QFont PageFont(const QWidget* window) {
    return ReportFont(10.0 * WindowScale(window));
}

} // namespace

PathInfoPanel::PathInfoPanel(const PredictionRequest& request, const DateConventions& dates,
                             bool withClose, QWidget* parent)
    : QDialog(parent), m_lines(PathInfoLines(request, dates)), m_withClose(withClose) {
    setObjectName(QStringLiteral("TPathInfoForm"));
    SetHelpContext(this, kPathInfoHelpContext);
    FormCreate();
}

void PathInfoPanel::FormCreate() {
    setWindowTitle(QStringLiteral("Hopscope Path Information"));
    setFont(PageFont(this));
    m_background = QGuiApplication::primaryScreen() && QGuiApplication::primaryScreen()->depth() < 7
                       ? QColor(Qt::white)
                       : QColor(255, 251, 240);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, m_background);
    setPalette(pal);
    setAutoFillBackground(true);

    const QFontMetrics metrics(font());
    const QSize screen = ScreenSize(this);
    const QSize panel = m_withClose ? QSize(Scaled(this, 83), Scaled(this, 28)) : QSize(0, 0);
    const PathInfoGeometry page = PathInfoPageGeometry(
        qMax(metrics.boundingRect(QStringLiteral("!My")).height(), metrics.height()),
        QFontInfo(font()).pixelSize(),
        metrics.horizontalAdvance(QStringLiteral("01234567890123456789")), panel.height(),
        screen.width(), screen.height());
    m_lineHeight = page.lineHeight;

    if (m_withClose) {
        setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                       Qt::WindowCloseButtonHint);
        m_closeButton = new QPushButton(QStringLiteral("&Close"), this);
        m_closeButton->setObjectName(QStringLiteral("ClosePanel"));
        m_closeButton->setFont(QFont());
        m_closeButton->resize(panel);
        m_closeButton->move((page.width - panel.width()) / 2, page.closeTop);
        m_closeButton->setDefault(true);
        connect(m_closeButton, &QPushButton::clicked, this, &PathInfoPanel::CloseCoverImageClick);
    } else {
        setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus);
    }
    setFixedSize(page.width, page.height);
    move(page.left, page.top);
}

int PathInfoPanel::progressTop() const {
    return y() + height() - m_lineHeight;
}

void PathInfoPanel::closeByOwner() {
    m_ownerCloses = true;
    close();
}

void PathInfoPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), m_background);
    painter.setPen(Qt::black);
    QFont regular = font();
    QFont bold = font();
    bold.setBold(true);
    int previousX = 0;
    for (const PathInfoLine& line : m_lines) {
        painter.setFont(line.bold ? bold : regular);
        const QString text = Q(line.text);
        const int textWidth = QFontMetrics(painter.font()).horizontalAdvance(text);
        const int x = line.overPrevious ? previousX : (width() - textWidth) / 2;
        const int y = PathInfoTextTop(line.line, m_lineHeight);
        painter.drawText(x, y + QFontMetrics(painter.font()).ascent(), text);
        if (!line.overPrevious)
            previousX = x;
    }
}

void PathInfoPanel::keyPressEvent(QKeyEvent* event) {
    const bool altHeld = event->modifiers() & Qt::AltModifier;
    const int key = event->key();
    if (!altHeld && (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_C ||
                     key == Qt::Key_Escape)) {
        if (m_withClose)
            CloseCoverImageClick();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void PathInfoPanel::closeEvent(QCloseEvent* event) {
    if (m_withClose || m_ownerCloses)
        QDialog::closeEvent(event);
    else
        event->ignore();
}

void PathInfoPanel::CloseCoverImageClick() {
    accept();
}

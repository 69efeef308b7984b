#include "widgets/ParseErrorMessage.h"

#include "widgets/WindowScale.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScreen>
#include <QtMath>

namespace {

/// A red stop-sign octagon with a white bar, drawn into a square pixmap.
QPixmap OctagonPixmap(int side) {
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const double r = side * 0.4;
    const QPointF c(side / 2.0, side / 2.0);
    QPolygonF octagon;
    for (int k = 0; k < 8; ++k) {
        const double angle = qDegreesToRadians(22.5 + 45.0 * k);
        octagon << QPointF(c.x() + r * qCos(angle), c.y() + r * qSin(angle));
    }
    painter.setPen(QPen(Qt::darkRed, qMax(1.0, side / 32.0)));
    painter.setBrush(QColor(0xd0, 0x10, 0x10));
    painter.drawPolygon(octagon);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(c.x() - r * 0.6, c.y() - r * 0.14, r * 1.2, r * 0.28));
    return pixmap;
}

} // namespace

ParseErrorMessage::ParseErrorMessage(const QStringList& lines, QWidget* parent)
    : QDialog(parent), m_lines(lines) {
    setObjectName(QStringLiteral("ParseErrorMsgForm"));
    setWindowTitle(QStringLiteral("Error"));
    setWindowFlags(windowFlags() | Qt::WindowStaysOnTopHint);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    const int screenWidth = ScreenSize(this).width();
    const int u = qRound(screenWidth * 0.015);

    auto* symbol = new QLabel(this);
    symbol->setObjectName(QStringLiteral("Image1"));
    symbol->setPixmap(OctagonPixmap(4 * u));
    symbol->setGeometry(0, 0, 4 * u, 4 * u);

    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setBold(true);
    auto* list = new QListWidget(this);
    list->setObjectName(QStringLiteral("ListBox1"));
    list->setFont(font);
    list->setFrameShape(QFrame::NoFrame);
    list->setFocusPolicy(Qt::NoFocus);
    list->setSelectionMode(QAbstractItemView::NoSelection);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setStyleSheet(QStringLiteral("QListWidget { background: transparent; }"));
    list->addItems(m_lines);
    const QFontMetrics metrics(font);
    const int rowHeight = qMax(metrics.height(), m_lines.isEmpty() ? 0 : list->sizeHintForRow(0));
    const int listWidth = metrics.horizontalAdvance(QString(33, QLatin1Char('0'))) + 8;
    const int listHeight = rowHeight * m_lines.size() + 4;
    list->setGeometry(4 * u, u, listWidth, listHeight);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKBtn"));
    ok->setDefault(true);
    const QSize okSize(qMax(ok->sizeHint().width(), 5 * u), ok->sizeHint().height());
    const int width = 4 * u + listWidth + u;
    ok->setGeometry((width - okSize.width()) / 2, u + listHeight + u / 2, okSize.width(),
                    okSize.height());
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    setFixedSize(width, ok->geometry().bottom() + u);
    CentreOnScreen(this, 0.5);
}

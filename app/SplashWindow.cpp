#include "app/SplashWindow.h"

#include "app/ProgramIcon.h"
#include "widgets/WindowScale.h"

#include <QEventLoop>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

namespace {

QFont ScaledFont(const QWidget* widget, const QString& family, double points, bool bold,
                 bool italic) {
    QFont font(family);
    font.setPointSizeF(points * qMax(1.0, WindowScale(widget)));
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

} // namespace

SplashWindow::SplashWindow(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("SplashForm"));
    setAttribute(Qt::WA_ShowWithoutActivating, false);
    setAutoFillBackground(true);

    auto* frame = new QFrame(this);
    frame->setFrameShape(QFrame::Panel);
    frame->setFrameShadow(QFrame::Raised);
    frame->setLineWidth(2);
    auto* icon = new QLabel(frame);
    icon->setObjectName(QStringLiteral("ProgramIcon"));
    icon->setPixmap(ProgramIcon(Scaled(this, 64)));
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->setContentsMargins(Scaled(this, 8), Scaled(this, 8), Scaled(this, 8),
                                    Scaled(this, 8));
    frameLayout->addWidget(icon);

    auto* name = new QLabel(QStringLiteral("Hopscope"), this);
    name->setObjectName(QStringLiteral("ProductName"));
    name->setFont(ScaledFont(this, QStringLiteral("Times New Roman"), 20, true, true));
    auto* mark = new QLabel(QStringLiteral("\u2122"), this);
    mark->setFont(ScaledFont(this, QStringLiteral("Arial"), 8, false, false));
    mark->setAlignment(Qt::AlignTop | Qt::AlignLeft);

    auto* credits = new QLabel(QStringLiteral("HF sky-wave propagation predictions\n"
                                              "for radio amateurs\n\n"
                                              "Written by the Hopscope developers"),
                               this);
    credits->setObjectName(QStringLiteral("Credits"));
    credits->setFont(ScaledFont(this, QStringLiteral("Arial"), 10, true, false));

    auto* title = new QHBoxLayout;
    title->setSpacing(0);
    title->addWidget(name);
    title->addWidget(mark);
    title->addStretch();
    auto* text = new QVBoxLayout;
    text->addLayout(title);
    text->addSpacing(Scaled(this, 8));
    text->addWidget(credits);
    text->addStretch();
    auto* layout = new QHBoxLayout(this);
    const int margin = Scaled(this, 20);
    layout->setContentsMargins(margin, margin, margin, margin);
    layout->setSpacing(margin);
    layout->addWidget(frame, 0, Qt::AlignTop);
    layout->addLayout(text);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(
        QStringLiteral("SplashWindow { background: #ffffff; border: 2px solid #5a6a80; }"));
    adjustSize();
    CentreOnScreen(this, 0.5);
}

void SplashWindow::showNow() {
    show();
    raise();
    m_clock.start();
}

void SplashWindow::closeWhenDue(int minimumMs) {
    const qint64 remaining = minimumMs - shownMs();
    if (!m_dismissed && remaining > 0) {
        QEventLoop wait;
        m_wait = &wait;
        QTimer::singleShot(static_cast<int>(remaining), &wait, &QEventLoop::quit);
        wait.exec();
        m_wait = nullptr;
    }
    close();
}

void SplashWindow::dismiss() {
    m_dismissed = true;
    if (m_wait)
        m_wait->quit();
}

void SplashWindow::mousePressEvent(QMouseEvent*) {
    dismiss();
}

void SplashWindow::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        dismiss();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

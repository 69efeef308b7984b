#include "maps/ui/AutoUpdateClock.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

AutoUpdateClock::AutoUpdateClock(QWidget* window, int intervalMs, QPushButton* button,
                                 QLabel* label)
    : QObject(window), m_timer(new QTimer(window)), m_button(button), m_label(label) {
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(intervalMs);
    connect(m_timer, &QTimer::timeout, this, &AutoUpdateClock::tick);
}

void AutoUpdateClock::start() {
    m_active = true;
    m_label->show();
    m_button->setText(QStringLiteral("Cancel &Auto Update"));
    m_timer->start();
}

void AutoUpdateClock::stop() {
    m_active = false;
    m_timer->stop();
    m_label->hide();
    m_button->setText(QStringLiteral("&Auto Update"));
}

void AutoUpdateClock::pause() {
    m_timer->stop();
}

void AutoUpdateClock::askPaused(const std::function<bool()>& ask,
                                const std::function<void()>& apply,
                                const std::function<void()>& refresh) {
    m_timer->stop();
    if (ask()) {
        stop();
        apply();
    } else if (m_active) {
        refresh();
        m_timer->start();
    }
}

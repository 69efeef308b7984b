#include "widgets/KxStatusLine.h"

#include <QApplication>
#include <QWidget>

QString HintOf(const QWidget* control, const QWidget* window) {
    for (const QWidget* w = control; w; w = w->parentWidget()) {
        if (!w->statusTip().isEmpty())
            return w->statusTip();
        if (w == window)
            break;
    }
    return {};
}

FocusHintTracker::FocusHintTracker(QWidget* window, StatusLine* statusLine)
    : QObject(window), m_window(window), m_statusLine(statusLine) {
    connect(qApp, &QApplication::focusChanged, this, &FocusHintTracker::focusChanged);
}

void FocusHintTracker::refresh() {
    focusChanged(nullptr, QApplication::focusWidget());
}

void FocusHintTracker::focusChanged(QWidget*, QWidget* now) {
    if (!m_statusLine || !m_window || !now || now->window() != m_window)
        return;
    const QString hint = HintOf(now, m_window);
    if (hint.isEmpty())
        m_statusLine->ResetStatusLine();
    else
        m_statusLine->SetStatusHint(hint);
}

void TrackFocusHints(QWidget* window, StatusLine* statusLine) {
    if (window && statusLine)
        new FocusHintTracker(window, statusLine);
}

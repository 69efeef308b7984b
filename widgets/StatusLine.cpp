#include "widgets/StatusLine.h"

#include <QApplication>
#include <QChildEvent>
#include <QMenu>
#include <QMenuBar>
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

namespace {

/// Watches a menu bar and its menus for the pointer leaving them.
class MenuLeaveWatcher : public QObject {
public:
    MenuLeaveWatcher(QWidget* menuBar, std::function<void()> pointerLeft)
        : QObject(menuBar), m_pointerLeft(std::move(pointerLeft)) {
        watch(menuBar);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // The pointer leaving, or a menu closing after it was used from the keyboard.
        if (event->type() == QEvent::Leave ||
            (event->type() == QEvent::Hide && qobject_cast<QMenu*>(watched)))
            m_pointerLeft();
        else if (event->type() == QEvent::ChildPolished)
            watch(static_cast<QChildEvent*>(event)->child());
        return QObject::eventFilter(watched, event);
    }

private:
    void watch(QObject* object) {
        if (!qobject_cast<QMenu*>(object) && !qobject_cast<QMenuBar*>(object))
            return;
        object->installEventFilter(this);
        for (QMenu* menu : object->findChildren<QMenu*>())
            menu->installEventFilter(this);
    }

    std::function<void()> m_pointerLeft;
};

} // namespace

void OnPointerLeavingMenus(QWidget* menuBar, std::function<void()> pointerLeft) {
    if (menuBar)
        new MenuLeaveWatcher(menuBar, std::move(pointerLeft));
}

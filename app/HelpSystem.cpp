#include "app/HelpSystem.h"

#include "app/HelpWindow.h"
#include "widgets/HelpContext.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>

HelpSystem::HelpSystem(QWidget* mainWindow)
    : QObject(mainWindow), m_mainWindow(mainWindow), m_catalog(HelpCatalog::Embedded()) {
    qApp->installEventFilter(this);
}

HelpSystem::~HelpSystem() {
    if (m_window)
        m_window->close();
}

HelpWindow* HelpSystem::window() const {
    return m_window;
}

int HelpSystem::currentContext() const {
    if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
        if (const int context = OwnHelpContext(menu))
            return context;
    }
    QWidget* focus = QApplication::focusWidget();
    if (!focus)
        focus = QApplication::activeModalWidget();
    if (!focus)
        focus = QApplication::activeWindow();
    const int context = HelpContextOf(focus);
    return context > 0 ? context : HelpContextOf(m_mainWindow);
}

HelpWindow* HelpSystem::openWindow() {
    // While a modal window is open, the help window must belong to it to be usable.
    QWidget* owner = QApplication::activeModalWidget();
    if (!owner)
        owner = m_mainWindow;
    if (m_window && m_window->parentWidget() != owner) {
        m_window->close();
        m_window = nullptr;
    }
    if (!m_window)
        m_window = new HelpWindow(m_catalog, owner);
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
    return m_window;
}

void HelpSystem::showContext(int context) {
    openWindow()->showContext(context);
}

void HelpSystem::showSearch() {
    HelpWindow* form = openWindow();
    if (form->currentFile().isEmpty())
        form->showContext(kHelpContentsContext);
    form->showIndex();
}

void HelpSystem::showHowToUseHelp() {
    openWindow()->showPage(QString::fromLatin1(kHowToUseHelpPage));
}

bool HelpSystem::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_F1 && key->modifiers() == Qt::NoModifier &&
            watched->isWidgetType()) {
            // Inside the help window itself F1 opens the page on using help.
            QWidget* target = static_cast<QWidget*>(watched)->window();
            if (m_window && target == m_window)
                showHowToUseHelp();
            else
                showContext(currentContext());
            return true;
        }
    } else if (event->type() == QEvent::MouseButtonRelease) {
        if (static_cast<QMouseEvent*>(event)->button() == Qt::RightButton)
            return true;
    }
    return QObject::eventFilter(watched, event);
}

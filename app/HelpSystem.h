#pragma once

#include "app/HelpCatalog.h"

#include <QObject>
#include <QPointer>

class HelpWindow;
class QWidget;

/// The program's help: opens the help window at a context, at the keyword index or
/// at the page on using help, and answers F1 anywhere in the program with the page
/// of the focused window (see widgets/HelpContext.h). While a modal window is open the help
/// window belongs to it, so it can be used without closing that window first.
///
/// It also swallows right-button releases for the whole application, as the
/// program has no use for them.
class HelpSystem : public QObject {
    Q_OBJECT
public:
    /// Installs the F1 handler on the application; `mainWindow` owns the help system.
    explicit HelpSystem(QWidget* mainWindow);
    ~HelpSystem() override;

    void showContext(int context);
    void showContents() { showContext(kHelpContentsContext); }
    void showSearch();
    void showHowToUseHelp();

    /// The help window now open, or null.
    HelpWindow* window() const;
    /// The context F1 would open for the widget with the focus (or the open menu).
    int currentContext() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    HelpWindow* openWindow();

    QWidget* m_mainWindow;
    HelpCatalog m_catalog;
    QPointer<HelpWindow> m_window;
};

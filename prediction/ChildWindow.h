#pragma once

#include <QDialog>
#include <functional>

class QAction;
class QLabel;
class QMenuBar;
class QPrinter;
class QStatusBar;

/// The texts of a child window's File menu: Print, Save and Close.
struct ChildFileMenu {
    QString printText;
    QString printTip;
    QString saveText;
    QString saveName;
    QString saveTip;
    QString closeTip;
};

/// The base of the hops window and the two graph windows: a resizable dialog with a
/// File menu (Print, Save, Close), a status bar whose hint panel shows the status tips,
/// and a busy state while printing or saving, in which the window does not close.
class ChildWindow : public QDialog {
    Q_OBJECT
public:
    explicit ChildWindow(QWidget* parent = nullptr);

    QString hintText() const;
    /// Closes the window, except while it prints or saves.
    void reject() override;

protected:
    /// The menu bar "MainMenu" with its File menu; `print` and `save` run the two
    /// first items.
    QMenuBar* makeMenuBar(const ChildFileMenu& texts, std::function<void()> print,
                          std::function<void()> save);
    /// The status bar with the hint panel and the "Press F1 for Help" panel.
    QStatusBar* makeStatusBar();
    /// Marks the window busy or not: `enableControls` sets the window's own controls,
    /// the help panel says "Printing" and the cursor waits while busy.
    void setBusy(bool busy);
    virtual void enableControls(bool enabled) = 0;
    /// Whether a status tip may replace the hint panel's text now.
    virtual bool showsStatusTips() const { return !m_busy; }
    bool event(QEvent* event) override;

    bool m_busy = false;
    QAction* m_print = nullptr;
    QAction* m_save = nullptr;
    QLabel* m_hintPanel = nullptr;
    QLabel* m_helpPanel = nullptr;
};

/// Asks for a printer (portrait, high resolution) in the "Print" dialog; false when
/// the user cancels.
bool AskPrinter(QPrinter& printer, QWidget* parent);

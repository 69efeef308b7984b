#pragma once

#include "appstate/AppState.h"

#include <QStringList>
#include <memory>

class MainWindow;
class SplashWindow;

/// The running program: its shared state, the splash window and the main window,
/// brought up in the order of start-up and taken down in reverse.
class HopscopeProgram {
public:
    HopscopeProgram();
    ~HopscopeProgram();

    /// Start-up with the command-line arguments (without the program name): core
    /// conventions, the splash (unless "/b"), settings and time zone, default
    /// terminal, atlas, then the main window, shown; the splash is closed when it has
    /// been up for three seconds or was dismissed. Returns false, after telling the
    /// user why, when the data directory cannot be used. `closeSplash` false leaves
    /// the splash up (for tests, which close it themselves).
    bool start(const QStringList& arguments, bool closeSplash = true);

    /// Closes the splash once it has been up for three seconds or was dismissed, and
    /// lets the main window's first activation go ahead.
    void closeSplashWhenDue();

    /// Shutdown: atlas released, settings saved; when they cannot be saved a warning
    /// names the file and the reason, and OK tries again while Cancel quits without
    /// saving. Safe to call more than once.
    void shutDown();

    AppState& state() { return m_state; }
    MainWindow* mainForm() const { return m_mainForm.get(); }
    SplashWindow* splash() const { return m_splash.get(); }

private:
    AppState m_state;
    std::unique_ptr<SplashWindow> m_splash;
    std::unique_ptr<MainWindow> m_mainForm;
    bool m_started = false;
};

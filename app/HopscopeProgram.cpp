#include "app/HopscopeProgram.h"

#include "app/MainWindow.h"
#include "app/SplashWindow.h"
#include "app/Startup.h"
#include "core/DataDirectory.h"
#include "maps/ui/BaseMapRefresh.h"
#include "settings/SettingsFile.h"
#include "widgets/LocaleDates.h"
#include "widgets/MessageBoxes.h"
#include "widgets/QtText.h"

#include <QApplication>
#include <QCursor>
#include <QScreen>

#include <cstdio>

namespace {

// A start-up failure also goes to the standard error stream: when nobody sees the message
// box (a remote display, a script), the program would otherwise end without a trace.
void ReportStartFailure(const QString& text) {
    std::fprintf(stderr, "hopscope: %s\n", text.toLocal8Bit().constData());
    std::fflush(stderr);
    ShowError(nullptr, text);
}

} // namespace

HopscopeProgram::HopscopeProgram() = default;

HopscopeProgram::~HopscopeProgram() {
    shutDown();
}

bool HopscopeProgram::start(const QStringList& arguments, bool closeSplash) {
    const CommandLineOptions options = ParseCommandLine(arguments);
    if (!options.error.isEmpty()) {
        ReportStartFailure(options.error);
        return false;
    }
    const DateConventions dates = SystemDateConventions();

    if (!options.suppressSplash) {
        m_splash = std::make_unique<SplashWindow>();
        m_splash->showNow();
        QApplication::processEvents();
    }

    const DataDirectoryResult dataDir = ResolveDataDirectory(options.dataDir);
    if (!dataDir.Ok()) {
        if (m_splash)
            m_splash->close();
        ReportStartFailure(Q(dataDir.error));
        return false;
    }
    LoadAppState(m_state, dataDir.directory, dates, ReadSystemClock());

    QApplication::setApplicationName(QStringLiteral("Hopscope"));
    QApplication::setApplicationDisplayName(QStringLiteral("Hopscope"));
    m_mainForm = std::make_unique<MainWindow>(m_state);
    m_mainForm->setBaseMapCheck(
        [this] { EnsureBaseMaps(m_state, m_mainForm.get(), m_mainForm.get()); });
    m_mainForm->holdFirstActivation(m_splash != nullptr);
    m_mainForm->show();
    if (m_splash) {
        m_splash->raise();
        if (closeSplash)
            closeSplashWhenDue();
    }
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        QCursor::setPos(screen, area.left() + area.width() / 10, area.top() + area.height() / 8);
    }
    m_mainForm->raise();
    m_mainForm->activateWindow();
    m_started = true;
    return true;
}

void HopscopeProgram::closeSplashWhenDue() {
    if (!m_splash)
        return;
    m_splash->closeWhenDue();
    m_splash.reset();
    if (m_mainForm) {
        m_mainForm->activateWindow();
        m_mainForm->holdFirstActivation(false);
    }
}

void HopscopeProgram::shutDown() {
    if (!m_started)
        return;
    m_started = false;
    m_mainForm.reset();
    // Settings that cannot be saved are never dropped silently: the user may try
    // again (after making room, say) or quit without saving them.
    for (;;) {
        const FileWriteResult saved = SaveAppStateAtExit(m_state);
        if (saved)
            return;
        const QString text = QString::fromStdString(
            SettingsNotSavedText(SettingsFilePath(m_state.DataDirectory), saved.error, true));
        if (ShowMessage(nullptr, MessageKind::Warning, text, true) != MessageAnswer::Ok)
            return;
    }
}

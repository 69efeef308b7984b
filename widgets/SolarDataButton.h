#pragma once

#include "core/Dates.h"

#include <QFutureWatcher>
#include <QPushButton>
#include <QString>

#include <atomic>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

class StatusLine;
struct SolarLookup;

/// What the "Solar Data" button of a dialog works on: how to read the dialog's date
/// (nullopt when the date field holds no valid date) and how to put the figures into
/// its solar index and K index fields.
struct SolarDataTargets {
    std::function<std::optional<DateValue>()> date;
    std::function<void(const QString& solarIndexText, const QString& kIndexText)> fill;
};

/// "So&lar Data" (also F6 anywhere in its window): fetches the published solar index
/// and K index for the dialog's date on a worker thread and fills the dialog's fields
/// with them, saying in the status line where they came from. While it works the
/// cursor is busy and the button reads "Cancel Solar Data"; a click (or F6) then
/// cancels. A failure shows the message and leaves the fields as they were. Closing
/// the dialog cancels a fetch under way and waits for the thread to stop.
class SolarDataButton : public QPushButton {
    Q_OBJECT
public:
    SolarDataButton(SolarDataTargets targets, StatusLine* statusLine, QWidget* parent);
    ~SolarDataButton() override;

    /// The folder of the copies and of the solar preferences; set once at start-up.
    static void SetDataDirectory(const std::filesystem::path& directory);
    static std::filesystem::path DataDirectory();

    /// Starts a fetch when the user chose in Options to have the figures filled in
    /// when a dialog opens; does nothing otherwise.
    void fillIfChosen();
    /// Starts a fetch, or cancels the one under way.
    void toggle();
    bool busy() const { return m_busy; }
    /// The status text of the last fetch (also shown in the status line).
    QString lastStatus() const { return m_lastStatus; }

signals:
    /// A fetch ended: `filled` when the fields got figures.
    void finished(bool filled);

private:
    void start();
    void done();
    void showStatus(const QString& text);

    SolarDataTargets m_targets;
    StatusLine* m_statusLine;
    QFutureWatcher<SolarLookup>* m_watcher;
    std::shared_ptr<std::atomic<bool>> m_cancel;
    bool m_busy = false;
    QString m_lastStatus;
};

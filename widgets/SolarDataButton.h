#pragma once

#include "core/Dates.h"

#include <QFutureWatcher>
#include <QPushButton>
#include <QString>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class QLabel;
class StatusLine;

/// What the "Solar Data" button of a dialog works on: how to read the dialog's date
/// (nullopt when the date field holds no valid date) and how to put the figures into
/// its solar index and K index fields.
struct SolarDataTargets {
    std::function<std::optional<DateValue>()> date;
    std::function<void(const QString& solarIndexText, const QString& kIndexText)> fill;
};

/// The published solar index and K index of one day, as fetched for the button.
struct SolarDataFetch {
    bool filled = false;    ///< the figures came: the texts and the summary hold them
    bool cancelled = false; ///< the fetch was cancelled
    std::string error;      ///< neither: why there are no figures
    std::string solarText;  ///< the solar index field's text ("S121.0", "F135.0")
    std::string kText;      ///< the K index field's text ("" for the average)
    std::string summary;    ///< where the figures came from, for the status line
    std::string record;     ///< where they came from, for the results' header lines
};

/// Where the button gets its figures. The program hands one to every window that
/// offers "Solar Data", as it hands the atlas search to those that offer "Select from
/// &Atlas".
struct SolarDataSource {
    /// The user chose in Options to have the figures fetched when a dialog opens.
    std::function<bool()> fillOnOpen;
    /// Fetches the figures of a day; runs on a worker thread, and soon gives up
    /// (cancelled) once `cancel` turns true.
    std::function<SolarDataFetch(DateValue date, const std::atomic<bool>& cancel)> fetch;
};

/// "So&lar Data" (also F6 anywhere in its window): fetches the published solar index
/// and K index for the dialog's date on a worker thread and fills the dialog's fields
/// with them, saying in the status line where they came from. While it works the
/// cursor is busy and the button reads "Cancel Solar Data"; a click (or F6) then
/// cancels. A failure shows the message and leaves the fields as they were; a fetch
/// the dialog started by itself on opening (fillIfChosen) shows it in the dialog only,
/// never in a box the user must close first. Where the figures came from, or why there
/// are none, stays in the label sourceLabel() (objectName "SolarDataLabel"), which
/// the dialog places under its solar fields. Closing
/// the dialog cancels a fetch under way and waits for the thread to stop. Until it is
/// given a source that can fetch, the button is off.
class SolarDataButton : public QPushButton {
    Q_OBJECT
public:
    SolarDataButton(SolarDataTargets targets, StatusLine* statusLine, QWidget* parent);
    ~SolarDataButton() override;

    /// Where the figures come from; the button is on when the source can fetch.
    void setSource(SolarDataSource source);

    /// Starts a fetch when the user chose in Options to have the figures filled in
    /// when a dialog opens; does nothing otherwise.
    void fillIfChosen();
    /// Starts a fetch, or cancels the one under way.
    void toggle();
    bool busy() const { return m_busy; }
    /// The status text of the last fetch (also shown in the status line).
    QString lastStatus() const { return m_lastStatus; }
    /// Where the solar index `solarText` came from when it is the figure the last fetch
    /// put into the field (the record of SolarDataFetch); empty for any other text, such
    /// as a figure the user typed or changed.
    QString sourceOf(const QString& solarText) const;
    /// The label that keeps the last fetch's status in sight; empty until a fetch.
    QLabel* sourceLabel() const { return m_sourceLabel; }

signals:
    /// A fetch ended: `filled` when the fields got figures.
    void finished(bool filled);

private:
    void start();
    void done();
    void showStatus(const QString& text);

    SolarDataTargets m_targets;
    SolarDataSource m_source;
    StatusLine* m_statusLine;
    QFutureWatcher<SolarDataFetch>* m_watcher;
    std::shared_ptr<std::atomic<bool>> m_cancel;
    bool m_busy = false;
    bool m_startedOnOpen = false; ///< the fetch under way was started by fillIfChosen
    QLabel* m_sourceLabel;
    QString m_lastStatus;
    QString m_filledSolarText; ///< the solar index text of the last fetch that filled
    QString m_filledRecord;    ///< and where it came from
};

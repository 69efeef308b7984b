#include "widgets/SolarDataButton.h"

#include "core/DataDirectory.h"
#include "solar/SolarLookup.h"
#include "solar/SolarPreferences.h"
#include "widgets/MessageBoxes.h"
#include "widgets/StatusLine.h"

#include <QApplication>
#include <QShortcut>
#include <QTimer>
#include <QtConcurrent/QtConcurrent>

namespace {

const QString kIdleText = QStringLiteral("So&lar Data");
const QString kBusyText = QStringLiteral("Cancel So&lar Data");

std::filesystem::path& DataDirectoryStore() {
    static std::filesystem::path directory;
    return directory;
}

} // namespace

SolarDataButton::SolarDataButton(SolarDataTargets targets, StatusLine* statusLine, QWidget* parent)
    : QPushButton(kIdleText, parent), m_targets(std::move(targets)), m_statusLine(statusLine),
      m_watcher(new QFutureWatcher<SolarLookup>(this)) {
    setObjectName(QStringLiteral("SolarDataBtn"));
    setAutoDefault(false);
    setStatusTip(QStringLiteral(
        "Fetch the published solar index and K index for the date (F6; again to cancel)"));
    connect(this, &QPushButton::clicked, this, &SolarDataButton::toggle);
    auto* key = new QShortcut(QKeySequence(Qt::Key_F6), parent);
    key->setContext(Qt::WindowShortcut);
    connect(key, &QShortcut::activated, this, &SolarDataButton::toggle);
    connect(m_watcher, &QFutureWatcherBase::finished, this, &SolarDataButton::done);
}

SolarDataButton::~SolarDataButton() {
    if (m_busy) {
        m_cancel->store(true);
        m_watcher->waitForFinished();
        QApplication::restoreOverrideCursor();
    }
}

void SolarDataButton::SetDataDirectory(const std::filesystem::path& directory) {
    DataDirectoryStore() = directory;
}

std::filesystem::path SolarDataButton::DataDirectory() {
    if (DataDirectoryStore().empty())
        DataDirectoryStore() = ResolveDataDirectory(std::nullopt).directory;
    return DataDirectoryStore();
}

void SolarDataButton::fillIfChosen() {
    // Quietly nothing when the dialog opens without a valid date.
    if (ReadSolarPreferences(DataDirectory()).fillOnOpen && m_targets.date && m_targets.date())
        QTimer::singleShot(0, this, &SolarDataButton::start);
}

void SolarDataButton::toggle() {
    if (m_busy)
        m_cancel->store(true);
    else
        start();
}

void SolarDataButton::start() {
    if (m_busy)
        return;
    const std::optional<DateValue> date = m_targets.date ? m_targets.date() : std::nullopt;
    if (!date) {
        ShowError(window(), QStringLiteral("Enter a valid date before fetching solar data"));
        return;
    }
    SolarRequest request;
    request.dataDir = DataDirectory();
    request.date = CalendarFromDate(*date);
    request.baseUrl = SolarBaseUrl(ReadSolarPreferences(request.dataDir));
    m_cancel = std::make_shared<std::atomic<bool>>(false);
    auto cancel = m_cancel; // the task keeps the flag alive
    m_busy = true;
    setText(kBusyText);
    QApplication::setOverrideCursor(Qt::BusyCursor);
    showStatus(QStringLiteral("Fetching solar data..."));
    m_watcher->setFuture(QtConcurrent::run([request, cancel]() mutable {
        request.cancel = cancel.get();
        return LookUpSolarFigure(request);
    }));
}

void SolarDataButton::done() {
    m_busy = false;
    setText(kIdleText);
    QApplication::restoreOverrideCursor();
    const SolarLookup found = m_watcher->result();
    if (found.cancelled) {
        showStatus(QStringLiteral("Solar data not fetched: cancelled"));
        emit finished(false);
        return;
    }
    if (!found.figure) {
        // The box first: closing it moves the focus, which would replace the status.
        ShowError(window(), QString::fromStdString(found.error));
        showStatus(QString::fromStdString(found.error));
        emit finished(false);
        return;
    }
    const SolarFigure& figure = *found.figure;
    if (m_targets.fill)
        m_targets.fill(QString::fromStdString(figure.solarText),
                       QString::fromStdString(figure.kText));
    QString text =
        QString::fromStdString(SolarFigureSummary(figure, std::chrono::system_clock::now()));
    for (const std::string& note : figure.notes)
        text += QStringLiteral(" (") + QString::fromStdString(note) + QStringLiteral(")");
    showStatus(text);
    emit finished(true);
}

void SolarDataButton::showStatus(const QString& text) {
    m_lastStatus = text;
    setToolTip(text);
    if (m_statusLine)
        m_statusLine->SetStatusHint(text);
}

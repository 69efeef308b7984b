#include "widgets/SolarDataButton.h"

#include "widgets/MessageBoxes.h"
#include "widgets/StatusLine.h"

#include <QApplication>
#include <QLabel>
#include <QShortcut>
#include <QTimer>
#include <QtConcurrent/QtConcurrent>

namespace {

const QString kIdleText = QStringLiteral("So&lar Data");
const QString kBusyText = QStringLiteral("Cancel So&lar Data");

} // namespace

SolarDataButton::SolarDataButton(SolarDataTargets targets, StatusLine* statusLine, QWidget* parent)
    : QPushButton(kIdleText, parent), m_targets(std::move(targets)), m_statusLine(statusLine),
      m_watcher(new QFutureWatcher<SolarDataFetch>(this)), m_sourceLabel(new QLabel(parent)) {
    setObjectName(QStringLiteral("SolarDataBtn"));
    m_sourceLabel->setObjectName(QStringLiteral("SolarDataLabel"));
    m_sourceLabel->setWordWrap(true);
    m_sourceLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_sourceLabel->hide();
    setEnabled(false);
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

void SolarDataButton::setSource(SolarDataSource source) {
    m_source = std::move(source);
    setEnabled(static_cast<bool>(m_source.fetch));
}

void SolarDataButton::fillIfChosen() {
    // Quietly nothing when the dialog opens without a valid date.
    if (m_source.fetch && m_source.fillOnOpen && m_source.fillOnOpen() && m_targets.date &&
        m_targets.date())
        QTimer::singleShot(0, this, [this] {
            if (m_busy)
                return;
            start();
            m_startedOnOpen = m_busy;
        });
}

void SolarDataButton::toggle() {
    if (m_busy)
        m_cancel->store(true);
    else
        start();
}

void SolarDataButton::start() {
    if (m_busy || !m_source.fetch)
        return;
    const std::optional<DateValue> date = m_targets.date ? m_targets.date() : std::nullopt;
    if (!date) {
        ShowError(window(), QStringLiteral("Enter a valid date before fetching solar data"));
        return;
    }
    m_cancel = std::make_shared<std::atomic<bool>>(false);
    auto cancel = m_cancel; // the task keeps the flag alive
    m_busy = true;
    m_startedOnOpen = false;
    setText(kBusyText);
    QApplication::setOverrideCursor(Qt::BusyCursor);
    showStatus(QStringLiteral("Fetching solar data..."));
    m_watcher->setFuture(QtConcurrent::run(
        [fetch = m_source.fetch, day = *date, cancel] { return fetch(day, *cancel); }));
}

void SolarDataButton::done() {
    m_busy = false;
    setText(kIdleText);
    QApplication::restoreOverrideCursor();
    const SolarDataFetch found = m_watcher->result();
    if (found.cancelled) {
        showStatus(QStringLiteral("Solar data not fetched: cancelled"));
        emit finished(false);
        return;
    }
    if (!found.filled) {
        // The box first: closing it moves the focus, which would replace the status.
        // A dialog that has just opened says it in its label only: the user may well
        // type the figures without the network.
        if (!m_startedOnOpen)
            ShowError(window(), QString::fromStdString(found.error));
        showStatus(QString::fromStdString(found.error));
        emit finished(false);
        return;
    }
    m_filledSolarText = QString::fromStdString(found.solarText);
    m_filledRecord = QString::fromStdString(found.record);
    if (m_targets.fill)
        m_targets.fill(m_filledSolarText, QString::fromStdString(found.kText));
    showStatus(QString::fromStdString(found.summary));
    emit finished(true);
}

QString SolarDataButton::sourceOf(const QString& solarText) const {
    if (m_filledSolarText.isEmpty() || solarText.trimmed() != m_filledSolarText.trimmed())
        return {};
    return m_filledRecord;
}

void SolarDataButton::showStatus(const QString& text) {
    m_lastStatus = text;
    setToolTip(text);
    m_sourceLabel->setText(text);
    m_sourceLabel->setVisible(!text.isEmpty());
    if (m_statusLine)
        m_statusLine->SetStatusHint(text);
}

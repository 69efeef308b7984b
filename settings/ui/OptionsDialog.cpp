#include "settings/ui/OptionsDialog.h"

#include "settings/OptionsPages.h"
#include "settings/ui/FrequencyPage.h"
#include "settings/ui/OptionsControls.h"
#include "settings/ui/PredictionParamsPage.h"
#include "settings/ui/PreferencesPage.h"
#include "settings/ui/StationPage.h"
#include "settings/ui/TerminalPage.h"
#include "widgets/HelpContext.h"
#include "widgets/MessageBoxes.h"
#include "widgets/StatusLine.h"
#include "widgets/ValidatedEdit.h"
#include "widgets/WindowScale.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

// The help pages F1 opens here.
constexpr int kOptionsHelpContext = 21;
constexpr int kOptionsPageHelpContexts[] = {22, 23, 24, 25, 27};

} // namespace

using namespace optionsform;

OptionsDialog::OptionsDialog(const Settings& settings, int lastPage, StatusLine* statusLine,
                             QWidget* parent)
    : QDialog(parent), m_original(settings) {
    setObjectName(QStringLiteral("OptionsForm"));
    setWindowTitle(QStringLiteral("Hopscope Options"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    SetHelpContext(this, kOptionsHelpContext);
    ScaleWindow(this);

    // The pages are made inside the notebook, so that they measure with the window's
    // scaled font.
    m_notebook = new QTabWidget(this);
    m_notebook->setObjectName(QStringLiteral("OptionsNotebook"));
    m_terminalPage = new TerminalPage(m_notebook);
    m_frequencyPage = new FrequencyPage(m_notebook);
    m_paramsPage = new PredictionParamsPage(m_notebook);
    m_prefsPage = new PreferencesPage(m_notebook);
    m_stationPage = new StationPage(m_notebook);
    m_notebook->addTab(m_terminalPage, QStringLiteral("Default Terminal"));
    m_notebook->addTab(m_frequencyPage, QStringLiteral("Frequencies and Constants"));
    m_notebook->addTab(m_paramsPage, QStringLiteral("Prediction Parameters"));
    m_notebook->addTab(m_prefsPage, QStringLiteral("User Preferences"));
    m_notebook->addTab(m_stationPage, QStringLiteral("Station"));
    for (int page = 0; page < m_notebook->count(); ++page)
        SetHelpContext(m_notebook->widget(page), kOptionsPageHelpContexts[page]);
    m_notebook->tabBar()->installEventFilter(this);
    m_notebook->installEventFilter(this);

    m_saveBtn = MakeButton(
        QStringLiteral("SaveBtn"), QStringLiteral("Save My Settings and Exit"),
        QStringLiteral("Save my settings, including any changes, and return to Hopscope Main Menu"),
        this);
    m_cancelBtn = MakeButton(
        QStringLiteral("CancelBtn"), QStringLiteral("Cancel"),
        QStringLiteral("Cancel any changes or current actions and return to Hopscope Main Menu"),
        this);
    ValidatedEdit::MarkAsCancelButton(m_cancelBtn);
    connect(m_saveBtn, &QPushButton::clicked, this, &OptionsDialog::save);
    connect(m_cancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    // While a frequency is added or a constant modified, that is finished first.
    connect(m_frequencyPage, &FrequencyPage::editingChanged, this, [this](bool editing) {
        m_saveBtn->setEnabled(!editing);
        m_cancelBtn->setEnabled(!editing);
    });
    connect(m_frequencyPage, &FrequencyPage::listFilled, this,
            [this] { m_saveBtn->setFocus(Qt::OtherFocusReason); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_saveBtn);
    buttons->addSpacing(Scaled(this, 16));
    buttons->addWidget(m_cancelBtn);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_notebook);
    layout->addLayout(buttons);

    m_terminalPage->load(settings);
    m_frequencyPage->load(settings);
    m_paramsPage->load(settings);
    m_prefsPage->load(settings);

    m_lastPage = StartingOptionsPage(m_original, lastPage);
    m_notebook->setCurrentIndex(m_lastPage);
    connect(m_notebook, &QTabWidget::currentChanged, this, &OptionsDialog::pageChanged);

    TrackFocusHints(this, statusLine);
    placeOnScreen();
}

OptionsDialog::~OptionsDialog() {
    for (QObject* child : findChildren<QObject*>())
        child->disconnect(this);
}

void OptionsDialog::placeOnScreen() {
    const QSize screen = ScreenSize(this);
    adjustSize();
    resize(qMax(screen.width() * 731 / 1024, sizeHint().width()), sizeHint().height());
    const int x = (screen.width() - width()) / 2;
    move(qMax(0, x), qRound(screen.height() * 0.17));
}

Settings OptionsDialog::settings() const {
    Settings s = m_original;
    m_terminalPage->writeTo(s);
    m_frequencyPage->writeTo(s);
    m_paramsPage->writeTo(s);
    m_prefsPage->writeTo(s);
    return s;
}

void OptionsDialog::setSolarFillOnOpen(bool on) {
    m_prefsPage->setSolarFillOnOpen(on);
}

bool OptionsDialog::solarFillOnOpen() const {
    return m_prefsPage->solarFillOnOpen();
}

void OptionsDialog::setStationSettings(const StationSettings& station, const QString& dataDir) {
    m_stationPage->setStation(station);
    m_stationPage->setDataDir(dataDir);
}

StationSettings OptionsDialog::stationSettings() const {
    return m_stationPage->station();
}

void OptionsDialog::setSolarServer(const QString& address) {
    m_prefsPage->setSolarServer(address);
}

QString OptionsDialog::solarServer() const {
    return m_prefsPage->solarServer();
}

void OptionsDialog::setSolarServerCheck(std::function<QString(const QString&)> check) {
    m_prefsPage->setSolarServerCheck(std::move(check));
}

// ---------------------------------------------------------------- pages and focus

void OptionsDialog::focusFirstControl(int page) {
    switch (page) {
    case TermPage:
        m_terminalPage->focusFirstField();
        break;
    case FFParamsPage:
        m_frequencyPage->focusFirstField();
        break;
    case ParamsPage:
        m_paramsPage->focusFirstField();
        break;
    case PrefsPage:
        m_prefsPage->focusFirstField();
        break;
    case StationPg:
        m_stationPage->focusFirstField();
        break;
    default:
        break;
    }
}

void OptionsDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (m_firstShow) {
        m_firstShow = false;
        focusFirstControl(m_notebook->currentIndex());
    }
}

bool OptionsDialog::pageLeaveAllowed() {
    // The page may not change while its number field holds a value it refuses.
    return m_paramsPage->leaveAllowed() && m_prefsPage->leaveAllowed();
}

void OptionsDialog::pageChanged(int page) {
    m_lastPage = page;
    if (!m_focusingField)
        focusFirstControl(page);
}

void OptionsDialog::focusField(QWidget* field) {
    // Bring the field's page to the front without sending the focus to the page's
    // first control on the way (leaving that control would check it).
    const ValidatedEdit::SuspendExitChecks suspend;
    m_focusingField = true;
    for (int page = 0; page < m_notebook->count(); ++page)
        if (m_notebook->widget(page)->isAncestorOf(field))
            m_notebook->setCurrentIndex(page);
    m_focusingField = false;
    activateWindow();
    field->setFocus(Qt::OtherFocusReason);
}

bool OptionsDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_notebook->tabBar() && event->type() == QEvent::MouseButtonPress) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const int tab = m_notebook->tabBar()->tabAt(mouse->position().toPoint());
        if (tab >= 0 && tab != m_notebook->currentIndex() && !pageLeaveAllowed())
            return true;
    } else if (watched == m_notebook && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool pageKey = (key->modifiers() & Qt::ControlModifier) &&
                             (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab ||
                              key->key() == Qt::Key_PageUp || key->key() == Qt::Key_PageDown);
        if (pageKey && !pageLeaveAllowed())
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

void OptionsDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        // Escape in the field of a frequency being added or a constant being modified
        // ends only that.
        if (!m_frequencyPage->cancelEditIn(QApplication::focusWidget()))
            reject();
        return;
    }
    // Enter that no control took does not press a button of the page.
    if (IsEnter(event))
        return;
    QDialog::keyPressEvent(event);
}

// ---------------------------------------------------------------- saving

bool OptionsDialog::validateForSave() {
    // Nothing malformed is ever written to the settings file: the pages are checked
    // in their order, and the first field refused is shown.
    ValidatedEdit* refused = m_terminalPage->refusedField();
    if (!refused)
        refused = m_paramsPage->refusedField();
    if (!refused)
        refused = m_prefsPage->refusedField();
    if (refused) {
        focusField(refused);
        return false;
    }
    if (const QString problem = m_stationPage->checkForSave(); !problem.isEmpty()) {
        m_notebook->setCurrentWidget(m_stationPage);
        ShowError(this, problem);
        return false;
    }
    return true;
}

void OptionsDialog::save() {
    if (m_frequencyPage->editing())
        return;
    if (validateForSave())
        accept();
}

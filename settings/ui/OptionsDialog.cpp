#include "settings/ui/OptionsDialog.h"

#include "core/FieldChecks.h"
#include "core/Terminal.h"
#include "settings/OptionsPages.h"
#include "settings/ui/OptionsControls.h"
#include "settings/ui/StationPage.h"
#include "widgets/EntryFields.h"
#include "widgets/HelpContext.h"
#include "widgets/MessageBoxes.h"
#include "widgets/QtText.h"
#include "widgets/RadioGroup.h"
#include "widgets/StatusLine.h"
#include "widgets/UpDown.h"
#include "widgets/WindowScale.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

// The help pages F1 opens here.
constexpr int kOptionsHelpContext = 21;
constexpr int kOptionsPageHelpContexts[] = {22, 23, 24, 25, 27};

} // namespace

// The window as a whole: its pages, the buttons below them, moving between pages,
// the keys, and saving. Each page is built in OptionsDialog<Page>.cpp.

using namespace optionsform;

namespace {

std::string Cut(const QString& text, std::size_t capacity) {
    return CutText(S(text), capacity);
}

} // namespace

OptionsDialog::OptionsDialog(const Settings& settings, int lastPage, StatusLine* statusLine,
                             QWidget* parent)
    : QDialog(parent), m_original(settings) {
    setObjectName(QStringLiteral("OptionsForm"));
    setWindowTitle(QStringLiteral("Hopscope Options"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    SetHelpContext(this, kOptionsHelpContext);
    ScaleWindow(this);

    m_notebook = new QTabWidget(this);
    m_notebook->setObjectName(QStringLiteral("OptionsNotebook"));
    m_notebook->addTab(buildTermPage(), QStringLiteral("Default Terminal"));
    m_notebook->addTab(buildFrequencyPage(), QStringLiteral("Frequencies and Constants"));
    m_notebook->addTab(buildParamsPage(), QStringLiteral("Prediction Parameters"));
    m_notebook->addTab(buildPrefsPage(), QStringLiteral("User Preferences"));
    m_stationPage = new StationPage(m_notebook);
    m_notebook->addTab(m_stationPage, QStringLiteral("Station"));
    for (int page = 0; page < m_notebook->count(); ++page)
        SetHelpContext(m_notebook->widget(page), kOptionsPageHelpContexts[page]);
    m_notebook->tabBar()->installEventFilter(this);
    m_notebook->installEventFilter(this);
    // Tab follows the page from the top: the locator, the coordinates, the name.
    QWidget::setTabOrder(m_locatorEdit, m_latEdit);
    QWidget::setTabOrder(m_latEdit, m_lonEdit);
    QWidget::setTabOrder(m_lonEdit, m_nameEdit);

    m_saveBtn = MakeButton(
        QStringLiteral("SaveBtn"), QStringLiteral("Save My Settings and Exit"),
        QStringLiteral("Save my settings, including any changes, and return to Hopscope Main Menu"),
        this);
    m_cancelBtn = MakeButton(
        QStringLiteral("CancelBtn"), QStringLiteral("Cancel"),
        QStringLiteral("Cancel any changes or current actions and return to Hopscope Main Menu"),
        this);
    ValidatedEdit::MarkAsCancelButton(m_cancelBtn);
    connect(m_saveBtn, &QPushButton::clicked, this, &OptionsDialog::SaveBtnClick);
    connect(m_cancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_saveBtn);
    buttons->addSpacing(Scaled(this, 16));
    buttons->addWidget(m_cancelBtn);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_notebook);
    layout->addLayout(buttons);

    loadTerminal(settings);
    loadFrequencies(settings);
    loadParams(settings);
    loadPrefs(settings);
    setFrequencyMode(FrequencyMode::Idle);

    m_lastPage = StartingOptionsPage(m_original, lastPage);
    m_notebook->setCurrentIndex(m_lastPage);
    connect(m_notebook, &QTabWidget::currentChanged, this, &OptionsDialog::pageChanged);

    TrackFocusHints(this, statusLine);
    placeOnScreen();
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
    s.DefaultLatitudeText = Cut(m_latEdit->text(), kDefaultLatitudeCapacity);
    s.DefaultLongitudeText = Cut(m_lonEdit->text(), kDefaultLongitudeCapacity);
    s.DefaultName = Cut(m_nameEdit->text(), kDefaultNameCapacity);
    WriteFrequencyRows(m_rows, s);
    s.MinRadiationAngleText = Cut(m_minRadAngleEdit->text().trimmed(), kMinRadiationAngleCapacity);
    s.NoiseBandwidthText = Cut(m_noiseBWEdit->text().trimmed(), kNoiseBandwidthCapacity);
    s.SuppressionThreshold = qMax(0, m_thresholdGroup->itemIndex());
    s.NoiseEnvironment = qMax(0, m_noiseGroup->itemIndex());
    s.ShowZeroAvailability = !m_suppressionCheckBox->isChecked();
    s.SunspotPrimary = m_ssnRadioBtn->isChecked();
    s.UseUtc = m_timeDisplayGroup->itemIndex() != 1;
    s.ShowSnr = m_sigDisplayGroup->itemIndex() == 1;
    s.HighResFreqMap = m_freqMapResGroup->itemIndex() == 1;
    s.MapUpdateMinutes = static_cast<std::int16_t>(m_minutesUpDown->position());
    return s;
}

// ---------------------------------------------------------------- pages and focus

void OptionsDialog::focusFirstControl(int page) {
    switch (page) {
    case TermPage:
        m_locatorEdit->setFocus(Qt::OtherFocusReason);
        break;
    case FFParamsPage:
        if (m_rows.count() >= kFrequencySlots)
            m_freqList->setFocus(Qt::OtherFocusReason);
        else
            m_addFreqBtn->setFocus(Qt::OtherFocusReason);
        break;
    case ParamsPage:
        m_minRadAngleEdit->setFocus(Qt::OtherFocusReason);
        break;
    case StationPg:
        m_stationPage->focusFirstField();
        break;
    case PrefsPage:
        (m_ssnRadioBtn->isChecked() ? m_ssnRadioBtn : m_sfRadioBtn)->setFocus(Qt::OtherFocusReason);
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
    auto* focused = qobject_cast<ValidatedEdit*>(QApplication::focusWidget());
    if (focused != m_minutesEdit && focused != m_noiseBWEdit && focused != m_minRadAngleEdit)
        return true;
    if (focused->Validate())
        return true;
    focused->setFocus(Qt::OtherFocusReason);
    return false;
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
    } else if ((watched == m_freqList || watched == m_fudgeList) &&
               event->type() == QEvent::KeyPress) {
        // Typed characters do not search the lists.
        const auto* key = static_cast<QKeyEvent*>(event);
        if (!key->text().isEmpty() && key->text().at(0).isPrint())
            return true;
    } else if (watched == m_suppressionCheckBox && event->type() == QEvent::KeyPress) {
        if (IsEnter(static_cast<QKeyEvent*>(event))) {
            m_suppressionCheckBox->toggle();
            return true;
        }
    } else if (watched == m_minutesLabel && event->type() == QEvent::MouseButtonPress) {
        m_minutesEdit->setFocus(Qt::MouseFocusReason);
        return true;
    } else if (watched == m_primarySolarGroup && event->type() == QEvent::MouseButtonPress) {
        // A click in the group picks the radio button of the half that was clicked.
        const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
        if (at.x() >= m_ssnRadioBtn->x() && at.y() >= m_ssnRadioBtn->y()) {
            const int middle =
                (m_ssnRadioBtn->geometry().bottom() + m_sfRadioBtn->geometry().top()) / 2;
            QRadioButton* chosen = at.y() <= middle ? m_ssnRadioBtn : m_sfRadioBtn;
            chosen->setChecked(true);
            chosen->setFocus(Qt::MouseFocusReason);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void OptionsDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        QWidget* focused = QApplication::focusWidget();
        if (focused == m_newFreqEdit) {
            NewFreqCancelBtnClick();
            return;
        }
        if (focused == m_constantEdit) {
            ModifyConstantCancelBtnClick();
            return;
        }
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
    // A default terminal is optional, but once any of its texts is given all three
    // must be right; the number fields must always be right. Nothing malformed is
    // ever written to the settings file.
    std::vector<ValidatedEdit*> fields;
    const bool terminalGiven = !m_latEdit->text().trimmed().isEmpty() ||
                               !m_lonEdit->text().trimmed().isEmpty() ||
                               !m_nameEdit->text().trimmed().isEmpty();
    if (terminalGiven)
        fields = {m_latEdit, m_lonEdit, m_nameEdit};
    fields.push_back(m_minRadAngleEdit);
    fields.push_back(m_noiseBWEdit);
    fields.push_back(m_minutesEdit);
    for (ValidatedEdit* field : fields) {
        if (!field->Validate()) {
            focusField(field);
            return false;
        }
    }
    if (m_solarServerCheck) {
        if (const QString problem = m_solarServerCheck(solarServer()); !problem.isEmpty()) {
            ShowError(this, problem);
            focusField(m_solarServerEdit);
            return false;
        }
    }
    if (const QString problem = m_stationPage->checkForSave(); !problem.isEmpty()) {
        m_notebook->setCurrentWidget(m_stationPage);
        ShowError(this, problem);
        return false;
    }
    return true;
}

void OptionsDialog::setStationSettings(const StationSettings& station, const QString& dataDir) {
    m_stationPage->setStation(station);
    m_stationPage->setDataDir(dataDir);
}

StationSettings OptionsDialog::stationSettings() const {
    return m_stationPage->station();
}

void OptionsDialog::SaveBtnClick() {
    if (m_mode != FrequencyMode::Idle)
        return;
    if (validateForSave())
        accept();
}

OptionsDialog::~OptionsDialog() {
    for (QObject* child : findChildren<QObject*>())
        child->disconnect(this);
}

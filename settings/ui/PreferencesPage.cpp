#include "settings/ui/PreferencesPage.h"

#include "settings/ui/OptionsControls.h"
#include "widgets/EntryFields.h"
#include "widgets/MessageBoxes.h"
#include "widgets/RadioGroup.h"
#include "widgets/UpDown.h"
#include "widgets/WindowScale.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace optionsform;

PreferencesPage::PreferencesPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("PrefsPage"));
    m_sigDisplayGroup =
        new RadioGroup(QStringLiteral("Primary Signal Display"),
                       {QStringLiteral("Signal Levels"), QStringLiteral("S/N Ratios")}, 1, this);
    m_sigDisplayGroup->setObjectName(QStringLiteral("SigDisplayRadioGroup"));
    m_sigDisplayGroup->setStatusTip(
        QStringLiteral("Select your preferred mode for display of signal predictions"));
    m_timeDisplayGroup = new RadioGroup(QStringLiteral("Time Display"),
                                        {QStringLiteral("UTC"), QStringLiteral("ULT")}, 1, this);
    m_timeDisplayGroup->setObjectName(QStringLiteral("TimeDisplayRadioGroup"));
    m_timeDisplayGroup->setStatusTip(QStringLiteral(
        "Select your preferred time zone (UTC or local) for time entry and display"));

    auto* interval = new QGroupBox(QStringLiteral("Map Auto Update Interval"), this);
    interval->setObjectName(QStringLiteral("UpgradeIntervalGroupBox"));
    const QString minutesHint =
        QStringLiteral("In Auto Update mode, the maps will be redrawn at the interval you specify");
    m_minutesEdit = MakeEdit<WordEdit>(QStringLiteral("MinutesEdit"), minutesHint, interval);
    m_minutesEdit->setMaxChars(2);
    m_minutesEdit->setMinValue(1);
    m_minutesEdit->setMaxValue(60);
    m_minutesEdit->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000")) +
                                 Scaled(this, 10));
    m_minutesUpDown = new UpDown(interval);
    m_minutesUpDown->setObjectName(QStringLiteral("MinutesUpDown"));
    m_minutesUpDown->setStatusTip(minutesHint);
    m_minutesUpDown->setRange(1, 60);
    m_minutesUpDown->setFixedHeight(m_minutesEdit->sizeHint().height());
    m_minutesLabel = new QLabel(QStringLiteral("Minute(s)"), interval);
    m_minutesLabel->setObjectName(QStringLiteral("MinutesLabel"));
    m_minutesLabel->installEventFilter(this);
    auto* intervalLayout = new QHBoxLayout(interval);
    intervalLayout->setSpacing(2);
    intervalLayout->addStretch();
    intervalLayout->addWidget(m_minutesEdit);
    intervalLayout->addWidget(m_minutesUpDown);
    intervalLayout->addSpacing(Scaled(this, 6));
    intervalLayout->addWidget(m_minutesLabel);
    intervalLayout->addStretch();
    connect(m_minutesUpDown, &UpDown::positionChanged, this, [this](int position) {
        m_minutesEdit->setText(QString::number(position));
        m_minutesEdit->setFocus(Qt::OtherFocusReason);
    });
    connect(m_minutesEdit, &QLineEdit::textChanged, this, [this](const QString& text) {
        m_minutesEdit->setCursorPosition(static_cast<int>(text.size()));
        bool ok = false;
        const int value = text.trimmed().toInt(&ok);
        if (ok)
            m_minutesUpDown->setPosition(value);
    });

    m_freqMapResGroup = new RadioGroup(
        QStringLiteral("Frequency Map Resolution"),
        {QStringLiteral("Low (57 areas)"), QStringLiteral("High (877 areas)")}, 1, this);
    m_freqMapResGroup->setObjectName(QStringLiteral("FreqMapResRadioGroup"));
    m_freqMapResGroup->setStatusTip(
        QStringLiteral("The Frequency Map will be displayed at the resolution you specify"));

    m_primarySolarGroup = new QGroupBox(QStringLiteral("Primary Solar Index"), this);
    m_primarySolarGroup->setObjectName(QStringLiteral("PrimarySolarGroup"));
    m_primarySolarGroup->setStatusTip(
        QStringLiteral("Select the solar index you expect to use most often"));
    m_ssnRadioBtn = new QRadioButton(QStringLiteral("Sunspot Number"), m_primarySolarGroup);
    m_ssnRadioBtn->setObjectName(QStringLiteral("SSNRadioBtn"));
    m_sfRadioBtn = new QRadioButton(QStringLiteral("Solar Flux"), m_primarySolarGroup);
    m_sfRadioBtn->setObjectName(QStringLiteral("SFRadioBtn"));
    auto* solarLayout = new QVBoxLayout(m_primarySolarGroup);
    solarLayout->addWidget(m_ssnRadioBtn);
    solarLayout->addWidget(m_sfRadioBtn);
    m_primarySolarGroup->installEventFilter(this);

    m_restoreBtn = MakeButton(
        QStringLiteral("RestoreFactoryPreferencesBtn"),
        QStringLiteral("&Restore Factory Preferences"),
        QStringLiteral("Press to cause all preferences to revert to their original settings"),
        this);
    ValidatedEdit::MarkAsCancelButton(m_restoreBtn);
    connect(m_restoreBtn, &QPushButton::clicked, this, [this] { load(FactorySettings()); });

    m_solarFillCheckBox =
        new QCheckBox(QStringLiteral("Fill in solar data when a dialog opens"), this);
    m_solarFillCheckBox->setObjectName(QStringLiteral("SolarFillOnOpenCheckBox"));
    m_solarFillCheckBox->setStatusTip(QStringLiteral(
        "Fetch the published solar index and K index for the date whenever a dialog opens"));

    m_solarServerEdit = MakeEdit<ValidatedEdit>(
        QStringLiteral("SolarServerEdit"),
        QStringLiteral("The server of the published solar data: an http:// or https:// address, "
                       "or empty for the usual one"),
        this);
    m_solarServerEdit->setPlaceholderText(QStringLiteral("https://services.swpc.noaa.gov"));
    auto* server = new QHBoxLayout;
    auto* serverLabel = new QLabel(QStringLiteral("Solar data &server"), this);
    serverLabel->setBuddy(m_solarServerEdit);
    server->addWidget(serverLabel);
    server->addWidget(m_solarServerEdit, 1);

    auto* grid = new QGridLayout;
    grid->addWidget(m_sigDisplayGroup, 0, 0);
    grid->addWidget(m_timeDisplayGroup, 0, 1);
    grid->addWidget(interval, 1, 0);
    grid->addWidget(m_freqMapResGroup, 1, 1);
    grid->addWidget(m_primarySolarGroup, 2, 0);
    grid->addWidget(m_solarFillCheckBox, 2, 1);
    grid->addLayout(server, 3, 0, 1, 2);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch();
    layout->addWidget(m_restoreBtn, 0, Qt::AlignHCenter);
}

void PreferencesPage::load(const Settings& settings) {
    m_sigDisplayGroup->setItemIndex(settings.ShowSnr ? 1 : 0);
    m_timeDisplayGroup->setItemIndex(settings.UseUtc ? 0 : 1);
    m_minutesUpDown->setPosition(settings.MapUpdateMinutes);
    m_minutesEdit->setText(QString::number(m_minutesUpDown->position()));
    m_freqMapResGroup->setItemIndex(settings.HighResFreqMap ? 1 : 0);
    (settings.SunspotPrimary ? m_ssnRadioBtn : m_sfRadioBtn)->setChecked(true);
}

void PreferencesPage::writeTo(Settings& settings) const {
    settings.SunspotPrimary = m_ssnRadioBtn->isChecked();
    settings.UseUtc = m_timeDisplayGroup->itemIndex() != 1;
    settings.ShowSnr = m_sigDisplayGroup->itemIndex() == 1;
    settings.HighResFreqMap = m_freqMapResGroup->itemIndex() == 1;
    settings.MapUpdateMinutes = static_cast<std::int16_t>(m_minutesUpDown->position());
}

ValidatedEdit* PreferencesPage::refusedField() {
    if (ValidatedEdit* refused = FirstRefused({m_minutesEdit}))
        return refused;
    if (m_solarServerCheck) {
        if (const QString problem = m_solarServerCheck(solarServer()); !problem.isEmpty()) {
            ShowError(window(), problem);
            return m_solarServerEdit;
        }
    }
    return nullptr;
}

bool PreferencesPage::leaveAllowed() {
    return FocusedNumberAccepted({m_minutesEdit});
}

void PreferencesPage::focusFirstField() {
    (m_ssnRadioBtn->isChecked() ? m_ssnRadioBtn : m_sfRadioBtn)->setFocus(Qt::OtherFocusReason);
}

void PreferencesPage::setSolarFillOnOpen(bool on) {
    m_solarFillCheckBox->setChecked(on);
}

bool PreferencesPage::solarFillOnOpen() const {
    return m_solarFillCheckBox->isChecked();
}

void PreferencesPage::setSolarServer(const QString& address) {
    m_solarServerEdit->setText(address);
}

QString PreferencesPage::solarServer() const {
    return m_solarServerEdit->text().trimmed();
}

void PreferencesPage::setSolarServerCheck(std::function<QString(const QString&)> check) {
    m_solarServerCheck = std::move(check);
}

bool PreferencesPage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseButtonPress)
        return QWidget::eventFilter(watched, event);
    if (watched == m_minutesLabel) {
        m_minutesEdit->setFocus(Qt::MouseFocusReason);
        return true;
    }
    if (watched == m_primarySolarGroup) {
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
    return QWidget::eventFilter(watched, event);
}

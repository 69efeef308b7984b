#include "settings/ui/TOptionsForm.h"

#include "core/Terminal.h"
#include "widgets/KxComps.h"
#include "widgets/KxFieldChecks.h"
#include "widgets/KxHelp.h"
#include "widgets/KxMessages.h"
#include "widgets/KxStatusLine.h"
#include "widgets/KxWindowScale.h"
#include "widgets/TKxRadioGroup.h"
#include "widgets/TKxUpDown.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGridLayout>
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

constexpr int kOptionsHelpContext = 21;
constexpr int kPageHelpContexts[] = {22, 23, 24, 25};

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

std::string S(const QString& text) {
    return text.toStdString();
}

std::string Cut(const QString& text, std::size_t capacity) {
    return CutText(text.toStdString(), capacity);
}

QPushButton* MakeButton(const QString& name, const QString& caption, const QString& hint,
                        QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setStatusTip(hint);
    return button;
}

template <typename Edit> Edit* MakeEdit(const QString& name, const QString& hint, QWidget* parent) {
    auto* edit = new Edit(parent);
    edit->setObjectName(name);
    edit->setStatusTip(hint);
    return edit;
}

/// A row text shown right-aligned in a column as wide as "-99.9".
QString ColumnText(const std::string& text) {
    return Q(text).rightJustified(5, QLatin1Char(' '));
}

bool IsEnter(const QKeyEvent* event) {
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

} // namespace

TOptionsForm::TOptionsForm(const Settings& settings, int lastPage, StatusLine* statusLine,
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
    for (int page = 0; page < m_notebook->count(); ++page)
        SetHelpContext(m_notebook->widget(page), kPageHelpContexts[page]);
    m_notebook->tabBar()->installEventFilter(this);
    m_notebook->installEventFilter(this);
    // The name is asked first, then the coordinates.
    QWidget::setTabOrder(m_nameEdit, m_latEdit);
    QWidget::setTabOrder(m_latEdit, m_lonEdit);

    m_saveBtn = MakeButton(
        QStringLiteral("SaveBtn"), QStringLiteral("Save My Settings and Exit"),
        QStringLiteral("Save my settings, including any changes, and return to Hopscope Main Menu"),
        this);
    m_cancelBtn = MakeButton(
        QStringLiteral("CancelBtn"), QStringLiteral("Cancel"),
        QStringLiteral("Cancel any changes or current actions and return to Hopscope Main Menu"),
        this);
    TKxEdit::MarkAsCancelButton(m_cancelBtn);
    connect(m_saveBtn, &QPushButton::clicked, this, &TOptionsForm::SaveBtnClick);
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

    m_lastPage = startingPage(lastPage);
    m_notebook->setCurrentIndex(m_lastPage);
    connect(m_notebook, &QTabWidget::currentChanged, this, &TOptionsForm::pageChanged);

    TrackFocusHints(this, statusLine);
    placeOnScreen();
}

// ---------------------------------------------------------------- pages

QWidget* TOptionsForm::buildTermPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TermPage"));
    auto* group = new QGroupBox(QStringLiteral("Default Terminal Settings"), page);
    group->setObjectName(QStringLiteral("DefaultTermGroupBox"));
    m_latEdit = MakeEdit<TKxLatEdit>(
        QStringLiteral("LatEdit"),
        QStringLiteral("Enter as decimal degrees or deg min sec (north is +, south is -)"), group);
    m_lonEdit = MakeEdit<TKxLonEdit>(
        QStringLiteral("LonEdit"),
        QStringLiteral("Enter as decimal degrees or deg min sec (west is +, east is -)"), group);
    m_nameEdit =
        MakeEdit<TKxNameEdit>(QStringLiteral("NameEdit"),
                              QStringLiteral("Enter a callsign, city name, or other identifier "
                                             "(maximum 17 characters including spaces)"),
                              group);
    const int charWidth = fontMetrics().horizontalAdvance(QLatin1Char('0'));
    m_latEdit->setFixedWidth(charWidth * 14);
    m_lonEdit->setFixedWidth(charWidth * 15);
    m_nameEdit->setFixedWidth(charWidth * 22);
    auto* form = new QFormLayout(group);
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form->setHorizontalSpacing(Scaled(this, 12));
    form->setVerticalSpacing(Scaled(this, 10));
    form->addRow(QStringLiteral("Latitude"), m_latEdit);
    form->addRow(QStringLiteral("Longitude"), m_lonEdit);
    form->addRow(QStringLiteral("Terminal Name"), m_nameEdit);

    auto* layout = new QVBoxLayout(page);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(group);
    row->addStretch();
    layout->addStretch();
    layout->addLayout(row);
    layout->addStretch();
    return page;
}

QWidget* TOptionsForm::buildFrequencyPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("FFParamsPage"));

    QFont listFont = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    listFont.setPointSizeF(font().pointSizeF());
    listFont.setBold(true);
    const QFontMetrics listMetrics(listFont);
    const int listWidth =
        listMetrics.horizontalAdvance(QStringLiteral("000.00")) + Scaled(this, 28);
    const int listHeight = listMetrics.lineSpacing() * kFrequencySlots + Scaled(this, 10);
    const auto makeList = [&](const QString& name, const QString& hint, QWidget* parent) {
        auto* list = new QListWidget(parent);
        list->setObjectName(name);
        list->setStatusTip(hint);
        list->setFont(listFont);
        list->setFixedSize(listWidth, listHeight);
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        list->installEventFilter(this);
        return list;
    };

    auto* freqGroup = new QGroupBox(QStringLiteral("Frequencies (MHz)"), page);
    freqGroup->setObjectName(QStringLiteral("FreqGroupBox"));
    m_freqList = makeList(QStringLiteral("FreqListBox"),
                          QStringLiteral("Select a frequency you want to delete"), freqGroup);
    m_deleteFreqBtn = MakeButton(
        QStringLiteral("DeleteFreqBtn"), QStringLiteral("Delete Frequency"),
        QStringLiteral(
            "Press to delete the highlighted frequency and its Additive Signal Level Constant"),
        freqGroup);
    m_addFreqBtn = MakeButton(QStringLiteral("AddFreqBtn"), QStringLiteral("Add Frequency"),
                              QStringLiteral("Press to add a new frequency"), freqGroup);
    m_enterNewFreqLabel = new QLabel(QStringLiteral("Enter New Frequency"), freqGroup);
    m_enterNewFreqLabel->setObjectName(QStringLiteral("EnterNewFreqLabel"));
    m_newFreqEdit = MakeEdit<TKxRealEdit>(QStringLiteral("NewFreqEdit"),
                                          QStringLiteral("Enter the new frequency"), freqGroup);
    m_newFreqEdit->setMaxChars(4);
    m_newFreqEdit->setPrecision(1);
    m_newFreqEdit->setMinValue(3.0);
    m_newFreqEdit->setMaxValue(30.0);
    m_newFreqEdit->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("00000")) +
                                 Scaled(this, 14));
    m_enterNewFreqLabel->setBuddy(m_newFreqEdit);
    m_newFreqAddBtn =
        MakeButton(QStringLiteral("NewFreqAddBtn"), QStringLiteral("Add"),
                   QStringLiteral("Press to add the new frequency you entered"), freqGroup);
    m_newFreqCancelBtn =
        MakeButton(QStringLiteral("NewFreqCancelBtn"), QStringLiteral("Cancel Add"),
                   QStringLiteral("Press to cancel the new frequency"), freqGroup);
    TKxEdit::MarkAsCancelButton(m_newFreqCancelBtn);

    auto* freqButtons = new QVBoxLayout;
    freqButtons->addWidget(m_deleteFreqBtn);
    freqButtons->addWidget(m_addFreqBtn);
    freqButtons->addStretch();
    freqButtons->addWidget(m_enterNewFreqLabel);
    freqButtons->addWidget(m_newFreqEdit);
    auto* addRow = new QHBoxLayout;
    addRow->addWidget(m_newFreqAddBtn);
    addRow->addWidget(m_newFreqCancelBtn);
    freqButtons->addLayout(addRow);
    auto* freqLayout = new QHBoxLayout(freqGroup);
    freqLayout->addWidget(m_freqList, 0, Qt::AlignTop);
    freqLayout->addLayout(freqButtons);

    auto* fudgeGroup = new QGroupBox(QStringLiteral("Additive Signal Level Constants (dB)"), page);
    fudgeGroup->setObjectName(QStringLiteral("FudgeGroupBox"));
    m_fudgeList = makeList(QStringLiteral("FudgeListBox"),
                           QStringLiteral("Select a constant you want to modify"), fudgeGroup);
    m_modifyConstantBtn =
        MakeButton(QStringLiteral("ModifyConstantBtn"), QStringLiteral("Modify Constant"),
                   QStringLiteral("Press to modify the highlighted constant"), fudgeGroup);
    m_editConstantLabel = new QLabel(QStringLiteral("Edit Constant"), fudgeGroup);
    m_editConstantLabel->setObjectName(QStringLiteral("EditConstantLabel"));
    m_constantEdit = MakeEdit<TKxRealEdit>(
        QStringLiteral("ConstantEdit"),
        QStringLiteral("Modify the additive signal level constant or enter a new constant"),
        fudgeGroup);
    m_constantEdit->setMaxChars(5);
    m_constantEdit->setPrecision(1);
    m_constantEdit->setMinValue(-99.9);
    m_constantEdit->setMaxValue(100.0);
    m_constantEdit->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("000000")) +
                                  Scaled(this, 14));
    m_editConstantLabel->setBuddy(m_constantEdit);
    m_modifyBtn = MakeButton(QStringLiteral("ModifyConstantModifyBtn"), QStringLiteral("Modify"),
                             QStringLiteral("Press to apply the modification"), fudgeGroup);
    m_modifyCancelBtn =
        MakeButton(QStringLiteral("ModifyConstantCancelBtn"), QStringLiteral("Cancel Modify"),
                   QStringLiteral("Press to cancel the modification"), fudgeGroup);
    TKxEdit::MarkAsCancelButton(m_modifyCancelBtn);

    auto* fudgeButtons = new QVBoxLayout;
    fudgeButtons->addWidget(m_modifyConstantBtn);
    fudgeButtons->addStretch();
    fudgeButtons->addWidget(m_editConstantLabel);
    fudgeButtons->addWidget(m_constantEdit);
    auto* modifyRow = new QHBoxLayout;
    modifyRow->addWidget(m_modifyBtn);
    modifyRow->addWidget(m_modifyCancelBtn);
    fudgeButtons->addLayout(modifyRow);
    auto* fudgeLayout = new QHBoxLayout(fudgeGroup);
    fudgeLayout->addWidget(m_fudgeList, 0, Qt::AlignTop);
    fudgeLayout->addLayout(fudgeButtons);

    // The add and modify controls keep their place while hidden, so nothing jumps.
    for (QWidget* w : std::initializer_list<QWidget*>{
             m_enterNewFreqLabel, m_newFreqEdit, m_newFreqAddBtn, m_newFreqCancelBtn,
             m_editConstantLabel, m_constantEdit, m_modifyBtn, m_modifyCancelBtn}) {
        QSizePolicy policy = w->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        w->setSizePolicy(policy);
    }

    m_restoreFAndFBtn = MakeButton(
        QStringLiteral("RestoreFactoryFAndFBtn"),
        QStringLiteral("&Restore Factory Frequencies and Constants"),
        QStringLiteral(
            "Press to cause all frequencies and constants to revert to their original settings"),
        page);

    auto* groups = new QHBoxLayout;
    groups->addWidget(freqGroup);
    groups->addWidget(fudgeGroup);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(groups);
    layout->addWidget(m_restoreFAndFBtn, 0, Qt::AlignHCenter);

    connect(m_freqList, &QListWidget::currentRowChanged, this, &TOptionsForm::selectRow);
    connect(m_fudgeList, &QListWidget::currentRowChanged, this, &TOptionsForm::selectRow);
    connect(m_addFreqBtn, &QPushButton::clicked, this, &TOptionsForm::AddFreqBtnClick);
    connect(m_newFreqAddBtn, &QPushButton::clicked, this, &TOptionsForm::NewFreqAddBtnClick);
    connect(m_newFreqCancelBtn, &QPushButton::clicked, this, &TOptionsForm::NewFreqCancelBtnClick);
    connect(m_deleteFreqBtn, &QPushButton::clicked, this, &TOptionsForm::DeleteFreqBtnClick);
    connect(m_modifyConstantBtn, &QPushButton::clicked, this,
            &TOptionsForm::ModifyConstantBtnClick);
    connect(m_modifyBtn, &QPushButton::clicked, this, &TOptionsForm::ModifyConstantModifyBtnClick);
    connect(m_modifyCancelBtn, &QPushButton::clicked, this,
            &TOptionsForm::ModifyConstantCancelBtnClick);
    connect(m_restoreFAndFBtn, &QPushButton::clicked, this,
            &TOptionsForm::RestoreFactoryFAndFBtnClick);
    return page;
}

QWidget* TOptionsForm::buildParamsPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("ParamsPage"));
    m_minRadAngleEdit = MakeEdit<TKxRealEdit>(
        QStringLiteral("MinRadAngleEdit"),
        QStringLiteral(
            "Enter the minimum antenna radiation angle to be used in calculating predictions"),
        page);
    m_minRadAngleEdit->setMaxChars(4);
    m_minRadAngleEdit->setPrecision(1);
    m_minRadAngleEdit->setMinValue(0.0);
    m_minRadAngleEdit->setMaxValue(45.0);
    m_noiseBWEdit = MakeEdit<TKxIntegerEdit>(
        QStringLiteral("NoiseBWEdit"),
        QStringLiteral(
            "Enter the noise bandwidth to be used in calculating signal-to-noise ratios"),
        page);
    m_noiseBWEdit->setMaxChars(5);
    m_noiseBWEdit->setMinValue(1);
    m_noiseBWEdit->setMaxValue(20000);
    const int editWidth =
        fontMetrics().horizontalAdvance(QStringLiteral("0000000")) + Scaled(this, 10);
    m_minRadAngleEdit->setFixedWidth(editWidth);
    m_noiseBWEdit->setFixedWidth(editWidth);

    m_thresholdGroup =
        new TKxRadioGroup(QStringLiteral("Signal Level Suppression Threshold"),
                          {QStringLiteral(" 0 dB"), QStringLiteral("-10 dB"),
                           QStringLiteral("-20 dB"), QStringLiteral("No suppression")},
                          2, page);
    m_thresholdGroup->setObjectName(QStringLiteral("SuppressionThresholdRadioGroup"));
    m_thresholdGroup->setStatusTip(QStringLiteral(
        "Signal levels below the level you specify will be suppressed (not reported)"));
    m_noiseGroup = new TKxRadioGroup(QStringLiteral("Man-Made Noise Environment"),
                                     {QStringLiteral("Industrial"), QStringLiteral("Residential"),
                                      QStringLiteral("Rural"), QStringLiteral("Remote")},
                                     2, page);
    m_noiseGroup->setObjectName(QStringLiteral("NoiseEnvironmentRadioGroup"));
    m_noiseGroup->setStatusTip(QStringLiteral(
        "The environment you select will be used in calculating signal-to-noise ratios"));
    m_suppressionCheckBox =
        new QCheckBox(QStringLiteral("Suppress Zero-Availability Predictions"), page);
    m_suppressionCheckBox->setObjectName(QStringLiteral("SuppressionCheckBox"));
    m_suppressionCheckBox->setStatusTip(QStringLiteral(
        "When checked, predictions are not shown if the predicted availability is zero"));
    m_suppressionCheckBox->installEventFilter(this);
    m_restorePredParamsBtn = MakeButton(
        QStringLiteral("RestoreFactoryPredParamsBtn"),
        QStringLiteral("&Restore Factory Prediction Parameters"),
        QStringLiteral(
            "Press to cause all prediction parameters to revert to their original settings"),
        page);
    TKxEdit::MarkAsCancelButton(m_restorePredParamsBtn);
    connect(m_restorePredParamsBtn, &QPushButton::clicked, this,
            &TOptionsForm::RestoreFactoryPredParamsBtnClick);

    auto* entries = new QGridLayout;
    entries->setHorizontalSpacing(Scaled(this, 8));
    entries->addWidget(new QLabel(QStringLiteral("Minimum Radiation Angle"), page), 0, 0,
                       Qt::AlignRight);
    entries->addWidget(m_minRadAngleEdit, 0, 1);
    entries->addWidget(new QLabel(QStringLiteral("deg"), page), 0, 2);
    entries->addWidget(new QLabel(QStringLiteral("Noise Bandwidth"), page), 1, 0, Qt::AlignRight);
    entries->addWidget(m_noiseBWEdit, 1, 1);
    entries->addWidget(new QLabel(QStringLiteral("Hz"), page), 1, 2);
    entries->setColumnStretch(3, 1);

    auto* groups = new QHBoxLayout;
    groups->addWidget(m_thresholdGroup);
    groups->addWidget(m_noiseGroup);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(entries);
    layout->addSpacing(Scaled(this, 6));
    layout->addLayout(groups);
    layout->addWidget(m_suppressionCheckBox, 0, Qt::AlignHCenter);
    layout->addStretch();
    layout->addWidget(m_restorePredParamsBtn, 0, Qt::AlignHCenter);
    return page;
}

QWidget* TOptionsForm::buildPrefsPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("PrefsPage"));
    m_sigDisplayGroup =
        new TKxRadioGroup(QStringLiteral("Primary Signal Display"),
                          {QStringLiteral("Signal Levels"), QStringLiteral("S/N Ratios")}, 1, page);
    m_sigDisplayGroup->setObjectName(QStringLiteral("SigDisplayRadioGroup"));
    m_sigDisplayGroup->setStatusTip(
        QStringLiteral("Select your preferred mode for display of signal predictions"));
    m_timeDisplayGroup = new TKxRadioGroup(QStringLiteral("Time Display"),
                                           {QStringLiteral("UTC"), QStringLiteral("ULT")}, 1, page);
    m_timeDisplayGroup->setObjectName(QStringLiteral("TimeDisplayRadioGroup"));
    m_timeDisplayGroup->setStatusTip(QStringLiteral(
        "Select your preferred time zone (UTC or local) for time entry and display"));

    auto* interval = new QGroupBox(QStringLiteral("Map Auto Upgrade Interval"), page);
    interval->setObjectName(QStringLiteral("UpgradeIntervalGroupBox"));
    const QString minutesHint =
        QStringLiteral("In Auto Update mode, the maps will be redrawn at the interval you specify");
    m_minutesEdit = MakeEdit<TKxWordEdit>(QStringLiteral("MinutesEdit"), minutesHint, interval);
    m_minutesEdit->setMaxChars(2);
    m_minutesEdit->setMinValue(1);
    m_minutesEdit->setMaxValue(60);
    m_minutesEdit->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000")) +
                                 Scaled(this, 10));
    m_minutesUpDown = new TKxUpDown(interval);
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
    connect(m_minutesUpDown, &TKxUpDown::positionChanged, this, [this](int position) {
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

    m_freqMapResGroup = new TKxRadioGroup(
        QStringLiteral("Frequency Map Resolution"),
        {QStringLiteral("Low (57 areas)"), QStringLiteral("High (877 areas)")}, 1, page);
    m_freqMapResGroup->setObjectName(QStringLiteral("FreqMapResRadioGroup"));
    m_freqMapResGroup->setStatusTip(
        QStringLiteral("The Frequency Map will be displayed at the resolution you specify"));

    m_primarySolarGroup = new QGroupBox(QStringLiteral("Primary Solar Index"), page);
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

    m_restorePrefsBtn = MakeButton(
        QStringLiteral("RestoreFactoryPreferencesBtn"),
        QStringLiteral("&Restore Factory Preferences"),
        QStringLiteral("Press to cause all preferences to revert to their original settings"),
        page);
    TKxEdit::MarkAsCancelButton(m_restorePrefsBtn);
    connect(m_restorePrefsBtn, &QPushButton::clicked, this,
            &TOptionsForm::RestoreFactoryPreferencesBtnClick);

    auto* grid = new QGridLayout;
    grid->addWidget(m_sigDisplayGroup, 0, 0);
    grid->addWidget(m_timeDisplayGroup, 0, 1);
    grid->addWidget(interval, 1, 0);
    grid->addWidget(m_freqMapResGroup, 1, 1);
    grid->addWidget(m_primarySolarGroup, 2, 0);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(grid);
    layout->addStretch();
    layout->addWidget(m_restorePrefsBtn, 0, Qt::AlignHCenter);
    return page;
}

void TOptionsForm::placeOnScreen() {
    const QSize screen = ScreenSize(this);
    adjustSize();
    resize(qMax(screen.width() * 731 / 1024, sizeHint().width()), sizeHint().height());
    const int x = (screen.width() - width()) / 2;
    move(qMax(0, x), qRound(screen.height() * 0.17));
}

// ---------------------------------------------------------------- loading

void TOptionsForm::loadTerminal(const Settings& settings) {
    m_latEdit->setText(Q(settings.DefaultLatitudeText));
    m_lonEdit->setText(Q(settings.DefaultLongitudeText));
    m_nameEdit->setText(Q(settings.DefaultName));
}

void TOptionsForm::loadFrequencies(const Settings& settings) {
    m_rows = RowsFromSettings(settings);
    showRows(m_rows.count() > 0 ? 0 : -1);
}

void TOptionsForm::loadParams(const Settings& settings) {
    m_minRadAngleEdit->setText(Q(settings.MinRadiationAngleText));
    m_noiseBWEdit->setText(Q(settings.NoiseBandwidthText));
    m_thresholdGroup->setItemIndex(settings.SuppressionThreshold);
    m_noiseGroup->setItemIndex(settings.NoiseEnvironment);
    m_suppressionCheckBox->setChecked(!settings.ShowZeroAvailability);
}

void TOptionsForm::loadPrefs(const Settings& settings) {
    m_sigDisplayGroup->setItemIndex(settings.ShowSnr ? 1 : 0);
    m_timeDisplayGroup->setItemIndex(settings.UseUtc ? 0 : 1);
    m_minutesUpDown->setPosition(settings.MapUpdateMinutes);
    m_minutesEdit->setText(QString::number(m_minutesUpDown->position()));
    m_freqMapResGroup->setItemIndex(settings.HighResFreqMap ? 1 : 0);
    (settings.SunspotPrimary ? m_ssnRadioBtn : m_sfRadioBtn)->setChecked(true);
}

Settings TOptionsForm::settings() const {
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

int TOptionsForm::startingPage(int lastPage) const {
    if (!m_original.DefaultDefined)
        return TermPage;
    if (m_original.FrequencyCount == 0)
        return FFParamsPage;
    return lastPage >= TermPage && lastPage <= PrefsPage ? lastPage : TermPage;
}

void TOptionsForm::focusFirstControl(int page) {
    switch (page) {
    case TermPage:
        m_nameEdit->setFocus(Qt::OtherFocusReason);
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
    case PrefsPage:
        (m_ssnRadioBtn->isChecked() ? m_ssnRadioBtn : m_sfRadioBtn)->setFocus(Qt::OtherFocusReason);
        break;
    default:
        break;
    }
}

void TOptionsForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (m_firstShow) {
        m_firstShow = false;
        focusFirstControl(m_notebook->currentIndex());
    }
}

bool TOptionsForm::pageLeaveAllowed() {
    // The page may not change while its number field holds a value it refuses.
    auto* focused = qobject_cast<TKxEdit*>(QApplication::focusWidget());
    if (focused != m_minutesEdit && focused != m_noiseBWEdit && focused != m_minRadAngleEdit)
        return true;
    if (focused->Validate())
        return true;
    focused->setFocus(Qt::OtherFocusReason);
    return false;
}

void TOptionsForm::pageChanged(int page) {
    m_lastPage = page;
    if (!m_focusingField)
        focusFirstControl(page);
}

void TOptionsForm::focusField(QWidget* field) {
    // Bring the field's page to the front without sending the focus to the page's
    // first control on the way (leaving that control would check it).
    const TKxEdit::SuspendExitChecks suspend;
    m_focusingField = true;
    for (int page = 0; page < m_notebook->count(); ++page)
        if (m_notebook->widget(page)->isAncestorOf(field))
            m_notebook->setCurrentIndex(page);
    m_focusingField = false;
    activateWindow();
    field->setFocus(Qt::OtherFocusReason);
}

bool TOptionsForm::eventFilter(QObject* watched, QEvent* event) {
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

void TOptionsForm::keyPressEvent(QKeyEvent* event) {
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

// ---------------------------------------------------------------- frequencies

void TOptionsForm::showRows(int selected) {
    const QSignalBlocker blockFreq(m_freqList);
    const QSignalBlocker blockFudge(m_fudgeList);
    m_freqList->clear();
    m_fudgeList->clear();
    for (int k = 0; k < m_rows.count(); ++k) {
        auto* freq = new QListWidgetItem(ColumnText(m_rows.frequencies[k]), m_freqList);
        freq->setTextAlignment(Qt::AlignCenter);
        auto* fudge = new QListWidgetItem(ColumnText(m_rows.constants[k]), m_fudgeList);
        fudge->setTextAlignment(Qt::AlignCenter);
    }
    selectRow(selected);
}

void TOptionsForm::selectRow(int row) {
    // The two lists always show the same row selected.
    const QSignalBlocker blockFreq(m_freqList);
    const QSignalBlocker blockFudge(m_fudgeList);
    m_freqList->setCurrentRow(row);
    m_fudgeList->setCurrentRow(row);
    m_deleteFreqBtn->setText(Q(DeleteButtonCaption(m_rows, row)));
}

int TOptionsForm::selectedRow() const {
    return m_freqList->currentRow();
}

void TOptionsForm::setFrequencyMode(FrequencyMode mode) {
    m_mode = mode;
    const bool idle = mode == FrequencyMode::Idle;
    const bool adding = mode == FrequencyMode::Adding;
    const bool modifying = mode == FrequencyMode::Modifying;
    m_freqList->setEnabled(idle);
    m_fudgeList->setEnabled(idle);
    m_addFreqBtn->setEnabled(idle && m_rows.count() < kFrequencySlots);
    m_deleteFreqBtn->setEnabled(idle && m_rows.count() > 0);
    m_modifyConstantBtn->setEnabled(idle && m_rows.count() > 0);
    m_restoreFAndFBtn->setEnabled(idle);
    m_saveBtn->setEnabled(idle);
    m_cancelBtn->setEnabled(idle);
    for (QWidget* w : std::initializer_list<QWidget*>{m_enterNewFreqLabel, m_newFreqEdit,
                                                      m_newFreqAddBtn, m_newFreqCancelBtn})
        w->setVisible(adding);
    for (QWidget* w : std::initializer_list<QWidget*>{m_editConstantLabel, m_constantEdit,
                                                      m_modifyBtn, m_modifyCancelBtn})
        w->setVisible(modifying);
    m_deleteFreqBtn->setText(Q(DeleteButtonCaption(m_rows, selectedRow())));
}

void TOptionsForm::AddFreqBtnClick() {
    m_newFreqEdit->clear();
    setFrequencyMode(FrequencyMode::Adding);
    m_newFreqEdit->setFocus(Qt::OtherFocusReason);
}

void TOptionsForm::NewFreqAddBtnClick() {
    if (!m_newFreqEdit->Validate()) {
        m_newFreqEdit->setFocus(Qt::OtherFocusReason);
        return;
    }
    const AddedRow added = AddFrequencyRow(m_rows, S(m_newFreqEdit->text().trimmed()));
    if (!added.ok) {
        ShowUserMessage(this, added.message);
        m_newFreqEdit->setFocus(Qt::OtherFocusReason);
        m_newFreqEdit->selectAll();
        return;
    }
    showRows(added.row);
    setFrequencyMode(FrequencyMode::Idle);
    if (m_rows.count() >= kFrequencySlots)
        m_saveBtn->setFocus(Qt::OtherFocusReason);
    else
        m_addFreqBtn->setFocus(Qt::OtherFocusReason);
}

void TOptionsForm::NewFreqCancelBtnClick() {
    setFrequencyMode(FrequencyMode::Idle);
    if (m_addFreqBtn->isEnabled())
        m_addFreqBtn->setFocus(Qt::OtherFocusReason);
    else
        m_freqList->setFocus(Qt::OtherFocusReason);
}

void TOptionsForm::DeleteFreqBtnClick() {
    const int next = DeleteFrequencyRow(m_rows, selectedRow());
    showRows(next);
    setFrequencyMode(FrequencyMode::Idle);
    m_addFreqBtn->setFocus(Qt::OtherFocusReason);
}

void TOptionsForm::ModifyConstantBtnClick() {
    const int row = selectedRow();
    if (row < 0 || row >= m_rows.count())
        return;
    m_constantEdit->setText(Q(m_rows.constants[row]));
    setFrequencyMode(FrequencyMode::Modifying);
    m_constantEdit->setFocus(Qt::OtherFocusReason);
    m_constantEdit->selectAll();
}

void TOptionsForm::ModifyConstantModifyBtnClick() {
    if (!m_constantEdit->Validate()) {
        m_constantEdit->setFocus(Qt::OtherFocusReason);
        return;
    }
    const int row = selectedRow();
    if (row >= 0 && row < m_rows.count())
        m_rows.constants[row] = S(m_constantEdit->text().trimmed());
    showRows(row);
    setFrequencyMode(FrequencyMode::Idle);
    m_fudgeList->setFocus(Qt::OtherFocusReason);
}

void TOptionsForm::ModifyConstantCancelBtnClick() {
    setFrequencyMode(FrequencyMode::Idle);
    m_fudgeList->setFocus(Qt::OtherFocusReason);
}

void TOptionsForm::RestoreFactoryFAndFBtnClick() {
    m_rows = RowsFromSettings(FactorySettings());
    showRows(0);
    setFrequencyMode(FrequencyMode::Idle);
}

void TOptionsForm::RestoreFactoryPredParamsBtnClick() {
    loadParams(FactorySettings());
}

void TOptionsForm::RestoreFactoryPreferencesBtnClick() {
    loadPrefs(FactorySettings());
}

// ---------------------------------------------------------------- saving

bool TOptionsForm::validateForSave() {
    // A default terminal is optional, but once any of its texts is given all three
    // must be right; the number fields must always be right. Nothing malformed is
    // ever written to the settings file.
    std::vector<TKxEdit*> fields;
    const bool terminalGiven = !m_latEdit->text().trimmed().isEmpty() ||
                               !m_lonEdit->text().trimmed().isEmpty() ||
                               !m_nameEdit->text().trimmed().isEmpty();
    if (terminalGiven)
        fields = {m_latEdit, m_lonEdit, m_nameEdit};
    fields.push_back(m_minRadAngleEdit);
    fields.push_back(m_noiseBWEdit);
    fields.push_back(m_minutesEdit);
    for (TKxEdit* field : fields) {
        if (!field->Validate()) {
            focusField(field);
            return false;
        }
    }
    return true;
}

void TOptionsForm::SaveBtnClick() {
    if (m_mode != FrequencyMode::Idle)
        return;
    if (validateForSave())
        accept();
}

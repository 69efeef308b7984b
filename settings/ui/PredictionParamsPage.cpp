#include "settings/ui/PredictionParamsPage.h"

#include "settings/ui/OptionsControls.h"
#include "widgets/EntryFields.h"
#include "widgets/QtText.h"
#include "widgets/RadioGroup.h"
#include "widgets/WindowScale.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace optionsform;

PredictionParamsPage::PredictionParamsPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("ParamsPage"));
    m_minRadAngleEdit = MakeEdit<RealEdit>(
        QStringLiteral("MinRadAngleEdit"),
        QStringLiteral(
            "Enter the minimum antenna radiation angle to be used in calculating predictions"),
        this);
    m_minRadAngleEdit->setMaxChars(4);
    m_minRadAngleEdit->setPrecision(1);
    m_minRadAngleEdit->setMinValue(0.0);
    m_minRadAngleEdit->setMaxValue(45.0);
    m_noiseBWEdit = MakeEdit<IntegerEdit>(
        QStringLiteral("NoiseBWEdit"),
        QStringLiteral(
            "Enter the noise bandwidth to be used in calculating signal-to-noise ratios"),
        this);
    m_noiseBWEdit->setMaxChars(5);
    m_noiseBWEdit->setMinValue(1);
    m_noiseBWEdit->setMaxValue(20000);
    const int editWidth =
        fontMetrics().horizontalAdvance(QStringLiteral("0000000")) + Scaled(this, 10);
    m_minRadAngleEdit->setFixedWidth(editWidth);
    m_noiseBWEdit->setFixedWidth(editWidth);

    m_thresholdGroup = new RadioGroup(QStringLiteral("Signal Level Suppression Threshold"),
                                      {QStringLiteral(" 0 dB"), QStringLiteral("-10 dB"),
                                       QStringLiteral("-20 dB"), QStringLiteral("No suppression")},
                                      2, this);
    m_thresholdGroup->setObjectName(QStringLiteral("SuppressionThresholdRadioGroup"));
    m_thresholdGroup->setStatusTip(QStringLiteral(
        "Signal levels below the level you specify will be suppressed (not reported)"));
    m_noiseGroup = new RadioGroup(QStringLiteral("Man-Made Noise Environment"),
                                  {QStringLiteral("Industrial"), QStringLiteral("Residential"),
                                   QStringLiteral("Rural"), QStringLiteral("Remote")},
                                  2, this);
    m_noiseGroup->setObjectName(QStringLiteral("NoiseEnvironmentRadioGroup"));
    m_noiseGroup->setStatusTip(QStringLiteral(
        "The environment you select will be used in calculating signal-to-noise ratios"));
    m_suppressionCheckBox =
        new QCheckBox(QStringLiteral("Suppress Zero-Availability Predictions"), this);
    m_suppressionCheckBox->setObjectName(QStringLiteral("SuppressionCheckBox"));
    m_suppressionCheckBox->setStatusTip(QStringLiteral(
        "When checked, predictions are not shown if the predicted availability is zero"));
    m_suppressionCheckBox->installEventFilter(this);
    m_restoreBtn = MakeButton(
        QStringLiteral("RestoreFactoryPredParamsBtn"),
        QStringLiteral("&Restore Factory Prediction Parameters"),
        QStringLiteral(
            "Press to cause all prediction parameters to revert to their original settings"),
        this);
    ValidatedEdit::MarkAsCancelButton(m_restoreBtn);
    connect(m_restoreBtn, &QPushButton::clicked, this, [this] { load(FactorySettings()); });

    auto* entries = new QGridLayout;
    entries->setHorizontalSpacing(Scaled(this, 8));
    entries->addWidget(new QLabel(QStringLiteral("Minimum Radiation Angle"), this), 0, 0,
                       Qt::AlignRight);
    entries->addWidget(m_minRadAngleEdit, 0, 1);
    entries->addWidget(new QLabel(QStringLiteral("deg"), this), 0, 2);
    entries->addWidget(new QLabel(QStringLiteral("Noise Bandwidth"), this), 1, 0, Qt::AlignRight);
    entries->addWidget(m_noiseBWEdit, 1, 1);
    entries->addWidget(new QLabel(QStringLiteral("Hz"), this), 1, 2);
    entries->setColumnStretch(3, 1);

    auto* groups = new QHBoxLayout;
    groups->addWidget(m_thresholdGroup);
    groups->addWidget(m_noiseGroup);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(entries);
    layout->addSpacing(Scaled(this, 6));
    layout->addLayout(groups);
    layout->addWidget(m_suppressionCheckBox, 0, Qt::AlignHCenter);
    layout->addStretch();
    layout->addWidget(m_restoreBtn, 0, Qt::AlignHCenter);
}

void PredictionParamsPage::load(const Settings& settings) {
    m_minRadAngleEdit->setText(Q(settings.MinRadiationAngleText));
    m_noiseBWEdit->setText(Q(settings.NoiseBandwidthText));
    m_thresholdGroup->setItemIndex(settings.SuppressionThreshold);
    m_noiseGroup->setItemIndex(settings.NoiseEnvironment);
    m_suppressionCheckBox->setChecked(!settings.ShowZeroAvailability);
}

void PredictionParamsPage::writeTo(Settings& settings) const {
    settings.MinRadiationAngleText =
        CutField(m_minRadAngleEdit->text().trimmed(), kMinRadiationAngleCapacity);
    settings.NoiseBandwidthText =
        CutField(m_noiseBWEdit->text().trimmed(), kNoiseBandwidthCapacity);
    settings.SuppressionThreshold = qMax(0, m_thresholdGroup->itemIndex());
    settings.NoiseEnvironment = qMax(0, m_noiseGroup->itemIndex());
    settings.ShowZeroAvailability = !m_suppressionCheckBox->isChecked();
}

ValidatedEdit* PredictionParamsPage::refusedField() {
    return FirstRefused({m_minRadAngleEdit, m_noiseBWEdit});
}

bool PredictionParamsPage::leaveAllowed() {
    return FocusedNumberAccepted({m_minRadAngleEdit, m_noiseBWEdit});
}

void PredictionParamsPage::focusFirstField() {
    m_minRadAngleEdit->setFocus(Qt::OtherFocusReason);
}

bool PredictionParamsPage::eventFilter(QObject* watched, QEvent* event) {
    // Enter toggles the check box, as Space does.
    if (watched == m_suppressionCheckBox && event->type() == QEvent::KeyPress &&
        IsEnter(static_cast<QKeyEvent*>(event))) {
        m_suppressionCheckBox->toggle();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

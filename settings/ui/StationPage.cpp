#include "settings/ui/StationPage.h"

#include "settings/ui/PowerSpinBox.h"
#include "widgets/QtText.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The noise choices in StationNoise's order.
const char* const kNoiseTexts[] = {"City",  "Residential", "Rural",         "Quiet rural",
                                   "Quiet", "Noisy",       "Level (dBW/Hz)"};

QDoubleSpinBox* MakeSpin(QWidget* parent, const QString& name, double low, double high,
                         int decimals, const QString& suffix, const QString& hint) {
    auto* spin = new QDoubleSpinBox(parent);
    spin->setObjectName(name);
    spin->setRange(low, high);
    spin->setDecimals(decimals);
    spin->setSuffix(suffix);
    spin->setStatusTip(hint);
    spin->setKeyboardTracking(false);
    return spin;
}

QComboBox* MakeCombo(QWidget* parent, const QString& name, const QStringList& items,
                     const QString& hint) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->addItems(items);
    combo->setStatusTip(hint);
    return combo;
}

QLabel* Buddy(const QString& text, QWidget* field, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(field);
    label->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred); // never cut short
    // A little room after the text: the last letter of a label ending in a round glyph
    // ("Transmit antenna") is otherwise clipped by the field beside it.
    QString plain = text;
    plain.remove(QLatin1Char('&'));
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(plain) +
                           label->fontMetrics().averageCharWidth());
    return label;
}

} // namespace

StationPage::StationPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("StationPage"));
    m_power = new PowerSpinBox(this);
    m_power->setObjectName(QStringLiteral("PowerEdit"));
    m_power->setRange(kMinPowerW, kMaxPowerW);
    m_power->setSuffix(QStringLiteral(" W"));
    m_power->setStatusTip(QStringLiteral("The transmitter's output power"));
    m_power->setKeyboardTracking(false);
    m_tx = makeAntenna(QStringLiteral("Tx"), QStringLiteral("transmitting"));
    m_rx = makeAntenna(QStringLiteral("Rx"), QStringLiteral("receiving"));

    QStringList noises;
    for (const char* text : kNoiseTexts)
        noises << QString::fromLatin1(text);
    m_noise = MakeCombo(this, QStringLiteral("NoiseComboBox"), noises,
                        QStringLiteral("The man-made noise at the receiving site (ITU-R P.372)"));
    m_noiseLevel = MakeSpin(this, QStringLiteral("NoiseLevelEdit"), kMinNoiseLevelDbw,
                            kMaxNoiseLevelDbw, 1, QStringLiteral(" dBW/Hz"),
                            QStringLiteral("The man-made noise power in 1 Hz at the receiver"));
    QStringList modes;
    for (const ModePreset& preset : ModePresets())
        modes << QString::fromLatin1(preset.name);
    m_mode = MakeCombo(this, QStringLiteral("ModeComboBox"), modes,
                       QStringLiteral("The mode of operation: its bandwidth and required S/N"));
    m_bandwidth = MakeSpin(this, QStringLiteral("BandwidthEdit"), kMinBandwidthHz, kMaxBandwidthHz,
                           0, QStringLiteral(" Hz"),
                           QStringLiteral("The receiver bandwidth the S/N is measured in"));
    m_snr =
        MakeSpin(this, QStringLiteral("RequiredSnrEdit"), kMinRequiredSnrDb, kMaxRequiredSnrDb, 1,
                 QStringLiteral(" dB"), QStringLiteral("The S/N the mode needs in its bandwidth"));
    m_modeSource = new QLabel(this);
    m_modeSource->setObjectName(QStringLiteral("ModeSourceLabel"));
    m_modeSource->setWordWrap(true);
    m_reliability = MakeSpin(this, QStringLiteral("ReliabilityEdit"), kMinRequiredReliability,
                             kMaxRequiredReliability, 0, QStringLiteral(" % of days"),
                             QStringLiteral("How often a circuit must work to count as open"));
    m_engine = MakeCombo(this, QStringLiteral("EngineComboBox"),
                         {QStringLiteral("Classic"), QStringLiteral("P.533")},
                         QStringLiteral("The engine the coverage map and the planner start with"));
    m_restore = new QPushButton(QStringLiteral("&Restore Factory Station"), this);
    m_restore->setObjectName(QStringLiteral("RestoreFactoryStationBtn"));
    m_restore->setStatusTip(QStringLiteral("Go back to a 100 W SSB station with isotropic "
                                           "antennas in a residential area"));
    connect(m_restore, &QPushButton::clicked, this, [this] { setStation(StationSettings{}); });
    connect(m_mode, &QComboBox::currentIndexChanged, this, &StationPage::showMode);
    connect(m_noise, &QComboBox::currentIndexChanged, this, &StationPage::showChoices);
    for (QDoubleSpinBox* custom : {m_bandwidth, m_snr})
        connect(custom, &QDoubleSpinBox::valueChanged, this, [this] {
            if (ModePresets()[m_mode->currentIndex()].mode == StationMode::Custom) {
                m_customBandwidthHz = m_bandwidth->value();
                m_customSnrDb = m_snr->value();
            }
        });

    auto* station = new QGroupBox(QStringLiteral("Station"), this);
    auto* sg = new QGridLayout(station);
    sg->addWidget(Buddy(QStringLiteral("Transmit &power"), m_power, this), 0, 0);
    sg->addWidget(m_power, 0, 1);
    int row = 1;
    for (const auto& [text, fields] : {std::pair{QStringLiteral("&Transmit antenna"), &m_tx},
                                       std::pair{QStringLiteral("Recei&ve antenna"), &m_rx}}) {
        sg->addWidget(Buddy(text, fields->kind, this), row, 0);
        sg->addWidget(fields->kind, row, 1);
        sg->addWidget(fields->gain, row, 2);
        sg->addWidget(fields->file, row, 3);
        sg->addWidget(fields->browse, row, 4);
        ++row;
    }
    sg->addWidget(Buddy(QStringLiteral("Man-made &noise"), m_noise, this), row, 0);
    sg->addWidget(m_noise, row, 1);
    sg->addWidget(m_noiseLevel, row, 2);
    sg->setColumnStretch(3, 1);

    auto* mode = new QGroupBox(QStringLiteral("Mode"), this);
    auto* mg = new QGridLayout(mode);
    mg->addWidget(Buddy(QStringLiteral("&Mode"), m_mode, this), 0, 0);
    mg->addWidget(m_mode, 0, 1);
    mg->addWidget(Buddy(QStringLiteral("&Bandwidth"), m_bandwidth, this), 0, 2);
    mg->addWidget(m_bandwidth, 0, 3);
    mg->addWidget(Buddy(QStringLiteral("Required &S/N"), m_snr, this), 0, 4);
    mg->addWidget(m_snr, 0, 5);
    mg->addWidget(m_modeSource, 1, 0, 1, 6);
    mg->addWidget(Buddy(QStringLiteral("Required re&liability"), m_reliability, this), 2, 0);
    mg->addWidget(m_reliability, 2, 1);
    mg->setColumnStretch(6, 1);

    auto* engine = new QHBoxLayout;
    engine->addWidget(
        Buddy(QStringLiteral("Maps and planner start with the &engine"), m_engine, this));
    engine->addWidget(m_engine);
    engine->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(station);
    layout->addWidget(mode);
    layout->addLayout(engine);
    layout->addStretch();
    layout->addWidget(m_restore, 0, Qt::AlignHCenter);
    setStation(StationSettings{});
}

StationPage::AntennaFields StationPage::makeAntenna(const QString& prefix, const QString& whose) {
    AntennaFields f;
    f.kind = MakeCombo(this, prefix + QStringLiteral("AntennaComboBox"),
                       {QStringLiteral("Isotropic"), QStringLiteral("Pattern file")},
                       QStringLiteral("The %1 antenna: isotropic with a gain, or a gain "
                                      "pattern file (Type 13)")
                           .arg(whose));
    f.gain = MakeSpin(this, prefix + QStringLiteral("GainEdit"), kMinGainDbi, kMaxGainDbi, 1,
                      QStringLiteral(" dBi"),
                      QStringLiteral("The %1 antenna's gain in every direction").arg(whose));
    f.file = new QLineEdit(this);
    f.file->setObjectName(prefix + QStringLiteral("PatternEdit"));
    f.file->setStatusTip(
        QStringLiteral("The %1 antenna's pattern file; a name without a folder is looked for "
                       "in the data folder")
            .arg(whose));
    f.browse = new QPushButton(QStringLiteral("Browse..."), this);
    f.browse->setObjectName(prefix + QStringLiteral("BrowseBtn"));
    connect(f.kind, &QComboBox::currentIndexChanged, this, &StationPage::showChoices);
    connect(f.browse, &QPushButton::clicked, this, [this, f] { browse(f); });
    return f;
}

void StationPage::browse(const AntennaFields& fields) {
    const QString path =
        QFileDialog::getOpenFileName(this, QStringLiteral("Antenna Pattern"), m_dataDir);
    if (!path.isEmpty())
        fields.file->setText(path);
}

void StationPage::showChoices() {
    for (const AntennaFields* f : {&m_tx, &m_rx}) {
        const bool pattern = f->kind->currentIndex() == 1;
        f->gain->setEnabled(!pattern);
        f->file->setEnabled(pattern);
        f->browse->setEnabled(pattern);
    }
    m_noiseLevel->setEnabled(m_noise->currentIndex() == static_cast<int>(StationNoise::Level));
}

void StationPage::showMode() {
    const ModePreset& preset = ModePresets()[std::max(0, m_mode->currentIndex())];
    const bool custom = preset.mode == StationMode::Custom;
    const QSignalBlocker blockBandwidth(m_bandwidth), blockSnr(m_snr);
    m_bandwidth->setValue(custom ? m_customBandwidthHz : preset.bandwidthHz);
    m_snr->setValue(custom ? m_customSnrDb : preset.requiredSnrDb);
    m_bandwidth->setEnabled(custom);
    m_snr->setEnabled(custom);
    m_modeSource->setText(QString::fromUtf8(preset.source));
}

void StationPage::setStation(const StationSettings& s) {
    m_power->setValue(s.powerW);
    for (const auto& [fields, antenna] :
         {std::pair{&m_tx, &s.txAntenna}, std::pair{&m_rx, &s.rxAntenna}}) {
        fields->kind->setCurrentIndex(antenna->patternFile.empty() ? 0 : 1);
        fields->gain->setValue(antenna->gainDbi);
        fields->file->setText(Q(antenna->patternFile));
    }
    m_noise->setCurrentIndex(static_cast<int>(s.noise));
    m_noiseLevel->setValue(s.noiseLevelDbw);
    m_customBandwidthHz = s.customBandwidthHz;
    m_customSnrDb = s.customSnrDb;
    int modeIndex = 0;
    for (std::size_t i = 0; i < ModePresets().size(); ++i)
        if (ModePresets()[i].mode == s.mode)
            modeIndex = static_cast<int>(i);
    m_mode->setCurrentIndex(modeIndex);
    m_reliability->setValue(s.requiredReliabilityPercent);
    m_engine->setCurrentIndex(s.startEngine == PredictionEngine::P533 ? 1 : 0);
    showMode();
    showChoices();
}

StationSettings StationPage::station() const {
    StationSettings s;
    s.powerW = m_power->value();
    for (const auto& [fields, antenna] :
         {std::pair{&m_tx, &s.txAntenna}, std::pair{&m_rx, &s.rxAntenna}}) {
        antenna->gainDbi = fields->gain->value();
        antenna->patternFile =
            fields->kind->currentIndex() == 1 ? S(fields->file->text().trimmed()) : std::string();
    }
    s.noise = static_cast<StationNoise>(m_noise->currentIndex());
    s.noiseLevelDbw = m_noiseLevel->value();
    s.mode = ModePresets()[std::max(0, m_mode->currentIndex())].mode;
    s.customBandwidthHz = m_customBandwidthHz;
    s.customSnrDb = m_customSnrDb;
    s.requiredReliabilityPercent = m_reliability->value();
    s.startEngine =
        m_engine->currentIndex() == 1 ? PredictionEngine::P533 : PredictionEngine::Classic;
    return s;
}

QString StationPage::checkForSave() {
    for (const AntennaFields* f : {&m_tx, &m_rx})
        if (f->kind->currentIndex() == 1 && f->file->text().trimmed().isEmpty()) {
            f->file->setFocus(Qt::OtherFocusReason);
            return QStringLiteral("Enter the antenna's pattern file, or choose Isotropic.");
        }
    const std::string problem = CheckStationSettings(station());
    if (!problem.empty())
        m_power->setFocus(Qt::OtherFocusReason);
    return Q(problem);
}

void StationPage::focusFirstField() {
    m_power->setFocus(Qt::OtherFocusReason);
}

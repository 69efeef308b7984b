#include "coverage/ui/CoverageDialog.h"

#include "core/Geometry.h"
#include "core/Syntax.h"
#include "coverage/Coverage.h"
#include "report/PredictionSetup.h"
#include "widgets/DayAndIndexFields.h"
#include "widgets/EntryFields.h"
#include "widgets/HelpContext.h"
#include "widgets/MessageBoxes.h"
#include "widgets/QtText.h"
#include "widgets/SolarDataButton.h"
#include "widgets/StatusLine.h"
#include "widgets/TerminalGroup.h"
#include "widgets/WindowScale.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace {

// The help page F1 opens here.
constexpr int kCoverageDialogHelpContext = 85;

} // namespace

CoverageDialog::CoverageDialog(StationMapInput input, StatusLine* statusLine, QWidget* parent)
    : QDialog(parent), m_input(std::move(input)) {
    setObjectName(QStringLiteral("TCoverageDialogForm"));
    setWindowTitle(QStringLiteral("Hopscope Coverage Map"));
    SetHelpContext(this, kCoverageDialogHelpContext);
    ScaleWindow(this);

    m_fields = MakeStationDayFields(
        this, {&m_input.settings, m_input.atlas, m_input.countries, m_input.dates}, statusLine);
    m_freq = new QComboBox(this);
    m_freq->setObjectName(QStringLiteral("FreqComboBox"));
    m_freq->setEditable(true);
    for (const std::string& text : FrequencyTexts(m_input.settings))
        m_freq->addItem(Q(text));
    if (m_freq->count() > 0)
        m_freq->setCurrentIndex(m_freq->count() / 2);
    else
        m_freq->setEditText(QStringLiteral("14.1"));
    m_freq->setStatusTip(
        QStringLiteral("Choose one of your frequencies or type one from 3.0 to 30.0 MHz"));
    m_time = new TimeEdit(this);
    m_time->setObjectName(QStringLiteral("TimeEdit"));
    m_time->setStatusTip(QStringLiteral("Enter a four-digit time between 0000 and 2359"));
    auto* zoneLabel = new QLabel(Q(m_input.zone.TimeZoneLabel), this);
    zoneLabel->setObjectName(QStringLiteral("ULTLabel"));
    m_ok = new QPushButton(QStringLiteral("OK (F9)"), this);
    m_ok->setObjectName(QStringLiteral("OKBtn"));
    m_ok->setStatusTip(QStringLiteral("Display the map"));
    m_ok->setAutoDefault(false);
    connect(m_ok, &QPushButton::clicked, this, &CoverageDialog::OKBtnClick);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("CancelBtn"));
    cancel->setAutoDefault(false);
    ValidatedEdit::MarkAsCancelButton(cancel);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* values = new QGridLayout;
    const std::pair<QString, QWidget*> fields[] = {{QStringLiteral("Date"), m_fields.date},
                                                   {QStringLiteral("Solar Index"), m_fields.solar},
                                                   {QStringLiteral("K Index"), m_fields.kIndex},
                                                   {QStringLiteral("Frequency (MHz)"), m_freq},
                                                   {QStringLiteral("Time"), m_time}};
    int row = 0;
    for (const auto& [text, field] : fields) {
        auto* label = new QLabel(text, this);
        label->setBuddy(field);
        values->addWidget(label, row, 0);
        values->addWidget(field, row, 1);
        ++row;
    }
    values->addWidget(zoneLabel, row - 1, 2);
    MakeStationSolarDataButton(m_fields, m_input.dates, statusLine, this);
    values->addWidget(m_fields.solarData, 1, 2); // beside the solar index
    values->setColumnStretch(3, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(cancel);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_fields.terminal);
    layout->addLayout(values);
    layout->addWidget(m_fields.solarData->sourceLabel());
    layout->addLayout(buttons);

    SetTabChain({m_fields.terminal},
                {m_fields.date, m_fields.solar, m_fields.kIndex, m_freq, m_time, m_ok, cancel});
    auto* f9 = new QShortcut(QKeySequence(Qt::Key_F9), this);
    connect(f9, &QShortcut::activated, this, [this] {
        m_ok->setFocus(Qt::OtherFocusReason);
        OKBtnClick();
    });

    FillStationMapFields(m_fields, m_time, m_input);
    TrackFocusHints(this, statusLine);

    adjustSize();
    CentreOnScreen(this, 0.3);
    m_fields.terminal->prefixEdit()->setFocus();
}

void CoverageDialog::setSolarDataSource(const SolarDataSource& source) {
    SetStationDaySolarSource(m_fields, source);
}

void CoverageDialog::setAtlasPicker(const AtlasPicker& picker) {
    SetStationDayAtlasPicker(m_fields, picker);
}

void CoverageDialog::OKBtnClick() {
    const std::optional<StationDayValues> values =
        ReadStationDayFields(m_fields, m_input.dates, m_input.previous.date);
    if (!values)
        return;
    const std::string freqText = m_freq->currentText().trimmed().toStdString();
    if (!CoverageBandOf(m_input.settings, freqText)) {
        ShowError(this, QStringLiteral("Enter a frequency from 3.0 to 30.0 MHz"));
        m_freq->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (!m_time->Validate()) {
        m_time->refocus();
        return;
    }
    CoverageDialogResult result;
    result.map.station = values->station;
    Terminal derived = result.map.station;
    if (const CheckResult parsed = DeriveTerminalCoordinates(derived); !parsed) {
        ShowUserMessage(this, parsed.message);
        m_fields.terminal->prefixEdit()->refocus();
        return;
    }
    result.map.date = values->date;
    result.map.timeText = m_time->text().toStdString();
    result.map.solarIndexText = values->solarIndexText;
    result.map.kIndexText = values->kIndexText;
    result.freqText = freqText;
    m_result = result;
    accept();
}

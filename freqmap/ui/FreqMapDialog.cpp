#include "freqmap/ui/FreqMapDialog.h"

#include "core/Geometry.h"
#include "core/Syntax.h"
#include "widgets/DayAndIndexFields.h"
#include "widgets/EntryFields.h"
#include "widgets/HelpContext.h"
#include "widgets/MessageBoxes.h"
#include "widgets/QtText.h"
#include "widgets/SolarDataButton.h"
#include "widgets/StatusLine.h"
#include "widgets/TerminalGroup.h"
#include "widgets/WindowScale.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace {

// The help page F1 opens here.
constexpr int kFreqMapDialogHelpContext = 83;

} // namespace

FreqMapDialog::FreqMapDialog(StationMapInput input, StatusLine* statusLine, QWidget* parent)
    : QDialog(parent), m_input(std::move(input)), m_statusLine(statusLine) {
    setObjectName(QStringLiteral("TFreqMapDialogForm"));
    setWindowTitle(QStringLiteral("Hopscope Frequency Map"));
    SetHelpContext(this, kFreqMapDialogHelpContext);
    ScaleWindow(this);

    m_fields = MakeStationDayFields(
        this, {&m_input.settings, m_input.atlas, m_input.countries, m_input.dates}, statusLine);
    m_time = new TimeEdit(this);
    m_time->setObjectName(QStringLiteral("TimeEdit"));
    m_time->setStatusTip(QStringLiteral("Enter a four-digit time between 0000 and 2359"));
    m_time->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("000000")) +
                          Scaled(this, 12));
    m_zoneLabel = new QLabel(Q(m_input.zone.TimeZoneLabel), this);
    m_zoneLabel->setObjectName(QStringLiteral("ULTLabel"));
    m_ok = new QPushButton(QStringLiteral("OK (F9)"), this);
    m_ok->setObjectName(QStringLiteral("OKBtn"));
    m_ok->setStatusTip(QStringLiteral("Display the map"));
    m_ok->setAutoDefault(false);
    connect(m_ok, &QPushButton::clicked, this, &FreqMapDialog::OKBtnClick);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("CancelBtn"));
    cancel->setAutoDefault(false);
    ValidatedEdit::MarkAsCancelButton(cancel);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto row = [this](QHBoxLayout* layout, const QString& name, const QString& text,
                      QWidget* field) {
        auto* label = new QLabel(text, this);
        label->setObjectName(name);
        label->setBuddy(field);
        layout->addWidget(label);
        layout->addWidget(field);
        layout->addSpacing(12);
    };
    auto* values = new QHBoxLayout;
    row(values, QStringLiteral("DateLabel"), QStringLiteral("Date"), m_fields.date);
    row(values, QStringLiteral("SolarIndexLabel"), QStringLiteral("Solar Index"), m_fields.solar);
    row(values, QStringLiteral("KIndexLabel"), QStringLiteral("K Index"), m_fields.kIndex);
    MakeStationSolarDataButton(m_fields, m_input.dates, m_statusLine, this);
    values->addWidget(m_fields.solarData);
    values->addStretch();
    auto* timeRow = new QHBoxLayout;
    row(timeRow, QStringLiteral("TimeLabel"), QStringLiteral("Time"), m_time);
    timeRow->addWidget(m_zoneLabel);
    timeRow->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(cancel);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_fields.terminal);
    layout->addLayout(values);
    layout->addWidget(m_fields.solarData->sourceLabel());
    layout->addLayout(timeRow);
    layout->addLayout(buttons);

    SetTabChain({m_fields.terminal},
                {m_fields.date, m_fields.solar, m_fields.kIndex, m_time, m_ok, cancel});
    auto* f9 = new QShortcut(QKeySequence(Qt::Key_F9), this);
    connect(f9, &QShortcut::activated, this, [this] {
        m_ok->setFocus(Qt::OtherFocusReason);
        OKBtnClick();
    });

    // The fields start from the current prediction; the time is the clock's, as shown.
    FillStationMapFields(m_fields, m_time, m_input);
    TrackFocusHints(this, m_statusLine);

    adjustSize();
    CentreOnScreen(this, 0.3);
    m_fields.terminal->prefixEdit()->setFocus();
}

void FreqMapDialog::setSolarDataSource(const SolarDataSource& source) {
    SetStationDaySolarSource(m_fields, source);
}

void FreqMapDialog::setAtlasPicker(const AtlasPicker& picker) {
    SetStationDayAtlasPicker(m_fields, picker);
}

void FreqMapDialog::OKBtnClick() {
    const std::optional<StationDayValues> values =
        ReadStationDayFields(m_fields, m_input.dates, m_input.previous.date);
    if (!values)
        return;
    if (!m_time->Validate()) {
        m_time->refocus();
        return;
    }
    StationMapRequest request;
    request.station = values->station;
    if (const CheckResult parsed = DeriveTerminalCoordinates(request.station); !parsed) {
        ShowUserMessage(this, parsed.message);
        m_fields.terminal->prefixEdit()->refocus();
        return;
    }
    request.date = values->date;
    request.timeText = m_time->text().toStdString();
    request.solarIndexText = values->solarIndexText;
    request.kIndexText = values->kIndexText;
    m_request = request;
    accept();
}

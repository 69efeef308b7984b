#include "maps/ui/MapDialog.h"

#include "appstate/AppState.h"
#include "core/Syntax.h"
#include "widgets/EntryFields.h"
#include "widgets/HelpContext.h"
#include "widgets/MessageBoxes.h"
#include "widgets/QtText.h"
#include "widgets/StatusLine.h"
#include "widgets/TerminalGroup.h"
#include "widgets/TerminalPair.h"
#include "widgets/WindowScale.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace {

// The help page F1 opens here.
constexpr int kMapDialogHelpContext = 80;

} // namespace

MapDialog::MapDialog(MapKind kind, MapDialogInput input, StatusLine* statusLine, QWidget* parent)
    : QDialog(parent), m_input(std::move(input)), m_statusLine(statusLine) {
    setObjectName(QStringLiteral("TMapDlgForm"));
    setWindowTitle(Q(MapCaption(kind)));
    SetHelpContext(this, kMapDialogHelpContext);
    ScaleWindow(this);
    FormCreate();
}

MapDialog::~MapDialog() = default;

void MapDialog::FormCreate() {
    for (int i = 0; i < 2; ++i)
        m_groups[i] =
            new TerminalGroup(i == 0 ? 'A' : 'B', QString(QLatin1Char(i == 0 ? 'A' : 'B')),
                              m_input.settings, m_input.atlas, m_statusLine, this);
    for (TerminalGroup* group : m_groups)
        group->setCountryFile(m_input.countries);
    m_date = new DateEdit(this);
    m_date->setObjectName(QStringLiteral("DateEdit"));
    m_date->setDateConventions(m_input.dates);
    m_date->setStatusTip(Q(DateHint(m_input.dates)));
    m_time = new TimeEdit(this);
    m_time->setObjectName(QStringLiteral("TimeEdit"));
    m_time->setStatusTip(QStringLiteral("Enter a four-digit time between 0000 and 2359"));
    m_ok = new QPushButton(QStringLiteral("OK (F9)"), this);
    m_ok->setObjectName(QStringLiteral("OKBtn"));
    m_ok->setStatusTip(QStringLiteral("Display the map"));
    connect(m_ok, &QPushButton::clicked, this, &MapDialog::OKBtnClick);
    m_cancel = new QPushButton(QStringLiteral("Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("CancelBtn"));
    ValidatedEdit::MarkAsCancelButton(m_cancel);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto label = [this](const QString& name, const QString& text, QWidget* buddy) {
        auto* l = new QLabel(text, this);
        l->setObjectName(name);
        l->setBuddy(buddy);
        return l;
    };
    auto* groups = new QHBoxLayout;
    groups->addWidget(m_groups[0]);
    groups->addWidget(m_groups[1]);
    auto* values = new QHBoxLayout;
    values->addWidget(label(QStringLiteral("DateLabel"), QStringLiteral("Date"), m_date));
    values->addWidget(m_date);
    values->addSpacing(12);
    values->addWidget(label(QStringLiteral("TimeLabel"), QStringLiteral("Time"), m_time));
    values->addWidget(m_time);
    auto* zone = new QLabel(Q(m_input.previous.zone.TimeZoneLabel), this);
    zone->setObjectName(QStringLiteral("ULTLabel"));
    values->addWidget(zone);
    values->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(groups);
    layout->addLayout(values);
    layout->addLayout(buttons);

    SetTabChain({m_groups[0], m_groups[1]}, {m_date, m_time, m_ok, m_cancel});
    auto* f9 = new QShortcut(QKeySequence(Qt::Key_F9), this);
    f9->setContext(Qt::WindowShortcut);
    connect(f9, &QShortcut::activated, this, [this] {
        m_ok->setFocus(Qt::OtherFocusReason);
        if (QApplication::focusWidget() == m_ok || m_ok->hasFocus())
            OKBtnClick();
    });

    // The fields start from the last prediction when a default terminal exists.
    const PredictionInputs& previous = m_input.previous;
    if (m_input.settings.DefaultDefined) {
        m_groups[0]->setTerminal(previous.terminalA);
        m_groups[1]->setTerminal(StartingTerminalB(previous.terminalA, previous.terminalB));
    }
    m_date->setText(Q(FormatDateText(false, previous.date, m_input.dates)));
    m_time->setText(Q(m_input.timeText));
    m_pair = std::make_unique<TerminalPair>(this, m_groups[0], m_groups[1], m_date);
    TrackFocusHints(this, m_statusLine);
    adjustSize();
    CentreOnScreen(this, 0.3);
    m_groups[0]->prefixEdit()->setFocus();
}

void MapDialog::setAtlasPicker(const AtlasPicker& picker) {
    for (TerminalGroup* group : m_groups)
        group->setAtlasPicker(picker);
}

ValidatedEdit* MapDialog::rememberedField() const {
    return m_pair->rememberedField();
}

std::string MapDialog::mapTimeText() const {
    return S(m_time->text());
}

void MapDialog::OKBtnClick() {
    if (m_statusLine)
        m_statusLine->HideStatusLine();
    PredictionInputs inputs;
    for (int i = 0; i < 2; ++i) {
        const std::optional<Terminal> terminal = m_groups[i]->resolveForOk();
        if (!terminal)
            return;
        (i == 0 ? inputs.terminalA : inputs.terminalB) = *terminal;
    }
    for (ValidatedEdit* field : std::initializer_list<ValidatedEdit*>{m_date, m_time}) {
        if (!field->Validate()) {
            field->refocus();
            return;
        }
    }
    inputs.date = ParseDateText(S(m_date->text()), m_input.dates).value_or(m_input.previous.date);
    inputs.zone = m_input.previous.zone;
    inputs.zone.PredictionDate = inputs.date;
    const PreparedPrediction prepared = PreparePaths(inputs);
    if (!prepared) {
        ShowUserMessage(this, prepared.message);
        m_groups[0]->prefixEdit()->refocus();
        return;
    }
    m_request = PathMapRequestOf(prepared.request);
    accept();
}

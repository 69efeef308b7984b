#include "prediction/PredictionDialog.h"

#include "appstate/AppState.h"
#include "core/Syntax.h"
#include "widgets/DayAndIndexFields.h"
#include "widgets/EntryFields.h"
#include "widgets/HelpContext.h"
#include "widgets/MessageBoxes.h"
#include "widgets/QtText.h"
#include "widgets/SolarDataButton.h"
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
constexpr int kPredictionDialogHelpContext = 3;

} // namespace

PredictionDialog::PredictionDialog(PredictionDialogInput input, StatusLine* statusLine,
                                   QWidget* parent)
    : QDialog(parent), m_input(std::move(input)), m_statusLine(statusLine) {
    setObjectName(QStringLiteral("TPredDlgForm"));
    setWindowTitle(QStringLiteral("Hopscope Propagation Prediction"));
    SetHelpContext(this, kPredictionDialogHelpContext);
    ScaleWindow(this);
    FormCreate();
}

// The pair lets go of the application's focus signal first: destroying the children
// moves the focus, and its slot must not run on a dialog that is half gone.
PredictionDialog::~PredictionDialog() = default;

void PredictionDialog::FormCreate() {
    for (int i = 0; i < 2; ++i)
        m_groups[i] = new TerminalGroup(i == 0 ? 'A' : 'B',
                                        i == 0 ? QStringLiteral("A") : QStringLiteral("B"),
                                        m_input.settings, m_input.atlas, m_statusLine, this);
    for (TerminalGroup* group : m_groups)
        group->setCountryFile(m_input.countries);

    const DayAndIndexFields dayFields =
        MakeDayAndIndexFields(this, m_input.dates, m_input.settings.SunspotPrimary);
    m_date = dayFields.date;
    m_solar = dayFields.solar;
    m_kIndex = dayFields.kIndex;
    m_solarData = MakeSolarDataButton(dayFields, m_input.dates, m_statusLine, this);

    auto label = [this](const QString& name, const QString& text, QWidget* buddy) {
        auto* l = new QLabel(text, this);
        l->setObjectName(name);
        l->setBuddy(buddy);
        return l;
    };
    m_ok = new QPushButton(QStringLiteral("OK (F9)"), this);
    m_ok->setObjectName(QStringLiteral("OKBtn"));
    m_ok->setStatusTip(QStringLiteral("Compute the prediction"));
    connect(m_ok, &QPushButton::clicked, this, &PredictionDialog::OKBtnClick);
    m_cancel = new QPushButton(QStringLiteral("Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("CancelBtn"));
    ValidatedEdit::MarkAsCancelButton(m_cancel);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* groups = new QHBoxLayout;
    groups->addWidget(m_groups[0]);
    groups->addWidget(m_groups[1]);
    auto* values = new QHBoxLayout;
    values->addWidget(label(QStringLiteral("DateLabel"), QStringLiteral("Date"), m_date));
    values->addWidget(m_date);
    values->addSpacing(12);
    values->addWidget(
        label(QStringLiteral("SolarIndexLabel"), QStringLiteral("Solar Index"), m_solar));
    values->addWidget(m_solar);
    values->addSpacing(12);
    values->addWidget(label(QStringLiteral("KIndexLabel"), QStringLiteral("K Index"), m_kIndex));
    values->addWidget(m_kIndex);
    values->addSpacing(12);
    values->addWidget(m_solarData);
    values->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(groups);
    layout->addLayout(values);
    layout->addWidget(m_solarData->sourceLabel());
    layout->addLayout(buttons);

    // Tab order: group A, group B, date, solar index, K index, OK, Cancel.
    SetTabChain({m_groups[0], m_groups[1]}, {m_date, m_solar, m_kIndex, m_ok, m_cancel});

    auto* f9 = new QShortcut(QKeySequence(Qt::Key_F9), this);
    f9->setContext(Qt::WindowShortcut);
    connect(f9, &QShortcut::activated, this, &PredictionDialog::F9Pressed);

    // The fields start from the last prediction when a default terminal exists.
    const PredictionInputs& previous = m_input.previous;
    if (m_input.settings.DefaultDefined) {
        m_groups[0]->setTerminal(previous.terminalA);
        m_groups[1]->setTerminal(StartingTerminalB(previous.terminalA, previous.terminalB));
    }
    SetDayAndIndexTexts({m_date, m_solar, m_kIndex}, previous.date, m_input.dates,
                        previous.solarIndexText, previous.kIndexText);

    m_pair = std::make_unique<TerminalPair>(this, m_groups[0], m_groups[1], m_date);
    TrackFocusHints(this, m_statusLine);

    adjustSize();
    CentreOnScreen(this, 0.3);
    m_groups[0]->prefixEdit()->setFocus();
}

void PredictionDialog::setSolarDataSource(const SolarDataSource& source) {
    m_solarData->setSource(source);
    m_solarData->fillIfChosen();
}

void PredictionDialog::setAtlasPicker(const AtlasPicker& picker) {
    for (TerminalGroup* group : m_groups)
        group->setAtlasPicker(picker);
}

ValidatedEdit* PredictionDialog::rememberedField() const {
    return m_pair->rememberedField();
}

void PredictionDialog::F9Pressed() {
    m_ok->setFocus(Qt::OtherFocusReason);
    if (QApplication::focusWidget() == m_ok || m_ok->hasFocus())
        OKBtnClick();
}

void PredictionDialog::OKBtnClick() {
    if (m_statusLine)
        m_statusLine->HideStatusLine();
    // Each terminal is resolved from what its fields hold; a refusal puts the focus
    // on the field to correct.
    Terminal terminals[2];
    for (int i = 0; i < 2; ++i) {
        const std::optional<Terminal> terminal = m_groups[i]->resolveForOk();
        if (!terminal)
            return;
        terminals[i] = *terminal;
    }
    for (ValidatedEdit* field : std::initializer_list<ValidatedEdit*>{m_date, m_solar, m_kIndex}) {
        if (!field->Validate()) {
            field->refocus();
            return;
        }
    }

    PredictionInputs inputs;
    inputs.terminalA = terminals[0];
    inputs.terminalB = terminals[1];
    inputs.date = ParseDateText(S(m_date->text()), m_input.dates).value_or(m_input.previous.date);
    inputs.solarIndexText = CutText(S(m_solar->text()), 6);
    inputs.kIndexText = CutText(S(m_kIndex->text()), 2);
    inputs.solarSource = S(m_solarData->sourceOf(m_solar->text()));
    inputs.zone = m_input.previous.zone;
    inputs.zone.PredictionDate = inputs.date;

    const PreparedPrediction prepared = PreparePrediction(inputs, m_input.settings);
    if (!prepared) {
        ShowUserMessage(this, prepared.message);
        m_groups[0]->prefixEdit()->refocus();
        return;
    }
    m_inputs = inputs;
    m_inputs.terminalA = prepared.request.TerminalA;
    m_inputs.terminalB = prepared.request.TerminalB;
    m_request = prepared.request;
    accept();
}

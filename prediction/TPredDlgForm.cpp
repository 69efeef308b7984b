#include "prediction/TPredDlgForm.h"

#include "atlas/Atlas.h"
#include "core/Geometry.h"
#include "core/Syntax.h"
#include "settings/DefaultTerminal.h"
#include "widgets/KxComps.h"
#include "widgets/KxHelp.h"
#include "widgets/KxMessages.h"
#include "widgets/KxStatusLine.h"
#include "widgets/KxText.h"
#include "widgets/KxWindowScale.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace {

constexpr int kPredictionDialogHelpContext = 3;
const char* const kInsText = "<Ins>";

const char* const kPrefixHint =
    "Enter the prefix of the atlas entry (or a grid locator), or press one of the terminal buttons";
const char* const kPrefixHintNoDefault =
    "Enter the prefix of the atlas entry, or press one of the terminal buttons";

bool IsEnterKey(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

TPredDlgForm::TPredDlgForm(PredictionDialogInput input, StatusLine* statusLine, QWidget* parent)
    : QDialog(parent), m_input(std::move(input)), m_statusLine(statusLine) {
    setObjectName(QStringLiteral("TPredDlgForm"));
    setWindowTitle(QStringLiteral("Hopscope Propagation Prediction"));
    SetHelpContext(this, kPredictionDialogHelpContext);
    ScaleWindow(this);
    FormCreate();
}

void TPredDlgForm::setAtlasPicker(AtlasPicker picker) {
    m_picker = std::move(picker);
    updateButtons(groupOf(QApplication::focusWidget()).value_or(GroupA));
}

void TPredDlgForm::setTerminal(Group group, const Terminal& terminal) {
    TerminalGroup& g = m_groups[group];
    g.prefix->setText(Q(terminal.Prefix));
    g.latitude->setText(Q(terminal.LatitudeText));
    g.longitude->setText(Q(terminal.LongitudeText));
    g.name->setText(Q(terminal.Name));
}

TerminalTexts TPredDlgForm::typedTexts(Group group) const {
    const TerminalGroup& g = m_groups[group];
    return {S(g.prefix->text()), S(g.latitude->text()), S(g.longitude->text()), S(g.name->text())};
}

void TPredDlgForm::updateFieldEnabling(Group group) {
    TerminalGroup& g = m_groups[group];
    const bool manual = g.prefix->text() == QLatin1String(kInsText);
    g.latitude->setEnabled(manual);
    g.longitude->setEnabled(manual);
    g.name->setEnabled(manual);
}

void TPredDlgForm::updateButtons(std::optional<Group> focusGroup) {
    const bool atlasHasEntries = m_input.atlas && m_input.atlas->Count > 0 && m_picker;
    for (int i = 0; i < 2; ++i) {
        const bool active = focusGroup && *focusGroup == i;
        m_groups[i].defaultBtn->setEnabled(active && m_input.settings.DefaultDefined);
        m_groups[i].selectBtn->setEnabled(active && atlasHasEntries);
        m_groups[i].manualBtn->setEnabled(active);
    }
}

std::optional<TPredDlgForm::Group> TPredDlgForm::groupOf(const QWidget* widget) const {
    for (int i = 0; i < 2; ++i)
        if (widget && (widget == m_groups[i].box || m_groups[i].box->isAncestorOf(widget)))
            return static_cast<Group>(i);
    return std::nullopt;
}

TPredDlgForm::~TPredDlgForm() {
    disconnect(m_focusConnection);
}

void TPredDlgForm::focusChanged(QWidget*, QWidget* now) {
    if (!now || now->window() != this)
        return;
    if (auto* field = qobject_cast<TKxEdit*>(now))
        m_remembered = field;
    updateButtons(groupOf(now));
}

void TPredDlgForm::focusAfterGroup(Group group) {
    if (group == GroupA)
        m_groups[GroupB].prefix->setFocus(Qt::OtherFocusReason);
    else
        m_date->setFocus(Qt::OtherFocusReason);
}

void TPredDlgForm::fieldExit(TKxEdit* field, Group group, QWidget* target) {
    if (m_statusLine)
        m_statusLine->ResetStatusLine();
    TerminalGroup& g = m_groups[group];
    if (TKxEdit::IsCancelTarget(target))
        return;
    if (target == g.defaultBtn || target == g.selectBtn || target == g.manualBtn)
        return;
    // An empty prefix is left alone until OK: the user may come back to it, and
    // Enter in it moves on after the default-terminal message.
    if (field == g.prefix && g.prefix->text().isEmpty())
        return;
    if (!field->Validate()) {
        field->refocus();
        return;
    }
    if (field == g.prefix)
        fillFromPrefix(group);
    updateFieldEnabling(group);
}

void TPredDlgForm::fillFromPrefix(Group group) {
    TerminalTexts typed = typedTexts(group);
    if (typed.prefix == kManualPrefix)
        return;
    const ResolvedTerminal resolved =
        ResolveTerminal(typed, group == GroupA ? 'A' : 'B', m_input.atlas, m_input.settings);
    if (resolved.problem == TerminalProblem::DefaultUndefined)
        refuseMissingDefault(group);
    else if (resolved)
        setTerminal(group, resolved.terminal);
}

void TPredDlgForm::refuseMissingDefault(Group group) {
    ShowUserMessage(this, NoDefaultTerminalMessage());
    m_groups[group].prefix->clear();
    updateFieldEnabling(group);
    if (m_statusLine)
        m_statusLine->SetStatusHint(QString::fromLatin1(kPrefixHintNoDefault));
}

void TPredDlgForm::prefixEnter(Group group) {
    TerminalGroup& g = m_groups[group];
    if (g.prefix->text().isEmpty())
        g.prefix->setText(QString::fromLatin1(kDefaultPrefix));
    if (g.prefix->text() == QLatin1String(kDefaultPrefix) && !m_input.settings.DefaultDefined)
        refuseMissingDefault(group);
    if (g.prefix->text() == QLatin1String(kInsText))
        g.latitude->setFocus(Qt::OtherFocusReason);
    else
        focusAfterGroup(group);
}

void TPredDlgForm::defaultKey(Group group) {
    if (!m_input.settings.DefaultDefined) {
        refuseMissingDefault(group);
        return;
    }
    DefaultBtnClick(group);
}

void TPredDlgForm::DefaultBtnClick(Group group) {
    if (!m_input.settings.DefaultDefined)
        return;
    setTerminal(group, DefaultTerminal(m_input.settings));
    updateFieldEnabling(group);
    focusAfterGroup(group);
}

void TPredDlgForm::ManualBtnClick(Group group) {
    TerminalGroup& g = m_groups[group];
    if (g.prefix->text() == QLatin1String(kInsText)) {
        if (m_remembered)
            m_remembered->refocus();
        return;
    }
    g.prefix->setText(QString::fromLatin1(kInsText));
    updateFieldEnabling(group);
    g.latitude->setFocus(Qt::OtherFocusReason);
}

void TPredDlgForm::SelectBtnClick(Group group) {
    if (m_statusLine)
        m_statusLine->HideStatusLine();
    std::optional<std::string> chosen;
    if (m_picker && m_input.atlas && m_input.atlas->Count > 0)
        chosen = m_picker(this);
    if (chosen && m_input.atlas) {
        if (const std::optional<AtlasEntry> entry = FindAtlasEntry(*m_input.atlas, *chosen)) {
            TerminalGroup& g = m_groups[group];
            g.prefix->setText(Q(entry->Prefix()));
            g.latitude->setText(Q(entry->Latitude()));
            g.longitude->setText(Q(entry->Longitude()));
            g.name->setText(Q(entry->Name()));
            updateFieldEnabling(group);
            focusAfterGroup(group);
            // The search window's hint would otherwise stay until the focus moves again.
            if (m_statusLine)
                m_statusLine->SetStatusHint(HintOf(focusWidget(), this));
            return;
        }
    }
    if (m_remembered) {
        m_remembered->refocus();
        if (m_statusLine)
            m_statusLine->SetStatusHint(HintOf(m_remembered, this));
    }
}

void TPredDlgForm::F9Pressed() {
    m_ok->setFocus(Qt::OtherFocusReason);
    if (QApplication::focusWidget() == m_ok || m_ok->hasFocus())
        OKBtnClick();
}

bool TPredDlgForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    for (int i = 0; i < 2; ++i) {
        TerminalGroup& g = m_groups[i];
        if (watched != g.prefix)
            continue;
        const auto* key = static_cast<QKeyEvent*>(event);
        const Group group = static_cast<Group>(i);
        const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
        if (mods == Qt::NoModifier) {
            switch (key->key()) {
            case Qt::Key_Return:
            case Qt::Key_Enter:
                prefixEnter(group);
                return true;
            case Qt::Key_Insert:
                ManualBtnClick(group);
                return true;
            case Qt::Key_F7:
                defaultKey(group);
                return true;
            case Qt::Key_F8:
                if (g.selectBtn->isEnabled())
                    SelectBtnClick(group);
                return true;
            default:
                break;
            }
        }
        if (IsEnterKey(key->key()))
            return true;
        if (mods & (Qt::ControlModifier | Qt::AltModifier))
            return false;
        const QString text = key->text();
        if (text.size() != 1)
            return false;
        const QChar c = text.at(0);
        if (c == QLatin1Char('\b'))
            return false;
        if (c.unicode() < 32 || c.unicode() == 127)
            return false;
        const bool accepted = c == QLatin1Char('/') ||
                              (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
                              (c.toUpper() >= QLatin1Char('A') && c.toUpper() <= QLatin1Char('Z'));
        if (!accepted)
            return true;
        if (g.prefix->text() == QLatin1String(kInsText))
            g.prefix->clear();
        g.prefix->insert(QString(c.toUpper()));
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TPredDlgForm::OKBtnClick() {
    if (m_statusLine)
        m_statusLine->HideStatusLine();
    // Each terminal is resolved from what its fields hold; a refusal puts the focus
    // on the field to correct.
    Terminal terminals[2];
    for (int i = 0; i < 2; ++i) {
        const Group group = static_cast<Group>(i);
        TerminalGroup& g = m_groups[i];
        const ResolvedTerminal resolved =
            ResolveTerminal(typedTexts(group), i == 0 ? 'A' : 'B', m_input.atlas, m_input.settings);
        if (!resolved) {
            if (resolved.problem == TerminalProblem::DefaultUndefined) {
                refuseMissingDefault(group);
                g.prefix->refocus();
                return;
            }
            ShowUserMessage(this, resolved.message);
            if (resolved.problem == TerminalProblem::Latitude)
                g.latitude->refocus();
            else if (resolved.problem == TerminalProblem::Longitude)
                g.longitude->refocus();
            else
                g.prefix->refocus();
            return;
        }
        setTerminal(group, resolved.terminal);
        terminals[i] = resolved.terminal;
        // A grid locator names its terminal in Path Information and the map titles.
        NameLocatorTerminal(terminals[i]);
    }
    // A map's dialog asks for a time of day in place of the solar and K indices.
    QList<TKxEdit*> values{m_date};
    if (m_time)
        values << m_time;
    else
        values << m_solar << m_kIndex;
    for (TKxEdit* field : values) {
        if (!field->Validate()) {
            field->refocus();
            return;
        }
    }

    PredictionInputs inputs;
    inputs.terminalA = terminals[GroupA];
    inputs.terminalB = terminals[GroupB];
    inputs.date = ParseDateText(S(m_date->text()), m_input.dates).value_or(m_input.previous.date);
    inputs.solarIndexText = CutText(S(m_solar->text()), 6);
    inputs.kIndexText = CutText(S(m_kIndex->text()), 2);
    inputs.zone = m_input.previous.zone;
    inputs.zone.PredictionDate = inputs.date;
    if (m_time) {
        if (acceptMapPath(inputs))
            accept();
        return;
    }

    const PreparedPrediction prepared = PreparePrediction(inputs, m_input.settings);
    if (!prepared) {
        ShowUserMessage(this, prepared.message);
        m_groups[GroupA].prefix->refocus();
        return;
    }
    m_inputs = inputs;
    m_inputs.terminalA = prepared.request.TerminalA;
    m_inputs.terminalB = prepared.request.TerminalB;
    m_request = prepared.request;
    accept();
}

bool TPredDlgForm::acceptMapPath(const PredictionInputs& inputs) {
    PredictionRequest request;
    request.TerminalA = inputs.terminalA;
    request.TerminalB = inputs.terminalB;
    const PathGeometryResult paths = ComputePathGeometry(request.TerminalA, request.TerminalB,
                                                         request.ShortPath, request.LongPath);
    if (!paths) {
        ShowUserMessage(this, paths.message);
        m_groups[GroupA].prefix->refocus();
        return false;
    }
    MarkPolarPaths(request.TerminalA, request.TerminalB, request.ShortPath, request.LongPath);
    request.Date = inputs.date;
    request.Zone = inputs.zone;
    m_inputs = inputs;
    m_inputs.terminalA = request.TerminalA;
    m_inputs.terminalB = request.TerminalB;
    m_request = request;
    return true;
}

std::string TPredDlgForm::mapTimeText() const {
    return m_time ? S(m_time->text()) : std::string();
}

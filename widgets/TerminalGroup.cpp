#include "widgets/TerminalGroup.h"

#include "atlas/Atlas.h"
#include "atlas/AtlasEntry.h"
#include "settings/DefaultTerminal.h"
#include "widgets/EntryFields.h"
#include "widgets/MessageBoxes.h"
#include "widgets/QtText.h"
#include "widgets/StatusLine.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace {

const char* const kPrefixHint =
    "Enter the prefix of the atlas entry (or a grid locator), or press one of the terminal buttons";
const char* const kPrefixHintNoDefault =
    "Enter the prefix of the atlas entry, or press one of the terminal buttons";

bool IsManual(const QString& prefix) {
    return prefix == QLatin1String(kManualPrefix);
}

} // namespace

TerminalGroup::TerminalGroup(char letter, const QString& namePrefix, const Settings& settings,
                             const Atlas* atlas, StatusLine* statusLine, QWidget* parent)
    : QGroupBox(QStringLiteral("Terminal ") + QLatin1Char(letter), parent), m_letter(letter),
      m_settings(settings), m_atlas(atlas), m_statusLine(statusLine) {
    setObjectName(QStringLiteral("Term") + QLatin1Char(letter) + QStringLiteral("GroupBox"));
    buildControls(namePrefix);
    updateFieldEnabling();
    setActive(true);
}

void TerminalGroup::buildControls(const QString& namePrefix) {
    auto label = [&](const QString& name, const QString& text) {
        auto* l = new QLabel(text, this);
        l->setObjectName(namePrefix + name);
        return l;
    };
    auto button = [&](const QString& name, const QString& text) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(namePrefix + name);
        b->setFocusPolicy(Qt::ClickFocus);
        b->setAutoDefault(false);
        return b;
    };
    m_prefix = new PrefixEdit(this);
    m_prefix->setObjectName(namePrefix + QStringLiteral("PfxEdit"));
    m_prefix->setAllowKeyPressHandler(true);
    m_prefix->setEnterToTab(false);
    m_prefix->setCharCase(ValidatedEdit::CharCase::Normal);
    m_prefix->setMaxLength(7);
    m_prefix->setCanBeLocator(true);
    m_prefix->setMustFindInAtlas(true);
    m_prefix->setAtlas(m_atlas);
    m_prefix->setStatusTip(QString::fromLatin1(kPrefixHint));
    m_prefix->installEventFilter(this);
    connect(m_prefix, &QLineEdit::textChanged, this, &TerminalGroup::updateFieldEnabling);
    m_latitude = new LatitudeEdit(this);
    m_latitude->setObjectName(namePrefix + QStringLiteral("LatEdit"));
    m_latitude->setStatusTip(
        QStringLiteral("Enter as decimal degrees or deg min sec (north is +, south is -)"));
    m_longitude = new LongitudeEdit(this);
    m_longitude->setObjectName(namePrefix + QStringLiteral("LonEdit"));
    m_longitude->setStatusTip(
        QStringLiteral("Enter as decimal degrees or deg min sec (west is +, east is -)"));
    m_name = new NameEdit(this);
    m_name->setObjectName(namePrefix + QStringLiteral("NameEdit"));
    m_name->setBlankAllowed(true);
    m_name->setStatusTip(QStringLiteral("Enter a callsign, city name, or other identifier (maximum "
                                        "17 characters including spaces)"));
    for (ValidatedEdit* field : fields()) {
        field->setAllowExitHandler(true);
        connect(field, &ValidatedEdit::exitRequested, this,
                [this, field](QWidget* target) { fieldExit(field, target); });
    }
    m_defaultBtn = button(QStringLiteral("DefaultBtn"), QStringLiteral("Use &Default"));
    m_selectBtn = button(QStringLiteral("SelectBtn"), QStringLiteral("Select from &Atlas"));
    m_manualBtn = button(QStringLiteral("ManualBtn"), QStringLiteral("Enter &Manually"));
    connect(m_defaultBtn, &QPushButton::clicked, this, &TerminalGroup::DefaultBtnClick);
    connect(m_selectBtn, &QPushButton::clicked, this, &TerminalGroup::SelectBtnClick);
    connect(m_manualBtn, &QPushButton::clicked, this, &TerminalGroup::ManualBtnClick);

    auto* grid = new QGridLayout(this);
    grid->addWidget(label(QStringLiteral("PrefixLabel"), QStringLiteral("Prefix or Locator")), 0,
                    0);
    grid->addWidget(m_prefix, 0, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_defaultBtn);
    buttons->addWidget(m_selectBtn);
    buttons->addWidget(m_manualBtn);
    grid->addLayout(buttons, 1, 0, 1, 2);
    grid->addWidget(label(QStringLiteral("LatLabel"), QStringLiteral("Latitude")), 2, 0);
    grid->addWidget(m_latitude, 2, 1);
    grid->addWidget(label(QStringLiteral("LonLabel"), QStringLiteral("Longitude")), 3, 0);
    grid->addWidget(m_longitude, 3, 1);
    grid->addWidget(label(QStringLiteral("NameLabel"), QStringLiteral("Name")), 4, 0);
    grid->addWidget(m_name, 4, 1);
    m_match = label(QStringLiteral("MatchLabel"), QString());
    m_match->setTextInteractionFlags(Qt::TextSelectableByMouse);
    grid->addWidget(m_match, 5, 0, 1, 2);
    connect(m_prefix, &QLineEdit::textChanged, m_match, &QLabel::clear);
}

void TerminalGroup::setCountryFile(const CountryFileLoad* countries) {
    m_countries = countries;
    m_prefix->setCountryFile(countries && countries->Ok() ? &countries->file : nullptr);
    if (countries) {
        m_prefix->setMaxLength(kCallsignFieldLength);
        m_prefix->setMaxChars(kCallsignFieldLength);
    }
}

void TerminalGroup::showMatch(const ResolvedTerminal& resolved, const std::string& typedPrefix) {
    // A callsign stays in the field as typed (the record keeps what fits), so that OK
    // finds the same place again.
    if (!resolved.matchText.empty())
        m_prefix->setText(Q(AtlasUpperCase(typedPrefix)));
    m_match->setText(Q(resolved.matchText));
}

QList<ValidatedEdit*> TerminalGroup::fields() const {
    return {m_prefix, m_latitude, m_longitude, m_name};
}

void TerminalGroup::setAtlasPicker(AtlasPicker picker) {
    m_picker = std::move(picker);
    setActive(m_active);
}

void TerminalGroup::setActive(bool active) {
    m_active = active;
    m_defaultBtn->setEnabled(active && m_settings.DefaultDefined);
    m_selectBtn->setEnabled(active && m_atlas && m_atlas->Count > 0 && m_picker);
    m_manualBtn->setEnabled(active);
}

void TerminalGroup::setTerminal(const Terminal& terminal) {
    m_prefix->setText(Q(terminal.Prefix));
    m_latitude->setText(Q(terminal.LatitudeText));
    m_longitude->setText(Q(terminal.LongitudeText));
    m_name->setText(Q(terminal.Name));
    updateFieldEnabling();
}

TerminalTexts TerminalGroup::typedTexts() const {
    return {S(m_prefix->text()), S(m_latitude->text()), S(m_longitude->text()), S(m_name->text())};
}

void TerminalGroup::updateFieldEnabling() {
    const bool manual = IsManual(m_prefix->text());
    m_latitude->setEnabled(manual);
    m_longitude->setEnabled(manual);
    m_name->setEnabled(manual);
}

void TerminalGroup::fieldExit(ValidatedEdit* field, QWidget* target) {
    if (m_statusLine)
        m_statusLine->ResetStatusLine();
    if (ValidatedEdit::IsCancelTarget(target))
        return;
    if (target == m_defaultBtn || target == m_selectBtn || target == m_manualBtn)
        return;
    // An empty prefix is left alone until OK: the user may come back to it, and
    // Enter in it moves on after the default-terminal message.
    if (field == m_prefix && m_prefix->text().isEmpty())
        return;
    if (!field->Validate()) {
        field->refocus();
        return;
    }
    if (field == m_prefix)
        fillFromPrefix();
    updateFieldEnabling();
}

TerminalSources TerminalGroup::sources() const {
    return {m_atlas, DefinedDefaultTerminal(m_settings),
            m_countries && m_countries->Ok() ? &m_countries->file : nullptr};
}

void TerminalGroup::fillFromPrefix() {
    const TerminalTexts typed = typedTexts();
    if (typed.prefix == kManualPrefix)
        return;
    const ResolvedTerminal resolved = ResolveTerminal(typed, m_letter, sources());
    if (resolved.problem == TerminalProblem::DefaultUndefined)
        refuseMissingDefault();
    else if (resolved) {
        setTerminal(resolved.terminal);
        showMatch(resolved, typed.prefix);
    }
}

void TerminalGroup::refuseMissingDefault() {
    ShowUserMessage(this, NoDefaultTerminalMessage());
    m_prefix->clear();
    updateFieldEnabling();
    if (m_statusLine)
        m_statusLine->SetStatusHint(QString::fromLatin1(kPrefixHintNoDefault));
}

void TerminalGroup::prefixEnter() {
    if (m_prefix->text().isEmpty())
        m_prefix->setText(QString::fromLatin1(kDefaultPrefix));
    if (m_prefix->text() == QLatin1String(kDefaultPrefix) && !m_settings.DefaultDefined)
        refuseMissingDefault();
    if (IsManual(m_prefix->text()))
        m_latitude->setFocus(Qt::OtherFocusReason);
    else
        emit groupDone();
}

void TerminalGroup::defaultKey() {
    if (!m_settings.DefaultDefined) {
        refuseMissingDefault();
        return;
    }
    DefaultBtnClick();
}

void TerminalGroup::DefaultBtnClick() {
    if (!m_settings.DefaultDefined)
        return;
    setTerminal(DefaultTerminal(m_settings));
    emit groupDone();
}

void TerminalGroup::ManualBtnClick() {
    if (IsManual(m_prefix->text())) {
        emit focusBack();
        return;
    }
    m_prefix->setText(QString::fromLatin1(kManualPrefix));
    updateFieldEnabling();
    m_latitude->setFocus(Qt::OtherFocusReason);
}

void TerminalGroup::SelectBtnClick() {
    if (m_statusLine)
        m_statusLine->HideStatusLine();
    std::optional<std::string> chosen;
    if (m_picker && m_atlas && m_atlas->Count > 0)
        chosen = m_picker(window());
    if (chosen && m_atlas) {
        if (const std::optional<AtlasEntry> entry = FindAtlasEntry(*m_atlas, *chosen)) {
            setTerminal({entry->Prefix(), entry->Latitude(), entry->Longitude(), entry->Name()});
            emit groupDone();
            // The search window's hint would otherwise stay until the focus moves again.
            if (m_statusLine)
                m_statusLine->SetStatusHint(HintOf(window()->focusWidget(), window()));
            return;
        }
    }
    emit focusBack();
    if (m_statusLine)
        m_statusLine->SetStatusHint(HintOf(window()->focusWidget(), window()));
}

std::optional<Terminal> TerminalGroup::resolveForOk() {
    const TerminalTexts typed = typedTexts();
    const ResolvedTerminal resolved = ResolveTerminal(typed, m_letter, sources());
    if (!resolved) {
        if (resolved.problem == TerminalProblem::DefaultUndefined) {
            refuseMissingDefault();
            m_prefix->refocus();
            return std::nullopt;
        }
        UserMessage message = resolved.message;
        // Why no callsign could be looked up, when the country file could not be read.
        if (resolved.problem == TerminalProblem::PrefixUnknown && m_countries) {
            const std::string& why = m_countries->Ok() ? m_countries->warning : m_countries->error;
            if (!why.empty())
                message.text += "\r" + why;
        }
        ShowUserMessage(this, message);
        if (resolved.problem == TerminalProblem::Latitude)
            m_latitude->refocus();
        else if (resolved.problem == TerminalProblem::Longitude)
            m_longitude->refocus();
        else
            m_prefix->refocus();
        return std::nullopt;
    }
    setTerminal(resolved.terminal);
    showMatch(resolved, typed.prefix);
    // A grid locator names its terminal in Path Information and the map titles.
    Terminal terminal = resolved.terminal;
    NameLocatorTerminal(terminal);
    return terminal;
}

bool TerminalGroup::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_prefix || event->type() != QEvent::KeyPress)
        return QGroupBox::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (mods == Qt::NoModifier) {
        if (enter) {
            prefixEnter();
            return true;
        }
        switch (key->key()) {
        case Qt::Key_Insert:
            ManualBtnClick();
            return true;
        case Qt::Key_F7:
            defaultKey();
            return true;
        case Qt::Key_F8:
            if (m_selectBtn->isEnabled())
                SelectBtnClick();
            return true;
        default:
            break;
        }
    }
    if (enter)
        return true;
    if (mods & (Qt::ControlModifier | Qt::AltModifier))
        return false;
    // The prefix takes letters, digits and "/" only, in upper case; a key typed over
    // "<Ins>" starts afresh.
    const QString text = key->text();
    if (text.size() != 1)
        return false;
    const QChar c = text.at(0);
    if (c == QLatin1Char('\b') || c.unicode() < 32 || c.unicode() == 127)
        return false;
    const bool accepted = c == QLatin1Char('/') ||
                          (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
                          (c.toUpper() >= QLatin1Char('A') && c.toUpper() <= QLatin1Char('Z'));
    if (!accepted)
        return true;
    if (IsManual(m_prefix->text()))
        m_prefix->clear();
    m_prefix->insert(QString(c.toUpper()));
    return true;
}

void SetTabChain(std::initializer_list<const TerminalGroup*> groups, const QList<QWidget*>& rest) {
    QList<QWidget*> order;
    for (const TerminalGroup* group : groups)
        for (ValidatedEdit* field : group->fields())
            order << field;
    order << rest;
    for (qsizetype i = 0; i + 1 < order.size(); ++i)
        QWidget::setTabOrder(order[i], order[i + 1]);
}

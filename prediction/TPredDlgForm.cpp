#include "prediction/TPredDlgForm.h"

#include "atlas/Atlas.h"
#include "core/Geometry.h"
#include "core/Syntax.h"
#include "settings/DefaultTerminal.h"
#include "widgets/KxAlert.h"
#include "widgets/KxComps.h"
#include "widgets/KxHelp.h"
#include "widgets/KxMessages.h"
#include "widgets/KxStatusLine.h"
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
const char* const kNoDefaultMessage = "The default terminal is not available until it is defined. "
                                      "Choose\rOptions from the Hopscope Main Menu "
                                      "Bar to define the default terminal.";

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

std::string S(const QString& text) {
    return text.toStdString();
}

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

QGroupBox* TPredDlgForm::buildGroup(Group group) {
    const QString t = group == GroupA ? QStringLiteral("A") : QStringLiteral("B");
    TerminalGroup& g = m_groups[group];
    g.box = new QGroupBox(
        group == GroupA ? QStringLiteral("Terminal A") : QStringLiteral("Terminal B"), this);
    g.box->setObjectName(QStringLiteral("TermGroupBox").insert(4, t));

    auto label = [&](const QString& name, const QString& text) {
        auto* l = new QLabel(text, g.box);
        l->setObjectName(t + name);
        return l;
    };
    auto button = [&](const QString& name, const QString& text) {
        auto* b = new QPushButton(text, g.box);
        b->setObjectName(t + name);
        b->setFocusPolicy(Qt::ClickFocus);
        b->setAutoDefault(false);
        return b;
    };

    g.prefix = new TKxPfxEdit(g.box);
    g.prefix->setObjectName(t + QStringLiteral("PfxEdit"));
    g.prefix->setAllowKeyPressHandler(true);
    g.prefix->setAllowExitHandler(true);
    g.prefix->setEnterToTab(false);
    g.prefix->setCharCase(TKxEdit::CharCase::Normal);
    g.prefix->setMaxLength(7);
    g.prefix->setCanBeLocator(true);
    g.prefix->setMustFindInAtlas(true);
    g.prefix->setAtlas(m_input.atlas);
    g.prefix->setStatusTip(QString::fromLatin1(kPrefixHint));
    g.prefix->installEventFilter(this);
    // The latitude, longitude and name fields are open exactly while the prefix reads "<Ins>".
    connect(g.prefix, &QLineEdit::textChanged, this, [this, group] { updateFieldEnabling(group); });

    g.latitude = new TKxLatEdit(g.box);
    g.latitude->setObjectName(t + QStringLiteral("LatEdit"));
    g.latitude->setStatusTip(
        QStringLiteral("Enter as decimal degrees or deg min sec (north is +, south is -)"));
    g.longitude = new TKxLonEdit(g.box);
    g.longitude->setObjectName(t + QStringLiteral("LonEdit"));
    g.longitude->setStatusTip(
        QStringLiteral("Enter as decimal degrees or deg min sec (west is +, east is -)"));
    g.name = new TKxNameEdit(g.box);
    g.name->setObjectName(t + QStringLiteral("NameEdit"));
    g.name->setBlankAllowed(true);
    g.name->setStatusTip(QStringLiteral("Enter a callsign, city name, or other identifier (maximum "
                                        "17 characters including spaces)"));
    for (TKxEdit* field :
         std::initializer_list<TKxEdit*>{g.prefix, g.latitude, g.longitude, g.name}) {
        field->setAllowExitHandler(true);
        connect(field, &TKxEdit::exitRequested, this,
                [this, field, group](QWidget* target) { fieldExit(field, group, target); });
    }

    g.defaultBtn = button(QStringLiteral("DefaultBtn"), QStringLiteral("Use &Default"));
    g.selectBtn = button(QStringLiteral("SelectBtn"), QStringLiteral("Select from &Atlas"));
    g.manualBtn = button(QStringLiteral("ManualBtn"), QStringLiteral("Enter &Manually"));
    connect(g.defaultBtn, &QPushButton::clicked, this, [this, group] { DefaultBtnClick(group); });
    connect(g.selectBtn, &QPushButton::clicked, this, [this, group] { SelectBtnClick(group); });
    connect(g.manualBtn, &QPushButton::clicked, this, [this, group] { ManualBtnClick(group); });

    auto* grid = new QGridLayout(g.box);
    grid->addWidget(label(QStringLiteral("PrefixLabel"), QStringLiteral("Prefix or Locator")), 0,
                    0);
    grid->addWidget(g.prefix, 0, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(g.defaultBtn);
    buttons->addWidget(g.selectBtn);
    buttons->addWidget(g.manualBtn);
    grid->addLayout(buttons, 1, 0, 1, 2);
    grid->addWidget(label(QStringLiteral("LatLabel"), QStringLiteral("Latitude")), 2, 0);
    grid->addWidget(g.latitude, 2, 1);
    grid->addWidget(label(QStringLiteral("LonLabel"), QStringLiteral("Longitude")), 3, 0);
    grid->addWidget(g.longitude, 3, 1);
    grid->addWidget(label(QStringLiteral("NameLabel"), QStringLiteral("Name")), 4, 0);
    grid->addWidget(g.name, 4, 1);
    return g.box;
}

void TPredDlgForm::FormCreate() {
    QGroupBox* boxA = buildGroup(GroupA);
    QGroupBox* boxB = buildGroup(GroupB);

    m_date = new TKxDateEdit(this);
    m_date->setObjectName(QStringLiteral("DateEdit"));
    m_date->setDateConventions(m_input.dates);
    m_date->setStatusTip(Q(DateHint(m_input.dates)));
    m_solar = new TKxSolarEdit(this);
    m_solar->setObjectName(QStringLiteral("SolarIndexEdit"));
    m_solar->setSSNPrimary(m_input.settings.SunspotPrimary);
    m_solar->setStatusTip(
        m_input.settings.SunspotPrimary
            ? QStringLiteral("Enter sunspot number (or \"F\" + solar flux value)")
            : QStringLiteral("Enter solar flux value (or \"S\" + sunspot number)"));
    m_kIndex = new TKxKIndexEdit(this);
    m_kIndex->setObjectName(QStringLiteral("KIndexEdit"));
    m_kIndex->setStatusTip(QStringLiteral(
        "Enter a K index between 0 and 9 (or leave blank or enter -1 for an average K index)"));

    auto label = [this](const QString& name, const QString& text, QWidget* buddy) {
        auto* l = new QLabel(text, this);
        l->setObjectName(name);
        l->setBuddy(buddy);
        return l;
    };
    m_ok = new QPushButton(QStringLiteral("OK (F9)"), this);
    m_ok->setObjectName(QStringLiteral("OKBtn"));
    m_ok->setStatusTip(QStringLiteral("Compute the prediction"));
    connect(m_ok, &QPushButton::clicked, this, &TPredDlgForm::OKBtnClick);
    m_cancel = new QPushButton(QStringLiteral("Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("CancelBtn"));
    TKxEdit::MarkAsCancelButton(m_cancel);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* groups = new QHBoxLayout;
    groups->addWidget(boxA);
    groups->addWidget(boxB);
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

    // Tab order: group A, group B, date, solar index, K index, OK, Cancel.
    QWidget* order[] = {m_groups[0].prefix,
                        m_groups[0].latitude,
                        m_groups[0].longitude,
                        m_groups[0].name,
                        m_groups[1].prefix,
                        m_groups[1].latitude,
                        m_groups[1].longitude,
                        m_groups[1].name,
                        m_date,
                        m_solar,
                        m_kIndex,
                        m_ok,
                        m_cancel};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);

    auto* f9 = new QShortcut(QKeySequence(Qt::Key_F9), this);
    f9->setContext(Qt::WindowShortcut);
    connect(f9, &QShortcut::activated, this, &TPredDlgForm::F9Pressed);

    // The fields start from the last prediction when a default terminal exists.
    PredictionInputs& previous = m_input.previous;
    if (m_input.settings.DefaultDefined) {
        const Terminal& a = previous.terminalA;
        const Terminal& b = previous.terminalB;
        if (InitialBearing(a.LatitudeRad, a.LongitudeRad, b.LatitudeRad, b.LongitudeRad).status ==
            BearingStatus::Indeterminate)
            previous.terminalB = Terminal{};
        setTerminal(GroupA, previous.terminalA);
        setTerminal(GroupB, previous.terminalB);
    }
    m_date->setText(Q(FormatDateText(false, previous.date, m_input.dates)));
    m_solar->setText(Q(previous.solarIndexText));
    m_kIndex->setText(Q(previous.kIndexText));

    updateFieldEnabling(GroupA);
    updateFieldEnabling(GroupB);
    updateButtons(GroupA);
    m_focusConnection =
        connect(qApp, &QApplication::focusChanged, this, &TPredDlgForm::focusChanged);
    TrackFocusHints(this, m_statusLine);

    adjustSize();
    CentreOnScreen(this, 0.3);
    m_groups[GroupA].prefix->setFocus();
    m_remembered = m_groups[GroupA].prefix;
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

Terminal TPredDlgForm::terminalOf(Group group) const {
    const TerminalGroup& g = m_groups[group];
    Terminal t;
    t.Prefix = CutText(S(g.prefix->text()), kPrefixCapacity);
    t.LatitudeText = CutText(S(g.latitude->text()), kLatitudeTextCapacity);
    t.LongitudeText = CutText(S(g.longitude->text()), kLongitudeTextCapacity);
    t.Name = CutText(S(g.name->text()), kNameCapacity);
    return t;
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
    TerminalGroup& g = m_groups[group];
    const std::string typed = S(g.prefix->text());
    if (typed == kInsText)
        return;
    const std::string prefix = AtlasUpperCase(typed);
    if (prefix == kDefaultPrefix) {
        if (!m_input.settings.DefaultDefined) {
            refuseMissingDefault(group);
            return;
        }
        setTerminal(group, DefaultTerminal(m_input.settings));
        return;
    }
    if (m_input.atlas) {
        if (const std::optional<AtlasEntry> entry = FindAtlasEntry(*m_input.atlas, prefix)) {
            g.prefix->setText(Q(prefix));
            g.latitude->setText(Q(entry->Latitude()));
            g.longitude->setText(Q(entry->Longitude()));
            g.name->setText(Q(entry->Name()));
            return;
        }
    }
    const LocatorResult locator = GridLocatorToCoordinates(prefix, false);
    if (locator) {
        g.prefix->setText(Q(prefix));
        g.latitude->setText(Q(locator.latitudeText));
        g.longitude->setText(Q(locator.longitudeText));
        g.name->clear();
    }
}

void TPredDlgForm::refuseMissingDefault(Group group) {
    PlayAlertSound();
    ShowInformation(this, QString::fromLatin1(kNoDefaultMessage));
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
    QList<TKxEdit*> fields;
    for (const TerminalGroup& g : m_groups)
        fields << g.prefix << g.latitude << g.longitude << g.name;
    fields << m_date << m_solar << m_kIndex;
    for (TKxEdit* field : fields) {
        if (!field->isEnabled())
            continue;
        const bool emptyPrefix =
            (field == m_groups[GroupA].prefix || field == m_groups[GroupB].prefix) &&
            field->text().isEmpty();
        if (emptyPrefix) {
            // The atlas check would name an empty prefix as " not found in atlas".
            const QString terminal =
                field == m_groups[GroupA].prefix ? QStringLiteral("A") : QStringLiteral("B");
            ShowUserMessage(
                this, ErrorMessage("Terminal " + terminal.toStdString() +
                                   " is missing: enter the prefix of the atlas entry (or a grid "
                                   "locator), or press one of the terminal buttons"));
            field->refocus();
            return;
        }
        if (!field->Validate()) {
            field->refocus();
            return;
        }
        for (int i = 0; i < 2; ++i)
            if (field == m_groups[i].prefix) {
                fillFromPrefix(static_cast<Group>(i));
                if (m_groups[i].prefix->text().isEmpty()) { // the default terminal was refused
                    m_groups[i].prefix->refocus();
                    return;
                }
            }
    }

    PredictionInputs inputs;
    inputs.terminalA = terminalOf(GroupA);
    inputs.terminalB = terminalOf(GroupB);
    inputs.date = ParseDateText(S(m_date->text()), m_input.dates).value_or(m_input.previous.date);
    inputs.solarIndexText = CutText(S(m_solar->text()), 6);
    inputs.kIndexText = CutText(S(m_kIndex->text()), 2);
    inputs.zone = m_input.previous.zone;
    inputs.zone.PredictionDate = inputs.date;

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

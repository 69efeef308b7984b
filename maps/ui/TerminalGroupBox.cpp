#include "maps/ui/TerminalGroupBox.h"

#include "atlas/Atlas.h"
#include "core/Syntax.h"
#include "report/ResolveTerminal.h"
#include "settings/DefaultTerminal.h"
#include "widgets/KxAlert.h"
#include "widgets/KxComps.h"
#include "widgets/KxMessages.h"
#include "widgets/KxStatusLine.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace {

const char* const kInsText = "<Ins>";
const char* const kPrefixHint =
    "Enter the prefix of the atlas entry (or a grid locator), or press one of the terminal buttons";
const char* const kNoDefaultMessage = "The default terminal is not available until it is defined. "
                                      "Choose\rOptions from the Hopscope Main Menu "
                                      "Bar to define the default terminal.";

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

TerminalGroupBox::TerminalGroupBox(const QString& title, const QString& namePrefix,
                                   const Settings& settings, const Atlas* atlas,
                                   StatusLine* statusLine, QWidget* parent)
    : QGroupBox(title, parent), m_settings(settings), m_atlas(atlas), m_statusLine(statusLine) {
    m_prefix = new TKxPfxEdit(this);
    m_prefix->setObjectName(namePrefix + QStringLiteral("PfxEdit"));
    m_prefix->setAllowKeyPressHandler(true);
    m_prefix->setEnterToTab(false);
    m_prefix->setCharCase(TKxEdit::CharCase::Normal);
    m_prefix->setMaxLength(7);
    m_prefix->setCanBeLocator(true);
    m_prefix->setMustFindInAtlas(true);
    m_prefix->setAtlas(m_atlas);
    m_prefix->setStatusTip(QString::fromLatin1(kPrefixHint));
    m_prefix->installEventFilter(this);
    connect(m_prefix, &QLineEdit::textChanged, this, &TerminalGroupBox::updateFieldEnabling);

    m_latitude = new TKxLatEdit(this);
    m_latitude->setObjectName(namePrefix + QStringLiteral("LatEdit"));
    m_latitude->setStatusTip(
        QStringLiteral("Enter as decimal degrees or deg min sec (north is +, south is -)"));
    m_longitude = new TKxLonEdit(this);
    m_longitude->setObjectName(namePrefix + QStringLiteral("LonEdit"));
    m_longitude->setStatusTip(
        QStringLiteral("Enter as decimal degrees or deg min sec (west is +, east is -)"));
    m_name = new TKxNameEdit(this);
    m_name->setObjectName(namePrefix + QStringLiteral("NameEdit"));
    m_name->setBlankAllowed(true);
    m_name->setStatusTip(QStringLiteral("Enter a callsign, city name, or other identifier (maximum "
                                        "17 characters including spaces)"));
    for (TKxEdit* field :
         std::initializer_list<TKxEdit*>{m_prefix, m_latitude, m_longitude, m_name}) {
        field->setAllowExitHandler(true);
        connect(field, &TKxEdit::exitRequested, this,
                [this, field](QWidget* target) { fieldExit(field, target); });
    }

    auto button = [this, &namePrefix](const QString& name, const QString& text) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(namePrefix + name);
        b->setFocusPolicy(Qt::ClickFocus);
        b->setAutoDefault(false);
        return b;
    };
    m_defaultBtn = button(QStringLiteral("DefaultBtn"), QStringLiteral("Use &Default"));
    m_selectBtn = button(QStringLiteral("SelectBtn"), QStringLiteral("Select from &Atlas"));
    m_manualBtn = button(QStringLiteral("ManualBtn"), QStringLiteral("Enter &Manually"));
    connect(m_defaultBtn, &QPushButton::clicked, this, &TerminalGroupBox::DefaultBtnClick);
    connect(m_selectBtn, &QPushButton::clicked, this, &TerminalGroupBox::SelectBtnClick);
    connect(m_manualBtn, &QPushButton::clicked, this, &TerminalGroupBox::ManualBtnClick);

    auto label = [this](const QString& text) { return new QLabel(text, this); };
    auto* grid = new QGridLayout(this);
    grid->addWidget(label(QStringLiteral("Prefix or Locator")), 0, 0);
    grid->addWidget(m_prefix, 0, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_selectBtn);
    buttons->addWidget(m_defaultBtn);
    buttons->addWidget(m_manualBtn);
    grid->addLayout(buttons, 1, 0, 1, 2);
    grid->addWidget(label(QStringLiteral("Latitude")), 2, 0);
    grid->addWidget(m_latitude, 2, 1);
    grid->addWidget(label(QStringLiteral("Longitude")), 3, 0);
    grid->addWidget(m_longitude, 3, 1);
    grid->addWidget(label(QStringLiteral("Name")), 4, 0);
    grid->addWidget(m_name, 4, 1);
    updateFieldEnabling();
    updateButtons();
}

void TerminalGroupBox::setPicker(TerminalPicker picker) {
    m_picker = std::move(picker);
    updateButtons();
}

void TerminalGroupBox::setTerminal(const Terminal& terminal) {
    m_prefix->setText(Q(terminal.Prefix));
    m_latitude->setText(Q(terminal.LatitudeText));
    m_longitude->setText(Q(terminal.LongitudeText));
    m_name->setText(Q(terminal.Name));
    updateFieldEnabling();
}

Terminal TerminalGroupBox::terminal() const {
    Terminal t;
    t.Prefix = CutText(m_prefix->text().toStdString(), kPrefixCapacity);
    t.LatitudeText = CutText(m_latitude->text().toStdString(), kLatitudeTextCapacity);
    t.LongitudeText = CutText(m_longitude->text().toStdString(), kLongitudeTextCapacity);
    t.Name = CutText(m_name->text().toStdString(), kNameCapacity);
    NameLocatorTerminal(t); // a grid locator names its terminal in the map titles
    return t;
}

TKxEdit* TerminalGroupBox::lastField() const {
    return m_name;
}

void TerminalGroupBox::updateFieldEnabling() {
    const bool manual = m_prefix->text() == QLatin1String(kInsText);
    m_latitude->setEnabled(manual);
    m_longitude->setEnabled(manual);
    m_name->setEnabled(manual);
}

void TerminalGroupBox::updateButtons() {
    m_defaultBtn->setEnabled(m_settings.DefaultDefined);
    m_selectBtn->setEnabled(m_atlas && m_atlas->Count > 0 && m_picker);
}

void TerminalGroupBox::fieldExit(TKxEdit* field, QWidget* target) {
    if (m_statusLine)
        m_statusLine->ResetStatusLine();
    if (TKxEdit::IsCancelTarget(target) || target == m_defaultBtn || target == m_selectBtn ||
        target == m_manualBtn)
        return;
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

void TerminalGroupBox::fillFromPrefix() {
    const std::string typed = m_prefix->text().toStdString();
    if (typed == kInsText)
        return;
    const std::string prefix = AtlasUpperCase(typed);
    if (prefix == kDefaultPrefix) {
        if (!m_settings.DefaultDefined) {
            refuseMissingDefault();
            return;
        }
        setTerminal(DefaultTerminal(m_settings));
        return;
    }
    if (m_atlas) {
        if (const std::optional<AtlasEntry> entry = FindAtlasEntry(*m_atlas, prefix)) {
            setTerminal({prefix, entry->Latitude(), entry->Longitude(), entry->Name()});
            return;
        }
    }
    if (const LocatorResult locator = GridLocatorToCoordinates(prefix, false))
        setTerminal({prefix, locator.latitudeText, locator.longitudeText, ""});
}

void TerminalGroupBox::refuseMissingDefault() {
    PlayAlertSound();
    ShowInformation(this, QString::fromLatin1(kNoDefaultMessage));
    m_prefix->clear();
    updateFieldEnabling();
    if (m_statusLine)
        m_statusLine->SetStatusHint(QString::fromLatin1(kPrefixHint));
}

void TerminalGroupBox::prefixEnter() {
    if (m_prefix->text().isEmpty())
        m_prefix->setText(QString::fromLatin1(kDefaultPrefix));
    if (m_prefix->text() == QLatin1String(kDefaultPrefix) && !m_settings.DefaultDefined) {
        refuseMissingDefault();
        return;
    }
    if (m_prefix->text() == QLatin1String(kInsText))
        m_latitude->setFocus(Qt::OtherFocusReason);
    else
        emit groupDone();
}

void TerminalGroupBox::DefaultBtnClick() {
    if (!m_settings.DefaultDefined) {
        refuseMissingDefault();
        return;
    }
    setTerminal(DefaultTerminal(m_settings));
    emit groupDone();
}

void TerminalGroupBox::ManualBtnClick() {
    m_prefix->setText(QString::fromLatin1(kInsText));
    updateFieldEnabling();
    m_latitude->setFocus(Qt::OtherFocusReason);
}

void TerminalGroupBox::SelectBtnClick() {
    if (m_statusLine)
        m_statusLine->HideStatusLine();
    std::optional<std::string> chosen;
    if (m_picker && m_atlas && m_atlas->Count > 0)
        chosen = m_picker(window());
    if (chosen && m_atlas) {
        if (const std::optional<AtlasEntry> entry = FindAtlasEntry(*m_atlas, *chosen)) {
            setTerminal({entry->Prefix(), entry->Latitude(), entry->Longitude(), entry->Name()});
            emit groupDone();
            return;
        }
    }
    m_prefix->setFocus(Qt::OtherFocusReason);
}

bool TerminalGroupBox::ValidateForOk() {
    if (m_prefix->text().isEmpty()) {
        ShowUserMessage(this, ErrorMessage("Terminal A is missing: enter the prefix of the atlas "
                                           "entry (or a grid locator), or press one of the "
                                           "terminal buttons"));
        m_prefix->refocus();
        return false;
    }
    for (TKxEdit* field :
         std::initializer_list<TKxEdit*>{m_prefix, m_latitude, m_longitude, m_name}) {
        if (!field->isEnabled())
            continue;
        if (!field->Validate()) {
            field->refocus();
            return false;
        }
        if (field == m_prefix) {
            fillFromPrefix();
            if (m_prefix->text().isEmpty()) { // the default terminal was refused
                m_prefix->refocus();
                return false;
            }
        }
    }
    return true;
}

bool TerminalGroupBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_prefix || event->type() != QEvent::KeyPress)
        return QGroupBox::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
    if (mods == Qt::NoModifier) {
        switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            prefixEnter();
            return true;
        case Qt::Key_Insert:
            ManualBtnClick();
            return true;
        case Qt::Key_F7:
            DefaultBtnClick();
            return true;
        case Qt::Key_F8:
            if (m_selectBtn->isEnabled())
                SelectBtnClick();
            return true;
        default:
            break;
        }
    }
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
        return true;
    if (mods & (Qt::ControlModifier | Qt::AltModifier))
        return false;
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
    if (m_prefix->text() == QLatin1String(kInsText))
        m_prefix->clear();
    m_prefix->insert(QString(c.toUpper()));
    return true;
}

#include "settings/ui/TerminalPage.h"

#include "core/Syntax.h"
#include "core/Terminal.h"
#include "settings/ui/OptionsControls.h"
#include "widgets/EntryFields.h"
#include "widgets/MessageBoxes.h"
#include "widgets/QtText.h"
#include "widgets/WindowScale.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

using namespace optionsform;

TerminalPage::TerminalPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("TermPage"));
    auto* group = new QGroupBox(QStringLiteral("Default Terminal Settings"), this);
    group->setObjectName(QStringLiteral("DefaultTermGroupBox"));
    m_latEdit = MakeEdit<LatitudeEdit>(
        QStringLiteral("LatEdit"),
        QStringLiteral("Enter as decimal degrees or deg min sec (north is +, south is -)"), group);
    m_lonEdit = MakeEdit<LongitudeEdit>(
        QStringLiteral("LonEdit"),
        QStringLiteral("Enter as decimal degrees or deg min sec (west is +, east is -)"), group);
    m_nameEdit =
        MakeEdit<NameEdit>(QStringLiteral("NameEdit"),
                           QStringLiteral("Enter a callsign, city name, or other identifier "
                                          "(maximum 17 bytes including spaces: 17 plain "
                                          "letters, fewer accented or other ones)"),
                           group);
    // A grid locator as the default terminal, as the dialogs and the batch table take:
    // its square's centre fills the coordinates (and the name when there is none).
    m_locatorEdit = MakeEdit<ValidatedEdit>(
        QStringLiteral("LocatorEdit"),
        QStringLiteral("Enter a grid locator (4 or 6 characters) to fill in the latitude and "
                       "longitude of its centre"),
        group);
    m_locatorEdit->setCharCase(ValidatedEdit::CharCase::Upper);
    m_locatorEdit->setAllowedCharacters(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789"));
    m_locatorEdit->setMaxChars(6);
    connect(m_locatorEdit, &QLineEdit::editingFinished, this, [this] {
        if (!m_locatorEdit->text().isEmpty())
            applyLocator();
    });
    const int charWidth = fontMetrics().horizontalAdvance(QLatin1Char('0'));
    m_locatorEdit->setFixedWidth(charWidth * 9);
    m_latEdit->setFixedWidth(charWidth * 14);
    m_lonEdit->setFixedWidth(charWidth * 15);
    m_nameEdit->setFixedWidth(charWidth * 22);
    auto* form = new QFormLayout(group);
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form->setHorizontalSpacing(Scaled(this, 12));
    form->setVerticalSpacing(Scaled(this, 10));
    // A user who knows only the locator gives it first: it fills the rest.
    form->addRow(QStringLiteral("Grid Locator"), m_locatorEdit);
    form->addRow(QStringLiteral("Latitude"), m_latEdit);
    form->addRow(QStringLiteral("Longitude"), m_lonEdit);
    form->addRow(QStringLiteral("Terminal Name"), m_nameEdit);
    // Tab follows the page from the top: the locator, the coordinates, the name.
    QWidget::setTabOrder(m_locatorEdit, m_latEdit);
    QWidget::setTabOrder(m_latEdit, m_lonEdit);
    QWidget::setTabOrder(m_lonEdit, m_nameEdit);
    // An empty field may be left for later (Save checks the three together); a text
    // typed into one is checked on leaving it.
    for (ValidatedEdit* field :
         {static_cast<ValidatedEdit*>(m_latEdit), static_cast<ValidatedEdit*>(m_lonEdit),
          static_cast<ValidatedEdit*>(m_nameEdit)}) {
        field->setAllowExitHandler(true);
        connect(field, &ValidatedEdit::exitRequested, this, [field](QWidget* target) {
            if (ValidatedEdit::IsCancelTarget(target) || field->text().trimmed().isEmpty())
                return;
            bool valid = true;
            {
                const ValidatedEdit::SuspendExitChecks suspend;
                valid = field->Validate();
            }
            if (!valid)
                field->refocus();
        });
    }

    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(group);
    row->addStretch();
    layout->addStretch();
    layout->addLayout(row);
    layout->addStretch();
}

void TerminalPage::load(const Settings& settings) {
    m_latEdit->setText(Q(settings.DefaultLatitudeText));
    m_lonEdit->setText(Q(settings.DefaultLongitudeText));
    m_nameEdit->setText(Q(settings.DefaultName));
    m_locatorEdit->clear();
}

void TerminalPage::writeTo(Settings& settings) const {
    settings.DefaultLatitudeText = CutField(m_latEdit->text(), kDefaultLatitudeCapacity);
    settings.DefaultLongitudeText = CutField(m_lonEdit->text(), kDefaultLongitudeCapacity);
    settings.DefaultName = CutField(m_nameEdit->text(), kDefaultNameCapacity);
}

ValidatedEdit* TerminalPage::refusedField() {
    const bool given = !m_latEdit->text().trimmed().isEmpty() ||
                       !m_lonEdit->text().trimmed().isEmpty() ||
                       !m_nameEdit->text().trimmed().isEmpty();
    if (!given)
        return nullptr;
    return FirstRefused({m_latEdit, m_lonEdit, m_nameEdit});
}

void TerminalPage::focusFirstField() {
    m_locatorEdit->setFocus(Qt::OtherFocusReason);
}

bool TerminalPage::applyLocator() {
    const LocatorResult centre = GridLocatorToCoordinates(S(m_locatorEdit->text()), true);
    if (!centre) {
        ShowUserMessage(window(), centre.message.IsEmpty()
                                      ? ErrorMessage("You have not entered a valid grid locator")
                                      : centre.message);
        return false;
    }
    m_latEdit->setText(Q(centre.latitudeText));
    m_lonEdit->setText(Q(centre.longitudeText));
    if (m_nameEdit->text().trimmed().isEmpty())
        m_nameEdit->setText(m_locatorEdit->text());
    return true;
}

#include "prediction/TPredDlgForm.h"

#include "core/Syntax.h"
#include "report/AppState.h"
#include "widgets/KxComps.h"
#include "widgets/KxStatusLine.h"
#include "widgets/KxText.h"
#include "widgets/KxWindowScale.h"
#include "widgets/SolarDataButton.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

// The prediction dialog's controls: the two terminal groups, the date, solar index
// and K index fields and the buttons, their tab order, and the starting values.

namespace {

const char* const kPrefixHint =
    "Enter the prefix of the atlas entry (or a grid locator), or press one of the terminal buttons";

} // namespace

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
    m_solar->setStatusTip(Q(SolarIndexHint(m_input.settings.SunspotPrimary)));
    m_kIndex = new TKxKIndexEdit(this);
    m_kIndex->setObjectName(QStringLiteral("KIndexEdit"));
    m_kIndex->setStatusTip(Q(KIndexHint()));
    auto* solarData =
        new SolarDataButton({[this] { return ParseDateText(S(m_date->text()), m_input.dates); },
                             [this](const QString& solar, const QString& k) {
                                 m_solar->setText(solar);
                                 m_kIndex->setText(k);
                             }},
                            m_statusLine, this);
    if (m_input.mapTimeText) {
        m_time = new TKxTimeEdit(this);
        m_time->setObjectName(QStringLiteral("TimeEdit"));
        m_time->setStatusTip(QStringLiteral("Enter a four-digit time between 0000 and 2359"));
        m_time->setText(Q(*m_input.mapTimeText));
    }

    auto label = [this](const QString& name, const QString& text, QWidget* buddy) {
        auto* l = new QLabel(text, this);
        l->setObjectName(name);
        l->setBuddy(buddy);
        return l;
    };
    m_ok = new QPushButton(QStringLiteral("OK (F9)"), this);
    m_ok->setObjectName(QStringLiteral("OKBtn"));
    m_ok->setStatusTip(m_input.mapTimeText ? QStringLiteral("Display the map")
                                           : QStringLiteral("Compute the prediction"));
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
    if (m_time) {
        values->addWidget(label(QStringLiteral("TimeLabel"), QStringLiteral("Time"), m_time));
        values->addWidget(m_time);
        auto* zone = new QLabel(Q(m_input.previous.zone.TimeZoneLabel), this);
        zone->setObjectName(QStringLiteral("ULTLabel"));
        values->addWidget(zone);
        m_solar->hide();
        m_kIndex->hide();
    } else {
        values->addWidget(
            label(QStringLiteral("SolarIndexLabel"), QStringLiteral("Solar Index"), m_solar));
        values->addWidget(m_solar);
        values->addSpacing(12);
        values->addWidget(
            label(QStringLiteral("KIndexLabel"), QStringLiteral("K Index"), m_kIndex));
        values->addWidget(m_kIndex);
    }
    values->addSpacing(12);
    values->addWidget(solarData);
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
                        m_time ? static_cast<QWidget*>(m_time) : m_solar,
                        m_time ? static_cast<QWidget*>(m_time) : m_kIndex,
                        m_ok,
                        m_cancel};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);

    auto* f9 = new QShortcut(QKeySequence(Qt::Key_F9), this);
    f9->setContext(Qt::WindowShortcut);
    connect(f9, &QShortcut::activated, this, &TPredDlgForm::F9Pressed);

    // The fields start from the last prediction when a default terminal exists.
    const PredictionInputs& previous = m_input.previous;
    if (m_input.settings.DefaultDefined) {
        setTerminal(GroupA, previous.terminalA);
        setTerminal(GroupB, StartingTerminalB(previous.terminalA, previous.terminalB));
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
    solarData->fillIfChosen();
}

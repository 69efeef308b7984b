#include "settings/ui/TOptionsForm.h"

#include "settings/ui/OptionsControls.h"
#include "widgets/KxComps.h"
#include "widgets/KxText.h"
#include "widgets/KxWindowScale.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

// The "Default Terminal" page: the default terminal's name and coordinates.

using namespace optionsform;

QWidget* TOptionsForm::buildTermPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TermPage"));
    auto* group = new QGroupBox(QStringLiteral("Default Terminal Settings"), page);
    group->setObjectName(QStringLiteral("DefaultTermGroupBox"));
    m_latEdit = MakeEdit<TKxLatEdit>(
        QStringLiteral("LatEdit"),
        QStringLiteral("Enter as decimal degrees or deg min sec (north is +, south is -)"), group);
    m_lonEdit = MakeEdit<TKxLonEdit>(
        QStringLiteral("LonEdit"),
        QStringLiteral("Enter as decimal degrees or deg min sec (west is +, east is -)"), group);
    m_nameEdit =
        MakeEdit<TKxNameEdit>(QStringLiteral("NameEdit"),
                              QStringLiteral("Enter a callsign, city name, or other identifier "
                                             "(maximum 17 characters including spaces)"),
                              group);
    const int charWidth = fontMetrics().horizontalAdvance(QLatin1Char('0'));
    m_latEdit->setFixedWidth(charWidth * 14);
    m_lonEdit->setFixedWidth(charWidth * 15);
    m_nameEdit->setFixedWidth(charWidth * 22);
    auto* form = new QFormLayout(group);
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form->setHorizontalSpacing(Scaled(this, 12));
    form->setVerticalSpacing(Scaled(this, 10));
    form->addRow(QStringLiteral("Latitude"), m_latEdit);
    form->addRow(QStringLiteral("Longitude"), m_lonEdit);
    form->addRow(QStringLiteral("Terminal Name"), m_nameEdit);

    auto* layout = new QVBoxLayout(page);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(group);
    row->addStretch();
    layout->addStretch();
    layout->addLayout(row);
    layout->addStretch();
    return page;
}

void TOptionsForm::loadTerminal(const Settings& settings) {
    m_latEdit->setText(Q(settings.DefaultLatitudeText));
    m_lonEdit->setText(Q(settings.DefaultLongitudeText));
    m_nameEdit->setText(Q(settings.DefaultName));
}

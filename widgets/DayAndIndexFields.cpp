#include "widgets/DayAndIndexFields.h"

#include "core/Syntax.h"
#include "widgets/EntryFields.h"
#include "widgets/QtText.h"
#include "widgets/SolarDataButton.h"

DayAndIndexFields MakeDayAndIndexFields(QWidget* parent, const DateConventions& dates,
                                        bool sunspotPrimary) {
    DayAndIndexFields fields;
    fields.date = new DateEdit(parent);
    fields.date->setObjectName(QStringLiteral("DateEdit"));
    fields.date->setDateConventions(dates);
    fields.date->setStatusTip(Q(DateHint(dates)));
    fields.solar = new SolarIndexEdit(parent);
    fields.solar->setObjectName(QStringLiteral("SolarIndexEdit"));
    fields.solar->setSSNPrimary(sunspotPrimary);
    fields.solar->setStatusTip(Q(SolarIndexHint(sunspotPrimary)));
    fields.kIndex = new KIndexEdit(parent);
    fields.kIndex->setObjectName(QStringLiteral("KIndexEdit"));
    fields.kIndex->setStatusTip(Q(KIndexHint()));
    return fields;
}

void SetDayAndIndexTexts(const DayAndIndexFields& fields, DateValue date,
                         const DateConventions& dates, const std::string& solarText,
                         const std::string& kIndexText) {
    fields.date->setText(Q(FormatDateText(false, date, dates)));
    fields.solar->setText(Q(solarText));
    fields.kIndex->setText(Q(kIndexText));
}

SolarDataButton* MakeSolarDataButton(const DayAndIndexFields& fields, const DateConventions& dates,
                                     StatusLine* statusLine, QWidget* parent) {
    return new SolarDataButton(
        {[fields, dates] { return ParseDateText(S(fields.date->text()), dates); },
         [fields](const QString& solar, const QString& k) {
             fields.solar->setText(solar);
             fields.kIndex->setText(k);
         }},
        statusLine, parent);
}

#include "widgets/StationDayFields.h"

#include "core/Syntax.h"
#include "widgets/EntryFields.h"
#include "widgets/SolarDataButton.h"
#include "widgets/TerminalGroup.h"

#include <QWidget>
#include <initializer_list>

StationDayFields MakeStationDayFields(QWidget* owner, const StationDayContext& context,
                                      StatusLine* statusLine) {
    StationDayFields fields;
    fields.terminal =
        new TerminalGroup('A', QString(), *context.settings, context.atlas, statusLine, owner);
    fields.terminal->setCountryFile(context.countries);
    const DayAndIndexFields day =
        MakeDayAndIndexFields(owner, context.dates, context.settings->SunspotPrimary);
    fields.date = day.date;
    fields.solar = day.solar;
    fields.kIndex = day.kIndex;
    TerminalGroup* terminal = fields.terminal;
    DateEdit* date = fields.date;
    QObject::connect(terminal, &TerminalGroup::groupDone, owner,
                     [date] { date->setFocus(Qt::OtherFocusReason); });
    QObject::connect(terminal, &TerminalGroup::focusBack, owner,
                     [terminal] { terminal->prefixEdit()->setFocus(Qt::OtherFocusReason); });
    return fields;
}

void MakeStationSolarDataButton(StationDayFields& fields, const DateConventions& dates,
                                StatusLine* statusLine, QWidget* owner) {
    fields.solarData = MakeSolarDataButton(fields.day(), dates, statusLine, owner);
}

void SetStationDayAtlasPicker(const StationDayFields& fields, const AtlasPicker& picker) {
    fields.terminal->setAtlasPicker(picker);
}

void SetStationDaySolarSource(const StationDayFields& fields, const SolarDataSource& source) {
    fields.solarData->setSource(source);
    fields.solarData->fillIfChosen();
}

std::optional<StationDayValues> ReadStationDayFields(const StationDayFields& fields,
                                                     const DateConventions& dates,
                                                     DateValue fallbackDate) {
    const std::optional<Terminal> station = fields.terminal->resolveForOk();
    if (!station)
        return std::nullopt;
    for (ValidatedEdit* field :
         std::initializer_list<ValidatedEdit*>{fields.date, fields.solar, fields.kIndex}) {
        if (!field->Validate()) {
            field->refocus();
            return std::nullopt;
        }
    }
    StationDayValues values;
    values.station = *station;
    values.date = ParseDateText(fields.date->text().toStdString(), dates).value_or(fallbackDate);
    values.solarIndexText = CutText(fields.solar->text().toStdString(), 6);
    values.kIndexText = CutText(fields.kIndex->text().toStdString(), 2);
    return values;
}

#pragma once

#include "core/Dates.h"

#include <string>

class DateEdit;
class KIndexEdit;
class QWidget;
class SolarDataButton;
class SolarIndexEdit;
class StatusLine;

/// The date, solar index and K index fields of a window that asks for the day and the
/// solar activity of a prediction or map ("DateEdit", "SolarIndexEdit", "KIndexEdit",
/// with their hints).
struct DayAndIndexFields {
    DateEdit* date = nullptr;
    SolarIndexEdit* solar = nullptr;
    KIndexEdit* kIndex = nullptr;
};

/// The three fields, children of `parent`; the date in the user's date order, the solar
/// index taking sunspot numbers first when `sunspotPrimary`.
DayAndIndexFields MakeDayAndIndexFields(QWidget* parent, const DateConventions& dates,
                                        bool sunspotPrimary);

/// Shows `date` (in the user's date order) and the two index texts in the fields.
void SetDayAndIndexTexts(const DayAndIndexFields& fields, DateValue date,
                         const DateConventions& dates, const std::string& solarText,
                         const std::string& kIndexText);

/// The "Solar Data" button that fills the solar and K index fields with the published
/// figures of the day the date field holds.
SolarDataButton* MakeSolarDataButton(const DayAndIndexFields& fields, const DateConventions& dates,
                                     StatusLine* statusLine, QWidget* parent);

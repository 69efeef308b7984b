#pragma once

#include "core/Dates.h"

#include <QString>

/// The date conventions from a short date format such as "M/d/yy" or "dd.MM.yyyy":
/// the order by DateOrderFromFormat, the separator the first character that is not a
/// letter ('/' when there is none).
DateConventions DateConventionsFromFormat(const QString& shortDateFormat);

/// The date conventions of the system locale, read once at start-up.
DateConventions SystemDateConventions();

#include "widgets/KxLocaleDates.h"
#include "widgets/KxText.h"

#include <QLocale>

DateConventions DateConventionsFromFormat(const QString& shortDateFormat) {
    DateConventions dates;
    dates.order = DateOrderFromFormat(S(shortDateFormat));
    dates.separator = '/';
    for (const QChar c : shortDateFormat) {
        if (!c.isLetter() && c != QLatin1Char('\'') && c.unicode() < 128 && c != QLatin1Char(' ')) {
            dates.separator = static_cast<char>(c.unicode());
            break;
        }
    }
    return dates;
}

DateConventions SystemDateConventions() {
    return DateConventionsFromFormat(QLocale::system().dateFormat(QLocale::ShortFormat));
}

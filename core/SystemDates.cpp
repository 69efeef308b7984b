#include "core/SystemDates.h"

#include <cctype>
#include <langinfo.h>
#include <locale.h>
#include <string>

DateConventions DateConventionsFromPosixFormat(std::string_view format) {
    // Expand the composite conversions, then keep the letters of the day, month and
    // year conversions in their order.
    std::string expanded;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] == '%' && i + 1 < format.size()) {
            const char c = format[i + 1];
            if (c == 'D')
                expanded += "%m/%d/%y";
            else if (c == 'F')
                expanded += "%Y-%m-%d";
            else
                expanded.append(format.substr(i, 2));
            ++i;
        } else {
            expanded += format[i];
        }
    }
    std::string letters;
    DateConventions dates;
    bool separatorFound = false;
    for (std::size_t i = 0; i < expanded.size(); ++i) {
        if (expanded[i] == '%' && i + 1 < expanded.size()) {
            char c = static_cast<char>(std::tolower(static_cast<unsigned char>(expanded[i + 1])));
            if (c == 'e')
                c = 'd'; // day of the month padded with a blank
            if (c == 'd' || c == 'm' || c == 'y')
                letters += c;
            ++i;
            continue;
        }
        const unsigned char ch = static_cast<unsigned char>(expanded[i]);
        if (!separatorFound && !letters.empty() && !std::isalnum(ch) && ch < 0x80) {
            dates.separator = static_cast<char>(ch);
            separatorFound = true;
        }
    }
    dates.order = DateOrderFromFormat(letters);
    return dates;
}

DateConventions SystemDateConventions() {
    locale_t locale = newlocale(LC_TIME_MASK, "", static_cast<locale_t>(0));
    if (locale == static_cast<locale_t>(0))
        return DateConventionsFromPosixFormat("%m/%d/%y");
    const DateConventions dates = DateConventionsFromPosixFormat(nl_langinfo_l(D_FMT, locale));
    freelocale(locale);
    return dates;
}

// Date texts in each of the three orders; the first byte picks the order and the
// separator.

#include "core/Dates.h"
#include "tests/fuzz/FuzzCheck.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    static constexpr DateOrder kOrders[] = {DateOrder::YearMonthDay, DateOrder::DayMonthYear,
                                            DateOrder::MonthDayYear};
    static constexpr char kSeparators[] = {'/', '.', '-', ' '};
    const DateConventions dates{kOrders[data[0] % 3], kSeparators[(data[0] >> 2) % 4]};
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    const bool valid = IsValidDateText(text, dates);
    FUZZ_CHECK(valid == CheckDateText(text, dates).ok);
    if (!valid)
        return 0;
    const std::optional<DateValue> date = ParseDateText(text, dates);
    FUZZ_CHECK(date.has_value());
    // A valid date shown again reads back as the same day.
    const std::string shown = FormatDateText(false, *date, dates);
    FUZZ_CHECK(IsValidDateText(shown, dates));
    FUZZ_CHECK(ParseDateText(shown, dates) == date);
    FormatDateText(true, *date, dates);
    return 0;
}

// The 27-day outlook's reader on any text, and the outlook rule on each day it gives.

#include "solar/SolarTables.h"
#include "tests/fuzz/SolarFuzz.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const SolarTable<OutlookDayRow> table = ParseDailyOutlook(text);
    FUZZ_CHECK(table.Ok() != table.rows.empty());
    FUZZ_CHECK(CheckSolarFileText(SolarFile::DailyOutlook, text) == table.error);
    std::size_t checked = 0;
    for (const OutlookDayRow& row : table.rows) {
        FUZZ_CHECK(row.fluxSfu > 0.0);
        FUZZ_CHECK(row.day.month >= 1 && row.day.month <= 12);
        if (++checked > 50)
            continue;
        const auto figure = PickOutlookFigure(table.rows, row.day);
        FUZZ_CHECK(figure.has_value());
        CheckSolarFigure(*figure);
    }
    return 0;
}

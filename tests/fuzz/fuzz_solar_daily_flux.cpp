// The daily flux file's reader on any text, and the daily rules on what it gives.

#include "solar/SolarTables.h"
#include "tests/fuzz/SolarFuzz.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const SolarTable<DailyFluxRow> table = ParseDailyFlux(text);
    FUZZ_CHECK(table.Ok() != table.rows.empty());
    FUZZ_CHECK(CheckSolarFileText(SolarFile::DailyFlux, text) == table.error);
    for (const DailyFluxRow& row : table.rows) {
        FUZZ_CHECK(std::isfinite(row.fluxSfu) && row.fluxSfu > 0.0);
        FUZZ_CHECK(row.minuteOfDay >= 0 && row.minuteOfDay < 1440);
        FUZZ_CHECK(row.day.month >= 1 && row.day.month <= 12 && row.day.day >= 1 &&
                   row.day.day <= 31);
    }
    if (table.rows.empty())
        return 0;
    const CalendarDay today = table.rows.front().day;
    for (const long back : {0L, 1L, 3L, 40L})
        if (const auto figure = PickDailyFigure(table.rows, DayAfter(today, -back), today))
            CheckSolarFigure(*figure);
    if (const auto figure = PickLatestDailyFigure(table.rows, today)) {
        FUZZ_CHECK(figure->standIn);
        CheckSolarFigure(*figure);
    }
    return 0;
}

// The observed monthly file's reader on any text, and the monthly rule on each month
// it gives.

#include "solar/SolarTables.h"
#include "tests/fuzz/SolarFuzz.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const SolarTable<ObservedMonthRow> table = ParseObservedMonths(text);
    FUZZ_CHECK(table.Ok() != table.rows.empty());
    FUZZ_CHECK(CheckSolarFileText(SolarFile::ObservedMonths, text) == table.error);
    std::size_t checked = 0;
    for (const ObservedMonthRow& row : table.rows) {
        FUZZ_CHECK(row.month >= 1 && row.month <= 12);
        FUZZ_CHECK(row.ssn >= 0.0 || row.smoothedSsn >= 0.0 || row.flux > 0.0 ||
                   row.smoothedFlux > 0.0);
        if (++checked > 50)
            continue;
        const auto figure = PickObservedFigure(table.rows, {row.year, row.month, 15});
        FUZZ_CHECK(figure.has_value());
        CheckSolarFigure(*figure);
    }
    return 0;
}

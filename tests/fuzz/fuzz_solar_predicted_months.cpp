// The predicted monthly file's reader on any text, and the predicted rule on each
// month it gives.

#include "solar/SolarTables.h"
#include "tests/fuzz/SolarFuzz.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const SolarTable<PredictedMonthRow> table = ParsePredictedMonths(text);
    FUZZ_CHECK(table.Ok() != table.rows.empty());
    FUZZ_CHECK(CheckSolarFileText(SolarFile::PredictedMonths, text) == table.error);
    std::size_t checked = 0;
    for (const PredictedMonthRow& row : table.rows) {
        FUZZ_CHECK(row.month >= 1 && row.month <= 12);
        FUZZ_CHECK(row.predictedSsn >= 0.0 || row.predictedFlux > 0.0);
        if (++checked > 50)
            continue;
        const auto figure = PickPredictedFigure(table.rows, {row.year, row.month, 1});
        FUZZ_CHECK(figure.has_value());
        CheckSolarFigure(*figure);
    }
    return 0;
}

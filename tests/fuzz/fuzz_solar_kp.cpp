// The planetary K index file's reader on any text (both its shapes), and the latest
// Kp of a day.

#include "solar/SolarTables.h"
#include "tests/fuzz/SolarFuzz.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const SolarTable<KpRow> table = ParseKpIndex(text);
    FUZZ_CHECK(table.Ok() != table.rows.empty());
    FUZZ_CHECK(CheckSolarFileText(SolarFile::PlanetaryK, text) == table.error);
    for (const KpRow& row : table.rows) {
        FUZZ_CHECK(row.kp >= 0.0 && row.kp <= 9.0);
        FUZZ_CHECK(row.minuteOfDay >= 0 && row.minuteOfDay < 1440);
    }
    if (table.rows.empty())
        return 0;
    using namespace std::chrono;
    const CalendarDay& day = table.rows.back().day;
    if (day.year < 1900 || day.year > 2100)
        return 0;
    const auto now = sys_days{year{day.year} / day.month / day.day} + 23h;
    if (const auto kp = LatestKp(table.rows, now)) {
        const std::string k = KIndexTextOf(kp->kp);
        FUZZ_CHECK(k.size() == 1 && k[0] >= '0' && k[0] <= '9');
    }
    return 0;
}

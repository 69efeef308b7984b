#pragma once

#include "p533/MagneticField.h"

#include <array>
#include <string>
#include <string_view>

// The small tables of the method besides the monthly coefficients: the foF2 decile
// factors (P.1239 Tables 2 and 3), the absorption factor at noon and the diurnal
// exponent (P.533 Figs. 1 and 3) and the auroral loss Lh (P.533 Table 2).

namespace p533 {

/// Season of a month at a point: 0 winter, 1 equinox, 2 summer.
enum class Season { Winter = 0, Equinox = 1, Summer = 2 };

/// The season of `month` (1..12) at latitude `lat` from a table's northern seasons of
/// each month; in the south the season of six months later.
Season SeasonOf(const Season (&northern)[12], int month, double lat);

/// The decile factors [decile 0 lower, 1 upper][season][R12 range][latitude row 0..18 for
/// 0°, 5°, …, 90°][hour 0..23].
struct DecileTables {
    std::array<std::array<std::array<std::array<std::array<float, 24>, 19>, 3>, 3>, 2> f{};
};

/// ATnoon (dB·MHz²) for |latitude| 0..70° in 2.5° steps, by month (rows already spread
/// to the twelve months), and the exponent polynomial of each month and branch.
struct AbsorptionTables {
    std::array<std::array<double, 29>, 12> atNoon{};
    struct Exponent {
        double pDeg = 0.0;
        std::array<double, 7> c{};
    };
    std::array<std::array<Exponent, 2>, 12> exponent{};
};

/// Lh (dB) [hop range 0 ≤ 2500 km, 1 > 2500 km][season][band 0 for ≥ 77.5° … 7 for
/// 42.5–47.5°][local-time column 0 for 01–04 … 7 for 22–01].
struct AuroralTable {
    std::array<std::array<std::array<std::array<double, 8>, 8>, 3>, 2> lh{};
};

/// Each reader fills its table from the file's text and returns "" or the reason the
/// text was refused (without the file name).
std::string ParseDecileTables(std::string_view text, DecileTables& out);
std::string ParseMagneticModel(std::string_view text, MagneticModel& out);
std::string ParseAtNoon(std::string_view text, AbsorptionTables& out);
std::string ParseExponents(std::string_view text, AbsorptionTables& out);
std::string ParseAuroralTable(std::string_view text, AuroralTable& out);

} // namespace p533

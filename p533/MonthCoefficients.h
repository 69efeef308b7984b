#pragma once

#include <array>

// One month's share of the coefficient file COEFFmmW.txt, in the file's Fortran
// (column-major) order: the first index runs fastest.

namespace p533 {

struct MonthCoefficients {
    std::array<double, 13 * 76 * 2> xf2{};  ///< foF2 map U(t, k, s), MHz
    std::array<double, 9 * 49 * 2> xfm3{};  ///< M(3000)F2 map U(t, k, s)
    std::array<double, 29 * 16 * 6> fakp{}; ///< atmospheric noise at 1 MHz (j, k, block)
    std::array<double, 2 * 6> fakabp{};     ///< its linear normalisation (i, block)
    std::array<double, 5 * 12 * 5> dud{};   ///< decile polynomials (coefficient, block, r)
    std::array<double, 14 * 12> fam{};      ///< frequency polynomials (coefficient, block)

    double Fakp(int j, int k, int block) const {
        return fakp[(j - 1) + 29 * (k - 1) + 464 * block];
    }
    double Fakabp(int i, int block) const { return fakabp[(i - 1) + 2 * block]; }
    double Dud(int c, int ib, int r) const { return dud[(c - 1) + 5 * ib + 60 * (r - 1)]; }
    double Fam(int c, int ib) const { return fam[(c - 1) + 14 * ib]; }
};

} // namespace p533

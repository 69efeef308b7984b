#pragma once

#include "p533/MonthCoefficients.h"

#include <string>
#include <string_view>

// The monthly coefficient files COEFFmmW.txt: a title line, then blocks, each a line
// with its Fortran name and dimensions ("xf2(13,76,2)") followed by its values, five a
// line. The file may end with a DOS end-of-file byte.

namespace p533 {

/// Fills `out` from the blocks the method uses (xf2, xfm3, fakp, fakabp, dud, fam;
/// if2 and ifm3 are checked against the maps' term layout) and returns "", or the
/// reason the text was refused ("line 7: ...").
std::string ParseCoefficientFile(std::string_view text, MonthCoefficients& out);

} // namespace p533

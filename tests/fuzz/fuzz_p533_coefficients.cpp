// The reader of the P.533 engine's monthly coefficient files on any bytes: it accepts
// or refuses with a message naming the file, and never reads past the text or sizes
// anything by what the text claims.

#include "p533/CircuitPrediction.h"
#include "tests/fuzz/FuzzCheck.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::string problem = p533::CheckCoefficientText(text, "COEFF01W.txt");
    FUZZ_CHECK(problem.empty() || problem.rfind("COEFF01W.txt: ", 0) == 0);
    return 0;
}

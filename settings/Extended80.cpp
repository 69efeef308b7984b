#include "settings/Extended80.h"

#include <bit>
#include <cmath>
#include <limits>

namespace {

constexpr int kExtendedBias = 16383;
constexpr int kDoubleBias = 1023;
constexpr std::uint64_t kIntegerBit = 1ull << 63;

Extended80Bytes Pack(bool negative, int exponent, std::uint64_t significand) {
    Extended80Bytes out{};
    for (int i = 0; i < 8; ++i)
        out[i] = static_cast<std::uint8_t>(significand >> (8 * i));
    const unsigned top = (negative ? 0x8000u : 0u) | (static_cast<unsigned>(exponent) & 0x7FFFu);
    out[8] = static_cast<std::uint8_t>(top & 0xFF);
    out[9] = static_cast<std::uint8_t>(top >> 8);
    return out;
}

} // namespace

Extended80Bytes EncodeExtended80(double value) {
    const std::uint64_t bits = std::bit_cast<std::uint64_t>(value);
    const bool negative = (bits >> 63) != 0;
    const int biased = static_cast<int>((bits >> 52) & 0x7FF);
    const std::uint64_t fraction = bits & ((1ull << 52) - 1);

    if (biased == 0x7FF) {
        if (fraction == 0)
            return Pack(negative, 0x7FFF, kIntegerBit);
        return Pack(negative, 0x7FFF, kIntegerBit | (1ull << 62) | (fraction << 11));
    }
    if (biased == 0) {
        if (fraction == 0)
            return Pack(negative, 0, 0);
        // A double subnormal is fraction × 2^-1074; normalise it so bit 63 is set.
        const int shift = std::countl_zero(fraction);
        const std::uint64_t significand = fraction << shift;
        // fraction × 2^-1074 = significand × 2^(-1074 - shift) = 1.xxx × 2^(63 - 1074 - shift)
        const int exponent = 63 - 1074 - shift + kExtendedBias;
        return Pack(negative, exponent, significand);
    }
    const int exponent = biased - kDoubleBias + kExtendedBias;
    return Pack(negative, exponent, kIntegerBit | (fraction << 11));
}

double DecodeExtended80(const Extended80Bytes& bytes) {
    std::uint64_t significand = 0;
    for (int i = 7; i >= 0; --i)
        significand = (significand << 8) | bytes[i];
    const unsigned top = bytes[8] | (static_cast<unsigned>(bytes[9]) << 8);
    const bool negative = (top & 0x8000u) != 0;
    const int exponent = static_cast<int>(top & 0x7FFFu);

    double magnitude;
    if (exponent == 0x7FFF) {
        magnitude = (significand << 1) == 0 ? std::numeric_limits<double>::infinity()
                                            : std::numeric_limits<double>::quiet_NaN();
    } else if (significand == 0) {
        magnitude = 0.0;
    } else {
        // Round the 64-bit significand to 53 bits here (nearest, ties to even), then
        // scale by a power of two, which is exact unless the result is subnormal.
        const int effective = exponent == 0 ? 1 : exponent; // denormals use exponent 1
        magnitude = std::ldexp(static_cast<double>(significand), effective - kExtendedBias - 63);
    }
    return negative ? -magnitude : magnitude;
}

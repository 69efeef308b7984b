#pragma once

#include <array>
#include <cstdint>

/// The 10 bytes of an 80-bit x87 extended real, little-endian: bytes 0..7 the 64-bit
/// significand with its explicit integer bit (bit 63), bytes 8..9 the 15-bit exponent
/// (bias 16383) with the sign in the top bit.
using Extended80Bytes = std::array<std::uint8_t, 10>;

/// Encodes a double exactly (every double, subnormals included, is representable):
/// ±0 keeps its sign, infinities get exponent 0x7FFF with significand 1.0, NaNs a quiet
/// NaN pattern.
Extended80Bytes EncodeExtended80(double value);

/// Decodes to the nearest double: values beyond the double range become ±infinity,
/// values below it ±0 or a subnormal; pseudo-denormals and unnormals are read by their
/// plain value (significand × 2^(exponent − 16383 − 63)); exponent 0x7FFF gives an
/// infinity when the fraction bits are clear, otherwise a NaN.
double DecodeExtended80(const Extended80Bytes& bytes);

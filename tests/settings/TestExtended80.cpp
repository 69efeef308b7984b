#include "settings/Extended80.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <random>

namespace {

Extended80Bytes Bytes(std::initializer_list<int> list) {
    Extended80Bytes b{};
    int i = 0;
    for (int v : list)
        b[i++] = static_cast<std::uint8_t>(v);
    return b;
}

struct KnownPattern {
    const char* name;
    double value;
    Extended80Bytes bytes;
};

class Extended80Known : public ::testing::TestWithParam<KnownPattern> {};

} // namespace

// Bit patterns as an x87 FPU stores them (FSTP TBYTE), little-endian.
INSTANTIATE_TEST_SUITE_P(
    Patterns, Extended80Known,
    ::testing::Values(
        KnownPattern{"OnePointFive", 1.5, Bytes({0, 0, 0, 0, 0, 0, 0, 0xC0, 0xFF, 0x3F})},
        KnownPattern{"One", 1.0, Bytes({0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F})},
        KnownPattern{"Zero", 0.0, Bytes({0, 0, 0, 0, 0, 0, 0, 0, 0, 0})},
        KnownPattern{"MinusTwo", -2.0, Bytes({0, 0, 0, 0, 0, 0, 0, 0x80, 0x00, 0xC0})},
        KnownPattern{"MinusOnePointFive", -1.5, Bytes({0, 0, 0, 0, 0, 0, 0, 0xC0, 0xFF, 0xBF})},
        KnownPattern{"FortyFive", 45.0, Bytes({0, 0, 0, 0, 0, 0, 0, 0xB4, 0x04, 0x40})},
        KnownPattern{"Quarter", 0.25, Bytes({0, 0, 0, 0, 0, 0, 0, 0x80, 0xFD, 0x3F})}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(Extended80Known, EncodesAndDecodes) {
    const KnownPattern& p = GetParam();
    EXPECT_EQ(EncodeExtended80(p.value), p.bytes);
    EXPECT_EQ(DecodeExtended80(p.bytes), p.value);
}

TEST(Extended80, NegativeZeroKeepsItsSign) {
    const Extended80Bytes b = EncodeExtended80(-0.0);
    EXPECT_EQ(b, Bytes({0, 0, 0, 0, 0, 0, 0, 0, 0x00, 0x80}));
    const double back = DecodeExtended80(b);
    EXPECT_EQ(back, 0.0);
    EXPECT_TRUE(std::signbit(back));
}

TEST(Extended80, PiAsTheFpuLoadsItRoundsToTheDoublePi) {
    // FLDPI: significand C90FDAA22168C235, exponent 0x4000; the 11 bits dropped are
    // below one half, so the nearest double is the double closest to pi.
    const Extended80Bytes pi = Bytes({0x35, 0xC2, 0x68, 0x21, 0xA2, 0xDA, 0x0F, 0xC9, 0x00, 0x40});
    EXPECT_EQ(DecodeExtended80(pi), std::numbers::pi);
}

TEST(Extended80, StoredAngleRoundTripsExactly) {
    // The minimum radiation angle of the factory settings in degrees and radians.
    for (double v : {1.5, 1.5 * std::numbers::pi / 180.0, 45.0 * std::numbers::pi / 180.0, 0.1})
        EXPECT_EQ(DecodeExtended80(EncodeExtended80(v)), v) << v;
}

TEST(Extended80, EveryDoubleRoundTrips) {
    std::mt19937_64 rng(20261208);
    for (int i = 0; i < 20000; ++i) {
        const double v = std::bit_cast<double>(rng());
        const double back = DecodeExtended80(EncodeExtended80(v));
        if (std::isnan(v))
            EXPECT_TRUE(std::isnan(back));
        else
            EXPECT_EQ(std::bit_cast<std::uint64_t>(back), std::bit_cast<std::uint64_t>(v)) << v;
    }
    const double subnormal = std::numeric_limits<double>::denorm_min() * 12345;
    EXPECT_EQ(DecodeExtended80(EncodeExtended80(subnormal)), subnormal);
    EXPECT_EQ(DecodeExtended80(EncodeExtended80(std::numeric_limits<double>::max())),
              std::numeric_limits<double>::max());
}

TEST(Extended80, SpecialValuesAndValuesOutsideTheDoubleRange) {
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(EncodeExtended80(inf), Bytes({0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x7F}));
    EXPECT_EQ(DecodeExtended80(EncodeExtended80(-inf)), -inf);
    EXPECT_TRUE(std::isnan(DecodeExtended80(EncodeExtended80(std::nan("")))));
    // 2^16000 and 2^-16000 exist in the extended format only.
    EXPECT_EQ(DecodeExtended80(Bytes({0, 0, 0, 0, 0, 0, 0, 0x80, 0x7F, 0x7E})), inf);
    EXPECT_EQ(DecodeExtended80(Bytes({0, 0, 0, 0, 0, 0, 0, 0x80, 0x7F, 0x01})), 0.0);
    // An extended denormal decodes to zero without fault.
    EXPECT_EQ(DecodeExtended80(Bytes({1, 0, 0, 0, 0, 0, 0, 0, 0, 0})), 0.0);
}

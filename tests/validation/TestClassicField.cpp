// The classic engine's signal turned into a field strength for 1 kW e.i.r.p., held
// against the field that engine's own loss budget gives for one F hop at night over the
// sea: free space for 1 kW over the slant range, less the engine's losses.

#include "validation/PredictedHours.h"

#include <cmath>
#include <complex>
#include <gtest/gtest.h>
#include <numbers>

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kEarthRadiusKm = 20000.0 / kPi;

double Db(double ratio) {
    return 10.0 * std::log10(ratio);
}

/// Field strength of 1 kW e.i.r.p. in free space at `km`: √(30·P)/d, dB(1 µV/m).
double FreeSpaceField1kW(double km) {
    return 20.0 * std::log10(std::sqrt(30.0 * 1000.0) * 1e6 / (km * 1000.0));
}

/// Loss of one reflection from the sea (εr 80, σ 5 S/m) at grazing angle ψ: the mean
/// of the two Fresnel coefficients' powers.
double SeaReflectionLossDb(double psiRad, double freqMHz) {
    const std::complex<double> epsilon(80.0, -18000.0 * 5.0 / freqMHz);
    const std::complex<double> r = std::sqrt(epsilon - std::cos(psiRad) * std::cos(psiRad));
    const double s = std::sin(psiRad);
    const double rh = std::norm((s - r) / (s + r));
    const double rv = std::norm((epsilon * s - r) / (epsilon * s + r));
    return -Db((rh + rv) / 2.0);
}

TEST(ClassicField, OneNightHopOverTheSeaIsFreeSpaceLessTheEngineLosses) {
    // 22.5° along the equator over the Pacific, at local midnight in March: one F hop,
    // the absorption at its floor, one sea reflection at the receiver.
    MeasuredHour h;
    h.txLatDeg = 0.0;
    h.txLonEastDeg = -150.0;
    h.rxLatDeg = 0.0;
    h.rxLonEastDeg = -172.5;
    h.freqMHz = 10.0;
    h.year = 2026;
    h.month = 3;
    h.ssn = 100.0;
    h.hourUtc = 11;
    const std::vector<PredictedHour> predicted = PredictClassic({h});
    ASSERT_TRUE(predicted[0].fieldDbu.has_value());

    const double d = 22.5 * kPi / 180.0;
    const double h0 = 0.5 * h.ssn + 275.0; // base F2 height, km
    const double theta = d / 2.0;          // half the hop's ground angle
    const double elevation =
        std::atan((std::cos(theta) - kEarthRadiusKm / (kEarthRadiusKm + h0)) / std::sin(theta));
    const double slantKm = 2.0 * (kEarthRadiusKm + h0) * std::sin(theta) / std::cos(elevation);

    const double c = std::cos(elevation);
    const double q = 430.0 / kEarthRadiusKm;
    const double w = std::sqrt(q / (1.0 - c * c) + 1.0);
    const double focusDb = Db((1.0 + q) * w / (w - c * c * (w - 1.0)));
    const double antipodalDb = Db(d / std::sin(d));

    const double x = kEarthRadiusKm * c / (kEarthRadiusKm + 100.0);
    const double secant = 1.0 / std::sqrt(1.0 - x * x);
    const float absorptionFactor = static_cast<float>(143.0 / (10.904 * 10.904 + 10.0));
    const double absorptionDb = 2 * 0.01 * secant * absorptionFactor; // in and out, at night

    const double expected = FreeSpaceField1kW(slantKm) - 2.0 /* one hop */ - 3.0 + focusDb +
                            antipodalDb - SeaReflectionLossDb(elevation, h.freqMHz) - absorptionDb;
    // The engine keeps its signal as a 32-bit float: a few millionths of a dB.
    EXPECT_NEAR(*predicted[0].fieldDbu, expected, 0.005);
}

TEST(ClassicField, ConversionIsTheBuiltInStationsBudget) {
    // S = P[dBW] + 149.03 (EMF above 0.5 µV of a 50 Ω receiver); the station sends
    // 100 W through a half-wave dipole (gain 1.64) to another; a field E gives
    // P = E − 20·log10 f − 107.22 + Gr in an isotropic antenna.
    const double receiverDb = Db(4.0 * 50.0) + 20.0 * std::log10(1.0 / 0.5e-6);
    const double apertureDb =
        20.0 * std::log10(299.792458) - Db(4.0 * kPi) - Db(120.0 * kPi) - 120.0;
    const double dipoleDbi = Db(1.64);
    const double offset = -receiverDb - apertureDb - dipoleDbi - (20.0 + dipoleDbi - 30.0);
    EXPECT_NEAR(kClassicSignalToFieldDb, offset, 0.001);
}

} // namespace

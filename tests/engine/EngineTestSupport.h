#pragma once

// Building prediction requests for the engine tests the way the prediction dialog
// does: terminals from their texts, both paths, the Sun of the date, the solar
// numbers and the frequency terms of the settings.

#include <cmath>
#include <cstdio>
#include <ostream>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/Core.h"
#include "engine/PredictionRequest.h"
#include "engine/SolarEphemeris.h"

struct RequestPlan {
    std::string latA = "40";
    std::string lonA = "0";
    std::string latB = "40";
    std::string lonB = "60";
    int year = 2026;
    int month = 6;
    int day = 15;
    std::string solar = "S100";
    std::string kIndex;
    std::vector<double> freqs = {3.6, 7.1, 14.1, 21.2, 28.3};
    double minAngleDeg = 1.5;
};

/// A coordinate as a terminal's text, to three decimals.
inline std::string DegreesText(double degrees) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", degrees);
    return text;
}

/// A plan between two random places, latitudes within ±maxLatDeg; the rest as
/// RequestPlan has it.
inline RequestPlan RandomPathPlan(std::mt19937& rng, double maxLatDeg) {
    std::uniform_real_distribution<double> lat(-maxLatDeg, maxLatDeg);
    std::uniform_real_distribution<double> lon(-180.0, 180.0);
    RequestPlan plan;
    plan.latA = DegreesText(lat(rng));
    plan.lonA = DegreesText(lon(rng));
    plan.latB = DegreesText(lat(rng));
    plan.lonB = DegreesText(lon(rng));
    return plan;
}

/// The frequency terms DeriveSettings gives for a frequency with additive constant 0.
inline FrequencyTerms TermsFor(double freqMHz, double constantDb = 0.0) {
    FrequencyTerms t;
    t.FrequencyMHz = static_cast<float>(freqMHz);
    t.FrequencyTermDb = static_cast<float>(20.0 * std::log10(freqMHz) - constantDb);
    t.AbsorptionFactor = static_cast<float>(143.0 / ((freqMHz + 0.904) * (freqMHz + 0.904) + 10.0));
    return t;
}

/// A complete request; throws when the terminals give an indeterminate path.
inline PredictionRequest MakeRequest(const RequestPlan& plan) {
    PredictionRequest r;
    r.TerminalA.LatitudeText = plan.latA;
    r.TerminalA.LongitudeText = plan.lonA;
    r.TerminalA.Name = "A";
    r.TerminalB.LatitudeText = plan.latB;
    r.TerminalB.LongitudeText = plan.lonB;
    r.TerminalB.Name = "B";
    if (!ComputePathGeometry(r.TerminalA, r.TerminalB, r.ShortPath, r.LongPath))
        throw std::runtime_error("indeterminate path " + plan.latA + "," + plan.lonA + " - " +
                                 plan.latB + "," + plan.lonB);
    MarkPolarPaths(r.TerminalA, r.TerminalB, r.ShortPath, r.LongPath);
    r.Date = DateFromCalendar(plan.year, plan.month, plan.day);
    r.Zone = TimeZoneState{};
    r.Sun = ComputeSolarPosition(r.Date, r.Zone);
    const auto solar = ConvertSolarIndex(plan.solar, r.Sun);
    if (!solar)
        throw std::runtime_error("bad solar index " + plan.solar);
    r.Ssn = solar->Ssn;
    r.Flux = solar->Flux;
    r.KIndexText = plan.kIndex;
    r.MinElevationRad = plan.minAngleDeg * kRadPerDeg;
    for (double f : plan.freqs)
        r.Frequencies[r.FrequencyCount++] = TermsFor(f);
    return r;
}

inline void PrintTo(const FrequencyTerms& t, std::ostream* os) {
    *os << "{" << t.FrequencyMHz << " MHz, term " << t.FrequencyTermDb << " dB, absorption factor "
        << t.AbsorptionFactor << "}";
}

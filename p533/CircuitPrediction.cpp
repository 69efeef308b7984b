#include "p533/CircuitPrediction.h"

#include "p533/CircuitHour.h"
#include "p533/CircuitModel.h"

#include <cmath>

namespace p533 {

namespace {

bool Within(double v, double low, double high) {
    return std::isfinite(v) && v >= low && v <= high;
}

std::string CheckAntenna(const Antenna& a, const char* which) {
    if (!Within(a.gainDbi, -100.0, 100.0))
        return std::string("the ") + which + " antenna's gain must be -100..100 dBi";
    if (a.mainBeamDeg && !Within(*a.mainBeamDeg, -360.0, 720.0))
        return std::string("the ") + which + " antenna's bearing must be -360..720°";
    if (a.pattern)
        for (const GainTable& t : a.pattern->tables)
            if (t.gainDbi.size() != 360u * 91u)
                return std::string("the ") + which + " antenna's pattern is not 360 × 91 gains";
    return {};
}

std::string CheckRequest(const CircuitRequest& r) {
    for (const Place* p : {&r.transmitter, &r.receiver})
        if (!Within(p->latDeg, -90.0, 90.0) || !Within(p->lonEastDeg, -360.0, 360.0))
            return "a latitude must be -90..90° and a longitude -360..360°";
    if (r.month < 1 || r.month > 12)
        return "the month must be 1..12";
    for (double h : r.hoursUtc)
        if (!Within(h, 0.0, 24.0) || h == 0.0)
            return "an hour must be more than 0 and at most 24 (UTC)";
    if (!Within(r.r12, 0.0, 311.0))
        return "the sunspot number R12 must be 0..311";
    for (double f : r.frequenciesMHz)
        if (!Within(f, 1.0, 30.0))
            return "a frequency must be 1..30 MHz";
    if (!Within(r.transmitPowerDbkW, -100.0, 100.0))
        return "the transmit power must be -100..100 dB(1 kW)";
    if (!Within(r.bandwidthHz, 1e-3, 1e8))
        return "the bandwidth must be more than 0 Hz";
    if (!Within(r.requiredSnrDb, -200.0, 200.0))
        return "the required S/N must be -200..200 dB";
    if (!Within(r.requiredReliabilityPercent, 1.0, 99.0))
        return "the required reliability must be 1..99 %";
    if (!Within(r.minElevationDeg, 0.0, 30.0))
        return "the minimum elevation must be 0..30°";
    if (r.manMadeNoise.levelDbw && !Within(*r.manMadeNoise.levelDbw, -200.0, -100.0))
        return "the man-made noise level must be -200..-100 dBW";
    if (static_cast<int>(r.manMadeNoise.category) < 0 ||
        static_cast<int>(r.manMadeNoise.category) > static_cast<int>(NoiseCategory::Noisy))
        return "unknown man-made noise category";
    if (std::string p = CheckAntenna(r.transmitAntenna, "transmit"); !p.empty())
        return p;
    return CheckAntenna(r.receiveAntenna, "receive");
}

} // namespace

CircuitResult PredictCircuit(const PredictionData& data, const CircuitRequest& request) {
    CircuitResult result;
    result.error = CheckRequest(request);
    if (!result.error.empty())
        return result;
    CircuitModel model(data, request);
    result.distanceKm = model.distanceKm;
    result.txBearingDeg = model.path.txBearing * kDeg;
    result.rxBearingDeg = model.path.rxBearing * kDeg;
    for (double hour : request.hoursUtc)
        result.hours.push_back(ComputeHour(model, hour));
    return result;
}

} // namespace p533

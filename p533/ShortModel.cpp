#include "p533/ShortModel.h"

#include "p533/Absorption.h"

#include <cmath>

namespace p533 {

void PrepareModeRay(const CircuitModel& model, const Instant& instant, ModeSetup& mode) {
    mode.elevation = ElevationAngle(mode.hopKm, mode.rayHeightKm);
    mode.i110 = IncidenceAngle(mode.elevation, 110.0);
    mode.slantKm = SlantRangeKm(mode.hops, mode.hopKm, mode.elevation);
    const double offset = GroundOffsetKm(mode.elevation, 90.0);
    mode.absorptionWeight.clear();
    mode.absorptionFoE.clear();
    const int month = model.request.month;
    for (int q = 0; q < mode.hops; ++q) {
        for (double at : {q * mode.hopKm + offset, (q + 1) * mode.hopKm - offset}) {
            const PointSite site = model.CrossingSite(at);
            const PointNow now = model.SunAndFoE(site, instant);
            const double modipDeg =
                std::atan2(site.at100.dip, std::sqrt(std::cos(site.pos.lat))) * kDeg;
            const double p =
                DiurnalExponent(model.data.absorption, month, site.pos.lat < 0.0, modipDeg);
            const double noon = NoonZenith(month, site.pos, instant.sun.eotMinutes);
            const double at0 =
                AbsorptionAtNoon(model.data.absorption, month, std::abs(site.pos.lat) * kDeg);
            mode.absorptionWeight.push_back(at0 * ZenithFactor(now.sun.zenith, p) /
                                            ZenithFactor(noon, p));
            mode.absorptionFoE.push_back(now.foE);
        }
    }
}

ModeResult EvaluateMode(const CircuitModel& model, const ModeSetup& mode, double freqMHz,
                        const AntennaView& tx, const AntennaView& rx) {
    ModeResult r;
    r.layer = mode.layer;
    r.hops = mode.hops;
    r.elevationDeg = mode.elevation * kDeg;
    r.reflectionHeightKm = mode.rayHeightKm;
    r.slantRangeKm = mode.slantKm;
    r.basicMufMHz = mode.muf50;
    r.lowerDecile = mode.deciles.lower;
    r.upperDecile = mode.deciles.upper;
    r.muf10MHz = mode.deciles.upper * mode.muf50;
    r.muf90MHz = mode.deciles.lower * mode.muf50;
    r.opMufMHz = mode.opFactor * mode.muf50;
    r.opMuf10MHz = mode.deciles.upper * r.opMufMHz;
    r.opMuf90MHz = mode.deciles.lower * r.opMufMHz;
    r.probability = SupportProbability(freqMHz, mode.muf50, mode.deciles);

    const double lf = 20.0 * std::log10(freqMHz);
    r.absorptionDb = AbsorptionLoss(mode.hops, model.rCapped, mode.i110, freqMHz, mode.gyroL,
                                    mode.absorptionWeight.data(), mode.absorptionFoE.data(),
                                    static_cast<int>(mode.absorptionWeight.size()));
    const double lm = AboveMufLoss(mode.layer == 'E', freqMHz, mode.muf50, model.distanceKm);
    const double lg = 2.0 * (mode.hops - 1);
    constexpr double kLz = 9.14;
    r.lossDb = 32.45 + lf + 20.0 * std::log10(mode.slantKm) + r.absorptionDb + lm + lg +
               mode.auroralDb + kLz;
    const double gt = GainToward(tx, r.elevationDeg);
    r.fieldDbu = 136.6 + model.request.transmitPowerDbkW + gt + lf - r.lossDb;
    if (model.distanceKm <= 7000.0) {
        r.receiveGainDbi = GainToward(rx, r.elevationDeg);
        r.powerDbw = r.fieldDbu + r.receiveGainDbi - lf - 107.2;
    }
    return r;
}

} // namespace p533

#include "p533/HourState.h"

#include "p533/Noise.h"
#include "p533/Reliability.h"

#include <algorithm>
#include <cmath>

namespace p533 {

namespace {

std::string ModeName(int hops, char layer) {
    return std::to_string(hops) + (layer == 'E' ? "E" : "F2");
}

bool HighLatitude(const CircuitModel& model, const HourState& s) {
    const double limit = 60.0 * kRad;
    std::vector<double> lats{s.m.site->geomagLat};
    if (model.options.signedGeomagneticTest && model.longModel && model.distanceKm > 9000.0) {
        for (double at :
             {model.longModel->firstPenetrationKm, model.longModel->lastHopPenetrationKm})
            lats.push_back(GeomagneticLatitude(model.path.At(at)));
    } else if (model.distanceKm > 2000.0) {
        lats.push_back(s.t1000.site->geomagLat);
        lats.push_back(s.r1000.site->geomagLat);
    }
    for (double lat : lats)
        if ((model.options.signedGeomagneticTest ? lat : std::abs(lat)) >= limit)
            return true;
    return false;
}

} // namespace

FrequencyResult ComputeFrequency(CircuitModel& model, const HourState& s, const HourResult& hour,
                                 double f) {
    const Options& o = model.options;
    const double d = model.distanceKm;
    FrequencyResult r;
    r.freqMHz = f;
    const AntennaView tx = model.TransmitView(f), rx = model.ReceiveView(f);
    const LowAngleGain rxLow = LargestLowAngleGain(rx);

    double esSum = 0.0, prSum = 0.0, bestPower = kNoValue, bestField = kNoValue;
    int bestByPower = -1, bestByField = -1;
    for (const ModeSetup& mode : s.modes) {
        ModeResult m = EvaluateMode(model, mode, f, tx, rx);
        if (mode.layer == 'F' && d <= 4000.0) {
            const double hr = s.beyond ? (MirrorHeightKm(s.td0.Mirror(model.rCapped), f, mode.hopKm,
                                                         o.mirrorHeightWithoutXrTerm) +
                                          MirrorHeightKm(s.m.Mirror(model.rCapped), f, mode.hopKm,
                                                         o.mirrorHeightWithoutXrTerm) +
                                          MirrorHeightKm(s.rd0.Mirror(model.rCapped), f, mode.hopKm,
                                                         o.mirrorHeightWithoutXrTerm)) /
                                             3.0
                                       : MirrorHeightKm(s.m.Mirror(model.rCapped), f, mode.hopKm,
                                                        o.mirrorHeightWithoutXrTerm);
            m.screeningHeightKm = hr;
            m.screeningMHz = ScreeningFrequency(s.screeningFoE, mode.hopKm, hr);
            m.screened = m.screeningMHz >= f;
        }
        m.propagates = mode.mayPropagate && !m.screened;
        const int index = static_cast<int>(r.modes.size());
        if (m.propagates) {
            esSum += std::pow(10.0, m.fieldDbu / 10.0);
            if (m.fieldDbu > bestField) {
                bestField = m.fieldDbu;
                bestByField = index;
            }
            // Modes at or below the no-value level never dominate.
            if (d <= 7000.0 && m.powerDbw > bestPower) {
                bestPower = m.powerDbw;
                bestByPower = index;
            }
            if (d <= 7000.0 && m.powerDbw > kNoValue)
                prSum += std::pow(10.0, m.powerDbw / 10.0);
        }
        r.modes.push_back(std::move(m));
    }
    if (esSum > 0.0)
        r.fieldShortDbu = 10.0 * std::log10(esSum);
    const double lf = 20.0 * std::log10(f);

    if (s.longNow) {
        LongModelResult lm;
        r.fieldLongDbu = LongModelField(model, *s.longNow, f, LargestLowAngleGain(tx).gainDbi, lm);
        lm.rxGainDbi = rxLow.gainDbi;
        r.longModel = lm;
    }
    if (d <= 7000.0) {
        r.fieldDbu = r.fieldShortDbu;
        if (bestByPower >= 0) {
            r.powerDbw = 10.0 * std::log10(prSum);
            const ModeResult& best = r.modes[bestByPower];
            r.dominantMode = bestByPower;
            r.modeName = ModeName(best.hops, best.layer);
            r.elevationDeg = best.elevationDeg;
            r.receiveGainDbi = best.receiveGainDbi;
        }
    } else {
        if (d < 9000.0) {
            const double xs = std::pow(10.0, r.fieldShortDbu / 100.0);
            const double xl = std::pow(10.0, r.fieldLongDbu / 100.0);
            r.fieldDbu = 100.0 * std::log10(xs + (d - 7000.0) / 2000.0 * (xl - xs));
        } else {
            r.fieldDbu = r.fieldLongDbu;
        }
        r.powerDbw = r.fieldDbu + rxLow.gainDbi - lf - 107.2;
        r.receiveGainDbi = rxLow.gainDbi;
        r.elevationDeg = o.elevationOfBestGain ? rxLow.elevationDeg : r.longModel->elevationDeg;
        if (d < 9000.0 && bestByField >= 0) {
            r.dominantMode = bestByField;
            r.modeName = ModeName(r.modes[bestByField].hops, r.modes[bestByField].layer);
        } else {
            r.modeName = ModeName(r.longModel->hops, 'F');
        }
        // A power at or below the no-value level is no signal at all.
        if (r.powerDbw <= kNoValue) {
            r.powerDbw = kNoValue;
            r.dominantMode = -1;
            r.modeName.clear();
        }
    }

    // Noise at the receiver and the S/N.
    const double lonR = model.path.rx.lon * kDeg;
    const double localTime = o.hourIndexTimes ? Wrap(s.t.hour - 1.0 + std::trunc(lonR / 15.0), 24.0)
                                              : Wrap(s.t.hour + lonR / 15.0, 24.0);
    r.noise.atmospheric = AtmosphericNoise(model.month, model.atmospheric, localTime, f);
    r.noise.manMade = ManMadeNoiseAt(model.request.manMadeNoise, f);
    r.noise.galactic = GalacticNoise(f);
    r.noise.total = TotalNoise(r.noise.atmospheric, r.noise.manMade, r.noise.galactic);
    double sum = 0.0;
    for (const NoiseSource* n : {&r.noise.atmospheric, &r.noise.manMade, &r.noise.galactic})
        sum += std::pow(10.0, n->medianDb / 10.0);
    const double noiseDb = 10.0 * std::log10(sum);
    const double bandDb = 10.0 * std::log10(model.request.bandwidthHz);
    r.noise.powerDbw = noiseDb - 204.0 + bandDb;
    const double power = r.powerDbw > kNoValue ? r.powerDbw : kNoValue;
    r.snrDb = power - noiseDb - bandDb + 204.0;
    const double ratio = hour.basicMufMHz > 0.0 ? f / hour.basicMufMHz : 1e9;
    const SignalDeciles deviation =
        SnrDeviations(SignalDayToDay(ratio, HighLatitude(model, s)), r.noise.atmospheric,
                      r.noise.manMade, r.noise.galactic);
    r.snrUpperDeviationDb = deviation.upper;
    r.snrLowerDeviationDb = deviation.lower;
    r.snrAtReliabilityDb =
        SnrExceeded(r.snrDb, deviation, model.request.requiredReliabilityPercent);
    r.reliabilityPercent = CircuitReliability(r.snrDb, model.request.requiredSnrDb, deviation);
    return r;
}

} // namespace p533

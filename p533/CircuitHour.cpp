#include "p533/CircuitHour.h"

#include "p533/Absorption.h"
#include "p533/LongModel.h"
#include "p533/Reliability.h"
#include "p533/Screening.h"
#include "p533/ShortModel.h"

#include <algorithm>
#include <cmath>

namespace p533 {

namespace {

// A control point with its values at the instant.
struct Point {
    const PointSite* site = nullptr;
    PointNow now;
    explicit operator bool() const { return site != nullptr; }
    LayerValues Layers() const {
        return {now.maps.foF2, now.foE, now.maps.m3000, site->at300.gyroMHz};
    }
    MirrorInputs Mirror(double rCapped) const {
        return {now.maps.foF2, now.foE, now.maps.m3000, rCapped};
    }
};

Point MakePoint(CircuitModel& model, const Instant& t, const char* name, double at) {
    const PointSite& site = model.Site(name, at, true);
    return {&site, model.Now(site, t)};
}

ControlPointResult Report(const Point& p) {
    ControlPointResult r;
    r.name = p.site->name;
    r.place = {p.site->pos.lat * kDeg, p.site->pos.lon * kDeg};
    r.distanceKm = p.site->distanceKm;
    r.dip100Deg = p.site->at100.dip * kDeg;
    r.gyro100MHz = p.site->at100.gyroMHz;
    r.dip300Deg = p.site->at300.dip * kDeg;
    r.gyro300MHz = p.site->at300.gyroMHz;
    r.foF2MHz = p.now.maps.foF2;
    r.m3000 = p.now.maps.m3000;
    r.foEMHz = p.now.foE;
    r.zenithDeg = p.now.sun.zenith * kDeg;
    return r;
}

double ReflectionHeight(double m3000) {
    return std::min(1490.0 / m3000 - 176.0, 500.0);
}

// Everything of the instant that the frequencies share.
struct HourState {
    Instant t;
    Point m, t1000, r1000, td0, rd0;
    bool beyond = false; ///< D > the path's dmax
    std::vector<ModeSetup> modes;
    std::optional<LongModelNow> longNow;
    double screeningFoE = 0.0;
};

std::string ModeName(int hops, char layer) {
    return std::to_string(hops) + (layer == 'E' ? "E" : "F2");
}

// fL and Lh of a mode averaged over its control points.
void AddControlLosses(const CircuitModel& model, const std::vector<const Point*>& set,
                      double localTimeM, ModeSetup& mode) {
    double gyro = 0.0, lh = 0.0;
    for (const Point* p : set) {
        gyro += std::abs(p->site->at100.gyroMHz * std::sin(p->site->at100.dip));
        lh += AuroralLoss(model.data.auroral, mode.hopKm,
                          AuroralSeason(model.request.month, p->site->pos.lat),
                          std::abs(p->site->geomagLat) * kDeg, localTimeM);
    }
    mode.gyroL = gyro / set.size();
    mode.auroralDb = lh / set.size();
}

void SetUpShortModel(CircuitModel& model, HourState& s, HourResult& out) {
    const Options& o = model.options;
    const double d = model.distanceKm;
    const int month = model.request.month;
    const double hrM = ReflectionHeight(s.m.now.maps.m3000);
    const double longest = LongestHopKm(hrM, model.minElevation);
    int n0 = 0;
    for (int n = 1; n <= 6 && n0 == 0; ++n)
        if (d / n < longest)
            n0 = n;
    const F2Shape shapeM = F2ShapeAt(s.m.Layers());
    const double pathDmax = std::min(shapeM.dmaxKm, 4000.0);
    out.dmaxKm = pathDmax;
    s.beyond = d > pathDmax;
    out.lowestF2Hops = n0;

    const double i = s.t.hour - 1.0;
    const double lonM = s.m.site->pos.lon * kDeg;
    const double localTimeM = o.hourIndexTimes ? std::fmod(i + std::trunc(lonM / 15.0), 24.0)
                                               : Wrap(s.t.hour + lonM / 15.0, 24.0);
    std::vector<const Point*> points{&s.m};
    if (d > 2000.0)
        points = {&s.m, &s.t1000, &s.r1000};
    const std::vector<const Point*> eSet = points;

    if (n0 > 0) {
        const double d0 = d / n0;
        std::vector<double> mufs(7, 0.0);
        if (!s.beyond) {
            for (int n = n0; n <= 6; ++n)
                mufs[n] = F2Muf(s.m.Layers(), shapeM.b, d / n, pathDmax);
        } else {
            s.td0 = MakePoint(model, s.t, "T+d0/2", d0 / 2.0);
            s.rd0 = MakePoint(model, s.t, "R-d0/2", d - d0 / 2.0);
            const F2Shape st = F2ShapeAt(s.td0.Layers()), sr = F2ShapeAt(s.rd0.Layers());
            mufs[n0] = std::min(F2Muf(s.td0.Layers(), st.b, d0, pathDmax),
                                F2Muf(s.rd0.Layers(), sr.b, d0, pathDmax));
            for (int n = n0 + 1; n <= 6; ++n) {
                const double rt = F2Muf(s.td0.Layers(), st.b, d / n, st.dmaxKm) /
                                  F2Muf(s.td0.Layers(), st.b, d0, st.dmaxKm);
                const double rr = F2Muf(s.rd0.Layers(), sr.b, d / n, sr.dmaxKm) /
                                  F2Muf(s.rd0.Layers(), sr.b, d0, sr.dmaxKm);
                mufs[n] = mufs[n0] * std::min(rt, rr);
            }
            if (d > 2000.0)
                points.insert(points.end(), {&s.td0, &s.rd0});
        }
        // The ray's height: mid-path, or beyond dmax the point of the lowest foF2.
        double rayHeight = hrM;
        if (s.beyond) {
            std::vector<const Point*> candidates;
            if (!o.fourPointReflectionSet && s.t1000)
                candidates.push_back(&s.t1000);
            candidates.insert(candidates.end(), {&s.td0, &s.m, &s.rd0});
            if (s.r1000)
                candidates.push_back(&s.r1000);
            const Point* lowest = candidates.front();
            for (const Point* p : candidates)
                if (p->now.maps.foF2 < lowest->now.maps.foF2)
                    lowest = p;
            rayHeight = ReflectionHeight(lowest->now.maps.m3000);
        }
        const double decileHour = o.decilesAtUtc ? i : Wrap(s.t.hour + lonM / 15.0, 24.0);
        const DecileFactors deciles =
            F2DecileFactors(model.data.deciles, MufSeason(month, s.m.site->pos.lat),
                            model.request.r12, std::abs(s.m.site->pos.lat) * kDeg, decileHour);
        const bool day = o.dayWithoutWrap ? s.m.now.sun.riseUtc < s.t.sunHours &&
                                                s.t.sunHours < s.m.now.sun.setUtc
                                          : IsDaylight(s.m.now.sun);
        const double rop = OperationalFactor(MufSeason(month, s.m.site->pos.lat), day,
                                             model.highPower && !o.operationalMufLowPowerRow);
        for (int n = n0; n <= 6; ++n) {
            ModeSetup mode;
            mode.layer = 'F';
            mode.hops = n;
            mode.hopKm = d / n;
            mode.muf50 = mufs[n];
            mode.deciles = deciles;
            mode.opFactor = rop;
            mode.mayPropagate = n > n0 || d0 <= pathDmax;
            mode.rayHeightKm = rayHeight;
            PrepareModeRay(model, s.t, mode);
            AddControlLosses(model, points, localTimeM, mode);
            s.modes.push_back(std::move(mode));
        }
    }

    if (d < 4000.0) {
        const double foE = d <= 2000.0 ? s.m.now.foE : std::min(s.t1000.now.foE, s.r1000.now.foE);
        s.screeningFoE = d <= 2000.0 ? s.m.now.foE : std::max(s.t1000.now.foE, s.r1000.now.foE);
        const double longestE = LongestHopKm(110.0, model.minElevation);
        int n0E = 0;
        for (int n = 1; n <= 3 && n0E == 0; ++n)
            if (d / n < longestE)
                n0E = n;
        out.lowestEHops = n0E;
        std::vector<ModeSetup> eModes;
        for (int n = std::max(n0E, 1); n0E > 0 && n <= 3; ++n) {
            ModeSetup mode;
            mode.layer = 'E';
            mode.hops = n;
            mode.hopKm = d / n;
            mode.muf50 = EMuf(foE, mode.hopKm);
            mode.mayPropagate = n > n0E || mode.hopKm <= 2000.0;
            mode.rayHeightKm = 110.0;
            PrepareModeRay(model, s.t, mode);
            AddControlLosses(model, eSet, localTimeM, mode);
            eModes.push_back(std::move(mode));
        }
        s.modes.insert(s.modes.begin(), eModes.begin(), eModes.end());
    }

    // The path's MUFs: the basic MUF of the lowest modes, the rest the largest of all.
    double lowestE = 0.0, lowestF = 0.0;
    for (const ModeSetup& mode : s.modes) {
        if (mode.layer == 'E' && lowestE == 0.0)
            lowestE = mode.muf50;
        if (mode.layer == 'F' && lowestF == 0.0)
            lowestF = mode.muf50;
        out.muf10MHz = std::max(out.muf10MHz, mode.deciles.upper * mode.muf50);
        out.muf90MHz = std::max(out.muf90MHz, mode.deciles.lower * mode.muf50);
        out.opMufMHz = std::max(out.opMufMHz, mode.opFactor * mode.muf50);
        out.opMuf10MHz = std::max(out.opMuf10MHz, mode.deciles.upper * mode.opFactor * mode.muf50);
        out.opMuf90MHz = std::max(out.opMuf90MHz, mode.deciles.lower * mode.opFactor * mode.muf50);
    }
    out.basicMufMHz = std::max(lowestE, lowestF);
}

void SetUpLongModelMuf(const CircuitModel& model, const HourState& s, HourResult& out) {
    const LongModelSetup& lm = *model.longModel;
    const LongModelNow& now = *s.longNow;
    // The smaller fB; T+dM/2 only when strictly smaller.
    const bool atTx = now.fbTx < now.fbRx;
    const PointSite& site = atTx ? *lm.tx : *lm.rx;
    out.basicMufMHz = atTx ? now.fbTx : now.fbRx;
    const double hour = model.options.decilesAtUtc
                            ? s.t.hour - 1.0
                            : Wrap(s.t.hour + site.pos.lon * kDeg / 15.0, 24.0);
    const DecileFactors d =
        F2DecileFactors(model.data.deciles, MufSeason(model.request.month, s.m.site->pos.lat),
                        model.request.r12, std::abs(site.pos.lat) * kDeg, hour);
    out.muf10MHz = d.upper * out.basicMufMHz;
    out.muf90MHz = d.lower * out.basicMufMHz;
    out.opMufMHz = now.fM;
    out.opMuf10MHz = d.upper * now.fM;
    out.opMuf90MHz = d.lower * now.fM;
    out.lowestF2Hops = 0;
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

} // namespace

HourResult ComputeHour(CircuitModel& model, double hour) {
    const double d = model.distanceKm;
    HourState s;
    s.t = model.MakeInstant(hour);
    HourResult out;
    out.hourUtc = hour;
    s.m = MakePoint(model, s.t, "M", d / 2.0);
    if (d > 2000.0) {
        s.t1000 = MakePoint(model, s.t, "T+1000", 1000.0);
        s.r1000 = MakePoint(model, s.t, "R-1000", d - 1000.0);
    }
    if (d <= 9000.0)
        SetUpShortModel(model, s, out);
    if (model.longModel) {
        s.longNow = LongModelAt(model, s.t);
        if (d > 9000.0)
            SetUpLongModelMuf(model, s, out);
    }
    for (const Point* p : {&s.t1000, &s.td0, &s.m, &s.rd0, &s.r1000})
        if (*p)
            out.controlPoints.push_back(Report(*p));
    if (model.longModel)
        for (const PointSite* site : {model.longModel->tx, model.longModel->rx})
            out.controlPoints.push_back(Report({site, model.Now(*site, s.t)}));
    for (double f : model.request.frequenciesMHz)
        out.frequencies.push_back(ComputeFrequency(model, s, out, f));
    return out;
}

} // namespace p533

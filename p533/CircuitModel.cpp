#include "p533/CircuitModel.h"

#include "p533/FoE.h"

#include <algorithm>

namespace p533 {

CircuitModel::CircuitModel(const PredictionData& d, const CircuitRequest& r)
    : data(d), request(r), options(r.options), month(d.months[r.month - 1]) {
    const LatLon tx{r.transmitter.latDeg * kRad, r.transmitter.lonEastDeg * kRad};
    const LatLon rx{r.receiver.latDeg * kRad, r.receiver.lonEastDeg * kRad};
    path = MakeCircuitPath(tx, rx, r.longPath);
    distanceKm = path.distanceKm;
    rCapped = std::min(r.r12, 160.0);
    minElevation = r.minElevationDeg * kRad;
    highPower = r.transmitPowerDbkW + 30.0 + PeakGain(r.transmitAntenna) > 30.0;
    atmospheric = PrepareAtmosphericSite(month, rx);
    if (distanceKm >= 7000.0)
        PrepareLongModel();
}

PointSite CircuitModel::BareSite(double fromTxKm) const {
    PointSite site;
    site.distanceKm = fromTxKm;
    site.pos = path.At(fromTxKm);
    site.at100 = FieldAt(data.field, site.pos, 100.0);
    site.at300 = FieldAt(data.field, site.pos, 300.0);
    site.geomagLat = GeomagneticLatitude(site.pos);
    return site;
}

PointSite CircuitModel::CrossingSite(double fromTxKm) const {
    PointSite site;
    site.distanceKm = fromTxKm;
    site.pos = path.At(fromTxKm);
    site.at100 = FieldAt(data.field, site.pos, 100.0);
    return site;
}

const PointSite& CircuitModel::Site(const std::string& name, double fromTxKm, bool withMaps) {
    std::unique_ptr<PointSite>& slot = m_sites[{name, fromTxKm}];
    if (!slot) {
        slot = std::make_unique<PointSite>(BareSite(fromTxKm));
        slot->name = name;
    }
    if (withMaps && !slot->maps) {
        slot->maps =
            options.mirroredMapGrid
                ? GridMapSeriesAt(month, data.field, slot->pos, rCapped)
                : MapSeriesAt(month, slot->pos, Modip(slot->at300.dip, slot->pos.lat), rCapped);
    }
    return *slot;
}

Instant CircuitModel::MakeInstant(double hour) const {
    Instant t;
    t.hour = hour;
    t.sunHours = options.hourIndexTimes ? hour - 1.0 : hour;
    t.sun = SunAt(request.month, t.sunHours);
    t.hourOfDay = Wrap(hour, 24.0);
    return t;
}

MapValues CircuitModel::MapsAt(const PointSite& site, double ut) const {
    return site.maps ? EvaluateMaps(*site.maps, ut) : MapValues{};
}

PointNow CircuitModel::SunAndFoE(const PointSite& site, const Instant& instant) const {
    PointNow now;
    // Sunrise and sunset matter to foE only at night.
    now.sun = SunSeenFrom(instant.sun, site.pos, instant.sunHours, false);
    if (now.sun.zenith >= kPi / 2.0 || site.maps)
        now.sun = SunSeenFrom(instant.sun, site.pos, instant.sunHours);
    FoEInputs in;
    in.lat = site.pos.lat;
    in.rCapped = rCapped;
    in.sun = instant.sun;
    in.seen = now.sun;
    in.hourOfDay = instant.hourOfDay;
    in.month = request.month;
    in.polarWinterAsReference = options.polarWinterAsReference;
    now.foE = FoE(in);
    return now;
}

PointNow CircuitModel::Now(const PointSite& site, const Instant& instant) const {
    PointNow now = SunAndFoE(site, instant);
    now.maps = MapsAt(site, instant.hour);
    return now;
}

AntennaView CircuitModel::TransmitView(double freqMHz) const {
    return ViewAntenna(request.transmitAntenna, freqMHz, path.txBearing * kDeg,
                       options.truncatedAntennaRotation);
}

AntennaView CircuitModel::ReceiveView(double freqMHz) const {
    return ViewAntenna(request.receiveAntenna, freqMHz, path.rxBearing * kDeg,
                       options.truncatedAntennaRotation);
}

} // namespace p533

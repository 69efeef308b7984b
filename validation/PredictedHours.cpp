#include "validation/PredictedHours.h"

#include "core/Constants.h"
#include "core/Dates.h"
#include "core/Geometry.h"
#include "engine/Propagation.h"

#include <cmath>
#include <map>
#include <optional>
#include <tuple>

namespace {

/// The factory minimum take-off angle of the classic engine's settings, degrees.
constexpr double kClassicMinElevationDeg = 1.5;

/// Both terminals and paths of an hour's circuit (longitudes turned west positive);
/// none for ends that coincide or are antipodal.
std::optional<PredictionRequest> PathRequest(const MeasuredHour& h) {
    PredictionRequest r;
    SetTerminalDegrees(r.TerminalA, h.txLatDeg, -h.txLonEastDeg);
    SetTerminalDegrees(r.TerminalB, h.rxLatDeg, -h.rxLonEastDeg);
    if (!ComputePathGeometryOfReals(r.TerminalA, r.TerminalB, r.ShortPath, r.LongPath))
        return std::nullopt;
    MarkPolarPaths(r.TerminalA, r.TerminalB, r.ShortPath, r.LongPath);
    r.Date = DateFromCalendar(h.year, h.month, 15);
    r.Zone = TimeZoneState{};
    r.Sun = ComputeSolarPosition(r.Date, r.Zone);
    return r;
}

PathKind KindOf(const MeasuredHour& h) {
    return h.longPath ? PathKind::Long : PathKind::Short;
}

int HalfHourOf(int hourUtc) {
    return (2 * hourUtc) % kHalfHours;
}

} // namespace

std::vector<std::vector<std::size_t>> CircuitMonths(const std::vector<MeasuredHour>& hours) {
    using Key = std::tuple<int, double, double, double, double, bool, double, int, int, double>;
    std::map<Key, std::size_t> index;
    std::vector<std::vector<std::size_t>> months;
    for (std::size_t i = 0; i < hours.size(); ++i) {
        const MeasuredHour& h = hours[i];
        const Key key{h.circuit,  h.txLatDeg, h.txLonEastDeg, h.rxLatDeg, h.rxLonEastDeg,
                      h.longPath, h.freqMHz,  h.year,         h.month,    h.ssn};
        const auto [at, added] = index.emplace(key, months.size());
        if (added)
            months.emplace_back();
        months[at->second].push_back(i);
    }
    return months;
}

std::vector<PredictedHour> PredictClassic(const std::vector<MeasuredHour>& hours) {
    std::vector<PredictedHour> predicted(hours.size());
    for (const std::vector<std::size_t>& month : CircuitMonths(hours)) {
        const MeasuredHour& first = hours[month.front()];
        std::optional<PredictionRequest> request = PathRequest(first);
        if (!request)
            continue;
        PredictionRequest& r = *request;
        r.Ssn = static_cast<float>(first.ssn);
        r.MinElevationRad = kClassicMinElevationDeg * kRadPerDeg;
        r.FrequencyCount = 1;
        const double f = first.freqMHz;
        r.Frequencies[0] = {static_cast<float>(f), static_cast<float>(20.0 * std::log10(f)),
                            static_cast<float>(143.0 / ((f + 0.904) * (f + 0.904) + 10.0))};
        std::vector<int> halfHours;
        for (std::size_t i : month)
            halfHours.push_back(HalfHourOf(hours[i].hourUtc));
        PathResult path;
        ComputePathAt(r, KindOf(first), halfHours, path);
        for (std::size_t i : month) {
            const int j = HalfHourOf(hours[i].hourUtc);
            const float signal = path.Signal[j][0];
            predicted[i].mufMHz = path.Muf[j];
            if (signal != kNoModeSignal)
                predicted[i].fieldDbu =
                    signal + r.Frequencies[0].FrequencyTermDb + kClassicSignalToFieldDb;
        }
    }
    return predicted;
}

std::vector<PredictedHour> PredictP533(const p533::PredictionData& data,
                                       const std::vector<MeasuredHour>& hours,
                                       const p533::Options& options) {
    std::vector<PredictedHour> predicted(hours.size());
    for (const std::vector<std::size_t>& month : CircuitMonths(hours)) {
        const MeasuredHour& first = hours[month.front()];
        p533::CircuitRequest r;
        r.transmitter = {first.txLatDeg, first.txLonEastDeg};
        r.receiver = {first.rxLatDeg, first.rxLonEastDeg};
        r.longPath = first.longPath;
        r.month = first.month;
        r.r12 = first.ssn;
        r.frequenciesMHz = {first.freqMHz};
        r.transmitPowerDbkW = 0.0; // 1 kW into isotropic antennas: 1 kW e.i.r.p.
        r.options = options;
        for (std::size_t i : month)
            r.hoursUtc.push_back(hours[i].hourUtc);
        const p533::CircuitResult result = p533::PredictCircuit(data, r);
        if (!result.error.empty())
            continue;
        for (std::size_t k = 0; k < month.size(); ++k) {
            const p533::HourResult& hour = result.hours[k];
            PredictedHour& p = predicted[month[k]];
            p.mufMHz = hour.basicMufMHz;
            const double field = hour.frequencies.front().fieldDbu;
            if (field > p533::kNoValue)
                p.fieldDbu = field;
        }
    }
    return predicted;
}

std::vector<bool> MidpointInDaylight(const std::vector<MeasuredHour>& hours) {
    std::vector<bool> daylight(hours.size());
    for (const std::vector<std::size_t>& month : CircuitMonths(hours)) {
        const MeasuredHour& first = hours[month.front()];
        const std::optional<PredictionRequest> request = PathRequest(first);
        if (!request)
            continue;
        const PredictionRequest& r = *request;
        const PathGeometry& path = first.longPath ? r.LongPath : r.ShortPath;
        const GeoLatLon mid =
            PointAlongPath({r.TerminalA.LatitudeRad, r.TerminalA.LongitudeRad}, KindOf(first),
                           path.BearingAtA, path.Length / 2.0, r.TerminalB.LongitudeRad);
        for (std::size_t i : month) {
            // The Sun's hour angle at the midpoint (longitude west positive).
            const double hourAngle =
                (15.0 * hours[i].hourUtc + r.Sun.HourAngleOffset) * kRadPerDeg - mid.lonRad;
            const double cosZenith =
                std::sin(mid.latRad) * r.Sun.SinDeclination +
                std::cos(mid.latRad) * r.Sun.CosDeclination * std::cos(hourAngle);
            daylight[i] = cosZenith > 0.0;
        }
    }
    return daylight;
}

#include "station/StationCircuit.h"

#include "core/Numeric.h"
#include "engine/Propagation.h"

namespace {

// An antenna of the settings for the request; "" or the pattern file's problem.
std::string TakeAntenna(const StationAntenna& from, const std::filesystem::path& dataDir,
                        p533::Antenna& to) {
    to.gainDbi = from.gainDbi;
    if (from.patternFile.empty())
        return {};
    const p533::PatternRead read = p533::ReadAntennaPatternFile(PatternFilePath(dataDir, from));
    if (!read.pattern)
        return read.error;
    to.pattern = read.pattern;
    return {};
}

} // namespace

p533::NoiseCategory NoiseCategoryOf(StationNoise noise) {
    switch (noise) {
    case StationNoise::City:
        return p533::NoiseCategory::City;
    case StationNoise::Rural:
        return p533::NoiseCategory::Rural;
    case StationNoise::QuietRural:
        return p533::NoiseCategory::QuietRural;
    case StationNoise::Quiet:
        return p533::NoiseCategory::Quiet;
    case StationNoise::Noisy:
        return p533::NoiseCategory::Noisy;
    default:
        return p533::NoiseCategory::Residential;
    }
}

StationCircuit MakeStationCircuit(const StationSettings& settings,
                                  const std::filesystem::path& dataDir, double minElevationDeg) {
    StationCircuit out;
    if (std::string problem = CheckStationSettings(settings); !problem.empty()) {
        out.error = problem;
        return out;
    }
    p533::CircuitRequest& r = out.request;
    r.transmitPowerDbkW = settings.PowerDbkW();
    if (std::string problem = TakeAntenna(settings.txAntenna, dataDir, r.transmitAntenna);
        !problem.empty())
        out.error = problem;
    else if (problem = TakeAntenna(settings.rxAntenna, dataDir, r.receiveAntenna); !problem.empty())
        out.error = problem;
    r.manMadeNoise.category = NoiseCategoryOf(settings.noise);
    if (settings.noise == StationNoise::Level)
        r.manMadeNoise.levelDbw = settings.noiseLevelDbw;
    r.bandwidthHz = settings.BandwidthHz();
    r.requiredSnrDb = settings.RequiredSnrDb();
    r.requiredReliabilityPercent = settings.requiredReliabilityPercent;
    r.minElevationDeg = std::clamp(minElevationDeg, 0.0, 30.0);
    return out;
}

P533DataRead LoadP533Data() {
    const std::filesystem::path folder = p533::FindDataFolder();
    if (folder.empty())
        return {nullptr, "the P.533 data files are not installed (share/hopscope/p533 beside "
                         "the program's folder, or p533 in it)"};
    const p533::DataLoad load = p533::LoadPredictionData(folder);
    return {load.data, load.error};
}

SunspotNumberRead P533SunspotNumber(std::string_view solarIndexText, DateValue date,
                                    const TimeZoneState& zone) {
    const SolarPosition sun = ComputeSolarPosition(date, zone);
    const std::optional<SolarIndexValues> values = ConvertSolarIndex(solarIndexText, sun);
    if (!values)
        return {0.0, "the solar index '" + std::string(solarIndexText) + "' cannot be read", true};
    // A fetched figure comes on the original scale already (solar/ converts a published
    // sunspot number), and a flux converts to it.
    if (values->Ssn > 311.0)
        return {0.0, "the P.533 maps take sunspot numbers of 0 to 311", false};
    return {values->Ssn, "", false};
}

double P533HourOfHalfHour(int halfHour) {
    return halfHour <= 0 ? 24.0 : 0.5 * halfHour;
}

#include "station/P533Offer.h"

#include <mutex>

std::shared_ptr<const p533::PredictionData> SharedP533Data(std::string& error) {
    static std::mutex mutex;
    static std::shared_ptr<const p533::PredictionData> shared;
    const std::lock_guard lock(mutex);
    if (!shared) {
        P533DataRead read = LoadP533Data();
        shared = std::move(read.data);
        if (!shared)
            error = read.error;
    }
    return shared;
}

P533Offer OfferP533(const StationSettings& station, const std::filesystem::path& dataDir,
                    double minElevationDeg) {
    P533Offer offer;
    offer.choice.engine = PredictionEngine::P533;
    offer.choice.data = SharedP533Data(offer.problem);
    if (!offer.choice.data)
        return offer;
    StationCircuit circuit = MakeStationCircuit(station, dataDir, minElevationDeg);
    offer.choice.station = std::move(circuit.request);
    offer.problem = std::move(circuit.error);
    return offer;
}

#include "report/PredictionSetup.h"

#include "core/Geometry.h"
#include "engine/Propagation.h"

#include <algorithm>

void ApplySettingsToRequest(const Settings& settings, PredictionRequest& request) {
    const int count =
        std::clamp(settings.FrequencyCount, 0, std::min(kMaxFrequencies, kFrequencySlots));
    request.FrequencyCount = count;
    for (int n = 0; n < kMaxFrequencies; ++n) {
        if (n < count)
            request.Frequencies[n] = {settings.FrequencyMHz[n], settings.FrequencyTermDb[n],
                                      settings.AbsorptionFactor[n]};
        else
            request.Frequencies[n] = {};
    }
    request.MinElevationRad = settings.MinRadiationAngleRad;
}

std::vector<std::string> FrequencyTexts(const Settings& settings) {
    std::vector<std::string> texts;
    const int count = std::clamp(settings.FrequencyCount, 0, kFrequencySlots);
    for (int n = 0; n < count; ++n)
        texts.push_back(settings.Frequencies[n].FrequencyText);
    return texts;
}

PreparedPrediction PreparePaths(const PredictionInputs& inputs) {
    PreparedPrediction prepared;
    PredictionRequest& r = prepared.request;
    r.TerminalA = inputs.terminalA;
    r.TerminalB = inputs.terminalB;
    const PathGeometryResult geometry =
        ComputePathGeometry(r.TerminalA, r.TerminalB, r.ShortPath, r.LongPath);
    if (!geometry) {
        prepared.message = geometry.message;
        return prepared;
    }
    MarkPolarPaths(r.TerminalA, r.TerminalB, r.ShortPath, r.LongPath);
    r.Date = inputs.date;
    r.Zone = inputs.zone;
    r.Sun = ComputeSolarPosition(inputs.date, inputs.zone);
    prepared.ok = true;
    return prepared;
}

PreparedPrediction PreparePrediction(const PredictionInputs& inputs, const Settings& settings) {
    PreparedPrediction prepared = PreparePaths(inputs);
    if (!prepared)
        return prepared;
    prepared.ok = false;
    PredictionRequest& r = prepared.request;
    const std::optional<SolarIndexValues> solar = ConvertSolarIndex(inputs.solarIndexText, r.Sun);
    if (!solar) {
        prepared.message = ErrorMessage("You must enter a solar flux or sunspot number");
        return prepared;
    }
    r.Ssn = solar->Ssn;
    r.Flux = solar->Flux;
    r.KIndexText = inputs.kIndexText;
    ApplySettingsToRequest(settings, r);
    prepared.ok = true;
    return prepared;
}

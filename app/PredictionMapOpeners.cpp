#include "app/PredictionMapOpeners.h"

#include "maps/PathMapRequest.h"
#include "maps/ui/MapWindows.h"
#include "prediction/PredictionResultsWindow.h"

void SetPredictionMapOpeners(PredictionResultsWindow& results, const AppState& state) {
    for (const auto& [item, mapKind] : {std::pair{"RectangularMap1", MapKind::Rectangular},
                                        std::pair{"GreatCirclemap1", MapKind::GreatCircle}}) {
        const MapKind kind = mapKind; // clang 14 cannot capture a structured binding
        results.setWindowOpener(
            QLatin1String(item),
            [&state, kind](QWidget* parent, const PredictionResultsInput& input, PathKind, bool) {
                ShowPredictionMap(parent, state, PathMapRequestOf(input.request), kind);
            });
    }
}

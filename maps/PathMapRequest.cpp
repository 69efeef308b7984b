#include "maps/PathMapRequest.h"

#include "engine/Propagation.h"

PathMapRequest PathMapRequestOf(const PredictionRequest& request) {
    return {{request.TerminalA, request.TerminalB, request.ShortPath, request.LongPath},
            request.Date};
}

#pragma once

#include "widgets/AtlasPicker.h"
#include "widgets/SolarDataButton.h"

/// What the program hands to a window that asks for places and days: the atlas search
/// behind "Select from &Atlas" and the published solar figures behind "Solar Data".
/// Either may be empty (the button then stays off).
struct DialogServices {
    AtlasPicker atlasPicker;
    SolarDataSource solarData;
};

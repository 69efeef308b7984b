#include "report/NoiseLevel.h"

NoiseTerms NoiseTermsOf(const Settings& settings) {
    return {settings.NoiseConstant, settings.NoiseSlope, settings.BandwidthDb};
}

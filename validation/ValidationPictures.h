#pragma once

#include "graphs/Drawing.h"
#include "validation/ErrorFigures.h"

#include <string>
#include <vector>

// The pictures of a validation run, as drawings for graphs/CairoPicture.

/// Predicted against measured field strength of one engine: the hours counted in
/// 2 dB cells shaded by their count, the 1:1 line and the ±10 dB lines, the
/// engine's overall figures in the title. Values beyond the axes are drawn at the edge.
Drawing ScatterPicture(const EngineFigures& engine);

/// The error of every engine by the groups of one grouping ("distance" or
/// "frequency"): per group a bar from 0 to the mean error per engine, a whisker of
/// ±1 standard deviation and the rms beneath; the ±10 dB band shaded.
Drawing ErrorByGroupPicture(const std::vector<EngineFigures>& engines, const std::string& grouping,
                            const std::string& title);

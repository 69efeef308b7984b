#pragma once

// The propagation routines of one path in one include: hop geometry, control
// points, path MUF and reliability; the mode search with its signal budget; the
// absorption and ground-reflection losses.

#include "engine/KxPdRousLoss.h"
#include "engine/KxPdRousModes.h"
#include "engine/KxPdRousMuf.h"

#pragma once

// The propagation routines of one path in one include: hop geometry, control
// points, path MUF and reliability; the mode search with its signal budget; the
// absorption and ground-reflection losses.

#include "engine/ModeSearch.h"
#include "engine/PathLosses.h"
#include "engine/PathMuf.h"

#pragma once

// The core of the program in one include: terminals and paths, great-circle
// geometry, the texts that describe a path, the syntax of everything a user
// types, dates and the time zone, the shared numeric routines and constants.

#include "core/Constants.h"
#include "core/Dates.h"
#include "core/Geometry.h"
#include "core/HopMode.h"
#include "core/Numeric.h"
#include "core/PathText.h"
#include "core/SolarPosition.h"
#include "core/Syntax.h"
#include "core/Terminal.h"
#include "core/TimeZone.h"
#include "core/UserMessage.h"

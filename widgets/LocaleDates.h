#pragma once

// The windows read the date order and separator where the command line does, from the
// user's locale (SystemDateConventions of core/SystemDates.h), so that a table saved
// by the batch window is read alike by "hopscope-cli batch run" in the same locale.
#include "core/SystemDates.h"

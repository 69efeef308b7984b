#pragma once

#include "widgets/AtlasPicker.h"

struct Atlas;
class StatusLine;

/// The picker that opens the "Search Atlas" window (AtlasSearchDialog) over `atlas`.
AtlasPicker AtlasSearchPicker(const Atlas& atlas, StatusLine* statusLine);

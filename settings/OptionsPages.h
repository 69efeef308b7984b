#pragma once

#include "settings/Settings.h"

/// The page the Options window opens on (0 default terminal, 1 frequencies and
/// constants, 2 prediction parameters, 3 user preferences, 4 station): the default terminal's
/// page while none is defined, else the frequencies' page while the list is empty,
/// else `lastPage` (the page shown when the window last closed) when it is one of
/// the five, else the first.
int StartingOptionsPage(const Settings& settings, int lastPage);

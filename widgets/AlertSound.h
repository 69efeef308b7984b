#pragma once

/// Plays the alert sound "ALERT" (an embedded wave resource) without waiting for it.
/// Without a working audio device nothing is heard and nothing is reported: the call
/// never blocks and never fails. Goes through the current message presenter, so tests
/// that replace the presenter can count alerts instead of hearing them.
void PlayAlertSound();

/// Plays the sound itself; what the standard presenter calls. The player is created on
/// first use and lives until the application ends.
void PlayAlertResource();

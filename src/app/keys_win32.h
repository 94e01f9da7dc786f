#pragma once
// The keys the loop reads from the messages themselves, the accelerators and the filter
// list's keyboard mode.
#include "app/app_state_win32.h"

// Phase 2: the accelerators raised on the last pass and the filter list's notifications.
void handleFilterListEvents(AppState& app);
// Phase 6, between translation and dispatch: Down and Up move the filter list's selection
// while the typed word has two or more characters; the message is then neutralised.
void moveFilterListOnArrow(AppState& app);

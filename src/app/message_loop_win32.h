#pragma once
#include "app/app_state_win32.h"

// Runs the loop until the quit message; returns its wParam.
int runMessageLoop(AppState& app);
// Closes the open panel: the steps every panel kind shares.
void closePanel(AppState& app);
// Phase 8: a close request. Ends the program unless the user keeps a modified script open.
void shutdownOnClose(AppState& app);

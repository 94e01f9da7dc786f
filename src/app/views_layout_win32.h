#pragma once
#include "app/app_state_win32.h"

// The first placement of the main window, right after the windows are built.
void initialPlacement(AppState& app);
// Hides every control, places the ones the current view uses and shows them.
void applyView(AppState& app);
// True when the main window's client size differs from the one the layout last used.
bool clientSizeChanged(const AppState& app);
void updateStatusBar(AppState& app);

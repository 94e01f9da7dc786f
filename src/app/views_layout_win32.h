#pragma once
#include "app/app_state_win32.h"

// The first placement of the main window, right after the windows are built.
void initialPlacement(AppState& app);
// Hides every control, places the ones the current view uses and shows them.
void applyView(AppState& app);
// A settings change: reloads the icons and the encoder tip, then lays out.
void layoutRefresh(AppState& app);
// Places the video window (and the multi-frame windows) for the current view.
void placeVideoWindow(AppState& app);
// True when the main window's client size differs from the one the layout last used.
bool clientSizeChanged(const AppState& app);
void updateStatusBar(AppState& app);
// Icon buttons 4 and 10 flip their pushed state, the play button its check; others are ignored.
void toggleButtonState(HWND button);

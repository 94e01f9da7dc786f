#pragma once
// The six tool buttons of the main window, numbered 1..6.
#include <windows.h>

#include "app/app_state_win32.h"

// The main window's control for button k (1..6), or null.
HWND toolButtonWindow(int button);
// The button number of a control, 0 when it is none of the six.
int toolButtonNumber(HWND control);
// Re-reads the six programs and templates from the settings file into the views, so clicks
// and the settings written at shutdown use what the setup panel stored.
void reloadToolButtons(AppState& app);

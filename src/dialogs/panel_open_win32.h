#pragma once
// What every panel does the same way: the frame on the main window, handing the built panel
// to the loop, the dialog font, and writing the settings file after an OK.
#include "app/app_state_win32.h"

// Builds the frame for a panel of that kind and gives its client size. False when the frame
// could not be made (the factory has told the user); the loop then stays without a panel.
bool beginPanel(AppState& app, int kind, const char* title, double factor, int& clientWidth, int& clientHeight);
// The panel is complete: the loop runs its handler from now on.
void showPanel(AppState& app);
void useDialogFont(const PanelHost& host, HWND control);
// True when this pass carries a click on that control of the open panel.
bool panelButtonClicked(HWND control);
// Writes zandolin.ini with the values in effect, the main window where it stands now.
void saveSettingsNow(AppState& app);

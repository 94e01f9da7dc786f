#pragma once
// What the shell does with the controls of the main window: the loop's control handler and
// the Video Editor's scene list operations that commands also reach.
#include "app/app_state_win32.h"

// The row operations of the row button menu, for the right-clicked row button (32 to 35).
void insertSceneRow(AppState& app, HWND rowButton, bool below);  // Insert Row Above / Below
void deleteSceneRow(AppState& app, HWND rowButton);              // Delete

// Moves the slider to the current frame (with a clip) and repaints the scene list.
void refreshSceneList(AppState& app);
// New project: frame 0, entry controls reset, rows repainted.
void resetSceneList(AppState& app);
// The Video Editor places Add, Preview and Cancel for the entry mode.
void rowModeUpdate(AppState& app);

#pragma once
// What the shell does with the controls of the main window: the loop's control handler and
// the Video Editor's scene list operations that commands also reach.
#include "app/app_state_win32.h"

// The row operations of the row button menu, for the row button in slot 0..3.
void insertRowInSlot(AppState& app, int slot, bool below);  // Insert Row Above / Below
void deleteRowInSlot(AppState& app, int slot);              // Delete

// New project: frame 0, entry controls reset, rows repainted.
void resetSceneList(AppState& app);
// The Video Editor places Add, Preview and Cancel for the entry mode.
void rowModeUpdate(AppState& app);

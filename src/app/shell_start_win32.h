#pragma once
// Start-up steps and loop hooks of the command side of the shell.
#include "app/app_state_win32.h"

// Start-up: the menu marks follow the settings (view, aspect, preview mode, Info).
void applyStartupMenuMarks(AppState& app);
// Phase 2, before the control handlers: a dropped file, the accelerators and the filter
// list's notifications.
void runShellEventHooks(AppState& app);
void handleDroppedFile(AppState& app);

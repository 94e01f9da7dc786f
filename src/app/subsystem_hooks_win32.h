#pragma once
// The places where the shell hands work to the subsystems that act on its events. Each
// subsystem fills its own; until then they do nothing, so the shell runs on its own.
#include <cstdint>

#include "app/app_state_win32.h"

// Window procedure: the editor added a character; returns 1 when the typed word matches a
// function name (the status bar then already shows it).
int editorCharacterAdded(int character);
// Window procedure: the editor asks for styling up to position.
void editorStyleNeeded(intptr_t position);

// Start-up, in order.
void loadPopupMenus(AppState& app);
void applyMenuState(AppState& app);
void bindEditor(AppState& app);
void buildEditorFont(AppState& app);
void prepareSceneList(AppState& app);
void applyEditorOptions(AppState& app);
void loadStartupTexts(AppState& app);
// True when the command line named a script that is now in the editor.
bool openCommandLineScript(AppState& app);

// Loop phases.
void handleControlEvents(AppState& app);
// Phase 2 while a panel is open: the timers and the player flags, nothing else.
void runTimersAndPlayer(AppState& app);
void handleKeys(AppState& app);
void handleRightClickAndCommand(AppState& app);
void showFilterTip(AppState& app);

// Shutdown: asks to save a modified script. Returns answerYes, answerNo or answerCancel;
// on Yes the script has been saved (answerCancel when the save dialog was cancelled).
int offerToSaveScript(AppState& app);
void closePlayer(AppState& app);

#pragma once
// The command groups the dispatcher calls, each in a file of its own.
#include "app/app_state_win32.h"

// The window of the last right-click: the row button or edit box a menu item acts on.
extern HWND rightClickedWindow;

// Projects.
void newProject(AppState& app);
void openProject(AppState& app);
// showNothingToSave: the "Nothing to save" box when there is no project file name (only
// for Save Project itself, not after a cancelled Save Project As).
void saveProject(AppState& app, bool showNothingToSave);
void saveProjectAs(AppState& app);

// Scripts and the editor.
void scriptOutputProperties(AppState& app);
void saveAudioAsWave(AppState& app);
void selectFont(AppState& app);
void pasteFileName(AppState& app);
void insertFileNameInPanel(AppState& app);
void requestEncoderSetup(AppState& app);

// Help documents and web pages.
void openHelpLink(AppState& app, unsigned id);

// Scene rows on the right-clicked row button.
void jumpToRowFrame(AppState& app, bool start);

// The VIDEO menu's player commands (22001 ... 22022).
void videoCommand(AppState& app, unsigned id);

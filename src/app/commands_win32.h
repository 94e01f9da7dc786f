#pragma once
// Command dispatch: every command id of the popup menus, the accelerators and the editor
// toolbar, with the guards and prompts that run first.
#include "app/app_state_win32.h"

// Runs one command now.
void dispatchCommand(AppState& app, unsigned id);
// Asks the loop to dispatch a command on this pass (from a handler, not from a key).
void requestCommand(AppState& app, unsigned id);
// A key of the key phase asks for a command: phase 4 runs it.
void requestCommandFromKey(AppState& app, unsigned id);

// The view switches and the preview, shared by the menus and the function keys.
void switchToScriptEditor(AppState& app);
void switchToMediaViewer(AppState& app);
void switchToVideoEditor(AppState& app);
// 20011 and 20021 (start playback at once when play is true).
void previewScript(AppState& app, bool play);
void playOrStop(AppState& app);
// Brings the menu marks in line with the view after a switch, as if `command` had run.
void applyMenuMarks(AppState& app, unsigned command);

// The script commands.
void openScript(AppState& app);
// Loads a named script into the editor, as Open Script does after its dialog.
void openScriptFile(AppState& app, const char* path);
// Open Script's save offer; false when the user stopped.
bool offerSaveBeforeOpen(AppState& app);
// Loads a script into the editor and takes it as the source script; false (with a box) when
// it is far too large or cannot be read.
bool loadScriptIntoEditor(AppState& app, const char* path);
void saveScriptAs(AppState& app);
void saveScript(AppState& app);
// Key F1.
void documentationLookup(AppState& app);

// The filter parameter panel's edit boxes: "Insert File Name" (24001) and Ctrl+Shift+O put a
// looked-up file name in place of the box's selection.
void insertFileNameInto(AppState& app, HWND editBox);
// A right-click on one of the panel's edit boxes: the "FFP" menu at the screen point.
void offerFileNameMenu(AppState& app, HWND editBox, int x, int y);

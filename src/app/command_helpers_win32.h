#pragma once
// Small steps that many commands share: the play button, the player's state, the editor's
// flags after a load or save, and message boxes owned by the main window.
#include "app/app_state_win32.h"

bool clipLoaded(const AppState& app);
// Releases a pressed play button (the button only; the player is not told).
void releasePlayButton(AppState& app);
// Pauses a running player and stops its timer; releases the play button.
void pausePlayer(AppState& app);
// After the player opened a file: lastFrame, frame rate and clip size from it.
void takeClipFromPlayer(AppState& app);
// Reads the frame back from the player into currentFrame and refreshes the scene list.
void readFrameBack(AppState& app);
// The editor holds a freshly loaded or saved text: save point, flags and title mark.
void markScriptClean(AppState& app, bool emptyUndo);
// Takes a path as the source script, with its title and folder.
void takeSourceScript(AppState& app, const char* path);
int showBox(const char* text, const char* title, unsigned buttons);
// Lays out the current view and lets the player redraw.
void layOutAndRefresh(AppState& app);
// AviSynth's check of a script; on success the player is told what the clip holds.
bool checkScriptForPlayer(AppState& app, const char* path);

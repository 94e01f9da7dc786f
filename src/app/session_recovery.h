#pragma once
// Bringing back the scene list after a run that did not end cleanly. Start-up empties the row
// file, so without this the scenes cut since the last saved project would be lost with a crash.
// A marker file "zandolin.run" in the program folder lives exactly as long as a run: written at
// start, kept up to date with the source script the rows are cut from, removed at a clean end.
#include <cstddef>

#include "base/message_box.h"

constexpr size_t sessionPathSize = 260;

struct SessionMarker {
    bool found = false;  // the last run did not end cleanly
    char sourceScriptPath[sessionPathSize] = {};
};

SessionMarker readSessionMarker(const char* programFolder);
// Replaces the marker in one step; false when the folder cannot be written.
bool writeSessionMarker(const char* programFolder, const char* sourceScriptPath);
void removeSessionMarker(const char* programFolder);

// Non-empty lines of the row file, and how many of them are scenes rather than Dissolves.
struct RowTally {
    int rows = 0;
    int scenes = 0;
};
RowTally tallyRows(const char* programFolder);

enum RecoveryChoice { recoveryNone = 0, recoveryRestore = 1, recoveryDiscard = 2 };

// At start-up: when the last run did not end cleanly and rows are left, asks whether to
// restore them. Nothing is changed here; the caller keeps or empties the row file.
int askToRestoreScenes(const char* programFolder, const SessionMarker& marker, WindowHandle owner);

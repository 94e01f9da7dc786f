#include "app/session_recovery_win32.h"

#include <cstring>

#include "app/commands_win32.h"
#include "app/session_recovery.h"
#include "base/bounded_text.h"
#include "scenes/row_file.h"

namespace {
char recoveredSource[sessionPathSize];
// The source script the marker names now; the marker is rewritten only when it changes.
char markedSource[sessionPathSize];
bool markerWritten = false;
}  // namespace

bool beginSession(AppState& app) {
    const char* folder = app.views.programFolder;
    // Without a program folder (files declined on the first run) there is no row file.
    if (!folder[0]) return false;
    HWND main = windowAt(winMain);
    SessionMarker marker = readSessionMarker(folder);
    bool restore = askToRestoreScenes(folder, marker, main) == recoveryRestore;
    // A new session starts with an empty scene list.
    if (!restore) emptyRowFile(folder, main);
    copyText(recoveredSource, restore ? marker.sourceScriptPath : "");
    copyText(markedSource, recoveredSource);
    markerWritten = writeSessionMarker(folder, markedSource);
    return restore;
}

void reopenRecoveredSource(AppState& app) {
    if (!recoveredSource[0]) return;
    // As Open Script File and Switch to Video Editor would: the editor, the player and the
    // scene list all take the script.
    app.views.currentView = viewScriptEditor;
    if (!loadScriptIntoEditor(app, recoveredSource)) return;
    switchToVideoEditor(app);
}

void noteSessionSource(AppState& app) {
    if (!markerWritten || strcmp(markedSource, app.views.sourceScriptPath) == 0) return;
    copyText(markedSource, app.views.sourceScriptPath);
    writeSessionMarker(app.views.programFolder, markedSource);
}

void endSession(AppState& app) {
    if (markerWritten) removeSessionMarker(app.views.programFolder);
    markerWritten = false;
}

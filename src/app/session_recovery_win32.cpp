#include "app/session_recovery_win32.h"

#include <cstring>

#include "app/session_recovery.h"
#include "app/shell_events.h"
#include "app/subsystem_hooks_win32.h"
#include "app/views_layout_win32.h"
#include "base/bounded_text.h"
#include "editor/script_editor.h"
#include "editor/source_path.h"
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
    if (app.document.load(recoveredSource) != 0) {
        MessageBoxA(windowAt(winMain), "Unknow error while opening file", "Open file", MB_OK);
        return;
    }
    scriptEditor.setSavePoint();
    SourcePath source;
    setSourcePath(source, recoveredSource);
    copyText(app.views.sourceScriptPath, source.path);
    copyText(app.views.sourceTitle, source.title);
    copyText(app.views.sourceFolder, source.folder);
    shellEvents.editChanged = 0;
    app.views.titleMark = ' ';
    app.views.currentView = viewVideoEditor;
    app.menus.pendingCommand = 10009;
    applyMenuState(app);
    app.menus.pendingCommand = 0;
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

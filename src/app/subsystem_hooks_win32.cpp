#include "app/subsystem_hooks_win32.h"

#include <cstring>

#include "base/bounded_text.h"
#include "app/shell_events.h"
#include "editor/editor_events_win32.h"
#include "editor/editor_setup.h"
#include "editor/editor_startup.h"
#include "editor/editor_window_win32.h"
#include "editor/script_editor.h"
#include "editor/source_path.h"

int editorCharacterAdded(int character) { return onCharAdded(character) ? 1 : 0; }

void editorStyleNeeded(intptr_t position) { onStyleNeeded(position); }

void bindEditor(AppState&) { bindEditorWindow(windowAt(winEditor)); }

void applyEditorOptions(AppState& app) {
    EditorLook look;
    look.fontName = app.fileDialogs.fontFace;
    look.lineNumbers = app.views.lineNumbers != 0;
    applyEditorSetup(look);
}

void loadStartupTexts(AppState& app) {
    ::loadStartupTexts(app.document, app.views.beginnerTips, app.views.alphaFlag);
}

void runTimersAndPlayer(AppState& app) {
    ShellEvents& e = shellEvents;
    if (e.timer2225) {
        e.timer2225 = 0;
        app.player.onPropertyFrameTimer();
    }
    // Nothing else acts on these yet; clear them so a long panel session does not leave
    // stale ticks for the main handlers.
    e.timer86522 = e.timer12522 = e.timer222 = e.timer25552 = 0;
}

void showFilterTip(AppState&) { onTipTimer(); }

void closePlayer(AppState& app) { app.player.closePlayer(); }

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

void showFilterTip(AppState&) { onTipTimer(); }

void closePlayer(AppState& app) { app.player.closePlayer(); }

#include "app/subsystem_hooks_win32.h"

#include <commdlg.h>

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

void loadPopupMenus(AppState&) {}
void applyMenuState(AppState& app) { app.menus.pendingCommand = 0; }

void bindEditor(AppState&) { bindEditorWindow(windowAt(winEditor)); }

void buildEditorFont(AppState& app) {
    copyText(app.fileDialogs.fontDescription, app.views.fontDescription);
    copyText(app.fileDialogs.fontFace, app.views.fontFace);
}

void applyEditorOptions(AppState& app) {
    EditorLook look;
    look.fontName = app.fileDialogs.fontFace;
    look.lineNumbers = app.views.lineNumbers != 0;
    applyEditorSetup(look);
}

void loadStartupTexts(AppState& app) {
    ::loadStartupTexts(app.document, app.views.beginnerTips, app.views.alphaFlag);
}

bool openCommandLineScript(AppState& app) {
    char extension[8];
    commandLineExtension(extension, sizeof extension, app.arguments);
    if (strcmp(extension, "avs") == 0 || strcmp(extension, "avsi") == 0) {
        app.views.currentView = viewScriptEditor;
        app.menus.pendingCommand = 10007;
        applyMenuState(app);
    }
    SourcePath source;
    CommandLineScript result = ::openCommandLineScript(app.document, app.arguments, source, windowAt(winMain));
    if (result == commandLineIgnored) return false;
    if (result != commandLineLoaded) return true;
    copyText(app.views.sourceScriptPath, source.path);
    copyText(app.views.sourceTitle, source.title);
    copyText(app.views.sourceFolder, source.folder);
    shellEvents.editChanged = 0;
    app.views.titleMark = ' ';
    return true;
}

void runPanelHandler(AppState&) {}

void handleKeys(AppState&) {}
void handleRightClickAndCommand(AppState&) {}
void showFilterTip(AppState&) { onTipTimer(); }

int offerToSaveScript(AppState& app) {
    HWND main = windowAt(winMain);
    int answer = app.document.modifiedPrompt(app.views.sourceScriptPath, main);
    if (answer != answerYes) return answer == answerNo ? answerNo : answerCancel;
    char chosen[260];
    copyText(chosen, app.views.sourceScriptPath);
    OPENFILENAMEA dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = main;
    dialog.lpstrFilter = "AviSynth Script (*.avs)\0*.avs;*.avsi\0All Files (*.*)\0*.*\0";
    dialog.lpstrFile = chosen;
    dialog.nMaxFile = sizeof chosen;
    dialog.lpstrDefExt = "avs";
    dialog.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    if (!GetSaveFileNameA(&dialog)) return answerCancel;
    app.document.save(chosen);
    if (app.document.saveFailed()) return answerCancel;
    SourcePath source;
    setSourcePath(source, chosen);
    copyText(app.views.sourceScriptPath, source.path);
    copyText(app.views.sourceTitle, source.title);
    copyText(app.views.sourceFolder, source.folder);
    app.scriptModified = false;
    shellEvents.editChanged = 0;
    app.views.titleMark = ' ';
    return answerYes;
}

void closePlayer(AppState& app) { app.player.closePlayer(); }

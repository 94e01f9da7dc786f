// The shell's share of start-up and shutdown: menus and their first marks, the editor font,
// the script named on the command line, the save offer at close, and dropped files.
#include "app/shell_start_win32.h"

#include <commctrl.h>

#include <cstdio>
#include <cstring>

#include "app/command_helpers_win32.h"
#include "app/command_line_path.h"
#include "app/commands_win32.h"
#include "app/file_dialogs_win32.h"
#include "app/keys_win32.h"
#include "app/menu_set_win32.h"
#include "app/scene_list_refresh_win32.h"
#include "app/script_file_limit.h"
#include "app/shell_events.h"
#include "app/subsystem_hooks_win32.h"
#include "app/views_layout_win32.h"
#include "base/bounded_text.h"
#include "editor/script_editor.h"

namespace {

void applyCommandMarks(AppState& app, unsigned command) {
    app.menus.pendingCommand = command;
    updateMenuState(app.menus);
}

// While the editor has the keyboard, its toolbar buttons and the SCRIPT menu follow what the
// editor can do right now.
void followEditorState(AppState& app) {
    if (GetFocus() != windowAt(winEditor)) return;
    HWND toolbar = windowAt(winToolbar);
    const bool selection = scriptEditor.call(sciGetAnchor) != scriptEditor.call(sciGetCurrentPos);
    const struct {
        unsigned id;
        bool enabled;
        bool menuToo;
    } states[] = {
        {20029, app.scriptModified, false},
        {20016, IsClipboardFormatAvailable(CF_OEMTEXT) != 0, true},
        {20019, scriptEditor.call(sciCanUndo) != 0, true},
        {20030, scriptEditor.call(sciCanRedo) != 0, true},
        {20012, selection, true},
        {20013, selection, true},
        {20031, selection, true},
    };
    for (const auto& s : states) {
        if (toolbar) SendMessageA(toolbar, TB_ENABLEBUTTON, s.id, MAKELPARAM(s.enabled ? TRUE : FALSE, 0));
        if (s.menuToo) enableMenuItem(app.menus, s.id, s.enabled);
    }
}

}  // namespace

void loadPopupMenus(AppState& app) { loadMenus(app.menus, app.instance); }

void applyMenuState(AppState& app) { updateMenuState(app.menus); }

void applyStartupMenuMarks(AppState& app) {
    const Views& v = app.views;
    app.menus.viewCopy = v.currentView;
    applyCommandMarks(app, v.currentView == viewMediaViewer ? 10008u : v.currentView == viewVideoEditor ? 10009u : 10007u);
    if (v.aspectRatio == 1.0)
        applyCommandMarks(app, 22021);
    else if (v.aspectRatio > 1.2 && v.aspectRatio < 1.4)
        applyCommandMarks(app, 22006);
    else if (v.aspectRatio > 1.76 && v.aspectRatio < 1.78)
        applyCommandMarks(app, 22007);
    else
        updateMenuState(app.menus);
    if (v.previewMode == 2) applyCommandMarks(app, 22019);
    // The toggle turns the preset around, so the Info items end as the settings say.
    app.menus.sidePanel = !v.sidePanel;
    applyCommandMarks(app, 22020);
    app.menus.pendingCommand = 0;
}

void buildEditorFont(AppState& app) {
    app.fileDialogs.fontDescription = app.views.fontDescription;
    app.fileDialogs.fontFace = app.views.fontFace;
    app.fileDialogs.editorFont = buildFont(app.fileDialogs, windowAt(winMain));
}

bool openCommandLineScript(AppState& app) {
    char folder[MAX_PATH] = {};
    GetCurrentDirectoryA(sizeof folder, folder);
    char path[260];
    const bool named = commandLinePath(path, sizeof path, app.arguments, folder);
    if (!named) {
        if (app.arguments[0] && isScriptExtension(app.arguments))
            showBox("Unknow error while opening file", "Open file", MB_OK);  // too long a name
        return false;
    }
    if (!isScriptExtension(path)) return false;
    app.views.currentView = viewScriptEditor;
    app.menus.viewCopy = viewScriptEditor;
    applyCommandMarks(app, 10007);
    app.menus.pendingCommand = 0;
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (GetFileAttributesExA(path, GetFileExInfoStandard, &data)) {
        long long size = (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
        if (scriptFileTooLarge(size)) {
            char text[400];
            formatTooLargeText(text, sizeof text, path, size);
            showBox(text, "Open file", MB_OK);
            return true;
        }
    }
    if (app.document.load(path) != 0) {
        showBox("Unknow error while opening file", "Open file", MB_OK);
        return true;
    }
    markScriptClean(app, false);
    takeSourceScript(app, path);
    return true;
}

int offerToSaveScript(AppState& app) {
    HWND main = windowAt(winMain);
    int answer = app.document.modifiedPrompt(app.views.sourceScriptPath, main);
    if (answer != IDYES) return answer == IDNO ? answerNo : answerCancel;
    if (scriptDialog(app.fileDialogs, main, app.views.sourceScriptPath, scriptDialogSave) != 0) return answerCancel;
    const char* chosen = app.fileDialogs.lastPath;
    app.document.save(chosen);
    if (app.document.saveFailed()) {
        showBox("Unknow error while saving file", "Saving file", MB_OK);
        return answerCancel;
    }
    takeSourceScript(app, chosen);
    markScriptClean(app, false);
    return answerYes;
}

void handleDroppedFile(AppState& app) {
    ShellEvents& e = shellEvents;
    if (!e.fileDropped) return;
    e.fileDropped = 0;
    HWND main = windowAt(winMain);
    const char* dropped = droppedFile(app.fileDialogs, main, reinterpret_cast<HDROP>(e.eventSender));
    if (!dropped) return;
    char path[260];
    copyText(path, dropped);
    releasePlayButton(app);
    if (!offerSaveBeforeOpen(app)) return;
    const int view = app.views.currentView;
    if ((view == viewScriptEditor || view == viewVideoEditor) && isScriptExtension(path)) {
        if (!loadScriptIntoEditor(app, path)) return;
        if (view == viewScriptEditor) applyView(app);
    }
    if (view != viewScriptEditor) {
        const bool script = checkScriptForPlayer(app, path);
        if (!script && view == viewVideoEditor) {
            showBox("Viewer will not be loaded, not a script file", "Error: Drop file video scene editor", MB_OK);
            return;
        }
        app.player.openMedia(path, view);
        takeClipFromPlayer(app);
        refreshSceneListDisplay(app);
        app.currentFrame = app.player.updatePosition();
        applyView(app);
    }
    app.player.layoutVideo();
    SetFocus(main);
    SetForegroundWindow(main);
    if (view == viewMediaViewer && clipLoaded(app)) {
        app.views.playing = true;
        SendMessageA(windowAt(winPlay), BM_SETCHECK, BST_CHECKED, 0);
        if (!app.player.isPlaying()) app.player.togglePlay("");  // a script may already play
        SetTimer(main, timerPlayer, 125, nullptr);
        updateStatusBar(app);
    }
}

void runShellEventHooks(AppState& app) {
    handleDroppedFile(app);
    handleFilterListEvents(app);
    followEditorState(app);
}

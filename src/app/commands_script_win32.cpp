// Opening and saving scripts, the editor's file and font commands, the output properties and
// the documentation lookup.
#include <cstring>

#include "app/command_groups_win32.h"
#include "app/command_helpers_win32.h"
#include "app/commands_win32.h"
#include "app/file_dialogs_win32.h"
#include "app/menu_set_win32.h"
#include "app/panels_win32.h"
#include "app/scene_list_refresh_win32.h"
#include "app/script_file_limit.h"
#include "app/shell_events.h"
#include "app/views_layout_win32.h"
#include "base/bounded_text.h"
#include "editor/editor_assist.h"
#include "editor/editor_events_win32.h"
#include "editor/editor_setup.h"
#include "editor/script_editor.h"
#include "viewer/clip_info.h"

namespace {

// False, with a box naming the file and its size, when it is far too large for a script.
bool sizeAcceptable(const char* path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path, GetFileExInfoStandard, &data)) return true;  // load reports it
    long long size = (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    if (!scriptFileTooLarge(size)) return true;
    char text[400];
    formatTooLargeText(text, sizeof text, path, size);
    showBox(text, "Open file", MB_OK);
    return false;
}

bool extensionIs(const char* path, const char* extension) {
    const char* dot = strrchr(path, '.');
    return dot && _stricmp(dot + 1, extension) == 0;
}

// Saves the editor text to the name the script dialog returned; false when it failed (with
// the box).
bool saveTo(AppState& app, const char* path) {
    app.document.save(path);
    if (!app.document.saveFailed()) return true;
    showBox("Unknow error while saving file", "Saving file", MB_OK);
    return false;
}

void afterSave(AppState& app, const char* path, bool takeAsSource) {
    if (takeAsSource) takeSourceScript(app, path);
    markScriptClean(app, false);
    updateStatusBar(app);
}

}  // namespace

// Step 2 of Open Script: false when the user stopped.
bool offerSaveBeforeOpen(AppState& app) {
    HWND main = windowAt(winMain);
    int answer = app.document.modifiedPrompt(app.views.sourceScriptPath, main);
    if (answer == IDCANCEL) return false;
    if (answer != IDYES) return true;
    if (scriptDialog(app.fileDialogs, main, app.views.sourceScriptPath, scriptDialogSave) == 0) {
        const char* saved = app.fileDialogs.lastPath;
        if (!saveTo(app, saved)) return false;
        char text[400];
        formatText(text, sizeof text, "The file:\n%s\nhas been saved.\n\nClick Ok to continue or Cancel", saved);
        if (showBox(text, "Open script file", MB_OKCANCEL) == IDCANCEL) return false;
    }
    return showBox("Continue to open a script?", "Open script file", MB_YESNO) == IDYES;
}

bool loadScriptIntoEditor(AppState& app, const char* path) {
    if (!sizeAcceptable(path)) return false;
    if (app.document.load(path) != 0) {
        showBox("Unknow error while opening file", "Open file", MB_OK);
        return false;
    }
    takeSourceScript(app, path);
    markScriptClean(app, true);
    return true;
}

void openScriptFile(AppState& app, const char* path) {
    if (!loadScriptIntoEditor(app, path)) return;
    if (app.views.currentView == viewScriptEditor) {
        applyView(app);
        return;
    }
    if (!extensionIs(path, "avs")) {
        showBox("viewer will not be loaded, ??? avs file", "Open script file", MB_OK);
        return;
    }
    if (!checkScriptForPlayer(app, path)) return;
    app.player.openMedia(path, app.views.currentView);
    takeClipFromPlayer(app);
    refreshSceneListDisplay(app);
    layOutAndRefresh(app);
}

void openScript(AppState& app) {
    pausePlayer(app);
    HWND focus = GetFocus();
    app.views.clipWidth = app.views.clipHeight = 1;
    if (offerSaveBeforeOpen(app) &&
        scriptDialog(app.fileDialogs, windowAt(winMain), app.views.sourceScriptPath, scriptDialogOpen) == 0)
        openScriptFile(app, app.fileDialogs.lastPath);
    if (focus) SetFocus(focus);
}

void saveScriptAs(AppState& app) {
    if (scriptDialog(app.fileDialogs, windowAt(winMain), app.views.sourceScriptPath, scriptDialogSave) != 0) return;
    const char* path = app.fileDialogs.lastPath;
    if (!saveTo(app, path)) return;
    afterSave(app, path, !app.views.viewingProject);
}

void saveScript(AppState& app) {
    if (strcmp(app.views.sourceTitle, "untitled") == 0 || !app.views.sourceScriptPath[0]) return saveScriptAs(app);
    if (!saveTo(app, app.views.sourceScriptPath)) return;
    afterSave(app, app.views.sourceScriptPath, false);
}

void scriptOutputProperties(AppState& app) {
    const int view = app.views.currentView;
    const char* path = app.views.sourceScriptPath;
    if (view == viewScriptEditor || view == viewScriptPreview) {
        if (app.scriptModified) {
            if (app.document.writePreviewScript(windowAt(winMain), app.views.sourceFolder, app.views.sourceTitle) !=
                previewReady)
                return;
            path = app.document.previewTarget();
        }
    } else if (view == viewVideoEditor) {
        path = app.player.mediaPath();
    } else {
        if (!clipLoaded(app)) return;
        path = app.player.mediaPath();
        if (!extensionIs(path, "avs") && !extensionIs(path, "avsi")) {
            readClipInfo(app.clip, path, windowAt(winMain), true);
            return;
        }
    }
    if (path[0] && app.avisynth.examineScript(path))
        showBox(app.avisynth.clipReport, "Script Output Properties", MB_OK);
}

void saveAudioAsWave(AppState& app) {
    if (!app.scriptModified && strcmp(app.views.sourceTitle, "untitled") != 0) {
        openSaveWavePanel(app);
        return;
    }
    if (showBox("I'm sorry, but Zandolin has detected that your script is \"untitled\" or was not saved after the "
                "last modification. \n\nClick Yes to save, No to return to the editor without saving.\n\nThank you.",
                "Save Audio as Wave File", MB_YESNO) == IDYES)
        app.pendingSaveAs = true;
}

void selectFont(AppState& app) {
    HFONT font = fontDialog(app.fileDialogs, windowAt(winMain));
    if (!font) return;
    if (app.fileDialogs.editorFont) DeleteObject(static_cast<HFONT>(app.fileDialogs.editorFont));
    app.fileDialogs.editorFont = font;
    EditorLook look;
    look.fontName = app.fileDialogs.font.faceName;
    look.fontSize = app.fileDialogs.pointSize;
    look.lineNumbers = app.views.lineNumbers != 0;
    applyEditorSetup(look);
}

void pasteFileName(AppState& app) {
    const char* name = generalDialog(app.fileDialogs, windowAt(winMain), "Look up file name", "", "Insert", 0);
    if (name[0]) scriptEditor.replaceSelection(name);
    SetFocus(windowAt(winEditor));
}

void insertFileNameInto(AppState& app, HWND editBox) {
    if (!editBox) return;
    const char* name = generalDialog(app.fileDialogs, windowAt(winMain), "Look up file name", "", "Insert", 0);
    if (name[0]) SendMessageA(editBox, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(name));
}

void insertFileNameInPanel(AppState& app) { insertFileNameInto(app, rightClickedWindow); }

void offerFileNameMenu(AppState& app, HWND editBox, int x, int y) {
    const WindowHandle boxes[1] = {editBox};
    app.menus.editBoxes = boxes;
    app.menus.editBoxCount = 1;
    const unsigned chosen = popupMenu(app.menus, editBox, x, y);
    app.menus.editBoxes = nullptr;
    app.menus.editBoxCount = 0;
    app.menus.pendingCommand = 0;
    if (chosen == 24001) insertFileNameInto(app, editBox);
}

// The synthetic right-click on "Encode Source" opens the encoder setup panel.
void requestEncoderSetup(AppState& app) { openEncoderSetupPanel(app); }

void documentationLookup(AppState& app) {
    HWND main = windowAt(winMain);
    DocLookupResult result = lookUpDocumentationForSelection(main, app.views.documentationFolder);
    if (result == docFolderUnusable) {
        char folder[260];
        if (!askDocumentationFolder(main, folder, sizeof folder)) return;
        copyText(app.views.documentationFolder, folder);
        applyView(app);
        result = lookUpDocumentationForSelection(main, app.views.documentationFolder);
    }
    if (result == docCallSelected) {
        copyText(editorAssist.selectedFilter, editorAssist.selectedCall.name);
        app.avisynth.lookUpParameters(editorAssist.selectedCall.name, editorAssist.selectedCall.plugin);
        openFilterParameterPanel(app);
    } else if (result == docNothing && scriptEditor.selectedText().empty()) {
        requestCommandFromKey(app, 10005);
    }
}

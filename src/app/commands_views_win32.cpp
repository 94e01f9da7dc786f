// The view switches, the script preview and Play / Stop.
#include <cstring>

#include "app/command_helpers_win32.h"
#include "app/commands_win32.h"
#include "app/menu_set_win32.h"
#include "app/scene_list_refresh_win32.h"
#include "app/shell_events.h"
#include "app/views_layout_win32.h"
#include "editor/script_editor.h"

namespace {

// Where the preview stood when it was left, so the next preview starts there again.
long long previewPosition = 0;

bool hasAvsExtension(const char* path) {
    size_t n = strlen(path);
    return n >= 4 && path[n - 4] == '.' && _stricmp(path + n - 3, "avs") == 0;
}

bool aviSynthUsable(const AppState& app) { return app.avisynth.factory != nullptr; }

void startPlayback(AppState& app) {
    app.views.playing = true;
    SendMessageA(windowAt(winPlay), BM_SETCHECK, BST_CHECKED, 0);
    if (!app.player.isPlaying()) app.player.togglePlay("");  // a script may already play
    SetTimer(windowAt(winMain), timerPlayer, static_cast<UINT>(app.player.timerTick()), nullptr);
}

void deletePreviewScript(AppState& app) {
    if (app.document.previewScriptPath()[0]) remove(app.document.previewScriptPath());
}

void clearPreviewFlags(AppState& app) {
    app.previewShown = false;
    app.menus.previewShown = false;
}

// View 2 back to view 1.
void leavePreview(AppState& app) {
    if (clipLoaded(app) && app.player.isPlaying()) {
        app.player.togglePlay("");
        KillTimer(windowAt(winMain), timerPlayer);
        releasePlayButton(app);
    }
    previewPosition = app.player.seekToFrame(-10);
    app.player.closePlayer();
    app.views.clipWidth = app.views.clipHeight = 1;
    clearPreviewFlags(app);
    app.views.currentView = viewScriptEditor;
    applyMenuMarks(app, 20007);
    deletePreviewScript(app);
    scriptEditor.call(sciScrollCaret);
    applyView(app);
    SetFocus(windowAt(winEditor));
}

// Writes the preview script; false when there is nothing to show.
bool writePreview(AppState& app) {
    HWND main = windowAt(winMain);
    PreviewResult result = app.document.writePreviewScript(main, app.views.sourceFolder, app.views.sourceTitle);
    if (result == previewReady) {
        app.views.effectivePreviewMode = app.views.previewMode;
        return true;
    }
    if (result != previewSaveFirst) return false;
    saveScriptAs(app);
    if (app.scriptModified) return false;  // the save dialog was cancelled
    if (app.document.writePreviewScript(main, app.views.sourceFolder, app.views.sourceTitle) != previewReady)
        return false;
    app.views.effectivePreviewMode = app.views.previewMode;
    return true;
}

// False when the user stopped at the question about AviSynth's start-up error.
bool passAviSynthStartupError(AppState& app) {
    if (app.avisynth.errorLevel == 0) return true;
    int answer = showBox(
        "It is likly that AviSynth has a corupted installation or\nan error in an avsi file or plugin problem in the "
        "plugin folder.\n\nIf you would like to see the last AviSynth error logged by Zandolin\nclick \"YES\", click "
        "\"NO\" to try the viewer or \"CANCEL\"",
        "PreView AviSynth Sciprt", MB_YESNOCANCEL | MB_ICONSTOP);
    if (answer == IDYES) showBox(app.avisynth.lastErrorText.c_str(), "Error:  AviSynth", MB_OK);
    return answer == IDNO;
}

void showPreview(AppState& app, bool play) {
    const char* target = app.document.previewTarget();
    if (!hasAvsExtension(target) || !checkScriptForPlayer(app, target)) return;
    app.player.openMedia(target, viewScriptPreview);
    if (!clipLoaded(app)) {
        showBox("Open file error hr not ok", "DirectShow ****", MB_OK);
        return;
    }
    app.currentFrame = 0;
    takeClipFromPlayer(app);
    app.player.seekToFrame(previewPosition);
    app.previewShown = true;
    app.menus.previewShown = true;
    app.views.currentView = viewScriptPreview;
    applyMenuMarks(app, 20011);
    layOutAndRefresh(app);
    if (play) {
        startPlayback(app);
        updateStatusBar(app);
    }
    scriptEditor.call(sciScrollCaret);
    SetFocus(windowAt(winMain));
}

// Loads a script into the player for the Video Editor.
void loadVideoEditorPlayer(AppState& app) {
    const bool project = app.views.hasProjectFile && app.views.viewingProject;
    const char* path = project ? app.views.projectScriptPath : app.views.sourceScriptPath;
    if (aviSynthUsable(app) && path[0] && checkScriptForPlayer(app, path)) {
        app.player.openMedia(path, viewVideoEditor);
        takeClipFromPlayer(app);
        refreshSceneListDisplay(app);
        readFrameBack(app);
        if (app.views.viewingProject) EnableWindow(windowAt(winToolButton1), FALSE);
    }
    layOutAndRefresh(app);
}

}  // namespace

void applyMenuMarks(AppState& app, unsigned command) {
    const unsigned pending = app.menus.pendingCommand;
    app.menus.viewCopy = app.views.currentView;
    app.menus.pendingCommand = command;
    updateMenuState(app.menus);
    app.menus.pendingCommand = pending;
}

void switchToScriptEditor(AppState& app) {
    if (app.views.currentView == viewScriptPreview) previewPosition = app.player.seekToFrame(-10);
    if (clipLoaded(app) && app.player.isPlaying()) {
        app.player.togglePlay("");
        KillTimer(windowAt(winMain), timerPlayer);
        app.player.closePlayer();
    }
    app.views.currentView = viewScriptEditor;
    clearPreviewFlags(app);
    deletePreviewScript(app);
    if (app.views.viewingProject) EnableWindow(windowAt(winToolButton1), TRUE);
    releasePlayButton(app);
    shellEvents.buttonClicked = 0;
    applyMenuMarks(app, 20007);
    applyView(app);
}

void switchToMediaViewer(AppState& app) {
    app.player.closeAlpha();
    app.views.currentView = viewMediaViewer;
    applyMenuMarks(app, 10008);
    applyView(app);
    if (clipLoaded(app)) app.player.layoutVideo();
}

void switchToVideoEditor(AppState& app) {
    Views& v = app.views;
    if (v.currentView == viewMediaViewer) {
        if (clipLoaded(app) && strcmp(app.player.mediaPath(), v.sourceScriptPath) == 0) {
            v.currentView = viewVideoEditor;
            applyMenuMarks(app, 10009);
            if (app.views.multiFrameEditor) {
                app.player.openAlpha("", app.currentFrame);
                app.player.openBeta("", app.currentFrame);
            }
            layOutAndRefresh(app);
            return;
        }
        app.player.closePlayer();
    }
    if (v.currentView == viewScriptEditor || v.currentView == viewMediaViewer) {
        if (app.scriptModified &&
            showBox("Zandolin detects that script loaded into the editor has been modified.  The video editor viewer "
                    "is loaded with the file and will not reflect the changes made.  You will need to save your work "
                    "for Zandolin to properly load it into the IDM_MTRIMviewer.\nClick OK to continue on to the video "
                    "editor or Cancel to remain in the script editor.",
                    "Zandolin", MB_OKCANCEL | MB_ICONQUESTION) == IDCANCEL) {
            applyMenuMarks(app, 10007);
            return;
        }
        enableMenuItem(app.menus, 22017, false);
        enableMenuItem(app.menus, 22016, false);
        v.currentView = viewVideoEditor;
        pausePlayer(app);
        app.currentFrame = app.player.updatePosition();
        if (v.hasProjectFile) {
            if (v.viewingProject) {
                checkScriptForPlayer(app, app.views.projectScriptPath);
                checkScriptForPlayer(app, v.sourceScriptPath);
            }
        } else if (v.sourceScriptPath[0] && !checkScriptForPlayer(app, v.sourceScriptPath)) {
            showBox("Error viewer will not be loaded, ??? avs file", "Loading script file", MB_OK);
        }
    }
    v.currentView = viewVideoEditor;
    applyMenuMarks(app, 10009);
    loadVideoEditorPlayer(app);
}

void previewScript(AppState& app, bool play) {
    const int view = app.views.currentView;
    if (view == viewVideoEditor || view == viewMediaViewer) return;
    if (view == viewScriptPreview) return leavePreview(app);
    if (!app.views.sourceFolder[0] && !app.scriptModified) {
        showBox("Nothing to view!", "Preview Current script", MB_OK);
        return;
    }
    if (!writePreview(app)) return;
    if (!passAviSynthStartupError(app)) return;
    showPreview(app, play);
}

void playOrStop(AppState& app) {
    if (!clipLoaded(app)) return;
    if (app.currentFrame == app.lastFrame) app.player.seekToFrame(0);
    if (app.views.playing) {
        releasePlayButton(app);
        KillTimer(windowAt(winMain), timerPlayer);
        app.player.togglePlay("");
        app.player.seekToFrame(app.player.updatePosition());
    } else {
        startPlayback(app);
    }
    updateStatusBar(app);
    readFrameBack(app);
    SetFocus(windowAt(winVideo));
}

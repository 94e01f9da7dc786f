#include "app/command_helpers_win32.h"

#include "app/scene_list_refresh_win32.h"
#include "app/shell_events.h"
#include "app/views_layout_win32.h"
#include "base/bounded_text.h"
#include "editor/script_editor.h"
#include "editor/source_path.h"

bool clipLoaded(const AppState& app) { return app.player.graphBuilt(); }

void releasePlayButton(AppState& app) {
    app.views.playing = false;
    if (HWND play = windowAt(winPlay)) SendMessageA(play, BM_SETCHECK, BST_UNCHECKED, 0);
}

void pausePlayer(AppState& app) {
    if (clipLoaded(app) && app.player.isPlaying()) {
        app.player.togglePlay("");
        KillTimer(windowAt(winMain), timerPlayer);
    }
    releasePlayButton(app);
}

void takeClipFromPlayer(AppState& app) {
    app.lastFrame = app.player.lastFrame();
    app.sceneList.framesPerSecond = app.player.framesPerSecond();
    // The script's own size when AviSynth read it, else what the player shows.
    const bool script = app.avisynth.video.width > 0 && app.avisynth.video.height > 0;
    app.views.clipWidth = script ? app.avisynth.video.width : app.player.videoWidth();
    app.views.clipHeight = script ? app.avisynth.video.height : app.player.videoHeight();
}

void readFrameBack(AppState& app) {
    app.currentFrame = app.player.updatePosition();
    app.sceneList.currentFrame = app.currentFrame;
    refreshSceneListDisplay(app);
}

void markScriptClean(AppState& app, bool emptyUndo) {
    scriptEditor.setSavePoint();
    if (emptyUndo) scriptEditor.call(sciEmptyUndoBuffer);
    app.document.clearModified();
    app.scriptModified = false;
    shellEvents.editChanged = 0;
    app.views.titleMark = ' ';
}

void takeSourceScript(AppState& app, const char* path) {
    SourcePath source;
    setSourcePath(source, path);
    copyText(app.views.sourceScriptPath, source.path);
    copyText(app.views.sourceTitle, source.title);
    copyText(app.views.sourceFolder, source.folder);
}

int showBox(const char* text, const char* title, unsigned buttons) {
    return MessageBoxA(windowAt(winMain), text, title, buttons);
}

void layOutAndRefresh(AppState& app) {
    applyView(app);
    app.player.layoutVideo();
}

bool checkScriptForPlayer(AppState& app, const char* path) {
    if (!path[0] || !app.avisynth.examineScript(path)) return false;
    ScriptClip clip;
    clip.hasVideo = app.avisynth.status.hasVideo;
    clip.hasAudio = app.avisynth.status.hasAudio;
    clip.framesPerSecond = app.avisynth.video.frameRate;
    clip.frameCount = app.avisynth.video.frameCount;
    clip.width = app.avisynth.video.width;
    clip.height = app.avisynth.video.height;
    app.player.setScriptClip(clip);
    return true;
}

// The VIDEO menu's player commands and the row menu's commands.
#include <cstdio>

#include "app/command_groups_win32.h"
#include "app/command_helpers_win32.h"
#include "app/control_events_win32.h"
#include "app/file_dialogs_win32.h"
#include "app/menu_set_win32.h"
#include "app/panels_win32.h"
#include "app/scene_list_refresh_win32.h"
#include "app/shell_events.h"
#include "app/views_layout_win32.h"
#include "base/bounded_text.h"
#include "scenes/row_entry.h"

namespace {

// The slot 0..3 of the right-clicked row button, or -1.
int rightClickedSlot() {
    for (int i = 0; i < shownRowSlots; ++i)
        if (rightClickedWindow && windowAt(winRowButton1 + i) == rightClickedWindow) return i;
    return -1;
}

void startPlaybackAt125(AppState& app) {
    app.views.playing = true;
    SendMessageA(windowAt(winPlay), BM_SETCHECK, BST_CHECKED, 0);
    if (!app.player.isPlaying()) app.player.togglePlay("");  // a script may already play
    SetTimer(windowAt(winMain), timerPlayer, 125, nullptr);
    updateStatusBar(app);
}

void openMediaFile(AppState& app) {
    releasePlayButton(app);
    const char* name = generalDialog(app.fileDialogs, windowAt(winMain), "  DShow Open File", "", "Media File", 0);
    if (!name[0]) return;
    char path[260];
    copyText(path, name);
    checkScriptForPlayer(app, path);
    app.player.openMedia(path, app.views.currentView);
    app.currentFrame = 0;
    app.lastFrame = app.player.lastFrame();
    refreshSceneListDisplay(app);
    layOutAndRefresh(app);
    if (app.views.currentView == viewMediaViewer) startPlaybackAt125(app);
}

void toggleMultiFrame(AppState& app) {
    const bool on = toggleMenuCheck(app.menus, 22004);
    app.player.neighbours = on;
    app.views.multiFrameEditor = on;  // the layout shows the Alpha and Beta windows
    if (!on) {
        app.player.closeAlpha();
        app.player.closeBeta();
    } else if (app.views.currentView == viewVideoEditor) {
        pausePlayer(app);
        app.player.openAlpha("", app.currentFrame);
        app.player.openBeta("", app.currentFrame);
        app.player.seekToFrame(app.currentFrame);
    }
    layOutAndRefresh(app);
}

void setAspect(AppState& app, double ratio, int choice) {
    app.views.aspectRatio = ratio;
    app.views.aspectChoice = choice;
    app.views.sourceAspect = choice == aspectSquare;
    layOutAndRefresh(app);
}

}  // namespace

void videoCommand(AppState& app, unsigned id) {
    switch (id) {
    case 22001: {
        char bitmap[260];
        formatText(bitmap, sizeof bitmap, "%smybitmap.bmp", app.views.programFolder);
        app.player.grabFrame(app.currentFrame, bitmap);
        break;
    }
    case 22002: openMediaFile(app); break;
    case 22004: toggleMultiFrame(app); break;
    case 22005:
        releasePlayButton(app);
        app.player.closePlayer();
        KillTimer(windowAt(winMain), timerPlayer);
        updateStatusBar(app);
        break;
    case 22006: setAspect(app, 1.3333334f, aspectFourThree); break;
    case 22007: setAspect(app, 1.7777778f, aspectSixteenNine); break;
    case 22021: {
        const Views& v = app.views;
        // A clip without a height has no shape of its own: keep a square.
        setAspect(app, v.clipHeight > 0 ? static_cast<double>(v.clipWidth) / v.clipHeight : 1.0, aspectSquare);
        break;
    }
    case 22008: app.repeatPlay = toggleMenuCheck(app.menus, 22008); break;
    case 22015:
        if (!clipLoaded(app)) break;
        if (!app.player.filtersListed()) app.player.listFilters("");
        openFilterListPanel(app);
        break;
    case 22022:
        app.views.lockedToActualSize = toggleMenuCheck(app.menus, 22022);
        layOutAndRefresh(app);
        break;
    default: break;  // ids without a command of their own (22003 stays greyed)
    }
}

void jumpToRowFrame(AppState& app, bool start) {
    const int slot = rightClickedSlot();
    if (slot < 0 || !clipLoaded(app)) return;
    long frame = 0;
    if (sscanf(start ? app.sceneList.slots[slot].start : app.sceneList.slots[slot].end, "%li", &frame) != 1) return;
    app.player.seekToFrame(frame);
    readFrameBack(app);
}

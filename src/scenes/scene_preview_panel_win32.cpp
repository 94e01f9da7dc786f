// The "Scene Preview / Edit" panel: the scene between the Video Editor's start and end
// frames plays in the player's Alpha graph, alone, while the user moves the start and end
// with their up-down controls; Save copies them back into the Video Editor's boxes.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>

#include "app/panels_win32.h"
#include "app/scene_list_refresh_win32.h"
#include "app/shell_events.h"
#include "app/app_state_win32.h"
#include "base/bounded_text.h"
#include "dialogs/panel_open_win32.h"
#include "scenes/scene_preview.h"

namespace {

enum PreviewAction {
    actionNone = 0, actionStart, actionSave, actionRev, actionPlay, actionFwd, actionEnd, actionStartBox, actionEndBox,
    actionCancel = 99
};

// The open preview: the scene it was opened on, what the user has made of it, its controls.
struct ScenePreview {
    int start = 0, end = 0;
    int editedStart = 0, editedEnd = 0;
    int total = 0;
    int lastAction = actionNone;
    HWND controls[previewControlCount] = {};
};

ScenePreview preview;

HWND control(int id) { return preview.controls[id]; }

int boxValue(HWND box, int fallback) {
    char text[32] = {};
    GetWindowTextA(box, text, sizeof text);
    int value = fallback;
    return sscanf(text, "%i", &value) == 1 ? value : fallback;
}

void setBox(HWND box, int value) {
    char text[32];
    formatText(text, sizeof text, "%i", value);
    SetWindowTextA(box, text);
}

void showPosition(int frame) {
    char text[32];
    previewPositionText(text, sizeof text, frame);
    SendMessageA(control(previewStatus), SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(text));
    SendMessageA(control(previewSlider), TBM_SETPOS, TRUE, frame);
}

void goTo(AppState& app, int frame) { showPosition(static_cast<int>(app.player.seekToFrame(frame))); }

void setPlayButton(AppState& app, bool playing) {
    SetWindowTextA(control(previewPlay), playing ? "Stop" : "Play");
    if (playing) {
        SetTimer(windowAt(winMain), timerScenePreview, 60, nullptr);
    } else {
        KillTimer(windowAt(winMain), timerScenePreview);
    }
}

HWND makeControl(HWND frame, HINSTANCE instance, int id, const char* cls, const char* text, DWORD style, int w, int b,
                 const PreviewFrame& f, DWORD exStyle = 0) {
    PreviewControl c = previewControl(id, w, b, f.videoWidth, f.videoHeight);
    HWND h = CreateWindowExA(exStyle, cls, text, WS_CHILD | WS_VISIBLE | style, c.x, c.y, c.width, c.height, frame,
                             nullptr, instance, nullptr);
    preview.controls[id] = h;
    return h;
}

// One command of the preview window: what it changes here and the action the shell carries out.
int previewCommand(AppState& app, HWND sender, bool thumb) {
    if (sender == control(previewStartButton)) {
        SendMessageA(control(previewStartUpDown), UDM_SETPOS32, 0, preview.start);
        preview.editedStart = preview.start;
        return actionStart;
    }
    if (sender == control(previewSave)) {
        char text[32] = {};
        GetWindowTextA(control(previewStartBox), text, sizeof text);
        SetWindowTextA(windowAt(winStartFrame), text);
        GetWindowTextA(control(previewEndBox), text, sizeof text);
        SetWindowTextA(windowAt(winEndFrame), text);
        return actionSave;
    }
    if (sender == control(previewRev)) return actionRev;
    if (sender == control(previewPlay)) return actionPlay;
    if (sender == control(previewFwd)) return actionFwd;
    if (sender == control(previewCancel)) return actionCancel;
    if (sender == control(previewEndButton)) {
        SendMessageA(control(previewEndUpDown), UDM_SETPOS32, 0, preview.end);
        preview.editedEnd = preview.end;
        return actionEnd;
    }
    if (thumb && sender == control(previewStartUpDown)) {
        preview.editedStart = boxValue(control(previewStartBox), preview.editedStart);
        return actionStartBox;
    }
    if (thumb && sender == control(previewEndUpDown)) {
        preview.editedEnd = boxValue(control(previewEndBox), preview.editedEnd);
        return actionEndBox;
    }
    return actionNone;
}

}  // namespace

void openScenePreviewPanel(AppState& app) {
    if (!app.player.graphBuilt()) return;
    HWND main = windowAt(winMain);
    RECT owner{};
    GetWindowRect(main, &owner);
    PreviewFrame f = previewFrame(static_cast<float>(app.views.aspectRatio), owner.left, owner.top, owner.right,
                                  owner.bottom);
    HINSTANCE instance = app.instance ? app.instance : GetModuleHandleA(nullptr);
    HWND frame = CreateWindowExA(WS_EX_DLGMODALFRAME, "TheWinClass", "Scene Preview / Edit",
                                 WS_POPUP | WS_CAPTION | WS_VISIBLE | WS_CLIPCHILDREN, f.x, f.y, f.width, f.height, main,
                                 nullptr, instance, nullptr);
    if (!frame) {
        MessageBoxA(main, "Could not create Dialog Window! ", "ERROR", MB_ICONSTOP);
        return;
    }
    preview = ScenePreview{};
    RECT client{};
    GetClientRect(frame, &client);
    const int w = client.right, b = client.bottom;
    makeControl(frame, instance, previewStatus, STATUSCLASSNAMEA, "", 0, w, b, f);
    makeControl(frame, instance, previewSlider, TRACKBAR_CLASSA, "", TBS_AUTOTICKS, w, b, f);
    makeControl(frame, instance, previewVideo, "TheVidWinClass", "", WS_CLIPCHILDREN, w, b, f);
    makeControl(frame, instance, previewStartBox, "EDIT", "", ES_NUMBER, w, b, f, WS_EX_CLIENTEDGE);
    makeControl(frame, instance, previewStartUpDown, UPDOWN_CLASSA, "", UDS_SETBUDDYINT | UDS_NOTHOUSANDS, w, b, f);
    makeControl(frame, instance, previewStartButton, "BUTTON", "Start", BS_PUSHBUTTON, w, b, f);
    makeControl(frame, instance, previewSave, "BUTTON", "Save", BS_PUSHBUTTON, w, b, f);
    makeControl(frame, instance, previewRev, "BUTTON", "Rev", BS_PUSHBUTTON, w, b, f);
    makeControl(frame, instance, previewPlay, "BUTTON", "Play", BS_PUSHBUTTON, w, b, f);
    makeControl(frame, instance, previewFwd, "BUTTON", "Fwd", BS_PUSHBUTTON, w, b, f);
    makeControl(frame, instance, previewCancel, "BUTTON", "Cancel", BS_PUSHBUTTON, w, b, f);
    makeControl(frame, instance, previewEndButton, "BUTTON", "End", BS_PUSHBUTTON, w, b, f);
    makeControl(frame, instance, previewEndBox, "EDIT", "", ES_NUMBER, w, b, f, WS_EX_CLIENTEDGE);
    makeControl(frame, instance, previewEndUpDown, UPDOWN_CLASSA, "", UDS_SETBUDDYINT | UDS_NOTHOUSANDS, w, b, f);

    preview.total = app.lastFrame + 1;
    preview.start = boxValue(windowAt(winStartFrame), 0);
    preview.end = boxValue(windowAt(winEndFrame), app.lastFrame);
    if (preview.end < preview.start) preview.end = preview.start;
    preview.editedStart = preview.start;
    preview.editedEnd = preview.end;
    SendMessageA(control(previewSlider), TBM_SETRANGEMIN, FALSE, preview.start);
    SendMessageA(control(previewSlider), TBM_SETRANGEMAX, TRUE, preview.end);
    SendMessageA(control(previewSlider), TBM_SETTICFREQ, previewTickFrequency(preview.start, preview.end), 0);
    for (int id : {previewStartUpDown, previewEndUpDown}) {
        SendMessageA(control(id), UDM_SETBUDDY, reinterpret_cast<WPARAM>(control(id == previewStartUpDown ? previewStartBox : previewEndBox)), 0);
        SendMessageA(control(id), UDM_SETRANGE32, 0, preview.total);
    }
    SendMessageA(control(previewStartUpDown), UDM_SETPOS32, 0, preview.start);
    SendMessageA(control(previewEndUpDown), UDM_SETPOS32, 0, preview.end);
    setBox(control(previewStartBox), preview.start);
    setBox(control(previewEndBox), preview.end);
    int parts[4];
    previewStatusParts(w, parts);
    SendMessageA(control(previewStatus), SB_SETPARTS, 4, reinterpret_cast<LPARAM>(parts));
    char text[64];
    previewRangeText(text, sizeof text, preview.start, preview.end, preview.total);
    SendMessageA(control(previewStatus), SB_SETTEXTA, 1, reinterpret_cast<LPARAM>(text));

    // Alpha alone plays the scene, in the preview's own video window, with its sound.
    if (app.player.isPlaying()) app.player.togglePlay("main");
    KillTimer(main, timerPlayer);
    app.player.closeAlpha();
    app.player.closeBeta();
    app.player.alphaOnly = true;
    app.player.alphaOwner = control(previewVideo);
    app.player.openAlpha("", preview.start);
    showPosition(preview.start);

    PanelHost& host = app.panelHost;
    host.frame = frame;
    host.panelKind = panelScenePreview;
    host.panelStep = 0;
    showPanel(app);
}

void handleScenePreviewPanel(AppState& app) {
    ShellEvents& e = shellEvents;
    if (e.eventSender == timerScenePreview) {
        // Playback moves the slider and stops at the scene's end.
        e.eventSender = 0;
        int frame = static_cast<int>(app.player.alphaFrame());
        showPosition(frame);
        if (frame >= preview.editedEnd && app.player.alphaPlaying()) {
            app.player.togglePlay("Alpha");
            setPlayButton(app, false);
            goTo(app, preview.editedEnd);  // the scene's last frame stays on screen
        }
        return;
    }
    HWND sender = reinterpret_cast<HWND>(e.eventSender);
    if (e.horizontalScroll && sender == control(previewSlider)) {
        e.horizontalScroll = 0;
        goTo(app, static_cast<int>(SendMessageA(control(previewSlider), TBM_GETPOS, 0, 0)));
        setPlayButton(app, false);
        return;
    }
    const bool thumb = e.thumbPosition != 0;
    if (!e.buttonClicked && !thumb) return;
    e.buttonClicked = 0;
    e.thumbPosition = 0;
    int action = previewCommand(app, sender, thumb);
    preview.lastAction = action;
    switch (action) {
    case actionStart: goTo(app, preview.start); break;
    case actionEnd: goTo(app, preview.end); break;
    case actionStartBox: goTo(app, preview.editedStart); break;
    case actionEndBox: goTo(app, preview.editedEnd); break;
    case actionRev:
    case actionFwd: {
        int frame = static_cast<int>(app.player.alphaFrame()) + (action == actionFwd ? 1 : -1);
        goTo(app, frame);
        setPlayButton(app, false);
        break;
    }
    case actionPlay: {
        bool playing = !app.player.alphaPlaying();
        // From the scene's end, play starts again at its beginning.
        if (playing && app.player.alphaFrame() >= preview.editedEnd) goTo(app, preview.editedStart);
        app.player.togglePlay("Alpha");
        setPlayButton(app, playing);
        break;
    }
    case actionSave: {
        app.currentFrame = boxValue(windowAt(winStartFrame), app.currentFrame);
        closePanel(app);
        refreshSceneListDisplay(app);
        SetFocus(windowAt(winStartFrame));
        break;
    }
    case actionCancel: closePanel(app); break;
    default: {
        char text[32];
        previewPositionText(text, sizeof text, static_cast<int>(app.player.alphaFrame()));
        SendMessageA(control(previewStatus), SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(text));
        break;
    }
    }
}

void releaseScenePreviewPanel(AppState& app) {
    KillTimer(windowAt(winMain), timerScenePreview);
    app.player.closeAlpha();
    app.player.alphaOnly = false;
    app.player.alphaOwner = nullptr;
    preview = ScenePreview{};
}

#include "app/control_events_win32.h"

#include <commctrl.h>

#include <cstdio>
#include <cstring>

#include "app/command_helpers_win32.h"
#include "app/key_name_win32.h"
#include "app/menu_set_win32.h"
#include "app/panels_win32.h"
#include "app/shell_events.h"
#include "app/subsystem_hooks_win32.h"
#include "app/views_layout.h"
#include "app/views_layout_win32.h"
#include "base/bounded_text.h"
#include "editor/script_editor.h"
#include "scenes/project_script_writer.h"
#include "scenes/row_entry.h"
#include "scenes/scene_list_paint.h"
#include "scenes/scene_list_paint_win32.h"
#include "scenes/scene_row.h"

namespace {

bool radioSyncPending = false;

HWND sender() { return reinterpret_cast<HWND>(shellEvents.eventSender); }
bool sentBy(int index) { return windowAt(index) && sender() == windowAt(index); }
void enable(int index, bool on) { EnableWindow(windowAt(index), on ? TRUE : FALSE); }

// Writes a box without the write counting as typing: the change notification it sends comes
// back at once and is dropped here.
void setText(int index, const char* text) {
    SetWindowTextA(windowAt(index), text);
    if (shellEvents.eventSender == reinterpret_cast<intptr_t>(windowAt(index))) shellEvents.editChanged = 0;
}

void setNumber(int index, int value) {
    char text[16];
    formatText(text, sizeof text, "%i", value);
    setText(index, text);
}

void setReadOnly(int index, bool on) { SendMessageA(windowAt(index), EM_SETREADONLY, on, 0); }

bool readNumber(int index, int& value) {
    char text[16] = {};
    GetWindowTextA(windowAt(index), text, sizeof text);
    long long v = 0;
    if (!parseFrameNumber(text, v)) return false;
    value = static_cast<int>(v);
    return true;
}

void startTimer(int period) { SetTimer(windowAt(winMain), timerPlayer, period, nullptr); }

// Seeks when a clip is loaded and reads back where the player landed.
void seekTo(AppState& app, long long frame) {
    if (!clipLoaded(app)) return;
    if (frame < 0) frame = 0;
    app.player.seekToFrame(frame);
    app.currentFrame = app.player.updatePosition();
}

void togglePlayback(AppState& app) {
    if (!clipLoaded(app)) {
        releasePlayButton(app);
        return;
    }
    if (app.currentFrame == app.lastFrame) seekTo(app, 0);
    if (app.views.playing) {
        releasePlayButton(app);
        KillTimer(windowAt(winMain), timerPlayer);
        if (app.player.isPlaying()) app.player.togglePlay("main");
        app.currentFrame = app.player.updatePosition();
        seekTo(app, app.currentFrame);
    } else {
        SendMessageA(windowAt(winPlay), BM_SETCHECK, BST_CHECKED, 0);
        app.views.playing = true;
        if (!app.player.isPlaying()) app.player.togglePlay("main");  // a script may already play
        startTimer(app.player.timerTick());
    }
    updateStatusBar(app);
    refreshSceneList(app);
    SetFocus(windowAt(winVideo));
}

// The shell's frame is the one the row operations work with.
void toList(AppState& app) { app.sceneList.currentFrame = app.currentFrame; }
void fromList(AppState& app) {
    app.currentFrame = app.sceneList.currentFrame;
    app.rowCount = app.sceneList.rowCount;
    app.firstVisibleRow = app.sceneList.firstShownRow;
}

void paintRows(AppState& app) {
    app.sceneList.firstShownRow = app.firstVisibleRow;
    paintSceneList(app.sceneList);
    fromList(app);
    // The scroll bar comes and goes with the fifth row and takes its width from the client
    // area: the headers follow, and only then, since moving them asks for another paint.
    static int headerWidth = -1;
    RECT client;
    GetClientRect(windowAt(winRowList), &client);
    if (client.right != headerWidth) {
        headerWidth = client.right;
        Layout header;
        rowHeaderLayout(client.right, header);
        for (int i = 0; i < header.moveCount; ++i) {
            const Placement& p = header.moves[i];
            MoveWindow(windowAt(p.index), p.x, p.y, p.width, p.height, TRUE);
        }
    }
}

void enableRadios(bool on) {
    enable(winSourceRadio, on);
    enable(winProjectRadio, on);
}

void enableRowButtons(bool on) {
    for (int i = 0; i < shownRowSlots; ++i) enable(winRowButton1 + i, on);
}

// The entry controls after a commit, on Cancel and at a new project.
void showEntryReset(AppState& app) {
    const SceneListDisplay& list = app.sceneList;
    enable(winStartFrame, true);
    enable(winEndFrame, true);
    setReadOnly(winStartFrame, false);
    setReadOnly(winEndFrame, true);
    enable(winToolButton1, true);
    enable(winRowList, true);
    enable(winAdd, false);
    enable(winCancel, false);
    enable(winPreview, false);
    setText(winAdd, "Add");
    SendMessageA(windowAt(winTransitionCombo), CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    setText(winTransitionFrames, "");
    setNumber(winStartFrame, list.currentFrame);
    setText(winEndFrame, "");
    setText(winInfoText, entryInfoText(list));
    enableRowButtons(true);
}

void showEntryMode(AppState& app) {
    char caption[64];
    addButtonCaption(app.sceneList, caption, sizeof caption);
    setText(winAdd, caption);
    setText(winInfoText, entryInfoText(app.sceneList));
}

int rowSlot(HWND button) {
    for (int i = 0; i < shownRowSlots; ++i)
        if (button && button == windowAt(winRowButton1 + i)) return i;
    return -1;
}

// Writes the current frame into the start box until a start is set, then into the end box;
// once both are set the boxes keep what was set.
void moveSlider(AppState& app) {
    if (!clipLoaded(app)) return;
    if (app.currentFrame < 0) app.currentFrame = 0;
    if (app.currentFrame > app.lastFrame) app.currentFrame = app.lastFrame;
    HWND slider = windowAt(winTrackbar);
    // The slider spans the clip in the player, with a tick every hundredth of it.
    if (SendMessageA(slider, TBM_GETRANGEMAX, 0, 0) != app.lastFrame) {
        SendMessageA(slider, TBM_SETRANGEMIN, FALSE, 0);
        SendMessageA(slider, TBM_SETRANGEMAX, TRUE, app.lastFrame);
        SendMessageA(slider, TBM_SETTICFREQ, app.lastFrame / 100 > 0 ? app.lastFrame / 100 : 1, 0);
    }
    SendMessageA(slider, TBM_SETPOS, TRUE, app.currentFrame);
    const int toggle = app.sceneList.startEndToggle;
    if (toggle == 1) setNumber(winEndFrame, app.currentFrame);
    else if (toggle == 0) setNumber(winStartFrame, app.currentFrame);
}

// Set frame: without a clip the current frame is the one the frame boxes last gave.
void setFrame(AppState& app) {
    SceneListDisplay& list = app.sceneList;
    if (pressSetFrame(list) == setStartAndEnd) {
        setNumber(winStartFrame, app.currentFrame);
        setNumber(winEndFrame, app.currentFrame);
        setReadOnly(winStartFrame, true);
        setReadOnly(winEndFrame, false);
    } else {
        setNumber(winEndFrame, app.currentFrame);
        setReadOnly(winEndFrame, true);
        enable(winAdd, true);
        enable(winCancel, true);
        enable(winPreview, true);
        enable(winToolButton1, false);
        enable(winRowList, false);
        enableRadios(false);
    }
}

void chooseTransitionFromCombo(AppState& app) {
    char name[32] = {};
    HWND combo = windowAt(winTransitionCombo);
    const LRESULT index = SendMessageA(combo, CB_GETCURSEL, 0, 0);
    if (index == CB_ERR) return;
    if (SendMessageA(combo, CB_GETLBTEXTLEN, index, 0) >= static_cast<LRESULT>(sizeof name)) return;
    SendMessageA(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(name));
    switch (chooseTransition(app.sceneList, name)) {
    case choiceRefused: SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(-1), 0); break;
    case choiceDissolve:
        setText(winTransitionFrames, defaultTransitionFrames);
        setText(winStartFrame, "-");
        setText(winEndFrame, "-");
        enable(winStartFrame, false);
        enable(winEndFrame, false);
        enable(winToolButton1, false);
        enable(winAdd, true);
        enable(winCancel, true);
        enable(winRowList, false);
        break;
    case choiceFade: setText(winTransitionFrames, defaultTransitionFrames); break;
    default: break;
    }
}

void commitFromControls(AppState& app) {
    char transition[32] = {}, frames[16] = {}, start[8] = {}, end[8] = {};
    GetWindowTextA(windowAt(winTransitionCombo), transition, sizeof transition);
    GetWindowTextA(windowAt(winTransitionFrames), frames, sizeof frames);
    GetWindowTextA(windowAt(winStartFrame), start, sizeof start);
    GetWindowTextA(windowAt(winEndFrame), end, sizeof end);
    const int mode = app.sceneList.entryMode;
    toList(app);
    commitRow(app.sceneList, transition, frames, start, end);
    fromList(app);
    showEntryReset(app);
    paintRows(app);
    updateRowItems(app.menus, app.rowCount);
    enableRadios(true);
    if (mode != entryAdding) rowModeUpdate(app);
}

void editRow(AppState& app, int slot) {
    enableRadios(false);
    RowEditLoad load;
    if (!app.views.viewingProject) {
        paintRows(app);
        seekTo(app, app.currentFrame);
    }
    toList(app);
    const int result = beginEdit(app.sceneList, slot, app.views.viewingProject, load);
    fromList(app);
    if (result == editStarted) {
        HWND combo = windowAt(winTransitionCombo);
        const LRESULT found =
            load.transition[0] ? SendMessageA(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                              reinterpret_cast<LPARAM>(load.transition))
                               : CB_ERR;
        SendMessageA(combo, CB_SETCURSEL, found == CB_ERR ? static_cast<WPARAM>(-1) : found, 0);
        setText(winTransitionFrames, load.frames);
        const bool dissolve = !load.previewEnabled;
        enable(winStartFrame, !dissolve);
        enable(winEndFrame, !dissolve);
        setText(winStartFrame, load.start);
        setText(winEndFrame, load.end);
        showEntryMode(app);
        enableRowButtons(false);
        enable(winToolButton1, false);
        enable(winAdd, true);
        enable(winCancel, true);
        enable(winPreview, load.previewEnabled);
        enable(winRowList, false);
        seekTo(app, app.currentFrame);
        rowModeUpdate(app);
    }
    paintRows(app);
    app.player.layoutVideo();
    enableRadios(true);
}

void cancelEntry(AppState& app) {
    paintRows(app);
    seekTo(app, app.currentFrame);
    toList(app);
    resetEntry(app.sceneList);
    fromList(app);
    showEntryReset(app);
    rowModeUpdate(app);
    enableRadios(true);
    paintRows(app);
    app.player.layoutVideo();
}

int toolNumber(HWND button) {
    static const int buttons[6] = {winToolButton1, winToolButton2, winToolButton3,
                                   winToolButton4, winToolButton5, winToolButton6};
    for (int i = 0; i < 6; ++i)
        if (button && button == windowAt(buttons[i])) return i + 1;
    return 0;
}

void requestCommand(AppState& app, unsigned command) {
    app.menus.pendingCommand = command;
    app.currentMessage.wParam = 2;
    app.currentMessage.hwnd = nullptr;
}

// After a tool ran from the Script Editor the source script may have changed on disk.
void afterToolLaunch(AppState& app) {
    if (!app.views.launchMarker) return;
    app.views.launchMarker = false;
    if (app.scriptModified) return;
    if (app.views.sourceScriptPath[0]) app.document.load(app.views.sourceScriptPath);
    app.document.clearModified();
    shellEvents.editChanged = 0;
    app.views.titleMark = ' ';
    app.currentFrame = 0;
    resetSceneList(app);
    app.currentFrame = clipLoaded(app) ? app.player.updatePosition() : app.currentFrame;
    applyView(app);
}

void scriptEditorButton(AppState& app, HWND button) {
    const int tool = toolNumber(button);
    if (!tool) return;
    if (tool == 6) {
        app.document.writePreviewScript(windowAt(winMain), app.views.sourceFolder, app.views.sourceTitle);
        launchToolButton(app, 6, app.document.previewScriptPath());
    } else {
        if (app.scriptModified &&
            showMessageBox(windowAt(winMain), "Do you wish to save your work before launching this tool ?",
                           "Launch Tool #01a", mbYesNo) == answerYes)
            requestCommand(app, 20003);
        // The launch takes the source or project script itself; only button six gets a preview.
        launchToolButton(app, tool, nullptr);
    }
    afterToolLaunch(app);
}

void jumpToTypedFrame(AppState& app) {
    char text[11] = {};
    GetWindowTextA(windowAt(winJumpTo), text, sizeof text);
    int frame = 0;
    if (sscanf(text, "%i", &frame) != 1) return;
    if (clipLoaded(app)) app.player.seekToFrame(frame);
    releasePlayButton(app);
    app.currentFrame = frame;
    SetFocus(windowAt(winMain));
    updateStatusBar(app);
}

void stepFrames(AppState& app, int by) {
    if (app.views.playing && clipLoaded(app)) {
        app.currentFrame = app.player.updatePosition();
        releasePlayButton(app);
    }
    seekTo(app, static_cast<long long>(app.currentFrame) + by);
    refreshSceneList(app);
}

void updatePreview(AppState& app) {
    HWND main = windowAt(winMain);
    if (app.document.writePreviewScript(main, app.views.sourceFolder, app.views.sourceTitle) == previewSaveFirst)
        showMessageBox(main, "You may need to save this script so that preview\ncan resolve the file and plugin paths",
                       "Script editor preview", mbOk);
    const char* script = app.document.previewTarget();
    if (!checkScriptForPlayer(app, script)) return;
    const int position = clipLoaded(app) ? app.player.updatePosition() : app.currentFrame;
    const bool keepPlaying = app.views.playing && app.repeatPlay;
    app.player.closePlayer();
    app.player.openMedia(script, viewScriptPreview);
    takeClipFromPlayer(app);
    seekTo(app, position);
    if (app.views.sidePanel) SetWindowTextA(windowAt(winClipDataText), app.avisynth.clipData);
    if (keepPlaying && clipLoaded(app)) {
        app.player.togglePlay("main");
        startTimer(app.player.timerTick());
    } else {
        KillTimer(main, timerPlayer);
        releasePlayButton(app);
    }
    applyView(app);
    app.player.layoutVideo();
    SetFocus(windowAt(winVideo));
}

void scriptPreviewEvents(AppState& app) {
    ShellEvents& e = shellEvents;
    const MSG& m = app.currentMessage;
    if (m.message == WM_LBUTTONUP && m.hwnd == windowAt(winJumpTo))
        SendMessageA(windowAt(winJumpTo), EM_SETSEL, 0, -1);
    if (m.message == WM_CHAR && GetFocus() == windowAt(winJumpTo)) {
        char name[32] = {};
        readKeyName(m.lParam, name, sizeof name);
        if (strcmp(name, "Enter") == 0 || strcmp(name, "Num Enter") == 0) jumpToTypedFrame(app);
    }
    // A click on the picture takes the keys away from the jump box.
    if (m.message == WM_LBUTTONUP && m.hwnd == windowAt(winVideo)) SetFocus(windowAt(winMain));
    if (!e.buttonClicked) return;
    if (sentBy(winGo)) jumpToTypedFrame(app);
    else if (sentBy(winUpdate)) updatePreview(app);
    else if (sentBy(winToolButton3)) stepFrames(app, 1);
    else if (sentBy(winToolButton4)) stepFrames(app, -1);
}

// The frame box clicked: the player goes to the frame it holds.
void frameBoxPressed(AppState& app, int box) {
    int frame = 0;
    if (readNumber(box, frame)) {
        if (frame < 0) frame = 0;
        if (clipLoaded(app)) {
            seekTo(app, frame);
        } else {
            app.currentFrame = frame;
        }
        app.sceneList.currentFrame = app.currentFrame;
    }
    SetFocus(windowAt(box));
}

void radioClicked(AppState& app, bool project) {
    HWND main = windowAt(winMain);
    const char* title = "View or Encode the Source or Project";
    if (app.views.hasProjectFile) {
        app.views.viewingProject = project;
        radioSyncPending = true;
        return;
    }
    if (app.rowCount > 0) {
        const int answer = showMessageBox(
            main,
            "Would you like to create a project how?\n\nYes will open the save project dialog, No will create a "
            "script \"untitled.avs\"",
            title, mbYesNoCancel);
        if (answer == answerYes) {
            requestCommand(app, 10003);
        } else if (answer == answerNo) {
            if (project) {
                app.views.viewingProject = true;
                formatText(app.views.projectScriptPath, sizeof app.views.projectScriptPath, "%suntitled.avs",
                           app.views.programFolder);
                app.views.hasProjectScript = true;
                SendMessageA(windowAt(winTab), TCM_SETCURSEL, 1, 0);
                writeProjectScript(app.sceneList, app.views.sourceScriptPath, app.views.projectScriptPath);
                app.document.load(app.views.projectScriptPath);
                SendMessageA(windowAt(winProjectRadio), BM_SETCHECK, BST_CHECKED, 0);
                SendMessageA(windowAt(winSourceRadio), BM_SETCHECK, BST_UNCHECKED, 0);
            } else {
                app.views.viewingProject = false;
            }
            radioSyncPending = true;
        } else {
            SendMessageA(windowAt(winSourceRadio), BM_SETCHECK, BST_CHECKED, 0);
            SendMessageA(windowAt(winProjectRadio), BM_SETCHECK, BST_UNCHECKED, 0);
        }
        return;
    }
    showMessageBox(main,
                   "There is no project to load into the viewer,\nload a script, select some frames then save a "
                   "project.",
                   title, mbOk);
    SendMessageA(windowAt(winSourceRadio), BM_SETCHECK, BST_CHECKED, 0);
    SendMessageA(windowAt(winProjectRadio), BM_SETCHECK, BST_UNCHECKED, 0);
}

void loadInPlayer(AppState& app, const char* script) {
    if (!checkScriptForPlayer(app, script)) {
        showMessageBox(windowAt(winMain), "Script error, will not load ", "Error:  Video Editor", mbOk);
        return;
    }
    app.player.openMedia(script, app.views.currentView);
    takeClipFromPlayer(app);
}

void enableRowControls(bool on) {
    for (int index : {3, 14, 15, 17, 18, 30, 31, 32, 33, 34, 35}) enable(index, on);
}

void synchroniseRadios(AppState& app) {
    radioSyncPending = false;
    releasePlayButton(app);
    Views& v = app.views;
    HWND main = windowAt(winMain);
    if (v.viewingProject) {
        app.encodeProject = true;
        SendMessageA(windowAt(winTab), TCM_SETCURSEL, 1, 0);
        writeProjectScript(app.sceneList, v.sourceScriptPath, app.views.projectScriptPath);
        if (app.document.load(app.views.projectScriptPath) != 0) {
            showMessageBox(main, "Sorry, but can't open the project script file.", "Viewing Project File", mbOk);
            SendMessageA(windowAt(winSourceRadio), BM_SETCHECK, BST_CHECKED, 0);
            SendMessageA(windowAt(winProjectRadio), BM_SETCHECK, BST_UNCHECKED, 0);
            v.viewingProject = false;
            app.encodeProject = false;
        } else {
            SetWindowTextA(windowAt(winEncode), "Encode Project");
            loadInPlayer(app, app.views.projectScriptPath);
            if (v.currentView == viewVideoEditor) enableRowControls(false);
        }
    } else {
        app.encodeProject = false;
        SendMessageA(windowAt(winTab), TCM_SETCURSEL, 0, 0);
        if (v.sourceScriptPath[0]) app.document.load(v.sourceScriptPath);
        else scriptEditor.setText("");
        SetWindowTextA(windowAt(winEncode), "Encode Source");
        if (v.sourceScriptPath[0]) loadInPlayer(app, v.sourceScriptPath);
        if (v.currentView == viewVideoEditor) enableRowControls(true);
    }
    scriptEditor.setSavePoint();
    app.scriptModified = false;
    app.document.clearModified();
    shellEvents.editChanged = 0;
    v.titleMark = ' ';
    applyView(app);
    if (clipLoaded(app)) app.currentFrame = app.player.updatePosition();
    app.player.layoutVideo();
}

void videoEditorButton(AppState& app, HWND button) {
    const bool playing = app.views.playing;
    const bool project = app.views.viewingProject;
    if (button == windowAt(winSourceRadio) || button == windowAt(winProjectRadio)) {
        radioClicked(app, button == windowAt(winProjectRadio));
    } else if (button == windowAt(winPreview)) {
        app.player.closeAlpha();
        app.player.closeBeta();
        openScenePreviewPanel(app);
    } else if (button == windowAt(winAdd)) {
        if (!playing && !project) commitFromControls(app);
    } else if (rowSlot(button) >= 0) {
        if (app.rowCount > 0) editRow(app, rowSlot(button));
    } else if (button == windowAt(winCancel)) {
        cancelEntry(app);
    } else if (button == windowAt(winToolButton6)) {
        launchToolButton(app, 6, nullptr);
    } else {
        const int steps[][2] = {{winToolButton2, 1}, {winToolButton5, -1}, {winToolButton3, 2}, {winToolButton4, -2}};
        int step = 0;
        for (const auto& s : steps)
            if (button == windowAt(s[0])) step = s[1];
        if (playing && (step || button == windowAt(winToolButton1))) {
            app.currentFrame = clipLoaded(app) ? app.player.updatePosition() : app.currentFrame;
            releasePlayButton(app);
        }
        if (button == windowAt(winToolButton1)) {
            if (!app.views.playing && !project) setFrame(app);
        } else if (button == windowAt(4) || button == windowAt(10)) {
            toggleButtonState(button);
        } else if (step) {
            const int by = step == 1 ? app.views.frameJump : step == -1 ? -app.views.frameJump : step / 2;
            seekTo(app, static_cast<long long>(app.currentFrame) + by);
        } else if (button == windowAt(winPlay)) {
            togglePlayback(app);
            return;
        } else {
            return;
        }
        refreshSceneList(app);
    }
}

void trackbarMoved(AppState& app) {
    int position = static_cast<int>(SendMessageA(windowAt(winTrackbar), TBM_GETPOS, 0, 0));
    if (position > app.lastFrame) position = app.lastFrame;
    app.currentFrame = position;
    seekTo(app, position);
    if (app.views.playing) {
        releasePlayButton(app);
        if (app.repeatPlay && clipLoaded(app)) {
            app.player.togglePlay("main");
            startTimer(125);
            SendMessageA(windowAt(winPlay), BM_SETCHECK, BST_CHECKED, 0);
            app.views.playing = true;
        }
    }
    updateStatusBar(app);
    refreshSceneList(app);
    if (clipLoaded(app)) app.currentFrame = app.player.updatePosition();
    SetFocus(windowAt(winMain));
}

void endOfClip(AppState& app) {
    if (app.player.isPlaying()) app.player.togglePlay("main");
    releasePlayButton(app);
    if (app.repeatPlay && clipLoaded(app)) {
        app.player.seekToFrame(0);
        app.player.togglePlay("main");
        SendMessageA(windowAt(winPlay), BM_SETCHECK, BST_CHECKED, 0);
        app.views.playing = true;
        startTimer(125);
    }
    refreshSceneList(app);
    updateStatusBar(app);
    if (clipLoaded(app)) app.currentFrame = app.player.updatePosition();
}

// Timer 12522: the frame shown, and the end of the clip.
bool playerTimer(AppState& app) {
    if (!clipLoaded(app)) return false;
    app.currentFrame = app.player.updatePosition();
    if (app.views.currentView == viewMediaViewer) app.player.drawFrameInfo();
    if (app.player.pollEvents() != 1) return false;
    app.views.playing = false;
    KillTimer(windowAt(winMain), timerPlayer);
    return true;
}

void rowListScrolled(AppState& app) {
    ShellEvents& e = shellEvents;
    int action = -1;
    if (e.thumbTrack) action = scrollThumbTrack;
    else if (e.lineUp) action = scrollLineUp;
    else if (e.lineDown) action = scrollLineDown;
    const int thumb = e.thumbTrack ? static_cast<int>(e.eventSender) : 0;
    e.thumbTrack = e.lineUp = e.lineDown = e.pageUp = e.pageDown = e.thumbPosition = 0;
    if (action < 0) return;
    app.firstVisibleRow = scrolledFirstRow(app.firstVisibleRow, app.rowCount, action, thumb);
    if (action == scrollThumbTrack) SetScrollPos(windowAt(winRowList), SB_VERT, app.firstVisibleRow, TRUE);
    paintRows(app);
}

void tabChanged(AppState& app) {
    HWND tab = windowAt(winTab);
    TCHITTESTINFO hit = {};
    GetCursorPos(&hit.pt);
    ScreenToClient(tab, &hit.pt);
    const LRESULT index = SendMessageA(tab, TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
    if (index < 0) return;
    app.views.viewingProject = index == 1;
    radioSyncPending = true;
    if (app.views.currentView == viewScriptEditor) {
        SendMessageA(windowAt(winSourceRadio), BM_SETCHECK, index == 1 ? BST_UNCHECKED : BST_CHECKED, 0);
        SendMessageA(windowAt(winProjectRadio), BM_SETCHECK, index == 1 ? BST_CHECKED : BST_UNCHECKED, 0);
    }
}

void editorChanged(AppState& app) {
    if (app.scriptModified || app.views.currentView == viewVideoEditor) return;
    if (!scriptEditor.modified()) return;
    app.scriptModified = true;
    app.document.setModified();
    app.views.titleMark = '*';
    updateStatusBar(app);
}

}  // namespace

void refreshSceneList(AppState& app) {
    moveSlider(app);
    app.sceneList.currentFrame = app.currentFrame;
    if (app.views.currentView == viewVideoEditor) paintRows(app);
}

void resetSceneList(AppState& app) {
    app.currentFrame = 0;
    app.firstVisibleRow = 1;
    toList(app);
    resetEntry(app.sceneList);
    fromList(app);
    showEntryReset(app);
    rowModeUpdate(app);
    if (app.views.currentView == viewVideoEditor) paintRows(app);
}

void rowModeUpdate(AppState& app) {
    app.views.rowEditMode = app.sceneList.entryMode;
    if (app.views.currentView != viewVideoEditor) return;
    RECT r;
    GetClientRect(windowAt(winMain), &r);
    Layout layout;
    videoEditorLayout(r.right, r.bottom, app.views.rowEditMode, app.views.multiFrameEditor, layout);
    for (int index : {winAdd, winPreview, winCancel})
        if (const Placement* p = layout.find(index))
            MoveWindow(windowAt(index), p->x, p->y, p->width, p->height, TRUE);
    // The main window does not clip its children: its background, erased where a button
    // was, can cover the button's new place until everything paints again in order.
    RedrawWindow(windowAt(winMain), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void insertSceneRow(AppState& app, HWND rowButton, bool below) {
    const int slot = rowSlot(rowButton);
    if (slot < 0) return;
    if (beginInsert(app.sceneList, slot, below)) {
        showEntryMode(app);
        enable(winCancel, true);
        enable(winRowList, false);
    }
    rowModeUpdate(app);
}

void deleteSceneRow(AppState& app, HWND rowButton) {
    const int slot = rowSlot(rowButton);
    if (slot < 0) return;
    deleteShownRow(app.sceneList, slot);
    fromList(app);
    paintRows(app);
    updateRowItems(app.menus, app.rowCount);
    // The list scrolls up one row to close the gap.
    shellEvents.lineUp = 1;
    updateStatusBar(app);
}

void prepareSceneList(AppState& app) {
    HWND functions = windowAt(winFilterList);
    bool transAll = false;
    const LRESULT count = SendMessageA(functions, CB_GETCOUNT, 0, 0);
    char name[128];
    for (LRESULT i = 0; i < count && !transAll; ++i) {
        if (SendMessageA(functions, CB_GETLBTEXTLEN, i, 0) >= static_cast<LRESULT>(sizeof name)) continue;
        SendMessageA(functions, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(name));
        transAll = isTransAllFunction(name);
    }
    const char* items[5];
    const int n = transitionItems(transAll, items);
    HWND combo = windowAt(winTransitionCombo);
    for (int i = 0; i < n; ++i) SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(items[i]));
    setText(winTransitionFrames, "");
}

namespace {

// Timer 12522: the player reports the frame shown, and the end of the clip.
void runPlayerTimer(AppState& app) {
    ShellEvents& e = shellEvents;
    if (!e.timer12522) return;
    e.timer12522 = 0;
    if (playerTimer(app)) endOfClip(app);
}

void runPropertyPageTimer(AppState& app) {
    ShellEvents& e = shellEvents;
    if (!e.timer2225) return;
    e.timer2225 = 0;
    app.player.onPropertyFrameTimer();
}

}  // namespace

// An open panel leaves phase 2 only these: playback goes on behind it.
void runTimersAndPlayer(AppState& app) {
    runPlayerTimer(app);
    runPropertyPageTimer(app);
}

void handleControlEvents(AppState& app) {
    ShellEvents& e = shellEvents;
    const MSG& m = app.currentMessage;
    const int view = app.views.currentView;
    runPlayerTimer(app);
    // The trackbar.
    if (e.horizontalScroll) {
        e.horizontalScroll = 0;
        trackbarMoved(app);
    }
    // The row list's scroll bar.
    if (view == viewVideoEditor) rowListScrolled(app);
    e.pageUp = e.pageDown = e.thumbPosition = e.thumbTrack = e.lineUp = e.lineDown = 0;
    runPropertyPageTimer(app);
    if (e.buttonClicked && sentBy(winEncode)) {
        e.buttonClicked = 0;
        runEncodeClick(app);
    }
    if (view == viewScriptEditor && e.buttonClicked && !radioSyncPending) {
        e.buttonClicked = 0;
        scriptEditorButton(app, sender());
    }
    if (view == viewScriptPreview) scriptPreviewEvents(app);
    // A second quick press on the box arrives as a double click; it is a press all the same.
    const bool pressed = m.message == WM_LBUTTONDOWN || m.message == WM_LBUTTONDBLCLK;
    if (pressed && m.wParam == MK_LBUTTON && !e.buttonClicked) {
        if (m.hwnd == windowAt(winStartFrame)) frameBoxPressed(app, winStartFrame);
        else if (m.hwnd == windowAt(winEndFrame)) frameBoxPressed(app, winEndFrame);
    }
    if (e.selectionChange && sentBy(winTransitionCombo)) {
        e.selectionChange = 0;
        chooseTransitionFromCombo(app);
    }
    if (view == viewVideoEditor && e.buttonClicked && !radioSyncPending) {
        HWND button = sender();
        videoEditorButton(app, button);
        if (!radioSyncPending) e.buttonClicked = 0;
        if (!app.views.playing) SendMessageA(windowAt(winPlay), BM_SETCHECK, BST_UNCHECKED, 0);
    }
    if (e.tabChanged) {
        e.tabChanged = 0;
        tabChanged(app);
    }
    if (radioSyncPending && e.buttonClicked) {
        e.buttonClicked = 0;
        synchroniseRadios(app);
    }
    if (e.editChanged) {
        if (sentBy(winEditor)) editorChanged(app);
        else if (sentBy(winStartFrame) || sentBy(winEndFrame))
            typedIntoFrameBox(app.sceneList, sentBy(winEndFrame));
        e.editChanged = 0;
    }
    e.buttonClicked = 0;
    // Notifications no handler here asks for must not count on a later pass.
    e.selectionChange = e.doubleClick = e.notification3 = e.notification6 = 0;
    if (e.statusRefresh) {
        e.statusRefresh = 0;
        updateStatusBar(app);
    }
}

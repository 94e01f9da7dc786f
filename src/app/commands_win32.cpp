// The right-click phase and the command table.
#include "app/commands_win32.h"

#include <cstdio>

#include "app/command_groups_win32.h"
#include "app/command_helpers_win32.h"
#include "app/control_events_win32.h"
#include "app/menu_set_win32.h"
#include "app/panels_win32.h"
#include "app/shell_events.h"
#include "app/subsystem_hooks_win32.h"
#include "app/views_layout_win32.h"
#include "editor/number_sign_toggle.h"
#include "editor/script_editor.h"

HWND rightClickedWindow = nullptr;

namespace {

int indexOf(HWND window) {
    for (int i = 0; i < windowCount; ++i)
        if (window && windowAt(i) == window) return i;
    return -1;
}

// The tool buttons in the order of their numbers 1..6.
int toolButtonNumber(int index) {
    static const int buttons[6] = {winToolButton1, winToolButton2, winToolButton3,
                                   winToolButton4, winToolButton5, winToolButton6};
    for (int i = 0; i < 6; ++i)
        if (buttons[i] == index) return i + 1;
    return 0;
}

// The actions a right-click runs before the popup menu.
void rightClickAction(AppState& app, int index) {
    const int view = app.views.currentView;
    const int button = toolButtonNumber(index);
    if (button && (view == viewScriptEditor || (view == viewVideoEditor && index == winToolButton6)))
        openToolButtonPanel(app, button);
    else if (index == winEncode)
        openEncoderSetupPanel(app);
    else if (index == winRowList && view == viewVideoEditor)
        openScriptOptionsPanel(app);
}

// Only a mouse press or release (or a synthetic right-click on a control) opens a menu; a key
// whose code happens to be 2 or 8 never does.
bool isMenuMessage(const MSG& m) {
    if (m.message >= WM_KEYFIRST && m.message <= WM_KEYLAST) return false;
    return m.message != WM_MOUSEMOVE && m.hwnd != nullptr;
}

void rowCommand(AppState& app, unsigned id) {
    switch (id) {
    case 30001:
    case 30002: insertSceneRow(app, rightClickedWindow, id == 30002); break;
    case 30003: deleteSceneRow(app, rightClickedWindow); break;
    default: jumpToRowFrame(app, id == 30004); break;
    }
}

void editorCommand(unsigned id) {
    switch (id) {
    case 20012: scriptEditor.call(sciCut); break;
    case 20013: scriptEditor.call(sciCopy); break;
    case 20016: scriptEditor.call(sciPaste); break;
    case 20019: scriptEditor.call(sciUndo); break;
    case 20030: scriptEditor.call(sciRedo); break;
    case 20031: scriptEditor.call(sciClear); break;
    default: scriptEditor.call(sciSelectAll); break;
    }
}

}  // namespace

void requestCommand(AppState& app, unsigned id) {
    app.menus.pendingCommand = id;
    app.currentMessage.wParam = 2;
    app.currentMessage.hwnd = nullptr;
}

void requestCommandFromKey(AppState& app, unsigned id) {
    app.menus.pendingCommand = id;
    app.keyAskedForCommand = true;
}

void handleRightClickAndCommand(AppState& app) {
    const MSG& m = app.currentMessage;
    if (!app.keyAskedForCommand && isMenuMessage(m)) {
        rightClickedWindow = m.hwnd;
        rightClickAction(app, indexOf(m.hwnd));
        if (!app.panelOpen) {
            updateRowItems(app.menus, app.rowCount);
            popupMenu(app.menus, m.hwnd, m.pt.x, m.pt.y);
        }
    }
    const unsigned command = app.menus.pendingCommand;
    app.menus.pendingCommand = 0;
    if (command) dispatchCommand(app, command);
}

void dispatchCommand(AppState& app, unsigned id) {
    switch (id) {
    case 10001: case 11008: case 20006: case 22009:
        // The same close request as the close button, so a modified script is offered for saving.
        SendMessageA(windowAt(winMain), WM_CLOSE, 0, 0);
        break;
    case 10002: openOptionsPanel(app); break;
    case 10003: saveProjectAs(app); break;
    case 10016: saveProject(app, true); break;
    case 10012: openProject(app); break;
    case 10013: newProject(app); break;
    case 10014: case 10015: case 10021: openHelpLink(app, id); break;
    case 10005: openAboutPanel(app); break;
    case 10010: openScriptOptionsPanel(app); break;
    case 10090: openCompressorPanel(app); break;
    case 10004: case 20009: scriptOutputProperties(app); break;
    case 10006: case 20002: case 22014: openScript(app); break;
    case 10007: case 20007: case 22011: switchToScriptEditor(app); break;
    case 10008: case 20004: case 22012: switchToMediaViewer(app); break;
    case 10009: case 20008: case 22013: switchToVideoEditor(app); break;
    case 10017: case 20001: saveAudioAsWave(app); break;
    case 20027: {
        const MenuRect& r = app.menus.normalRect;
        app.views.normalRect = {r.left, r.top, r.right, r.bottom};
        app.views.windowWasMaximized = true;
        break;
    }
    case 20028: app.views.windowWasMaximized = false; break;
    case 11004: case 20011: previewScript(app, false); break;
    case 20021: previewScript(app, true); break;
    case 11005: case 20026: case 22020:
        app.views.sidePanel = app.menus.sidePanel;
        layOutAndRefresh(app);
        break;
    case 11006: case 20024: case 22018:
    case 11007: case 20025: case 22019: {
        const bool withEditor = id == 11007 || id == 20025 || id == 22019;
        app.views.previewMode = withEditor ? 2 : 1;
        app.views.effectivePreviewMode = app.views.previewMode;
        layOutAndRefresh(app);
        break;
    }
    case 20003: saveScriptAs(app); break;
    case 20029: saveScript(app); break;
    case 20010: selectFont(app); break;
    case 20012: case 20013: case 20016: case 20019: case 20030: case 20031: case 20032: editorCommand(id); break;
    case 20014:
        shellEvents.eventSender = reinterpret_cast<intptr_t>(windowAt(winEncode));
        shellEvents.buttonClicked = 1;
        updateStatusBar(app);
        break;
    case 20015: requestEncoderSetup(app); break;
    case 20018:
        scriptEditor.setText("");
        app.avisynth.listAll(windowAt(winEditor), windowAt(winFilterList));
        applyView(app);
        break;
    case 20020: pasteFileName(app); break;
    case 20023: app.avisynth.showVersionDetails(); break;
    case 5001: toggleNumberSign(); break;
    case 22023: playOrStop(app); break;
    case 24001: insertFileNameInPanel(app); break;
    case 30001: case 30002: case 30003: case 30004: case 30005: rowCommand(app, id); break;
    default: videoCommand(app, id); break;
    }
}

#include "app/message_loop_win32.h"
#include "app/session_recovery_win32.h"

#include <cstdio>
#include <objbase.h>
#include <ole2.h>

#include "app/control_events_win32.h"
#include "app/scene_list_refresh_win32.h"
#include "app/menu_set_win32.h"
#include "app/panels_win32.h"
#include "app/shell_events.h"
#include "app/keys_win32.h"
#include "app/shell_start_win32.h"
#include "app/subsystem_hooks_win32.h"
#include "app/views_layout_win32.h"

namespace {

// While the mouse button is down on the main window's own background the window follows
// the cursor. The capture makes sure the release arrives even outside the window, so the
// drag always ends.
bool dragWindow(AppState& app) {
    HWND main = windowAt(winMain);
    RECT start;
    GetWindowRect(main, &start);
    const POINT press = app.currentMessage.pt;
    SetCapture(main);
    MSG msg;
    BOOL got;
    while ((got = GetMessageA(&msg, nullptr, 0, 0)) != 0 && got != -1) {
        if (msg.message == WM_LBUTTONUP) break;
        if (msg.message == WM_MOUSEMOVE) {
            MoveWindow(main, start.left + msg.pt.x - press.x, start.top + msg.pt.y - press.y,
                       start.right - start.left, start.bottom - start.top, TRUE);
        }
    }
    ReleaseCapture();
    if (got == 0) {
        PostQuitMessage(static_cast<int>(msg.wParam));
        return false;
    }
    return true;
}

// Esc clicks the open panel's cancel button, Enter (either one) its OK button. The key is
// told by its scan code: key names differ between systems ("Escape" under Wine, translated
// names on other languages), so matching the name would leave these keys dead there.
void panelKeyFilter(AppState& app) {
    const MSG& m = app.currentMessage;
    if (m.message != WM_CHAR) return;
    const UINT scanCode = (static_cast<UINT>(m.lParam) >> 16) & 0xFF;
    const UINT key = MapVirtualKeyA(scanCode, MAPVK_VSC_TO_VK);
    HWND button = nullptr;
    if (key == VK_ESCAPE) button = app.panelHost.cancelButton;
    else if (key == VK_RETURN) button = app.panelHost.okButton;
    if (button) SendMessageA(button, BM_CLICK, 0, 0);
}

void phasePanel(AppState& app) {
    ShellEvents& e = shellEvents;
    if (!app.panelOpen) return;
    panelKeyFilter(app);
    const WPARAM w = app.currentMessage.wParam;
    // Page Up, Page Down and F1 belong to the main window's views; a panel ignores them.
    if (w == VK_PRIOR || w == VK_NEXT || w == VK_F1) app.panelStep = 911;
    if (app.panelHost.cancelButton && e.eventSender == reinterpret_cast<intptr_t>(app.panelHost.cancelButton)) {
        closePanel(app);
    } else {
        runPanelHandler(app);
    }
    if (app.panelKind == panelNone) SetFocus(windowAt(winMain));
    e.buttonClicked = 0;
}

void phaseEventFlags(AppState& app) {
    // The dropped file and the filter list come first, then the controls in their order.
    runShellEventHooks(app);
    handleControlEvents(app);
}

bool wantsCommandPhase(const AppState& app) {
    const MSG& m = app.currentMessage;
    if (m.wParam == 2) return true;
    if (app.keyAskedForCommand) return true;
    return m.message == WM_LBUTTONUP && (m.wParam == 8 || m.wParam == 32);
}

void phaseRelayout(AppState& app) {
    ShellEvents& e = shellEvents;
    if (app.relayoutRequested && !app.panelOpen) {
        app.relayoutRequested = false;
        updateRowItems(app.menus, app.rowCount);
        if (app.views.currentView == viewVideoEditor) refreshSceneListDisplay(app);
        HWND focus = app.focusToRestore;
        if (focus && (focus == windowAt(winEditor) || focus == windowAt(winFilterGraphList))) SetFocus(focus);
        app.player.layoutVideo();
    }
    if (e.mainResized && !app.panelOpen) {
        if (clientSizeChanged(app)) {
            applyView(app);
            app.player.layoutVideo();
            app.relayoutRequested = true;
        }
    }
    if (e.paint && !app.panelOpen) {
        app.player.layoutVideo();
        app.relayoutRequested = true;
    }
    e.mainResized = 0;
    e.paint = 0;
}

void phaseTranslate(AppState& app) {
    MSG& m = app.currentMessage;
    if (app.accelerators && TranslateAcceleratorA(windowAt(winMain), app.accelerators, &m)) return;
    TranslateMessage(&m);
    moveFilterListOnArrow(app);
    DispatchMessageA(&m);
}

}  // namespace

void shutdownOnClose(AppState& app) {
    if (app.scriptModified) {
        int answer = offerToSaveScript(app);
        if (answer != answerYes && answer != answerNo) return;  // the program keeps running
    }
    if (app.document.previewScriptPath()[0]) remove(app.document.previewScriptPath());
    closePlayer(app);
    HWND main = windowAt(winMain);
    RECT r = {};
    GetWindowRect(main, &r);
    app.views.currentRect = {r.left, r.top, r.right, r.bottom};
    saveUserSettings(app.views, nullptr);
    endSession(app);
    if (app.accelerators) DestroyAcceleratorTable(app.accelerators);
    app.accelerators = nullptr;
    OleUninitialize();
    CoUninitialize();
    DestroyWindow(main);
}

int runMessageLoop(AppState& app) {
    ShellEvents& e = shellEvents;
    MSG& m = app.currentMessage;
    BOOL got;
    while ((got = GetMessageA(&m, nullptr, 0, 0)) != 0 && got != -1) {
        // An open panel sits over the main window, so the window stays where it is.
        if (m.message == WM_LBUTTONDOWN && m.hwnd == windowAt(winMain) && !app.panelOpen) {
            // The messages of a drag are neither translated nor dispatched; a quit message
            // that arrived during it is posted again for GetMessage.
            dragWindow(app);
            continue;
        }
        app.keyAskedForCommand = false;
        // 1. the open panel
        phasePanel(app);
        // 2. event flags; with a panel open only the timers and the player go on
        if (app.panelOpen) runTimersAndPlayer(app);
        else phaseEventFlags(app);
        // 3. keys read from the message itself; a panel takes its keys through its key filter
        if (!app.panelOpen) handleKeys(app);
        // 4. right-click and pending command
        if (wantsCommandPhase(app) && !app.panelOpen) handleRightClickAndCommand(app);
        app.menus.pendingCommand = 0;
        noteSessionSource(app);
        // 5. relayout and repaint
        phaseRelayout(app);
        // 6. translation and dispatch
        phaseTranslate(app);
        // 7. the function tip
        if (e.timer25555) {
            showFilterTip(app);
            e.timer25555 = 0;
        }
        // 8. close
        if (e.closeRequested) {
            e.closeRequested = 0;
            shutdownOnClose(app);
        }
    }
    return got == -1 ? 0 : static_cast<int>(m.wParam);
}

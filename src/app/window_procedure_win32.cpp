#include <windows.h>
#include <commctrl.h>

#include "base/bounded_text.h"
#include "app/shell_events.h"
#include "app/subsystem_hooks_win32.h"
#include "app/window_builder_win32.h"
#include "editor/editor_window_win32.h"

namespace {

constexpr int tabSelectionChanged = -551;  // TCN_SELCHANGE
constexpr int editorStyleNeededCode = 2000;   // SCN_STYLENEEDED
constexpr int editorCharacterAddedCode = 2001;  // SCN_CHARADDED

void recordCommand(WPARAM wParam, LPARAM lParam, bool& handled) {
    ShellEvents& e = shellEvents;
    const unsigned id = LOWORD(wParam);
    const unsigned notification = HIWORD(wParam);
    const intptr_t sender = static_cast<intptr_t>(lParam);
    if (lParam != 0 && reinterpret_cast<HWND>(lParam) == windowTable.handle[winToolbar]) {
        e.toolbarCommand = 1;
        e.toolbarCommandId = id;
        handled = true;
        return;
    }
    if (notification == 1) {
        switch (id) {
        case 1550: e.accelerator1550 = 1; break;
        case 1580: e.accelerator1580 = 1; break;
        case 1582: e.accelerator1582 = 1; handled = true; return;
        case 1584: e.accelerator1584 = 1; handled = true; return;
        case 1586: e.accelerator1586 = 1; handled = true; return;
        default: break;
        }
    }
    switch (notification) {
    case 0:
        e.buttonClicked = 1;
        e.eventSender = sender;
        // The loop reads the flags before it dispatches: without another message the
        // click would wait until the mouse next moves.
        PostMessageA(nullptr, WM_NULL, 0, 0);
        break;
    case 1:
        if (id != 1550) {
            e.selectionChange = 1;
            e.eventSender = sender;
        }
        break;
    case 2: e.doubleClick = 1; e.eventSender = sender; break;
    case 3: e.notification3 = 1; e.eventSender = sender; break;
    case 6: e.notification6 = 1; e.eventSender = sender; break;
    case 8: e.closeUp = 1; e.eventSender = sender; break;
    case 9: e.selectEndOk = 1; e.eventSender = sender; break;
    case 768: e.editChanged = 1; e.eventSender = sender; break;
    default: break;
    }
}

void recordTimer(WPARAM id) {
    ShellEvents& e = shellEvents;
    switch (id) {
    case timer86522Id: e.timer86522 = 1; break;
    case timerPlayer: e.timer12522 = 1; break;
    case timerSaveWaveContinue: e.timer222 = 1; break;
    case timerPropertyPage: e.timer2225 = 1; break;
    case timer25552Id: e.timer25552 = 1; break;
    case timerFunctionTip: e.timer25555 = 1; break;
    case timerScenePreview: e.eventSender = timerScenePreview; break;
    default: break;
    }
}

void recordVerticalScroll(WPARAM wParam, LPARAM lParam) {
    ShellEvents& e = shellEvents;
    switch (LOWORD(wParam)) {
    case 0: e.lineUp = 1; break;
    case 1: e.lineDown = 1; break;
    case 2: e.pageUp = 1; break;
    case 3: e.pageDown = 1; break;
    case 4: e.thumbPosition = 1; e.eventSender = static_cast<intptr_t>(lParam); break;
    case 5: e.thumbTrack = 1; e.eventSender = static_cast<intptr_t>(HIWORD(wParam)); break;
    default: break;
    }
}

void recordNotify(LPARAM lParam, bool& handled) {
    ShellEvents& e = shellEvents;
    const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
    if (!header) return;
    e.notifySender = header->hwndFrom;
    e.notifyId = header->idFrom;
    e.notifyCode = static_cast<int>(header->code);
    if (e.notifyCode == tabSelectionChanged) {
        e.tabChanged = 1;
        handled = true;
    } else if (header->hwndFrom != windowTable.handle[winEditor]) {
        // Another control's code may have the editor's number; its header is no editor record.
    } else if (e.notifyCode == editorCharacterAddedCode) {
        const EditorNotification n = readEditorNotification(lParam);
        e.characterMatch = editorCharacterAdded(n.ch);
        if (!e.characterMatch) e.statusRefresh = 1;
    } else if (e.notifyCode == editorStyleNeededCode && syntaxHighlightingOn) {
        const EditorNotification n = readEditorNotification(lParam);
        e.styleNeeded = 1;
        e.styleNeededPosition = n.position;
        editorStyleNeeded(n.position);
    }
}

}  // namespace

LRESULT CALLBACK mainWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    ShellEvents& e = shellEvents;
    if (!e.active) return DefWindowProcA(window, message, wParam, lParam);
    bool handled = false;
    switch (message) {
    case WM_SIZE:
        if (window == windowTable.handle[winMain]) e.mainResized = 1;
        break;
    case WM_CLOSE:
        e.closeRequested = 1;
        ShowWindow(window, SW_RESTORE);
        return 0;
    case WM_PAINT: e.paint = 1; break;
    case WM_COMMAND: recordCommand(wParam, lParam, handled); break;
    case WM_HSCROLL: {
        HWND control = reinterpret_cast<HWND>(lParam);
        if (control == windowTable.handle[winTrackbar] && !e.horizontalScroll) {
            e.horizontalScroll = 1;
        } else {
            e.horizontalScroll = 1;
            e.eventSender = static_cast<intptr_t>(lParam);
        }
        return 0;
    }
    case WM_VSCROLL: recordVerticalScroll(wParam, lParam); return 0;
    case WM_TIMER: recordTimer(wParam); return 0;
    case WM_DROPFILES:
        e.fileDropped = 1;
        e.eventSender = static_cast<intptr_t>(wParam);
        SetFocus(static_cast<HWND>(windowTable.handle[winMain]));
        return 0;
    case WM_NOTIFY: recordNotify(lParam, handled); break;
    case WM_DESTROY:
        if (!e.panelBeingDestroyed) PostQuitMessage(0);
        break;
    case WM_GETOBJECT:
        MessageBoxA(window, "Get Object", "drag and drop", MB_OK);
        break;
    default: break;
    }
    if (handled) return 0;
    return DefWindowProcA(window, message, wParam, lParam);
}

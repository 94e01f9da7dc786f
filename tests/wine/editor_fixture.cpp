#include "wine/editor_fixture.h"

#include <commctrl.h>

#include "app/window_table.h"
#include "editor/editor_assist.h"
#include "editor/editor_events_win32.h"
#include "editor/editor_window_win32.h"
#include "editor/function_tip.h"
#include "editor/script_editor.h"
#include "support/test_env.h"

int EditorWindow::charMatches = 0;
int EditorWindow::tipTimers = 0;

namespace {

LRESULT CALLBACK testWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NOTIFY) {
        EditorNotification n = readEditorNotification(lParam);
        if (n.code == scnStyleNeeded) onStyleNeeded(n.position);
        if (n.code == scnCharAdded && onCharAdded(n.ch)) ++EditorWindow::charMatches;
    }
    if (message == WM_TIMER && wParam == tipTimerId) {
        ++EditorWindow::tipTimers;
        onTipTimer();
        return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

HMODULE editorLibrary() {
    static HMODULE module = loadEditorLibrary((programBuildFolder() + "SciLexer.dll").c_str());
    return module;
}

}  // namespace

EditorWindow& EditorWindow::shared() {
    static EditorWindow* window = [] {
        auto* w = new EditorWindow;
        w->create();
        return w;
    }();
    window->reset();
    return *window;
}

void EditorWindow::create() {
    if (!editorLibrary()) return;
    static bool registered = false;
    if (!registered) {
        INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
        InitCommonControlsEx(&icc);
        WNDCLASSA wc = {};
        wc.lpfnWndProc = testWindowProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "EditorTestWindow";
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        RegisterClassA(&wc);
        registered = true;
    }
    HINSTANCE instance = GetModuleHandleA(nullptr);
    main = CreateWindowExA(0, "EditorTestWindow", "editor test", WS_POPUP | WS_VISIBLE, 0, 0, 640, 400, nullptr,
                           nullptr, instance, nullptr);
    editor = CreateWindowExA(WS_EX_CLIENTEDGE, "Scintilla", "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 30, 640,
                             340, main, nullptr, instance, nullptr);
    filterList = CreateWindowExA(0, "ComboBox", "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_SORT,
                                 0, 0, 200, 200, main, nullptr, instance, nullptr);
    statusBar = CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, main, nullptr, instance,
                                nullptr);
    int parts[] = {85, 140, 400, 639};
    SendMessageA(statusBar, SB_SETPARTS, 4, reinterpret_cast<LPARAM>(parts));
    if (!bindEditorWindow(editor)) editor = nullptr;
}

void EditorWindow::reset() {
    windowTable = {};
    windowTable.handle[winMain] = main;
    windowTable.handle[winEditor] = editor;
    windowTable.handle[winFilterList] = filterList;
    windowTable.handle[winStatusBar] = statusBar;
    if (!editor) return;
    KillTimer(main, tipTimerId);
    cancelTip();
    editorAssist = EditorAssist{};
    SendMessageA(filterList, CB_RESETCONTENT, 0, 0);
    for (int part = 0; part < 4; ++part) SendMessageA(statusBar, SB_SETTEXTA, part, reinterpret_cast<LPARAM>(""));
    scriptEditor.setText("");
    scriptEditor.call(sciEmptyUndoBuffer);
    scriptEditor.setSavePoint();
    charMatches = 0;
    tipTimers = 0;
    pump();
}

void EditorWindow::setFunctionNames(std::initializer_list<std::pair<const char*, bool>> names) {
    for (const auto& [name, plugin] : names) {
        LRESULT index = SendMessageA(filterList, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
        SendMessageA(filterList, CB_SETITEMDATA, static_cast<WPARAM>(index), plugin ? 1 : 0);
    }
    loadFunctionNames(filterList);
}

void EditorWindow::pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

bool EditorWindow::waitFor(const std::function<bool()>& done, int milliseconds) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        pump();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
    return true;
}

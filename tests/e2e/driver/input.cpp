#include "e2e/driver/input.h"

#include <vector>

#include "support/temp_folder.h"

namespace driver {

namespace {

void sendMouse(POINT p, DWORD flags) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    input.mi.dx = static_cast<LONG>((p.x * 65535LL + width / 2) / (width - 1));
    input.mi.dy = static_cast<LONG>((p.y * 65535LL + height / 2) / (height - 1));
    input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof input);
}

void sendKey(WORD vk, bool up) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof input);
}

void click(POINT p, DWORD down, DWORD up) {
    sendMouse(p, 0);
    sendMouse(p, down);
    sendMouse(p, up);
}

struct DescendantSearch {
    const char* windowClass;
    const char* text;
    HWND found;
};

BOOL CALLBACK matchDescendant(HWND window, LPARAM param) {
    auto* s = reinterpret_cast<DescendantSearch*>(param);
    if (lstrcmpiA(windowClass(window).c_str(), s->windowClass) == 0 && (!s->text || windowText(window) == s->text)) {
        s->found = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

void clickAt(POINT screen) { click(screen, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP); }
void rightClickAt(POINT screen) { click(screen, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP); }

void clickWindowAt(HWND window, int x, int y) {
    RECT r;
    GetWindowRect(window, &r);
    clickAt({r.left + x, r.top + y});
}

void clickWindow(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    clickAt({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
}

void rightClickWindow(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    rightClickAt({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
}

void pressKey(WORD virtualKey, bool ctrl, bool shift) {
    if (ctrl) sendKey(VK_CONTROL, false);
    if (shift) sendKey(VK_SHIFT, false);
    sendKey(virtualKey, false);
    sendKey(virtualKey, true);
    if (shift) sendKey(VK_SHIFT, true);
    if (ctrl) sendKey(VK_CONTROL, true);
}

void typeText(const std::string& text) {
    for (char c : text) {
        SHORT key = VkKeyScanA(c);
        if (key == -1) continue;
        pressKey(LOBYTE(key), (HIBYTE(key) & 2) != 0, (HIBYTE(key) & 1) != 0);
    }
}

bool chooseMenuItem(DWORD processId, int item, DWORD timeout) {
    HWND popup = nullptr;
    if (!waitFor(timeout, [&] {
            for (HWND w : topLevelWindows(processId))
                if (windowClass(w) == "#32768") popup = w;
            return popup != nullptr;
        }))
        return false;
    // A popup's items belong to the program's process: they are reached by keys, as a person
    // who knows the menu would. Down skips separators only.
    for (int i = 0; i < item; ++i) pressKey(VK_DOWN);
    pressKey(VK_RETURN);
    return waitFor(timeout, [&] { return !IsWindowVisible(popup); });
}

HWND waitForWindowTitled(DWORD processId, const std::string& title, DWORD timeout) {
    HWND found = nullptr;
    waitFor(timeout, [&] {
        for (HWND w : topLevelWindows(processId))
            if (windowText(w) == title) found = w;
        return found != nullptr;
    });
    return found;
}

HWND findDescendant(HWND parent, const char* windowClass, const char* text) {
    DescendantSearch s{windowClass, text, nullptr};
    EnumChildWindows(parent, matchDescendant, reinterpret_cast<LPARAM>(&s));
    return s.found;
}

std::string controlText(HWND control) {
    char text[1024] = {};
    DWORD_PTR copied = 0;
    SendMessageTimeoutA(control, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000,
                        &copied);
    return text;
}

bool waitForFocus(HWND window, DWORD timeout) {
    return waitFor(timeout, [&] {
        GUITHREADINFO info = {};
        info.cbSize = sizeof info;
        if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return false;
        return info.hwndFocus == window || IsChild(window, info.hwndFocus);
    });
}

bool ScriptSession::start(const std::string& name, const std::string& script) {
    folder.write("encoder.ini", crlfLines({"#### encoder.ini ####", "end encoder.ini"}));
    folder.write("zandolin.ini", crlfLines({"#### zandolin.ini ####", "end zandolin.ini"}));
    folder.write(name, script);
    if (!program.start(folder, "\"" + folder.file(name) + "\"")) return false;
    main = program.waitForMainWindow();
    editor = main ? FindWindowExA(main, nullptr, "Scintilla", nullptr) : nullptr;
    return editor && waitFor(10000, [&] { return editorText(editor) == script; });
}

bool ScriptSession::close() {
    PostMessageA(main, WM_CLOSE, 0, 0);
    MessageBoxSeen box;
    bool asked = false;  // a changed script is offered for saving first
    waitFor(defaultTimeout, [&] { return !program.running() || (asked = waitForMessageBox(program, box, 0)); });
    if (asked) answer(box, IDNO);
    return program.waitForExit() == 0;
}

}  // namespace driver

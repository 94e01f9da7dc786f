#include "e2e/driver/input.h"

#include "e2e/driver/driver.h"

namespace driver {

namespace {

void mouseEvent(POINT p, DWORD flags) {
    INPUT input = {INPUT_MOUSE};
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    input.mi.dx = static_cast<LONG>((p.x * 65535LL + width / 2) / (width - 1));
    input.mi.dy = static_cast<LONG>((p.y * 65535LL + height / 2) / (height - 1));
    input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof input);
}

void keyEvent(WORD vk, WORD scan, DWORD flags) {
    INPUT input = {INPUT_KEYBOARD};
    input.ki = {vk, scan, flags};
    SendInput(1, &input, sizeof input);
}

template <class Found>
auto pollFor(DWORD timeout, Found found) {
    const ULONGLONG end = GetTickCount64() + timeout;
    while (!found() && GetTickCount64() < end) Sleep(20);
    return found();
}

}  // namespace

void click(HWND window, bool right) {
    RECT r = {};
    GetWindowRect(window, &r);
    const POINT p = {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    mouseEvent(p, right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN);
    mouseEvent(p, right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP);
    // The program looks at what a click did when its next message arrives.
    mouseEvent({p.x + 1, p.y + 1}, 0);
}

void typeText(const std::string& text) {
    for (unsigned char c : text) {
        keyEvent(0, c, KEYEVENTF_UNICODE);
        keyEvent(0, c, KEYEVENTF_UNICODE | KEYEVENTF_KEYUP);
    }
}

void pressKey(WORD virtualKey, bool shift) {
    if (shift) keyEvent(VK_SHIFT, 0, 0);
    keyEvent(virtualKey, 0, 0);
    keyEvent(virtualKey, 0, KEYEVENTF_KEYUP);
    if (shift) keyEvent(VK_SHIFT, 0, KEYEVENTF_KEYUP);
}

bool waitForFocusIn(HWND window, DWORD timeout) {
    const DWORD thread = GetWindowThreadProcessId(window, nullptr);
    return pollFor(timeout, [&] {
        GUITHREADINFO info = {sizeof info};
        return GetGUIThreadInfo(thread, &info) && (info.hwndFocus == window || IsChild(window, info.hwndFocus));
    });
}

std::string controlText(HWND control) {
    wchar_t wide[2048] = {};
    SendMessageW(control, WM_GETTEXT, 2048, reinterpret_cast<LPARAM>(wide));
    std::string text;
    for (const wchar_t* c = wide; *c; ++c) text += static_cast<char>(*c < 128 ? *c : '?');
    return text;
}

std::vector<HWND> childrenOf(HWND parent, const char* className, const char* text) {
    std::vector<HWND> found;
    for (HWND w = GetWindow(parent, GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT))
        if (_stricmp(windowClass(w).c_str(), className) == 0 && (!text || controlText(w) == text)) found.push_back(w);
    return found;
}

HWND waitForChild(HWND parent, const char* className, const char* text, DWORD timeout) {
    return pollFor(timeout, [&]() -> HWND {
        const std::vector<HWND> all = childrenOf(parent, className, text);
        return all.empty() ? nullptr : all[0];
    });
}

HWND waitForTopLevel(DWORD processId, const char* className, const std::string& titleStart, DWORD timeout) {
    return pollFor(timeout, [&]() -> HWND {
        for (HWND w : topLevelWindows(processId))
            if (windowClass(w) == className && windowText(w).rfind(titleStart, 0) == 0) return w;
        return nullptr;
    });
}

bool waitUntilGone(HWND window, DWORD timeout) {
    return pollFor(timeout, [&] { return !IsWindow(window) || !IsWindowVisible(window); });
}

}  // namespace driver

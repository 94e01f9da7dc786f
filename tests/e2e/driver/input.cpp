#include "e2e/driver/input.h"

#include <cstdio>

#include "e2e/driver/driver.h"

namespace driver {

namespace {

void mouseEvent(POINT p, DWORD flags) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    input.mi.dx = static_cast<LONG>((p.x * 65535LL + width / 2) / (width - 1));
    input.mi.dy = static_cast<LONG>((p.y * 65535LL + height / 2) / (height - 1));
    input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof input);
}

void keyEvent(WORD vk, WORD scan, DWORD flags) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.wScan = scan;
    input.ki.dwFlags = flags;
    SendInput(1, &input, sizeof input);
}

template <class Done>
bool poll(DWORD timeout, Done done) {
    const ULONGLONG end = GetTickCount64() + timeout;
    do {
        if (done()) return true;
        Sleep(20);
    } while (GetTickCount64() < end);
    return done();
}

}  // namespace

void click(HWND window, bool right) {
    RECT r = {};
    GetWindowRect(window, &r);
    const POINT p = {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    mouseEvent(p, 0);
    mouseEvent(p, right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN);
    mouseEvent(p, right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP);
    // The hand moves on after a click; the program looks at what a click did when its next
    // message arrives.
    mouseEvent({p.x + 1, p.y + 1}, 0);
}

void typeText(const std::string& text) {
    for (unsigned char c : text) {
        keyEvent(0, c, KEYEVENTF_UNICODE);
        keyEvent(0, c, KEYEVENTF_UNICODE | KEYEVENTF_KEYUP);
    }
}

void pressKey(WORD virtualKey, bool ctrl, bool shift) {
    if (ctrl) keyEvent(VK_CONTROL, 0, 0);
    if (shift) keyEvent(VK_SHIFT, 0, 0);
    keyEvent(virtualKey, 0, 0);
    keyEvent(virtualKey, 0, KEYEVENTF_KEYUP);
    if (shift) keyEvent(VK_SHIFT, 0, KEYEVENTF_KEYUP);
    if (ctrl) keyEvent(VK_CONTROL, 0, KEYEVENTF_KEYUP);
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
        if (_stricmp(windowClass(w).c_str(), className) == 0 && (!text || controlText(w) == text))
            found.push_back(w);
    return found;
}

HWND waitForChild(HWND parent, const char* className, const char* text, DWORD timeout) {
    HWND found = nullptr;
    poll(timeout, [&] {
        const std::vector<HWND> all = childrenOf(parent, className, text);
        found = all.empty() ? nullptr : all[0];
        return found != nullptr;
    });
    return found;
}

HWND waitForTopLevel(DWORD processId, const char* className, const std::string& titleStart, DWORD timeout) {
    HWND found = nullptr;
    poll(timeout, [&] {
        for (HWND w : topLevelWindows(processId))
            if (windowClass(w) == className && windowText(w).rfind(titleStart, 0) == 0) found = w;
        return found != nullptr;
    });
    return found;
}

bool waitForFocusIn(HWND window, DWORD timeout) {
    const DWORD thread = GetWindowThreadProcessId(window, nullptr);
    return poll(timeout, [&] {
        GUITHREADINFO info = {sizeof info};
        return GetGUIThreadInfo(thread, &info) && (info.hwndFocus == window || IsChild(window, info.hwndFocus));
    });
}

bool waitUntilGone(HWND window, DWORD timeout) {
    return poll(timeout, [&] { return !IsWindow(window) || !IsWindowVisible(window); });
}

bool saveScreen(const std::string& path) {
    const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, w, h);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, w, h, screen, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    BITMAPINFOHEADER info = {sizeof info, w, h, 1, 24, BI_RGB};
    const DWORD stride = (w * 3 + 3) & ~3u;
    std::vector<char> pixels(stride * h);
    GetDIBits(memory, bitmap, 0, h, pixels.data(), reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
    BITMAPFILEHEADER file = {0x4D42, DWORD(sizeof file + sizeof info + pixels.size()), 0, 0,
                             DWORD(sizeof file + sizeof info)};
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    FILE* out = fopen(path.c_str(), "wb");
    if (!out) return false;
    fwrite(&file, sizeof file, 1, out);
    fwrite(&info, sizeof info, 1, out);
    fwrite(pixels.data(), 1, pixels.size(), out);
    return fclose(out) == 0;
}

}  // namespace driver

#include "e2e/driver/user_input.h"

#include <cstdio>
#include <iterator>
#include <vector>

namespace driver {

namespace {

void mouse(POINT p, DWORD flags) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    input.mi.dx = static_cast<LONG>((p.x * 65535LL + width / 2) / (width - 1));
    input.mi.dy = static_cast<LONG>((p.y * 65535LL + height / 2) / (height - 1));
    input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof input);
}

void key(WORD vk, DWORD flags) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = flags;
    SendInput(1, &input, sizeof input);
}

}  // namespace

void click(HWND window, int x, int y, bool right) {
    RECT r;
    GetClientRect(window, &r);
    POINT p = {x < 0 ? r.right / 2 : x, y < 0 ? r.bottom / 2 : y};
    ClientToScreen(window, &p);
    mouse(p, 0);
    mouse(p, right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN);
    mouse(p, right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP);
}

void pressKey(WORD vk, bool alt) {
    if (alt) key(VK_MENU, 0);
    key(vk, 0);
    key(vk, KEYEVENTF_KEYUP);
    if (alt) key(VK_MENU, KEYEVENTF_KEYUP);
}

void typeKeys(const std::string& text) {
    for (char c : text) {
        const SHORT scan = VkKeyScanA(c);
        const bool shift = (scan >> 8) & 1;
        if (shift) key(VK_SHIFT, 0);
        pressKey(static_cast<WORD>(scan & 0xFF));
        if (shift) key(VK_SHIFT, KEYEVENTF_KEYUP);
    }
}

bool waitForFocus(HWND window, DWORD timeout) {
    const ULONGLONG deadline = GetTickCount64() + timeout;
    const DWORD thread = GetWindowThreadProcessId(window, nullptr);
    for (;;) {
        GUITHREADINFO info = {};
        info.cbSize = sizeof info;
        if (GetGUIThreadInfo(thread, &info) && info.hwndFocus == window) return true;
        if (GetTickCount64() >= deadline) return false;
        Sleep(20);
    }
}

void replaceTyped(HWND edit, const std::string& text) {
    click(edit);
    waitForFocus(edit);
    pressKey(VK_END);
    const int length = static_cast<int>(controlText(edit).size());
    for (int i = 0; i < length; ++i) pressKey(VK_BACK);
    typeKeys(text);
}

std::string controlText(HWND window) {
    wchar_t wide[512] = {};
    SendMessageW(window, WM_GETTEXT, std::size(wide), reinterpret_cast<LPARAM>(wide));
    char text[1024] = {};
    WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, nullptr, nullptr);
    return text;
}

void nudgeMouse(HWND window) {
    static int step = 0;
    RECT r;
    GetWindowRect(window, &r);
    mouse({r.left + 3 + (step++ & 1), r.top + 3}, 0);
}

namespace {

// The screen's pixels as a 24-bit bottom-up image.
std::vector<unsigned char> screenPixels(int& width, int& height) {
    width = GetSystemMetrics(SM_CXSCREEN);
    height = GetSystemMetrics(SM_CYSCREEN);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
    GdiFlush();
    const size_t bytes = static_cast<size_t>((width * 3 + 3) & ~3) * static_cast<size_t>(height);
    std::vector<unsigned char> pixels(static_cast<const unsigned char*>(bits),
                                      static_cast<const unsigned char*>(bits) + bytes);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return pixels;
}

}  // namespace

bool saveScreen(const std::string& path, HWND window) {
    int width = 0, height = 0;
    // Painting runs as the program gets messages: wait until two looks in a row agree.
    std::vector<unsigned char> pixels = screenPixels(width, height);
    const ULONGLONG deadline = GetTickCount64() + 5000;
    while (GetTickCount64() < deadline) {
        if (window) nudgeMouse(window);
        Sleep(100);  // the interval between two looks at the screen
        std::vector<unsigned char> again = screenPixels(width, height);
        if (again == pixels) break;
        pixels.swap(again);
    }
    BITMAPINFOHEADER header = {sizeof(BITMAPINFOHEADER), width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    const DWORD imageBytes = static_cast<DWORD>(pixels.size());
    BITMAPFILEHEADER file = {0x4D42, static_cast<DWORD>(sizeof file + sizeof header + imageBytes), 0, 0,
                             static_cast<DWORD>(sizeof file + sizeof header)};
    bool ok = false;
    if (FILE* out = fopen(path.c_str(), "wb")) {
        ok = fwrite(&file, sizeof file, 1, out) == 1 && fwrite(&header, sizeof header, 1, out) == 1 &&
             fwrite(pixels.data(), imageBytes, 1, out) == 1;
        fclose(out);
    }
    return ok;
}

}  // namespace driver

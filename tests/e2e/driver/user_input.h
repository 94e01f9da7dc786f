#pragma once
// Mouse clicks and key presses sent as hardware input, and a screen capture to a file.
#include <windows.h>

#include <string>

namespace driver {

// Clicks at a point of the window's client area (its centre by default).
void click(HWND window, int x = -1, int y = -1, bool right = false);
// Presses and releases a key; with alt it is a system key.
void pressKey(WORD key, bool alt = false);
// Types digits and letters as key presses.
void typeKeys(const std::string& text);
// Polls until the window has the keyboard focus of its thread.
bool waitForFocus(HWND window, DWORD timeout = 5000);
// Selects the whole text of the focused edit box by keys and types text over it.
void replaceTyped(HWND edit, const std::string& text);
// The text a control holds now (edit boxes keep theirs out of reach of GetWindowText).
std::string controlText(HWND window);
// Moves the mouse over the window, which gives the program messages to run its loop on.
void nudgeMouse(HWND window);
// Polls until the condition holds, nudging the mouse between looks.
template <typename Condition>
bool waitFor(HWND window, Condition condition, DWORD timeout = 10000) {
    const ULONGLONG deadline = GetTickCount64() + timeout;
    while (GetTickCount64() < deadline) {
        if (condition()) return true;
        nudgeMouse(window);
        Sleep(40);
    }
    return condition();
}
// Saves the screen as a 24-bit bitmap file once it has stopped changing, nudging the mouse
// over window meanwhile so the program paints.
bool saveScreen(const std::string& path, HWND window = nullptr);

}  // namespace driver

#pragma once
// Mouse and keyboard input as a person gives it, and reading controls of the program's windows.
#include <windows.h>

#include <string>
#include <vector>

namespace driver {

// A left (or right) click in the middle of a window.
void click(HWND window, bool right = false);
// Types text into whatever has the keyboard focus.
void typeText(const std::string& text);
// Presses one key, with Ctrl and/or Shift held when asked.
void pressKey(WORD virtualKey, bool ctrl = false, bool shift = false);
// Text of a control of another process (the wide form crosses processes whole).
std::string controlText(HWND control);
// Direct children of parent with this class (case-insensitive) and, unless null, this text.
std::vector<HWND> childrenOf(HWND parent, const char* className, const char* text = nullptr);
// Polls for a child as childrenOf finds it; null when none came in time.
HWND waitForChild(HWND parent, const char* className, const char* text, DWORD timeout = 30000);
// Polls for a visible top-level window of the process whose class is className and whose
// title begins with titleStart.
HWND waitForTopLevel(DWORD processId, const char* className, const std::string& titleStart,
                     DWORD timeout = 30000);
// Polls until the keyboard focus of the window's thread is the window or one of its
// children. Keys go where the focus is when they are sent, so typing waits for it.
bool waitForFocusIn(HWND window, DWORD timeout = 30000);
// Polls until the window is gone or hidden.
bool waitUntilGone(HWND window, DWORD timeout = 30000);
// Saves the whole screen as a 24-bit BMP file.
bool saveScreen(const std::string& path);

}  // namespace driver

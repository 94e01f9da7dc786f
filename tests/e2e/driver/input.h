#pragma once
// Mouse and keyboard input as a person gives it, and finding and reading the controls of the
// program's windows.
#include <windows.h>

#include <string>
#include <vector>

namespace driver {

// A left (or right) click in the middle of a window; the hand then moves on a pixel.
void click(HWND window, bool right = false);
// Keys go where the focus is when they are sent: wait for it with waitForFocusIn first.
void typeText(const std::string& text);
void pressKey(WORD virtualKey, bool shift = false);
// Polls until the focus of the window's thread is the window or one of its children.
bool waitForFocusIn(HWND window, DWORD timeout = 30000);
// Text of a control of another process (the wide form crosses processes whole).
std::string controlText(HWND control);
// Direct children of parent of this class (any case) and, unless null, this text.
std::vector<HWND> childrenOf(HWND parent, const char* className, const char* text = nullptr);
// Polls for the first such child; null when none came in time.
HWND waitForChild(HWND parent, const char* className, const char* text, DWORD timeout = 30000);
// Polls for a visible top-level window of the process of this class whose title starts so.
HWND waitForTopLevel(DWORD processId, const char* className, const std::string& titleStart, DWORD timeout = 30000);
bool waitUntilGone(HWND window, DWORD timeout = 30000);

}  // namespace driver

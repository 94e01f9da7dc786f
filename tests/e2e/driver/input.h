#pragma once
// Mouse and keyboard input as a person gives it, through the system's input queue, and the
// menus and dialogs that input opens.
#include <windows.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "e2e/driver/driver.h"

namespace driver {

// One mouse event at an absolute screen point, as the hardware would report it.
void sendMouse(POINT screen, DWORD flags);
void clickAt(POINT screen, bool rightButton = false);
// Clicks a point given in the window's client coordinates.
void clickInWindow(HWND window, POINT client, bool rightButton = false);
void rightClickAt(POINT screen);
// Clicks the middle of a window (or a point given relative to its top left corner).
void clickWindow(HWND window);
void clickWindowAt(HWND window, int x, int y);
void rightClickWindow(HWND window);
// A left (or right) click in the middle of a window; the pointer then moves on by a pixel.
void click(HWND window, bool right = false);
// One key press and release, with Ctrl and Shift held when asked.
void pressKey(WORD virtualKey, bool ctrl = false, bool shift = false);
// Presses the keys in order and releases them in reverse (a chord such as Ctrl+Shift+O).
void pressKeys(std::initializer_list<WORD> keys);
// Types the characters of text into whatever has the keyboard focus.
void typeText(const std::string& text);

// Waits for the process's popup menu and chooses its item-th item (from 1, separators not
// counted); false when no menu showed up or it did not close.
bool chooseMenuItem(DWORD processId, int item, DWORD timeout = 15000);
// Waits for a visible top-level window of the process with that title.
HWND waitForWindowTitled(DWORD processId, const std::string& title, DWORD timeout = 15000);
// The first descendant of parent of that class with that text (any text when text is null).
HWND findDescendant(HWND parent, const char* windowClass, const char* text);
// Waits until the window has the keyboard focus of its thread (or one of its children has).
bool waitForFocus(HWND window, DWORD timeout = 10000);
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
// Polls until the keyboard focus of the window's thread is the window or one of its children.
inline bool waitForFocusIn(HWND window, DWORD timeout = 30000) { return waitForFocus(window, timeout); }
// Polls until the window is gone or hidden.
bool waitUntilGone(HWND window, DWORD timeout = 30000);
// Saves the whole screen as a 24-bit BMP file.
bool saveScreen(const std::string& path);

// The program started on one script written into its folder, with empty settings files.
struct ScriptSession {
    ProgramFolder folder;
    Program program;
    HWND main = nullptr;
    HWND editor = nullptr;
    // True once the editor shows the script.
    bool start(const std::string& name, const std::string& script);
    // Closes the program, declining to save the script; true when it ended with code 0.
    bool close();
};

// Polls condition every 50 ms until it holds or the time runs out.
template <typename Condition>
bool waitFor(DWORD timeout, Condition condition) {
    const ULONGLONG deadline = GetTickCount64() + timeout;
    for (;;) {
        if (condition()) return true;
        if (GetTickCount64() >= deadline) return false;
        Sleep(50);
    }
}

struct MenuItemSeen {
    int menu = 0;  // 0 the menu on top (the last opened submenu), counting down
    int position = 0;
    unsigned id = 0;
    unsigned state = 0;  // MFS_GRAYED, MFS_CHECKED ...
    bool separator = false;
    RECT rect = {};
    std::string text;  // tabs shown as '|'
    bool greyed() const { return (state & MFS_GRAYED) != 0; }
    bool checked() const { return (state & MFS_CHECKED) != 0; }
};

// Polls for a visible popup menu of the process.
bool waitForPopupMenu(const Program& program, DWORD timeout = defaultTimeout);
bool noPopupMenuFor(const Program& program, DWORD milliseconds);
// Every visible popup menu of the program, read from inside it.
std::vector<MenuItemSeen> readMenus(const Program& program, const ProgramFolder& folder);
// The item with this id (a submenu's own id, or a command), or null.
const MenuItemSeen* findItem(const std::vector<MenuItemSeen>& items, unsigned id);
const MenuItemSeen* findItemByText(const std::vector<MenuItemSeen>& items, const std::string& text);
// Right-clicks the window at a client point, waits for its menu and clicks the item that
// carries the path of texts (submenus first, the command last). False when an item is missing.
bool chooseFromMenu(const Program& program, const ProgramFolder& folder, HWND window, POINT client,
                    std::initializer_list<const char*> path);
// Waits for a file dialog of the process, types the name into it and presses Enter.
bool fillFileDialog(const Program& program, const std::string& name, DWORD timeout = defaultTimeout);

// Moves the mouse over the window's corner, which gives the program messages to run its loop
// on (its painting waits for them).
void nudgeMouse(HWND window);
// Like waitFor, nudging the mouse over window between looks.
template <typename Condition>
bool waitNudging(HWND window, Condition condition, DWORD timeout = 10000) {
    return waitFor(timeout, [&] {
        if (condition()) return true;
        nudgeMouse(window);
        return false;
    });
}
// Clicks into an edit box, waits for its focus, deletes its text by keys and types text.
void replaceTyped(HWND edit, const std::string& text);
// Saves the screen as saveScreen does once it has stopped changing, nudging the mouse over
// window meanwhile so the program paints.
bool saveSteadyScreen(const std::string& path, HWND window);

}  // namespace driver

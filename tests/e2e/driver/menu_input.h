#pragma once
// The program's popup menus as the reader loaded into the program sees them, choosing their
// items with the mouse, and typing a name into a file dialog.
#include <windows.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "e2e/driver/driver.h"
#include "e2e/driver/input.h"

namespace driver {

// Clicks a point given in the window's client coordinates.
void clickInWindow(HWND window, POINT client, bool rightButton = false);
// Presses the keys in order and releases them in reverse (a chord such as Ctrl+Shift+O).
void pressKeys(std::initializer_list<WORD> keys);

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
std::vector<MenuItemSeen> readMenusOf(DWORD processId);
// The item with this id (a submenu's own id, or a command), or null.
const MenuItemSeen* findItem(const std::vector<MenuItemSeen>& items, unsigned id);
const MenuItemSeen* findItemByText(const std::vector<MenuItemSeen>& items, const std::string& text);
// Right-clicks the window at a client point, waits for its menu and clicks the item that
// carries the path of texts (submenus first, the command last). False when an item is missing.
bool chooseFromMenu(const Program& program, const ProgramFolder& folder, HWND window, POINT client,
                    std::initializer_list<const char*> path);
// Waits for a file dialog of the process, types the name into it and presses Enter.
bool fillFileDialog(const Program& program, const std::string& name, DWORD timeout = defaultTimeout);

}  // namespace driver

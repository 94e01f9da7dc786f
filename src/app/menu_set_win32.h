#pragma once
// The popup menus on screen: loading, showing at a right-click, and bringing the items'
// marks in line with the view and the last command.
#include <windows.h>

#include "app/menu_set.h"

// Loads the six menus in the order 10000, 20000, 22000, 30000, 24000, 11000.
void loadMenus(MenuSet& menus, HINSTANCE instance);
// Brings the items in line with the view copy and pendingCommand; performs the window-size
// items on the main window.
void updateMenuState(MenuSet& menus);
// Shows the menu of the clicked window at the screen point; returns the command to dispatch.
unsigned popupMenu(MenuSet& menus, HWND clicked, int x, int y);
// The row menu's items for a row count.
void updateRowItems(MenuSet& menus, int rowCount);
// One item, by id, in every menu that holds it.
void enableMenuItem(MenuSet& menus, unsigned id, bool enabled);
void checkMenuItem(MenuSet& menus, unsigned id, bool checked);
// Toggles an item's check mark; returns the new state.
bool toggleMenuCheck(MenuSet& menus, unsigned id);

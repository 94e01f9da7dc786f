#include "app/menu_set_win32.h"

#include "app/menu_state.h"
#include "app/window_table.h"

namespace {

HWND mainWindow() { return static_cast<HWND>(windowTable.handle[winMain]); }

int indexOf(HWND window) {
    for (int i = 0; i < windowCount; ++i)
        if (window && windowTable.handle[i] == window) return i;
    return -1;
}

void apply(MenuSet& menus, const MenuUpdate& update) {
    for (int i = 0; i < update.count; ++i) {
        const MenuChange& c = update.changes[i];
        switch (c.mark) {
        case markEnable: enableMenuItem(menus, c.id, true); break;
        case markGrey: enableMenuItem(menus, c.id, false); break;
        case markCheck: checkMenuItem(menus, c.id, true); break;
        default: checkMenuItem(menus, c.id, false); break;
        }
    }
}

bool isRegisteredEditBox(const MenuSet& menus, HWND window) {
    for (int i = 0; i < menus.editBoxCount; ++i)
        if (window && menus.editBoxes[i] == window) return true;
    return false;
}

unsigned track(const MenuSet& menus, int slot, HWND owner, int x, int y) {
    HMENU popup = static_cast<HMENU>(menus.popups[slot]);
    if (!popup) return 0;
    return static_cast<unsigned>(TrackPopupMenuEx(popup, TPM_RETURNCMD | TPM_RIGHTBUTTON, x, y, owner, nullptr));
}

}  // namespace

void loadMenus(MenuSet& menus, HINSTANCE instance) {
    for (int slot = 0; slot < 6; ++slot) {
        HMENU menu = LoadMenuA(instance, MAKEINTRESOURCEA(menuResourceIds[slot]));
        menus.menus[slot] = menu;
        menus.popups[slot] = menu ? GetSubMenu(menu, 0) : nullptr;
    }
}

void enableMenuItem(MenuSet& menus, unsigned id, bool enabled) {
    for (WindowHandle popup : menus.popups)
        if (popup) EnableMenuItem(static_cast<HMENU>(popup), id, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

void checkMenuItem(MenuSet& menus, unsigned id, bool checked) {
    for (WindowHandle popup : menus.popups)
        if (popup) CheckMenuItem(static_cast<HMENU>(popup), id, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

bool toggleMenuCheck(MenuSet& menus, unsigned id) {
    bool checked = false;
    for (WindowHandle popup : menus.popups) {
        if (!popup) continue;
        UINT state = GetMenuState(static_cast<HMENU>(popup), id, MF_BYCOMMAND);
        if (state != static_cast<UINT>(-1)) {
            checked = (state & MF_CHECKED) == 0;
            break;
        }
    }
    checkMenuItem(menus, id, checked);
    return checked;
}

void updateMenuState(MenuSet& menus) {
    MenuUpdate update = menuUpdateFor(menus.viewCopy, menus.previewShown, menus.pendingCommand, menus.sidePanel);
    apply(menus, update);
    menus.sidePanel = update.sidePanel;
    menus.pendingCommand = update.command;
    HWND main = mainWindow();
    switch (update.sizeAction) {
    case sizeMinimize: ShowWindow(main, SW_MINIMIZE); break;
    case sizeRestore:
        ShowWindow(main, SW_RESTORE);
        ShowWindow(main, SW_SHOWNORMAL);
        break;
    case sizeMaximize: {
        RECT r = {};
        GetWindowRect(main, &r);
        menus.normalRect = {r.left, r.top, r.right, r.bottom};
        ShowWindow(main, SW_MAXIMIZE);
        break;
    }
    default: break;
    }
}

unsigned popupMenu(MenuSet& menus, HWND clicked, int x, int y) {
    updateMenuState(menus);
    if (isRegisteredEditBox(menus, clicked)) return track(menus, menuFileName, clicked, x, y);
    if (clicked && clicked == windowTable.handle[winStatusBar]) return 0;  // the status bar has no menu
    const int slot = popupMenuFor(indexOf(clicked), menus.previewShown, menus.rowMenuOff);
    if (slot != menuNone) menus.pendingCommand = track(menus, slot, clicked, x, y);
    updateMenuState(menus);
    return menus.pendingCommand;
}

void updateRowItems(MenuSet& menus, int rowCount) { apply(menus, rowMenuUpdate(rowCount)); }

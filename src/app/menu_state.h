#pragma once
// The popup menus' decisions: which menu a right-clicked window shows, and how the items'
// check and grey marks follow the view and the last command. The Win32 side applies them.

// The six menus, in the order they are loaded.
enum MenuSlot {
    menuNone = -1,
    menuMain = 0,        // 10000 "Menu"
    menuScript = 1,      // 20000 "SCRIPT"
    menuVideo = 2,       // 22000 "VIDEO"
    menuRows = 3,        // 30000 "VideoFrameEditor"
    menuFileName = 4,    // 24000 "FFP"
    menuPreviewMain = 5, // 11000 "PreViewMain"
};
constexpr int menuResourceIds[6] = {10000, 20000, 22000, 30000, 24000, 11000};

// The menu for a clicked window (by its window table index); the filter parameter panel's
// edit boxes are recognised before this.
int popupMenuFor(int windowIndex, bool previewShown, bool rowMenuOff);

enum MenuMark : unsigned char { markEnable, markGrey, markCheck, markUncheck };

struct MenuChange {
    unsigned id;
    unsigned char mark;
};

enum WindowSizeAction { sizeUnchanged = 0, sizeMinimize, sizeRestore, sizeMaximize };

constexpr int menuChangeLimit = 24;

struct MenuUpdate {
    MenuChange changes[menuChangeLimit] = {};
    int count = 0;
    int sizeAction = sizeUnchanged;
    unsigned command = 0;    // the pending command afterwards
    bool sidePanel = false;  // the Info items' state afterwards
    void add(unsigned id, unsigned char mark) {
        if (count < menuChangeLimit) changes[count++] = {id, mark};
    }
};

// Part 1 follows the view copy, part 2 the pending command; applied in that order.
MenuUpdate menuUpdateFor(int viewCopy, bool previewShown, unsigned pendingCommand, bool sidePanel);

// The row menu's items for a row count.
MenuUpdate rowMenuUpdate(int rowCount);

// The last enable/grey mark (checkMarks false) or check/uncheck mark (true) a change list
// leaves on an item, or -1 when it does not touch it.
int finalMark(const MenuUpdate& update, unsigned id, bool checkMarks);

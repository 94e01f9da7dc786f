#pragma once
// The popup menu set of the application state: the six menus, the command waiting for
// dispatch and the state their check and grey marks follow.
#include "base/message_box.h"

struct MenuRect {
    int left = 0, top = 0, right = 0, bottom = 0;
};

struct MenuSet {
    unsigned pendingCommand = 0;
    WindowHandle menus[6] = {};   // in load order (see menuResourceIds)
    WindowHandle popups[6] = {};  // their first submenus, the ones shown
    MenuRect normalRect;          // the main window's rectangle just before Maximize
    // The filter parameter panel's edit boxes, which offer "Insert File Name".
    const WindowHandle* editBoxes = nullptr;
    int editBoxCount = 0;
    bool rowMenuOff = false;    // the Video Editor shows the project script
    int viewCopy = 1;           // currentView as last given to the menus
    bool previewShown = false;  // a script preview is on screen
    bool sidePanel = false;     // the Info items' check state
};

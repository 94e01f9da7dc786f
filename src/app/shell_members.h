#pragma once
// Members of the application state whose subsystems are still small: the popup menu set
// and the common dialogs. Their fields grow with their subsystems.
#include <cstdint>

#include "base/message_box.h"

constexpr int popupMenuCount = 6;

struct MenuSet {
    WindowHandle menus[popupMenuCount] = {};
    unsigned pendingCommand = 0;
    int viewCopy = 1;
    bool previewFlag = false;
    bool sidePanelFlag = false;
};

struct FileDialogs {
    char fontDescription[64] = {};
    char fontFace[36] = {};
    void* editorFont = nullptr;  // the editor font built from the description
};

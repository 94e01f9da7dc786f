#pragma once
// Members of the application state whose subsystems are still small: the popup menu set,
// the common dialogs, the panel host and the player. Their fields grow with their subsystems.
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

struct PanelHost {
    void* instance = nullptr;
    // The open panel's buttons, for the keys Esc and Enter.
    WindowHandle okButton = nullptr;
    WindowHandle cancelButton = nullptr;
};

struct MediaPlayer {
    bool clipLoaded = false;
};

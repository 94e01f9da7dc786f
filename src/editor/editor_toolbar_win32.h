#pragma once
// The editor toolbar's buttons and the tooltips registered at start-up.
#include <windows.h>

constexpr int toolbarBitmapId = 202;
constexpr int toolbarImageCount = 18;

struct ToolbarButtonEntry {
    int image;       // -1: a separator
    int command;
    const char* tip;
};
constexpr int toolbarButtonCount = 21;  // 16 buttons and 5 separators
extern const ToolbarButtonEntry toolbarButtons[toolbarButtonCount];

// Adds the images, the buttons in their order with their tooltips, and sizes the toolbar.
void setUpEditorToolbar(HWND toolbar, HINSTANCE instance);

// Registers the tooltips of the main window's controls with the three tooltip controls
// (indices 56, 57 and 62 of the window table), and fills the clip data labels (53).
void registerStartupTooltips(HINSTANCE instance);

extern const char clipDataLabelsText[];

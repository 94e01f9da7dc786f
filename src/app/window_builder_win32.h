#pragma once
#include <windows.h>

// Registers the two window classes, loads the editing component and creates every window
// of the main window into the window table. Constructed first, disposed of last.
struct WindowBuilder {
    HINSTANCE instance = nullptr;
    WNDCLASSEXA mainClass = {};
    WNDCLASSEXA videoClass = {};
    int creationCounter = 0;
    HFONT sharedFont = nullptr;
    bool editorLibraryLoaded = true;

    void build(HINSTANCE instance, WNDPROC mainProcedure);
    void dispose() {}
};

// The main window procedure: records events for the loop.
LRESULT CALLBACK mainWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

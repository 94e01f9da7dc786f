#pragma once
// Win32 side of the editor: binding the component's window and reading its notifications.
#include <windows.h>

#include <cstdint>

// Loads the component library from the given path ("...SciLexer.dll"); the window class
// "Scintilla" exists afterwards. Returns the module, or null.
HMODULE loadEditorLibrary(const char* path);

// Asks the editor window once for its direct function and pointer and binds the global
// wrapper to them. Returns false when the window does not answer.
bool bindEditorWindow(HWND editor);

// The fields of an editor notification that the program reads.
struct EditorNotification {
    unsigned code = 0;
    intptr_t position = 0;
    int ch = 0;
};
// Reads a WM_NOTIFY lParam coming from the editor window.
EditorNotification readEditorNotification(LPARAM lParam);

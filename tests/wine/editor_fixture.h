#pragma once
// A top-level test window with the real editing component as its child, a sorted filter list
// and a status bar, entered into the window table where the program keeps them. The window
// procedure forwards the editor's notifications and timer 25555 as the shell does.
#include <windows.h>

#include <chrono>
#include <functional>
#include <string>

class EditorWindow {
public:
    // One window for the whole run: destroying the component's window takes seconds under Wine.
    // Each use starts from an empty editor, an empty filter list and a fresh window table.
    static EditorWindow& shared();
    bool ready() const { return editor != nullptr; }
    void reset();

    HWND main = nullptr;
    HWND editor = nullptr;
    HWND filterList = nullptr;
    HWND statusBar = nullptr;

    // Adds names to the filter list (item data 1 for plug-ins) and loads the name table.
    void setFunctionNames(std::initializer_list<std::pair<const char*, bool>> names);
    // Handles pending messages.
    static void pump();
    // Pumps until done() or the deadline; returns done().
    static bool waitFor(const std::function<bool()>& done, int milliseconds = 5000);

    static int charMatches;  // onCharAdded answers
    static int tipTimers;    // timer 25555 expiries

private:
    EditorWindow() = default;
    void create();
};

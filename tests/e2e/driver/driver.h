#pragma once
// Drives the real program as a person would: starts it in a program folder of its own,
// waits for its windows, answers its message boxes and reads what it shows.
#include <windows.h>

#include <string>
#include <vector>

namespace driver {

constexpr DWORD defaultTimeout = 30000;

// A fresh program folder holding Zandolin.exe and, unless told otherwise, SciLexer.dll and
// our stand-in avisynth.dll (as on a machine with AviSynth installed).
struct ProgramFolder {
    std::string path;  // with a trailing backslash
    explicit ProgramFolder(bool withEditorLibrary = true, bool withAviSynth = true);
    ~ProgramFolder();
    ProgramFolder(const ProgramFolder&) = delete;
    ProgramFolder& operator=(const ProgramFolder&) = delete;
    std::string file(const std::string& name) const { return path + name; }
    void write(const std::string& name, const std::string& bytes) const;
    std::string read(const std::string& name) const;
    bool exists(const std::string& name) const;
    void copyIn(const std::string& sourcePath, const std::string& name) const;
};

struct Program {
    PROCESS_INFORMATION process = {};
    ~Program();
    // Starts the program with the quoted full path and the given arguments, as the shell does.
    bool start(const ProgramFolder& folder, const std::string& arguments = "");
    DWORD id() const { return process.dwProcessId; }
    // The visible main window, or null when none appeared in time.
    HWND waitForMainWindow(DWORD timeout = defaultTimeout) const;
    // Exit code, or -1 when it did not end in time (the program is then killed).
    int waitForExit(DWORD timeout = defaultTimeout);
    bool running() const;
};

struct MessageBoxSeen {
    HWND window = nullptr;
    std::string title;
    std::string text;
    std::vector<std::string> buttons;  // captions, in order
};

// Waits for a message box (or any dialog) of the process to be visible.
bool waitForMessageBox(const Program& program, MessageBoxSeen& box, DWORD timeout = defaultTimeout);
// Presses the box's button with that id (IDOK, IDYES, IDNO, IDCANCEL) and waits for the box to go.
bool answer(const MessageBoxSeen& box, int id, DWORD timeout = defaultTimeout);
// True when no message box of the process shows up within the time.
bool noMessageBoxFor(const Program& program, DWORD milliseconds);

std::string windowClass(HWND window);
std::string windowText(HWND window);
// Text of one part of a status bar.
// The items of a combo box of another process, with their item data (ASCII texts).
struct ComboItem {
    std::string text;
    LRESULT data;
};
std::vector<ComboItem> comboItems(HWND combo);
std::string statusText(HWND statusBar, int part);
// Children of a window in creation order: a new child window goes to the bottom of its
// siblings' Z order, and moving or showing a child keeps its place.
std::vector<HWND> childrenInCreationOrder(HWND parent);
// The whole text of the program's editor.
std::string editorText(HWND editor);
// The visible top-level windows that belong to the process.
std::vector<HWND> topLevelWindows(DWORD processId);

// Polls until the file exists or the time runs out.
bool waitForFile(const std::string& path, DWORD timeout = defaultTimeout);
std::string readFile(const std::string& path);

}  // namespace driver

namespace driver {
// Presses the left button at a screen point, moves to another and releases it there, as a
// person's mouse would.
void dragMouse(POINT from, POINT to);
// Polls until the window's rectangle is the expected one.
bool waitForWindowRect(HWND window, const RECT& expected, DWORD timeout = defaultTimeout);
}  // namespace driver

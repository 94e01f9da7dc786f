#pragma once
// A program started in a folder of its own with settings files in place and a script beside
// it, with the windows the command tests use and a polling wait.
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>

#include "e2e/driver/driver.h"
#include "e2e/driver/input.h"
#include "support/temp_folder.h"

namespace shelltest {

const std::string script = "BlankClip(length=10)\r\n";

struct Session {
    driver::ProgramFolder folder;
    driver::Program program;
    HWND main = nullptr, editor = nullptr, status = nullptr;

    Session() {
        folder.write("encoder.ini", crlfLines({"#### encoder.ini ####", "end encoder.ini"}));
        folder.write("zandolin.ini", crlfLines({"#### zandolin.ini ####", "end zandolin.ini"}));
        folder.write("clip.avs", script);
    }
    bool start(const std::string& arguments = "") {
        if (!program.start(folder, arguments)) return false;
        main = program.waitForMainWindow();
        if (!main) return false;
        return attach(main);
    }
    // Takes the windows of a running program; returns once its loop answers, when start-up
    // has placed the window where it stays.
    bool attach(HWND window) {
        main = window;
        editor = FindWindowExA(main, nullptr, "Scintilla", nullptr);
        status = FindWindowExA(main, nullptr, STATUSCLASSNAMEA, nullptr);
        DWORD_PTR result = 0;
        return editor && status && SendMessageTimeoutA(main, WM_NULL, 0, 0, SMTO_NORMAL, driver::defaultTimeout, &result);
    }
    std::string statusPart(int part) const { return driver::statusText(status, part); }
    // Windows by their table index: the first seventeen children of the main window are 1..17
    // in creation order; the row buttons are children of the row list (23).
    HWND child(int index) const { return driver::childrenInCreationOrder(main)[static_cast<size_t>(index - 1)]; }
    HWND video() const { return child(13); }
    HWND rowButton(int slot) const {
        HWND rows = driver::childrenInCreationOrder(main)[21];
        return driver::childrenInCreationOrder(rows)[static_cast<size_t>(6 + slot)];
    }
    bool choose(HWND window, POINT at, std::initializer_list<const char*> path) {
        return driver::chooseFromMenu(program, folder, window, at, path);
    }
};

inline bool waitFor(const std::function<bool()>& condition, DWORD timeout = driver::defaultTimeout) {
    const ULONGLONG deadline = GetTickCount64() + timeout;
    for (;;) {
        if (condition()) return true;
        if (GetTickCount64() >= deadline) return false;
        Sleep(50);
    }
}

// A message box with this title, answered with the button id; its text is returned.
inline std::string answerBox(driver::Program& program, const std::string& title, int button) {
    driver::MessageBoxSeen box;
    if (!driver::waitForMessageBox(program, box) || box.title != title) return "<no box titled " + title + ">";
    driver::answer(box, button);
    return box.text;
}

}  // namespace shelltest

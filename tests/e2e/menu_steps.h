#pragma once
// The main window's popup menu walked with the arrow keys, and a file dialog that confirms
// replacing an existing file: for tests that repeat a save many times over the same name.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "e2e/driver/driver.h"

namespace driver {

inline bool pollFor(DWORD timeout, const std::function<bool()>& done) {
    DWORD deadline = GetTickCount() + timeout;
    while (GetTickCount() < deadline) {
        if (done()) return true;
        Sleep(10);
    }
    return done();
}

// Right-click on the main window's own background, then the keys into the popup menu that
// opens (it takes the keyboard while it tracks).
inline bool chooseFromMainMenuByKeys(const Program& program, HWND main, const std::vector<WPARAM>& keys) {
    PostMessageA(main, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(2, 2));
    PostMessageA(main, WM_RBUTTONUP, 0, MAKELPARAM(2, 2));
    HWND menu = nullptr;
    if (!pollFor(defaultTimeout, [&] {
            for (HWND w : topLevelWindows(program.id()))
                if (windowClass(w) == "#32768") menu = w;
            return menu != nullptr;
        }))
        return false;
    for (WPARAM key : keys) {
        PostMessageA(menu, WM_KEYDOWN, key, 1);
        PostMessageA(menu, WM_KEYUP, key, 0xC0000001);
    }
    return true;
}

// Project > Save Project As and Project > Open Project: Project is the fourth item that
// takes the selection, the two are the fourth and second of its submenu.
inline const std::vector<WPARAM> saveProjectAsKeys = {VK_DOWN, VK_DOWN, VK_DOWN,  VK_DOWN,  VK_RIGHT,
                                                      VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN};
inline const std::vector<WPARAM> openProjectKeys = {VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_RIGHT, VK_DOWN, VK_RETURN};

// Types the file name into the open or save dialog and presses its OK button; confirms
// replacing an existing file. True when the dialog is gone.
inline bool nameInFileDialog(const Program& program, const std::string& path) {
    MessageBoxSeen dialog;
    if (!waitForMessageBox(program, dialog)) return false;
    HWND name = GetDlgItem(dialog.window, 0x47c);  // the file name box
    if (!name) name = GetDlgItem(dialog.window, 0x480);
    if (!name) return false;
    std::wstring wide(path.begin(), path.end());
    SendMessageW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
    PostMessageA(dialog.window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog.window, IDOK)));
    return pollFor(defaultTimeout, [&] {
        if (!IsWindow(dialog.window) || !IsWindowVisible(dialog.window)) return true;
        for (HWND w : topLevelWindows(program.id()))
            if (w != dialog.window && windowClass(w) == "#32770" && GetDlgItem(w, IDYES))
                PostMessageA(w, WM_COMMAND, MAKEWPARAM(IDYES, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(w, IDYES)));
        return false;
    });
}

}  // namespace driver

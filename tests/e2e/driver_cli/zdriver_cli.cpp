// The driver as a command for scripts:
//   zdriver wait-window [seconds]   waits until the program's main window is visible
//   zdriver close [seconds]         asks the program to close and waits until it is gone
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

HWND findMain() {
    HWND w = FindWindowA("TheWinClass", "Zandolin");
    return w && IsWindowVisible(w) ? w : nullptr;
}

bool waitFor(bool wantWindow, DWORD seconds) {
    const ULONGLONG deadline = GetTickCount64() + seconds * 1000ULL;
    while (GetTickCount64() < deadline) {
        if ((findMain() != nullptr) == wantWindow) return true;
        Sleep(100);
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        fprintf(stderr, "usage: zdriver wait-window|close [seconds]\n");
        return 2;
    }
    DWORD seconds = argc > 2 ? static_cast<DWORD>(atoi(argv[2])) : 30;
    if (strcmp(argv[1], "wait-window") == 0) {
        if (!waitFor(true, seconds)) {
            fprintf(stderr, "zdriver: no main window after %lu s\n", static_cast<unsigned long>(seconds));
            return 1;
        }
        // Let it paint once before anyone looks.
        HWND main = findMain();
        RedrawWindow(main, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        return 0;
    }
    if (strcmp(argv[1], "close") == 0) {
        if (HWND main = findMain()) PostMessageA(main, WM_CLOSE, 0, 0);
        return waitFor(false, seconds) ? 0 : 1;
    }
    fprintf(stderr, "zdriver: unknown command %s\n", argv[1]);
    return 2;
}

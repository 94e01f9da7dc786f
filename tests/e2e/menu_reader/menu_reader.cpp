// Loaded into the running program by the end-to-end tests: writes every visible popup menu of
// the process (item texts, ids, states and screen rectangles) to "menus.txt" in the program's
// folder. Popup menus cannot be read from another process. The reading runs on a thread of
// its own, outside the loader lock, because it waits for the menu's window to answer; each
// reading loads a fresh copy of this library, so nothing needs unloading.
#include <windows.h>

#include <cstdio>
#include <cstring>

namespace {

struct Dump {
    FILE* out;
    int menuNumber;
};

BOOL CALLBACK dumpPopup(HWND window, LPARAM param) {
    auto* dump = reinterpret_cast<Dump*>(param);
    char name[32] = {};
    GetClassNameA(window, name, sizeof name);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (strcmp(name, "#32768") != 0 || process != GetCurrentProcessId() || !IsWindowVisible(window)) return TRUE;
    auto menu = reinterpret_cast<HMENU>(SendMessageA(window, 0x01E1 /* MN_GETHMENU */, 0, 0));
    if (!menu) return TRUE;
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        char text[256] = {};
        MENUITEMINFOA info = {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_ID | MIIM_STATE | MIIM_FTYPE | MIIM_STRING | MIIM_SUBMENU;
        info.dwTypeData = text;
        info.cch = sizeof text - 1;
        if (!GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info)) continue;
        RECT r = {};
        GetMenuItemRect(window, menu, static_cast<UINT>(i), &r);
        for (char* c = text; *c; ++c)
            if (*c == '\t') *c = '|';
        fprintf(dump->out, "%d\t%d\t%u\t%u\t%d\t%ld %ld %ld %ld\t%s\n", dump->menuNumber, i, info.wID, info.fState,
                (info.fType & MFT_SEPARATOR) ? 1 : 0, r.left, r.top, r.right, r.bottom, text);
    }
    ++dump->menuNumber;
    return TRUE;
}

void dumpMenus() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    char* slash = strrchr(path, '\\');
    if (!slash) return;
    strcpy(slash + 1, "menus.tmp");
    char done[MAX_PATH];
    strcpy(done, path);
    strcpy(strrchr(done, '\\') + 1, "menus.txt");
    Dump dump{fopen(path, "wb"), 0};
    if (!dump.out) return;
    EnumWindows(dumpPopup, reinterpret_cast<LPARAM>(&dump));
    fclose(dump.out);
    MoveFileExA(path, done, MOVEFILE_REPLACE_EXISTING);  // the reader never sees half a file
}

}  // namespace

DWORD WINAPI dumpThread(void*) {
    dumpMenus();
    return 0;
}

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        HANDLE thread = CreateThread(nullptr, 0, dumpThread, nullptr, 0, nullptr);
        if (thread) CloseHandle(thread);
    }
    return TRUE;
}

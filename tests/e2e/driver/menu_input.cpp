#include "e2e/driver/menu_input.h"

#include <cstdio>
#include <filesystem>
#include <sstream>

#include "support/test_env.h"

namespace driver {

namespace {

template <typename Condition>
bool pollFor(DWORD timeout, Condition condition) {
    const ULONGLONG deadline = GetTickCount64() + timeout;
    for (;;) {
        if (condition()) return true;
        if (GetTickCount64() >= deadline) return false;
        Sleep(50);
    }
}

void key(WORD vk, bool up) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof input);
}

bool popupVisible(const Program& program) {
    for (HWND w : topLevelWindows(program.id()))
        if (windowClass(w) == "#32768") return true;
    return false;
}

}  // namespace

void clickInWindow(HWND window, POINT client, bool rightButton) {
    ClientToScreen(window, &client);
    if (rightButton)
        rightClickAt(client);
    else
        clickAt(client);
}

void pressKeys(std::initializer_list<WORD> keys) {
    for (WORD vk : keys) key(vk, false);
    for (auto it = keys.end(); it != keys.begin();) key(*--it, true);
}

bool waitForPopupMenu(const Program& program, DWORD timeout) {
    return pollFor(timeout, [&] { return popupVisible(program); });
}

bool noPopupMenuFor(const Program& program, DWORD milliseconds) { return !waitForPopupMenu(program, milliseconds); }

std::vector<MenuItemSeen> readMenus(const Program& program, const ProgramFolder&) {
    return readMenusOf(program.id());
}

std::vector<MenuItemSeen> readMenusOf(DWORD processId) {
    std::vector<MenuItemSeen> items;
    HANDLE process = OpenProcess(PROCESS_ALL_ACCESS, FALSE, processId);
    if (!process) return items;
    // The reader writes beside the program's executable.
    char exe[MAX_PATH] = {};
    DWORD size = sizeof exe;
    QueryFullProcessImageNameA(process, 0, exe, &size);
    std::string folder = exe;
    folder.erase(folder.find_last_of('\\') + 1);
    const std::string dump = folder + "menus.txt";
    std::filesystem::remove(dump);
    // A fresh copy for every reading: a library already loaded would not run again.
    static int readings = 0;
    const std::string dll = folder + "menu_reader_" + std::to_string(GetCurrentProcessId()) + "_" +
                            std::to_string(++readings) + ".dll";
    CopyFileA((testBinFolder() + "menu_reader.dll").c_str(), dll.c_str(), FALSE);
    void* remote = VirtualAllocEx(process, nullptr, dll.size() + 1, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (remote) {
        WriteProcessMemory(process, remote, dll.c_str(), dll.size() + 1, nullptr);
        auto load = reinterpret_cast<LPTHREAD_START_ROUTINE>(
            reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "LoadLibraryA")));
        HANDLE thread = CreateRemoteThread(process, nullptr, 0, load, remote, 0, nullptr);
        if (thread) {
            WaitForSingleObject(thread, defaultTimeout);
            CloseHandle(thread);
        }
        VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    }
    CloseHandle(process);
    if (!waitForFile(dump, 5000)) return items;
    std::istringstream lines(readFile(dump));
    std::string line;
    int menus = 0;
    while (std::getline(lines, line)) {
        MenuItemSeen item;
        int separator = 0;
        char text[256] = {};
        if (sscanf(line.c_str(), "%d\t%d\t%u\t%u\t%d\t%ld %ld %ld %ld\t%255[^\n]", &item.menu, &item.position, &item.id,
                   &item.state, &separator, &item.rect.left, &item.rect.top, &item.rect.right, &item.rect.bottom,
                   text) < 9)
            continue;
        item.separator = separator != 0;
        item.text = text;
        if (item.menu + 1 > menus) menus = item.menu + 1;
        items.push_back(item);
    }
    return items;
}

const MenuItemSeen* findItem(const std::vector<MenuItemSeen>& items, unsigned id) {
    for (const MenuItemSeen& item : items)
        if (item.id == id && !item.separator) return &item;
    return nullptr;
}

const MenuItemSeen* findItemByText(const std::vector<MenuItemSeen>& items, const std::string& text) {
    for (const MenuItemSeen& item : items)
        if (item.text == text) return &item;
    return nullptr;
}

bool chooseFromMenu(const Program& program, const ProgramFolder& folder, HWND window, POINT client,
                    std::initializer_list<const char*> path) {
    clickInWindow(window, client, true);
    if (!waitForPopupMenu(program)) return false;
    for (const char* text : path) {
        const MenuItemSeen* item = nullptr;
        // A submenu opens a moment after its item is clicked: read until the item shows.
        pollFor(defaultTimeout, [&] {
            static std::vector<MenuItemSeen> seen;
            seen = readMenus(program, folder);
            item = findItemByText(seen, text);
            return item != nullptr;
        });
        if (!item) {  // show what was there instead
            for (const MenuItemSeen& i : readMenus(program, folder))
                fprintf(stderr, "menu %d %d %u %s (%ld %ld)\n", i.menu, i.position, i.id, i.text.c_str(), i.rect.left, i.rect.top);
            return false;
        }
        const RECT r = item->rect;
        clickAt({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
    }
    return true;
}

bool fillFileDialog(const Program& program, const std::string& name, DWORD timeout) {
    MessageBoxSeen dialog;
    if (!waitForMessageBox(program, dialog, timeout)) return false;
    // The name box is the focused control when the dialog opens; wait for it to take keys.
    HWND edit = nullptr;
    pollFor(timeout, [&] {
        // The file name: an edit inside cmb13 (a ComboBoxEx holding a ComboBox), or edt1.
        HWND combo = GetDlgItem(dialog.window, 0x47C);
        HWND inner = combo ? FindWindowExA(combo, nullptr, "ComboBox", nullptr) : nullptr;
        edit = inner ? FindWindowExA(inner, nullptr, "Edit", nullptr) : GetDlgItem(dialog.window, 0x480);
        return edit != nullptr && IsWindowVisible(dialog.window);
    });
    if (!edit) return false;
    // A click puts the keyboard into the name box, as a person would do.
    RECT r;
    GetClientRect(edit, &r);
    clickInWindow(edit, {r.right - 4, r.bottom / 2});
    // Empty the box first: Wine's edit has no Ctrl+A.
    pressKeys({VK_END});
    pressKeys({VK_SHIFT, VK_HOME});
    pressKeys({VK_DELETE});
    typeText(name);
    pressKeys({VK_RETURN});
    return pollFor(timeout, [&] { return !IsWindow(dialog.window) || !IsWindowVisible(dialog.window); });
}

}  // namespace driver

#include "e2e/driver/input.h"

#include <cstdio>
#include <filesystem>
#include <sstream>
#include <vector>

#include "support/temp_folder.h"
#include "support/test_env.h"

namespace driver {

namespace {

void sendKey(WORD vk, bool up) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof input);
}

// The hand moves on after a click, so a message follows the release: the program acts on a
// click when its next message arrives.
void click(POINT p, DWORD down, DWORD up) {
    sendMouse(p, 0);
    sendMouse(p, down);
    sendMouse(p, up);
    sendMouse({p.x + 1, p.y + 1}, 0);
}

struct DescendantSearch {
    const char* windowClass;
    const char* text;
    HWND found;
};

BOOL CALLBACK matchDescendant(HWND window, LPARAM param) {
    auto* s = reinterpret_cast<DescendantSearch*>(param);
    if (lstrcmpiA(windowClass(window).c_str(), s->windowClass) == 0 && (!s->text || windowText(window) == s->text)) {
        s->found = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

void sendMouse(POINT p, DWORD flags) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    input.mi.dx = static_cast<LONG>((p.x * 65535LL + width / 2) / (width - 1));
    input.mi.dy = static_cast<LONG>((p.y * 65535LL + height / 2) / (height - 1));
    input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof input);
}

void clickAt(POINT screen, bool rightButton) {
    if (rightButton) click(screen, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
    else click(screen, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
}

void clickInWindow(HWND window, POINT client, bool rightButton) {
    ClientToScreen(window, &client);
    clickAt(client, rightButton);
}

void pressKeys(std::initializer_list<WORD> keys) {
    for (WORD vk : keys) sendKey(vk, false);
    for (auto it = keys.end(); it != keys.begin();) sendKey(*--it, true);
}
void rightClickAt(POINT screen) { click(screen, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP); }

void clickWindowAt(HWND window, int x, int y) {
    RECT r;
    GetWindowRect(window, &r);
    clickAt({r.left + x, r.top + y});
}

void clickWindow(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    clickAt({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
}

void rightClickWindow(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    rightClickAt({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
}

void pressKey(WORD virtualKey, bool ctrl, bool shift) {
    if (ctrl) sendKey(VK_CONTROL, false);
    if (shift) sendKey(VK_SHIFT, false);
    sendKey(virtualKey, false);
    sendKey(virtualKey, true);
    if (shift) sendKey(VK_SHIFT, true);
    if (ctrl) sendKey(VK_CONTROL, true);
}

void typeText(const std::string& text) {
    for (char c : text) {
        SHORT key = VkKeyScanA(c);
        if (key != -1) {
            pressKey(LOBYTE(key), (HIBYTE(key) & 2) != 0, (HIBYTE(key) & 1) != 0);
            continue;
        }
        // No key on the keyboard gives this character: send it as the character itself.
        INPUT input[2] = {};
        input[0].type = input[1].type = INPUT_KEYBOARD;
        input[0].ki.wScan = input[1].ki.wScan = static_cast<unsigned char>(c);
        input[0].ki.dwFlags = KEYEVENTF_UNICODE;
        input[1].ki.dwFlags = KEYEVENTF_UNICODE | KEYEVENTF_KEYUP;
        SendInput(2, input, sizeof input[0]);
    }
}

void click(HWND window, bool right) {
    RECT r = {};
    GetWindowRect(window, &r);
    const POINT p = {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    if (right) rightClickAt(p);
    else clickAt(p);
    // The hand moves on after a click; the program looks at what a click did when its next
    // message arrives.
    sendMouse({p.x + 1, p.y + 1}, 0);
}

std::string controlText(HWND control) {
    wchar_t wide[2048] = {};
    SendMessageW(control, WM_GETTEXT, 2048, reinterpret_cast<LPARAM>(wide));
    std::string text;
    for (const wchar_t* c = wide; *c; ++c) text += static_cast<char>(*c < 128 ? *c : '?');
    return text;
}

std::vector<HWND> childrenOf(HWND parent, const char* className, const char* text) {
    std::vector<HWND> found;
    for (HWND w = GetWindow(parent, GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT))
        if (_stricmp(windowClass(w).c_str(), className) == 0 && (!text || controlText(w) == text))
            found.push_back(w);
    return found;
}

HWND waitForChild(HWND parent, const char* className, const char* text, DWORD timeout) {
    HWND found = nullptr;
    waitFor(timeout, [&] {
        const std::vector<HWND> all = childrenOf(parent, className, text);
        found = all.empty() ? nullptr : all[0];
        return found != nullptr;
    });
    return found;
}

HWND waitForTopLevel(DWORD processId, const char* className, const std::string& titleStart, DWORD timeout) {
    HWND found = nullptr;
    waitFor(timeout, [&] {
        for (HWND w : topLevelWindows(processId))
            if (windowClass(w) == className && windowText(w).rfind(titleStart, 0) == 0) found = w;
        return found != nullptr;
    });
    return found;
}

bool waitUntilGone(HWND window, DWORD timeout) {
    return waitFor(timeout, [&] { return !IsWindow(window) || !IsWindowVisible(window); });
}

bool saveScreen(const std::string& path) {
    const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, w, h);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, w, h, screen, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    BITMAPINFOHEADER info = {sizeof info, w, h, 1, 24, BI_RGB};
    const DWORD stride = (w * 3 + 3) & ~3u;
    std::vector<char> pixels(stride * h);
    GetDIBits(memory, bitmap, 0, h, pixels.data(), reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
    BITMAPFILEHEADER file = {0x4D42, DWORD(sizeof file + sizeof info + pixels.size()), 0, 0,
                             DWORD(sizeof file + sizeof info)};
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    FILE* out = fopen(path.c_str(), "wb");
    if (!out) return false;
    fwrite(&file, sizeof file, 1, out);
    fwrite(&info, sizeof info, 1, out);
    fwrite(pixels.data(), 1, pixels.size(), out);
    return fclose(out) == 0;
}

bool chooseMenuItem(DWORD processId, int item, DWORD timeout) {
    HWND popup = nullptr;
    if (!waitFor(timeout, [&] {
            for (HWND w : topLevelWindows(processId))
                if (windowClass(w) == "#32768") popup = w;
            return popup != nullptr;
        }))
        return false;
    // A popup's items belong to the program's process and cannot be read from here: they
    // are reached by keys, as a person who knows the menu would. Down skips separators only.
    for (int i = 0; i < item; ++i) pressKey(VK_DOWN);
    pressKey(VK_RETURN);
    return waitFor(timeout, [&] { return !IsWindowVisible(popup); });
}

HWND waitForWindowTitled(DWORD processId, const std::string& title, DWORD timeout) {
    HWND found = nullptr;
    waitFor(timeout, [&] {
        for (HWND w : topLevelWindows(processId))
            if (windowText(w) == title) found = w;
        return found != nullptr;
    });
    return found;
}

HWND findDescendant(HWND parent, const char* windowClass, const char* text) {
    DescendantSearch s{windowClass, text, nullptr};
    EnumChildWindows(parent, matchDescendant, reinterpret_cast<LPARAM>(&s));
    return s.found;
}

bool waitForFocus(HWND window, DWORD timeout) {
    return waitFor(timeout, [&] {
        GUITHREADINFO info = {};
        info.cbSize = sizeof info;
        if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return false;
        return info.hwndFocus == window || IsChild(window, info.hwndFocus);
    });
}

bool ScriptSession::start(const std::string& name, const std::string& script) {
    folder.write("encoder.ini", crlfLines({"#### encoder.ini ####", "end encoder.ini"}));
    folder.write("zandolin.ini", crlfLines({"#### zandolin.ini ####", "end zandolin.ini"}));
    folder.write(name, script);
    if (!program.start(folder, "\"" + folder.file(name) + "\"")) return false;
    main = program.waitForMainWindow();
    editor = main ? FindWindowExA(main, nullptr, "Scintilla", nullptr) : nullptr;
    return editor && waitFor(10000, [&] { return editorText(editor) == script; });
}

bool ScriptSession::close() {
    PostMessageA(main, WM_CLOSE, 0, 0);
    MessageBoxSeen box;
    bool asked = false;  // a changed script is offered for saving first
    waitFor(defaultTimeout, [&] { return !program.running() || (asked = waitForMessageBox(program, box, 0)); });
    if (asked) answer(box, IDNO);
    return program.waitForExit() == 0;
}

namespace {
bool popupVisible(const Program& program) {
    for (HWND w : topLevelWindows(program.id()))
        if (windowClass(w) == "#32768") return true;
    return false;
}
}  // namespace

bool waitForPopupMenu(const Program& program, DWORD timeout) {
    return waitFor(timeout, [&] { return popupVisible(program); });
}

bool noPopupMenuFor(const Program& program, DWORD milliseconds) { return !waitForPopupMenu(program, milliseconds); }

std::vector<MenuItemSeen> readMenus(const Program& program, const ProgramFolder& folder) {
    std::vector<MenuItemSeen> items;
    const std::string dump = folder.file("menus.txt");
    std::filesystem::remove(dump);
    // A fresh copy for every reading: a library already loaded would not run again.
    static int readings = 0;
    const std::string dll = folder.file("menu_reader_" + std::to_string(++readings) + ".dll");
    folder.copyIn(testBinFolder() + "menu_reader.dll", "menu_reader_" + std::to_string(readings) + ".dll");
    HANDLE process = program.process.hProcess;
    void* remote = VirtualAllocEx(process, nullptr, dll.size() + 1, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (!remote) return items;
    WriteProcessMemory(process, remote, dll.c_str(), dll.size() + 1, nullptr);
    auto load = reinterpret_cast<LPTHREAD_START_ROUTINE>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "LoadLibraryA")));
    HANDLE thread = CreateRemoteThread(process, nullptr, 0, load, remote, 0, nullptr);
    if (thread) {
        WaitForSingleObject(thread, defaultTimeout);
        CloseHandle(thread);
    }
    VirtualFreeEx(process, remote, 0, MEM_RELEASE);
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
        waitFor(defaultTimeout, [&] {
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
    waitFor(timeout, [&] {
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
    return waitFor(timeout, [&] { return !IsWindow(dialog.window) || !IsWindowVisible(dialog.window); });
}

void nudgeMouse(HWND window) {
    static int step = 0;
    RECT r;
    GetWindowRect(window, &r);
    sendMouse({r.left + 3 + (step++ & 1), r.top + 3}, 0);
}

void replaceTyped(HWND edit, const std::string& text) {
    click(edit);
    waitForFocus(edit);
    pressKey(VK_END);
    const size_t length = controlText(edit).size();
    for (size_t i = 0; i < length; ++i) pressKey(VK_BACK);
    typeText(text);
}

namespace {

// The screen's pixels as a 24-bit bottom-up image.
std::vector<unsigned char> screenPixels(int& width, int& height) {
    width = GetSystemMetrics(SM_CXSCREEN);
    height = GetSystemMetrics(SM_CYSCREEN);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
    GdiFlush();
    const size_t bytes = static_cast<size_t>((width * 3 + 3) & ~3) * static_cast<size_t>(height);
    std::vector<unsigned char> pixels(static_cast<const unsigned char*>(bits),
                                      static_cast<const unsigned char*>(bits) + bytes);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return pixels;
}

}  // namespace

bool saveSteadyScreen(const std::string& path, HWND window) {
    int width = 0, height = 0;
    // Painting runs as the program gets messages: wait until two looks in a row agree.
    std::vector<unsigned char> pixels = screenPixels(width, height);
    const ULONGLONG deadline = GetTickCount64() + 5000;
    while (GetTickCount64() < deadline) {
        nudgeMouse(window);
        Sleep(100);  // the interval between two looks at the screen
        std::vector<unsigned char> again = screenPixels(width, height);
        if (again == pixels) break;
        pixels.swap(again);
    }
    return saveScreen(path);
}

}  // namespace driver

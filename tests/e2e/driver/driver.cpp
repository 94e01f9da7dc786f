#include "e2e/driver/driver.h"

#include <commctrl.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "e2e/driver/input.h"
#include "support/test_env.h"

namespace fs = std::filesystem;

namespace driver {

namespace {

// Polls a condition every 50 ms until it holds or the deadline passes.
template <typename Condition>
bool pollUntil(DWORD timeout, Condition condition) {
    const ULONGLONG deadline = GetTickCount64() + timeout;
    for (;;) {
        if (condition()) return true;
        if (GetTickCount64() >= deadline) return false;
        Sleep(50);
    }
}

struct EnumState {
    DWORD processId;
    std::vector<HWND>* out;
};

BOOL CALLBACK collectTopLevel(HWND window, LPARAM param) {
    auto* state = reinterpret_cast<EnumState*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid == state->processId && IsWindowVisible(window)) state->out->push_back(window);
    return TRUE;
}

BOOL CALLBACK collectButtons(HWND window, LPARAM param) {
    auto* out = reinterpret_cast<std::vector<std::string>*>(param);
    if (windowClass(window) == "Button") out->push_back(windowText(window));
    return TRUE;
}

}  // namespace

ProgramFolder::ProgramFolder(bool withEditorLibrary, bool withAviSynth) {
    static int counter = 0;
    fs::path dir = fs::temp_directory_path() /
                   ("zandolin-e2e-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(counter++));
    fs::remove_all(dir);
    fs::create_directories(dir);
    path = dir.string() + "\\";
    const std::string build = programBuildFolder();
    copyIn(build + "Zandolin.exe", "Zandolin.exe");
    if (withEditorLibrary) copyIn(build + "SciLexer.dll", "SciLexer.dll");
    if (withAviSynth) copyIn(build + "..\\standins\\avisynth.dll", "avisynth.dll");
    // The help pages, as a user unpacks them with the program.
    std::error_code ignored;
    fs::copy(fs::path(build + "docs"), dir / "docs", fs::copy_options::recursive, ignored);
}

ProgramFolder::~ProgramFolder() {
    std::error_code ignored;
    fs::remove_all(fs::path(path), ignored);
}

void ProgramFolder::write(const std::string& name, const std::string& bytes) const {
    std::ofstream out(file(name), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string ProgramFolder::read(const std::string& name) const { return readFile(file(name)); }

bool ProgramFolder::exists(const std::string& name) const { return fs::exists(fs::path(file(name))); }

void ProgramFolder::copyIn(const std::string& sourcePath, const std::string& name) const {
    if (!CopyFileA(sourcePath.c_str(), file(name).c_str(), FALSE))
        fprintf(stderr, "driver: could not copy %s (error %lu)\n", sourcePath.c_str(), GetLastError());
}

Program::~Program() {
    if (process.hProcess) {
        if (running()) TerminateProcess(process.hProcess, 99);
        WaitForSingleObject(process.hProcess, 5000);
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
    }
}

bool Program::start(const ProgramFolder& folder, const std::string& arguments) {
    std::string commandLine = "\"" + folder.file("Zandolin.exe") + "\"";
    if (!arguments.empty()) commandLine += " " + arguments;
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    // Under load Wine now and then refuses a start for a moment; try again until a deadline.
    DWORD error = 0;
    bool started = pollUntil(5000, [&] {
        if (CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.path.c_str(), &startup,
                           &process))
            return true;
        error = GetLastError();
        return false;
    });
    if (!started) fprintf(stderr, "driver: could not start %s (error %lu)\n", commandLine.c_str(), error);
    return started;
}

bool Program::running() const {
    return process.hProcess && WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT;
}

HWND Program::waitForMainWindow(DWORD timeout) const {
    HWND found = nullptr;
    pollUntil(timeout, [&] {
        for (HWND w : topLevelWindows(id())) {
            if (windowClass(w) == "TheWinClass" && windowText(w) == "Zandolin") {
                found = w;
                return true;
            }
        }
        return false;
    });
    return found;
}

int Program::waitForExit(DWORD timeout) {
    if (!process.hProcess) return -1;
    if (WaitForSingleObject(process.hProcess, timeout) != WAIT_OBJECT_0) {
        TerminateProcess(process.hProcess, 99);
        return -1;
    }
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    return static_cast<int>(code);
}

bool waitForMessageBox(const Program& program, MessageBoxSeen& box, DWORD timeout) {
    return pollUntil(timeout, [&] {
        for (HWND w : topLevelWindows(program.id())) {
            if (windowClass(w) != "#32770") continue;
            box.window = w;
            box.title = windowText(w);
            char text[4096] = {};
            GetDlgItemTextA(w, 0xFFFF, text, sizeof text);
            box.text = text;
            box.buttons.clear();
            EnumChildWindows(w, collectButtons, reinterpret_cast<LPARAM>(&box.buttons));
            return true;
        }
        return false;
    });
}

bool answer(const MessageBoxSeen& box, int id, DWORD timeout) {
    HWND button = GetDlgItem(box.window, id);
    if (!button) return false;
    PostMessageA(box.window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
    return pollUntil(timeout, [&] { return !IsWindow(box.window) || !IsWindowVisible(box.window); });
}

bool noMessageBoxFor(const Program& program, DWORD milliseconds) {
    MessageBoxSeen box;
    return !waitForMessageBox(program, box, milliseconds);
}

std::string windowClass(HWND window) {
    char name[256] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string windowText(HWND window) {
    char text[1024] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

namespace {

// Controls copy their text into a buffer of the process that owns them: lend them one
// there, send the message naming it, and read it back.
std::string remoteText(HWND control, UINT message, WPARAM wParam, size_t length) {
    DWORD pid = 0;
    GetWindowThreadProcessId(control, &pid);
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
    if (!process) return {};
    std::string result;
    void* remote = VirtualAllocEx(process, nullptr, length + 1, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (remote) {
        SendMessageA(control, message, wParam, reinterpret_cast<LPARAM>(remote));
        std::vector<char> text(length + 1, '\0');
        SIZE_T read = 0;
        if (ReadProcessMemory(process, remote, text.data(), length, &read)) result.assign(text.data(), read);
        VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    }
    CloseHandle(process);
    return result;
}

}  // namespace

std::vector<ComboItem> comboItems(HWND combo) {
    std::vector<ComboItem> items;
    const LRESULT count = SendMessageA(combo, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        // The system copies the item across processes for the wide form of the message.
        const size_t length = static_cast<size_t>(SendMessageW(combo, CB_GETLBTEXTLEN, i, 0));
        std::vector<wchar_t> wide(length + 1, L'\0');
        SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(wide.data()));
        std::string text;
        for (size_t k = 0; k < length && wide[k]; ++k) text += static_cast<char>(wide[k] < 128 ? wide[k] : '?');
        items.push_back({text, SendMessageA(combo, CB_GETITEMDATA, i, 0)});
    }
    return items;
}

std::string statusText(HWND statusBar, int part) {
    const size_t length = LOWORD(SendMessageA(statusBar, SB_GETTEXTLENGTHA, part, 0));
    return remoteText(statusBar, SB_GETTEXTA, part, length);
}

std::vector<HWND> childrenInCreationOrder(HWND parent) {
    std::vector<HWND> children;
    for (HWND w = GetWindow(parent, GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT)) children.push_back(w);
    return children;
}

std::string editorText(HWND editor) {
    constexpr UINT getLength = 2006;  // SCI_GETLENGTH
    constexpr UINT getText = 2182;    // SCI_GETTEXT
    const size_t length = static_cast<size_t>(SendMessageA(editor, getLength, 0, 0));
    return remoteText(editor, getText, length + 1, length);
}

std::vector<HWND> topLevelWindows(DWORD processId) {
    std::vector<HWND> out;
    EnumState state{processId, &out};
    EnumWindows(collectTopLevel, reinterpret_cast<LPARAM>(&state));
    return out;
}

bool waitForFile(const std::string& path, DWORD timeout) {
    return pollUntil(timeout, [&] { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; });
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream all;
    all << in.rdbuf();
    return all.str();
}

}  // namespace driver

namespace driver {

void dragMouse(POINT from, POINT to) {
    sendMouse(from, 0);
    sendMouse(from, MOUSEEVENTF_LEFTDOWN);
    const int steps = 6;
    for (int i = 1; i <= steps; ++i) {
        Sleep(30);  // pacing between input events, as a hand moves; no result is awaited here
        sendMouse({from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps}, 0);
    }
    sendMouse(to, MOUSEEVENTF_LEFTUP);
}

bool waitForWindowRect(HWND window, const RECT& expected, DWORD timeout) {
    return pollUntil(timeout, [&] {
        RECT r;
        GetWindowRect(window, &r);
        return EqualRect(&r, &expected) != 0;
    });
}

}  // namespace driver

// The panels as a user meets them: opened from the popup menus and the scene list, driven by
// mouse and keyboard, their results read back from zandolin.ini, the editor, the lists and
// the pages the shell was asked to open.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "e2e/driver/driver.h"
#include "e2e/driver/input.h"
#include "support/temp_folder.h"
#include "support/test_env.h"

using namespace driver;

namespace {

constexpr UINT sciGetMarginWidth = 2243;  // SCI_GETMARGINWIDTHN

template <typename Condition>
bool waitFor(Condition condition, DWORD timeout = defaultTimeout) {
    const ULONGLONG deadline = GetTickCount64() + timeout;
    while (!condition()) {
        if (GetTickCount64() >= deadline) return false;
        Sleep(50);
    }
    return true;
}

POINT centreOf(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

void click(HWND window) {
    POINT p = centreOf(window);
    sendMouse(p, 0);
    sendMouse(p, MOUSEEVENTF_LEFTDOWN);
    sendMouse(p, MOUSEEVENTF_LEFTUP);
}

// Under Wine without a window manager an injected click right after a window appears is
// now and then dropped; a person clicks again, and so does this, until the effect shows.
template <typename Condition>
bool clickUntil(HWND window, Condition effect) {
    for (int attempt = 0; attempt < 3; ++attempt) {
        click(window);
        if (waitFor(effect, 5000)) return true;
    }
    return false;
}

void rightClick(POINT p) {
    sendMouse(p, MOUSEEVENTF_RIGHTDOWN);
    sendMouse(p, MOUSEEVENTF_RIGHTUP);
}

void press(WORD key) {
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_KEYBOARD;
    input[0].ki.wVk = input[1].ki.wVk = key;
    input[0].ki.wScan = input[1].ki.wScan = static_cast<WORD>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC));
    input[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, input, sizeof input[0]);
}

HWND findTopLevel(const Program& program, const std::string& cls, const std::string& text = "") {
    for (HWND w : topLevelWindows(program.id()))
        if (windowClass(w) == cls && (text.empty() || windowText(w) == text)) return w;
    return nullptr;
}

// Right-click at a point, wait for the popup menu and walk it with the keys given.
void chooseFromMenu(const Program& program, POINT at, std::initializer_list<WORD> keys) {
    rightClick(at);
    ASSERT_TRUE(waitFor([&] { return findTopLevel(program, "#32768") != nullptr; }));
    for (WORD key : keys) press(key);
}

HWND waitForPanel(const Program& program, const char* title) {
    HWND panel = nullptr;
    waitFor([&] { return (panel = findTopLevel(program, "TheWinClass", title)) != nullptr; });
    return panel;
}

bool panelGone(HWND panel) {
    return waitFor([&] { return !IsWindow(panel) || !IsWindowVisible(panel); });
}

HWND findChild(HWND parent, const std::string& text, const std::string& cls) {
    std::pair<std::string, HWND> want{cls + '\n' + text, nullptr};
    auto match = [](HWND w, LPARAM p) -> BOOL {
        auto* want = reinterpret_cast<std::pair<std::string, HWND>*>(p);
        if (windowClass(w) + '\n' + windowText(w) != want->first) return TRUE;
        want->second = w;
        return FALSE;
    };
    EnumChildWindows(parent, match, reinterpret_cast<LPARAM>(&want));
    return want.second;
}

// A panel shows its frame before its controls: wait for the control.
HWND child(HWND parent, const std::string& text, const std::string& cls = "Button") {
    HWND found = nullptr;
    waitFor([&] { return (found = findChild(parent, text, cls)) != nullptr; }, 10000);
    return found;
}

// A closing box stays in the program's modal loop a moment after it hides (longer without a
// window manager); a click on the panel before the loop ends would be taken by that loop.
bool answerAndWait(const MessageBoxSeen& box, int id) {
    return answer(box, id) && waitFor([&] { return !IsWindow(box.window); });
}

bool checked(HWND box) { return SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED; }

std::vector<std::string> listItems(HWND list) {
    std::vector<std::string> items;
    const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        wchar_t wide[300] = {};
        SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(wide));
        std::string text;
        for (int k = 0; wide[k]; ++k) text += static_cast<char>(wide[k] < 128 ? wide[k] : '?');
        items.push_back(text);
    }
    return items;
}

// The file version of the editing component, as the system's version API reads it.
std::string editorLibraryVersion(const std::string& path) {
    DWORD ignored = 0, size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
    std::vector<char> data(size);
    VS_FIXEDFILEINFO* info = nullptr;
    UINT length = 0;
    if (!size || !GetFileVersionInfoA(path.c_str(), 0, size, data.data()) ||
        !VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&info), &length))
        return {};
    return std::to_string(HIWORD(info->dwFileVersionMS)) + "." + std::to_string(LOWORD(info->dwFileVersionMS)) +
           "." + std::to_string(HIWORD(info->dwFileVersionLS));
}

// For the length of a test, the shell opens .html pages with the command recorder, which
// writes what it was given into the log.
struct HtmlPagesRecorded {
    std::string log;
    char previousClass[256] = {};
    explicit HtmlPagesRecorded(const std::string& logPath) : log(logPath) {
        LONG size = sizeof previousClass;
        RegQueryValueA(HKEY_CLASSES_ROOT, ".html", previousClass, &size);
        const std::string command = "\"" + testBinFolder() + "cmdrecorder.exe\" \"%1\"";
        RegSetValueA(HKEY_CLASSES_ROOT, "ZandolinTestPage\\shell\\open\\command", REG_SZ, command.c_str(),
                     static_cast<DWORD>(command.size()));
        RegSetValueA(HKEY_CLASSES_ROOT, ".html", REG_SZ, "ZandolinTestPage", 16);
        SetEnvironmentVariableA("ZANDOLIN_CMDRECORDER_LOG", log.c_str());
    }
    ~HtmlPagesRecorded() {
        RegSetValueA(HKEY_CLASSES_ROOT, ".html", REG_SZ, previousClass, static_cast<DWORD>(strlen(previousClass)));
        RegDeleteTreeA(HKEY_CLASSES_ROOT, "ZandolinTestPage");
        SetEnvironmentVariableA("ZANDOLIN_CMDRECORDER_LOG", nullptr);
    }
    bool opened(const std::string& page) const {
        return waitFor([&] { return readFile(log).find("argv[1]: " + page + "\n") != std::string::npos; });
    }
};

HWND startProgram(ProgramFolder& folder, Program& program, const char* lastView, const char* splice) {
    folder.write("encoder.ini", crlfLines({"#### encoder.ini ####", "end encoder.ini"}));
    folder.write("zandolin.ini", crlfLines({"#### zandolin.ini ####", "last view", lastView, "main window",
                                            "1 100 80 700 500", "write script", splice, "end zandolin.ini"}));
    if (!program.start(folder)) return nullptr;
    return program.waitForMainWindow();
}

// The main window's own background, left of the tab control.
POINT background(HWND main) {
    POINT p = {4, 100};
    ClientToScreen(main, &p);
    return p;
}

void openOptions(const Program& program, HWND main) {
    chooseFromMenu(program, background(main), {VK_UP, VK_UP, VK_UP, VK_UP, VK_RETURN});
}
void openCompressors(const Program& program, HWND main) {
    chooseFromMenu(program, background(main), {VK_UP, VK_UP, VK_UP, VK_RETURN});
}
void openAbout(const Program& program, HWND main) {
    chooseFromMenu(program, background(main), {VK_UP, VK_UP, VK_RIGHT, VK_UP, VK_RETURN});
}

}  // namespace

TEST(Panels, OptionsAboutAndCompressorsJourney) {
    ProgramFolder folder;
    TempFolder logs;
    HtmlPagesRecorded pages(logs.file("pages.log"));
    Program program;
    // Tips code 4: Beginner and Normal on, Advanced off; line numbers on.
    HWND main = startProgram(folder, program, "1 1 0 1 4 1", "1");
    ASSERT_NE(main, nullptr);
    HWND editor = FindWindowExA(main, nullptr, "Scintilla", nullptr);
    ASSERT_GT(SendMessageA(editor, sciGetMarginWidth, 0, 0), 0);

    // Options: the states come from the file; Advanced on, Line numbers off, OK.
    openOptions(program, main);
    HWND options = waitForPanel(program, "Zandolin Options Dialog");
    ASSERT_NE(options, nullptr);
    HWND beginner = child(options, "Beginner Tips"), normal = child(options, "Normal Tips");
    HWND advanced = child(options, "Advanced Tips"), lines = child(options, "Line numbers");
    ASSERT_TRUE(beginner && normal && advanced && lines);
    EXPECT_TRUE(checked(beginner));
    EXPECT_TRUE(checked(normal));
    EXPECT_FALSE(checked(advanced));
    EXPECT_TRUE(checked(lines));
    EXPECT_NE(child(options, "\tzandolin@zandolin.org", "Static"), nullptr);
    ASSERT_TRUE(clickUntil(advanced, [&] { return checked(advanced); }));
    ASSERT_TRUE(clickUntil(lines, [&] { return !checked(lines); }));
    EXPECT_TRUE(clickUntil(child(options, "OK"), [&] { return !IsWindowVisible(options); }));
    EXPECT_TRUE(waitFor([&] { return folder.read("zandolin.ini").find("\r\nlast view\r\n1 1 0 1 9 0\r\n") != std::string::npos; }));
    EXPECT_TRUE(waitFor([&] { return SendMessageA(editor, sciGetMarginWidth, 0, 0) == 0; }));

    // Again, from the file: a missing help page is told and the panel stays; Esc cancels and
    // writes nothing.
    const std::string saved = folder.read("zandolin.ini");
    ASSERT_TRUE(DeleteFileA(folder.file("docs\\English\\prefhelp.html").c_str()));
    openOptions(program, main);
    options = waitForPanel(program, "Zandolin Options Dialog");
    ASSERT_NE(options, nullptr);
    EXPECT_TRUE(checked(child(options, "Advanced Tips")));
    EXPECT_FALSE(checked(child(options, "Line numbers")));
    MessageBoxSeen box;
    ASSERT_TRUE(clickUntil(child(options, "Help"), [&] { return waitForMessageBox(program, box, 0); }));
    EXPECT_EQ(box.title, "Open dialog help file");
    EXPECT_EQ(box.text, "The file could not be opened.");
    ASSERT_TRUE(answerAndWait(box, IDOK));
    EXPECT_TRUE(IsWindowVisible(options));
    HWND advancedAgain = child(options, "Advanced Tips");
    ASSERT_TRUE(clickUntil(advancedAgain, [&] { return !checked(advancedAgain); }));
    press(VK_ESCAPE);
    EXPECT_TRUE(panelGone(options));
    EXPECT_EQ(folder.read("zandolin.ini"), saved);

    // About: the three groups with the versions of what is loaded.
    openAbout(program, main);
    HWND about = waitForPanel(program, "  about Zandolin");
    ASSERT_NE(about, nullptr);
    for (const char* group : {"Zandolin", "Script Editor for Zandolin", "AviSynth"})
        EXPECT_NE(child(about, group), nullptr) << group;
    EXPECT_NE(child(about, "version:  0.0.2.0 beta - 27 July 2007", "Static"), nullptr);
    const std::string editorVersion = editorLibraryVersion(folder.file("SciLexer.dll"));
    ASSERT_FALSE(editorVersion.empty());
    EXPECT_NE(child(about, "Scintilla   ... version:  " + editorVersion, "Static"), nullptr);
    EXPECT_NE(child(about, "version:  2.60  Jan 1, 2026  -  00:00:00", "Static"), nullptr);
    // While it is open the main window neither follows a drag nor switches views on F10.
    RECT before;
    GetWindowRect(main, &before);
    POINT from = background(main);
    dragMouse(from, {from.x + 60, from.y + 40});
    press(VK_F10);
    press(VK_ESCAPE);
    EXPECT_TRUE(panelGone(about));
    RECT after;
    GetWindowRect(main, &after);
    EXPECT_TRUE(EqualRect(&before, &after));
    HWND status = FindWindowExA(main, nullptr, "msctls_statusbar32", nullptr);
    EXPECT_EQ(statusText(status, 0), " Script Edit View");

    // Compressors: names on both sides, in order.
    openCompressors(program, main);
    HWND compressors = waitForPanel(program, "Audio and Video Compression Dialog");
    ASSERT_NE(compressors, nullptr);
    std::vector<HWND> lists;
    waitFor([&] {
        lists.clear();
        for (HWND w : childrenInCreationOrder(compressors))
            if (windowClass(w) == "ListBox") lists.push_back(w);
        return lists.size() == 2 && SendMessageW(lists[1], LB_GETCOUNT, 0, 0) > 0;
    });
    ASSERT_EQ(lists.size(), 2u);
    for (HWND list : lists) {
        std::vector<std::string> names = listItems(list);
        EXPECT_FALSE(names.empty());
        for (size_t i = 1; i < names.size(); ++i) EXPECT_LE(lstrcmpiA(names[i - 1].c_str(), names[i].c_str()), 0);
    }
    EXPECT_TRUE(clickUntil(child(compressors, "Cancel"), [&] { return !IsWindowVisible(compressors); }));

    // Last, as the page that opens takes the foreground: a missing page is told and the box
    // stays; a page that opens closes it.
    ASSERT_TRUE(DeleteFileA(folder.file("docs\\English\\UsersGuide.html").c_str()));
    openAbout(program, main);
    about = waitForPanel(program, "  about Zandolin");
    ASSERT_NE(about, nullptr);
    ASSERT_TRUE(clickUntil(child(about, "Zandolin User's Guide"), [&] { return waitForMessageBox(program, box, 0); }));
    EXPECT_EQ(box.title, "Open Zandolin's User's Guide");
    EXPECT_EQ(box.text, "Can not find file.");
    ASSERT_TRUE(answerAndWait(box, IDOK));
    EXPECT_TRUE(IsWindowVisible(about));
    EXPECT_TRUE(clickUntil(child(about, "A Message of Thank You"), [&] { return !IsWindowVisible(about); }));
    EXPECT_TRUE(pages.opened(folder.path + "docs\\English\\acknowledgements.html"));

    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.waitForExit(), 0);
}

TEST(Panels, ScriptWritingOptionsFromTheSceneList) {
    ProgramFolder folder;
    Program program;
    HWND main = startProgram(folder, program, "3 1 0 1 9 1", "1");
    ASSERT_NE(main, nullptr);
    HWND startHeader = child(main, "Start Frame", "Static");
    ASSERT_NE(startHeader, nullptr);
    HWND rows = GetParent(startHeader);
    // The Video Editor is laid out after the main window shows.
    ASSERT_TRUE(waitFor([&] { return IsWindowVisible(rows) != 0; }));
    // Over the empty rows: their cells let the mouse through to the list itself.
    RECT client;
    GetClientRect(rows, &client);
    POINT inRows = {client.right / 2, client.bottom - 6};
    ClientToScreen(rows, &inRows);

    // Choice 1 shows "+"; Cancel keeps the file as it is.
    rightClick(inRows);
    HWND panel = waitForPanel(program, "Script Writing Options");
    ASSERT_NE(panel, nullptr);
    HWND plusPlus = child(panel, "++"), plus = child(panel, "+");
    ASSERT_TRUE(plusPlus && plus);
    EXPECT_TRUE(checked(plus));
    EXPECT_FALSE(checked(plusPlus));
    const std::string before = folder.read("zandolin.ini");
    EXPECT_TRUE(clickUntil(child(panel, "Cancel"), [&] { return !IsWindowVisible(panel); }));
    EXPECT_EQ(folder.read("zandolin.ini"), before);

    // "++" and OK: stored at once; Enter is OK.
    rightClick(inRows);
    panel = waitForPanel(program, "Script Writing Options");
    ASSERT_NE(panel, nullptr);
    HWND plusPlusAgain = child(panel, "++");
    ASSERT_TRUE(clickUntil(plusPlusAgain, [&] { return checked(plusPlusAgain); }));
    press(VK_RETURN);
    EXPECT_TRUE(panelGone(panel));
    EXPECT_TRUE(waitFor([&] { return folder.read("zandolin.ini").find("\r\nwrite script\r\n2\r\n") != std::string::npos; }));

    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.waitForExit(), 0);
}

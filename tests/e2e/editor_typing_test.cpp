// Typing in the running program's editor: the typed word is matched against AviSynth's
// functions, shown in the status bar, and its call tip follows the timer.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include "e2e/driver/driver.h"
#include "support/temp_folder.h"

using namespace driver;

namespace {

constexpr UINT callTipActive = 2202;  // SCI_CALLTIPACTIVE

bool waitUntil(DWORD timeout, bool (*condition)(HWND), HWND window) {
    const ULONGLONG deadline = GetTickCount64() + timeout;
    while (GetTickCount64() < deadline) {
        if (condition(window)) return true;
        Sleep(50);
    }
    return condition(window);
}

}  // namespace

TEST(EditorTyping, AFunctionPrefixShowsInTheStatusBarAndItsTipFollows) {
    ProgramFolder folder;
    folder.write("encoder.ini", crlfLines({"#### encoder.ini ####", "end encoder.ini"}));
    folder.write("zandolin.ini", crlfLines({"#### zandolin.ini ####", "end zandolin.ini"}));
    Program program;
    ASSERT_TRUE(program.start(folder));
    HWND main = program.waitForMainWindow();
    ASSERT_NE(main, nullptr);
    HWND editor = FindWindowExA(main, nullptr, "Scintilla", nullptr);
    HWND status = FindWindowExA(main, nullptr, STATUSCLASSNAMEA, nullptr);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(SendMessageA(editor, callTipActive, 0, 0), 0);
    PostMessageA(editor, WM_CHAR, 'B', 1);
    PostMessageA(editor, WM_CHAR, 'l', 1);
    PostMessageA(editor, WM_CHAR, 'a', 1);
    ASSERT_TRUE(waitUntil(10000, [](HWND e) { return SendMessageA(e, callTipActive, 0, 0) != 0; }, editor));
    EXPECT_EQ(statusText(status, 2), "Bla");
    EXPECT_EQ(statusText(status, 3), "Press Enter for Filter Dlg");
    EXPECT_EQ(editorText(editor), "Bla");
    // A character that matches nothing gives the status line back, now marked modified.
    PostMessageA(editor, WM_CHAR, ' ', 1);
    ASSERT_TRUE(waitUntil(10000, [](HWND s) { return statusText(s, 3) == " Source: *untitled"; }, status));
    EXPECT_EQ(statusText(status, 0), " Script Edit View");

    // The text is modified now: answer the save question with No.
    PostMessageA(main, WM_CLOSE, 0, 0);
    MessageBoxSeen box;
    ASSERT_TRUE(waitForMessageBox(program, box));
    EXPECT_EQ(box.text, "The work in the editor is not saved.\n\nWould you like to save it now?");
    ASSERT_TRUE(answer(box, IDNO));
    EXPECT_EQ(program.waitForExit(), 0);
}

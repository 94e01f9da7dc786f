// The main window has no caption: it is dragged by its own background.
#include <gtest/gtest.h>

#include "e2e/driver/driver.h"
#include "support/temp_folder.h"

using namespace driver;

namespace {

HWND startInScriptEditor(ProgramFolder& folder, Program& program) {
    folder.write("encoder.ini", crlfLines({"#### encoder.ini ####", "end encoder.ini"}));
    folder.write("zandolin.ini", crlfLines({"#### zandolin.ini ####", "last view", "1 1 0 1 9 1", "main window",
                                            "1 100 80 700 500", "end zandolin.ini"}));
    if (!program.start(folder)) return nullptr;
    return program.waitForMainWindow();
}

}  // namespace

TEST(WindowDrag, PressOnTheBackgroundMovesTheWindowWithTheCursor) {
    ProgramFolder folder;
    Program program;
    HWND main = startInScriptEditor(folder, program);
    ASSERT_NE(main, nullptr);
    RECT before;
    GetWindowRect(main, &before);
    POINT from = {4, 100};  // left of the tab control: the main window's own background
    ClientToScreen(main, &from);
    ASSERT_EQ(WindowFromPoint(from), main);
    dragMouse(from, {from.x + 60, from.y + 40});
    RECT expected = before;
    OffsetRect(&expected, 60, 40);
    EXPECT_TRUE(waitForWindowRect(main, expected, 10000));
    // A press on a child control leaves the window where it is.
    RECT now;
    GetWindowRect(main, &now);
    HWND editor = FindWindowExA(main, nullptr, "Scintilla", nullptr);
    RECT editorRect;
    GetWindowRect(editor, &editorRect);
    POINT inside = {editorRect.left + 40, editorRect.top + 40};
    dragMouse(inside, {inside.x + 30, inside.y + 30});
    // Then a drag on the background: the window ends up moved by this one alone.
    POINT back = {4, 100};
    ClientToScreen(main, &back);
    dragMouse(back, {back.x - 20, back.y + 10});
    RECT expectedAfter = now;
    OffsetRect(&expectedAfter, -20, 10);
    EXPECT_TRUE(waitForWindowRect(main, expectedAfter, 10000));

    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.waitForExit(), 0);
    // The moved placement is what the settings keep.
    EXPECT_NE(folder.read("zandolin.ini").find("\r\nmain window\r\n1 140 130 700 500\r\n"), std::string::npos);
}

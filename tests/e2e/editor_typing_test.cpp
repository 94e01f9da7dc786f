// Typing in the running program's editor: the typed word is matched against AviSynth's
// functions, shown in the status bar, and its call tip follows the timer.
#include <gtest/gtest.h>

#include "e2e/shell_fixture.h"

using namespace driver;

TEST(EditorTyping, AFunctionPrefixShowsInTheStatusBarAndItsTipFollows) {
    constexpr UINT callTipActive = 2202;  // SCI_CALLTIPACTIVE
    shelltest::Session s;
    ASSERT_TRUE(s.start());
    EXPECT_EQ(SendMessageA(s.editor, callTipActive, 0, 0), 0);
    for (char c : {'B', 'l', 'a'}) PostMessageA(s.editor, WM_CHAR, c, 1);
    ASSERT_TRUE(shelltest::waitFor([&] { return SendMessageA(s.editor, callTipActive, 0, 0) != 0; }, 10000));
    EXPECT_EQ(s.statusPart(2), "Bla");
    EXPECT_EQ(s.statusPart(3), "Press Enter for Filter Dlg");
    EXPECT_EQ(editorText(s.editor), "Bla");
    // A character that matches nothing gives the status line back, now marked modified.
    PostMessageA(s.editor, WM_CHAR, ' ', 1);
    ASSERT_TRUE(shelltest::waitFor([&] { return s.statusPart(3) == " Source: *untitled"; }, 10000));
    EXPECT_EQ(s.statusPart(0), " Script Edit View");

    // The text is modified now: answer the save question with No.
    PostMessageA(s.main, WM_CLOSE, 0, 0);
    EXPECT_EQ(shelltest::answerBox(s.program, "Save file", IDNO),
              "The work in the editor is not saved.\n\nWould you like to save it now?");
    EXPECT_EQ(s.program.waitForExit(), 0);
}

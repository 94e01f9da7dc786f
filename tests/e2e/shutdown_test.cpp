// Closing with a modified script offers to save it; closing without changes asks nothing.
#include <gtest/gtest.h>

#include "e2e/shell_fixture.h"

using namespace driver;
using shelltest::script;

namespace {

bool startWithScript(shelltest::Session& s) { return s.start("\"" + s.folder.file("clip.avs") + "\""); }

}  // namespace

TEST(Shutdown, AModifiedScriptIsOfferedForSavingAndEachCancelKeepsTheProgramRunning) {
    shelltest::Session s;
    ASSERT_TRUE(startWithScript(s));
    PostMessageA(s.editor, WM_CHAR, '#', 1);
    PostMessageA(s.main, WM_CLOSE, 0, 0);
    MessageBoxSeen box;
    ASSERT_TRUE(waitForMessageBox(s.program, box));
    EXPECT_EQ(box.title, "Save file");
    EXPECT_EQ(box.text, "The file:\n\n" + s.folder.file("clip.avs") +
                            " \n\nhas been modified.\n\nWould you like to save it now?");
    ASSERT_TRUE(answer(box, IDCANCEL));
    EXPECT_TRUE(s.program.running());
    EXPECT_EQ(editorText(s.editor), "#" + script);
    // Still modified: the next close asks again; Yes then Cancel in the save dialog also stays.
    PostMessageA(s.main, WM_CLOSE, 0, 0);
    EXPECT_EQ(shelltest::answerBox(s.program, "Save file", IDYES), box.text);
    MessageBoxSeen dialog;  // the save dialog
    ASSERT_TRUE(waitForMessageBox(s.program, dialog));
    ASSERT_TRUE(answer(dialog, IDCANCEL));
    EXPECT_TRUE(s.program.running());
    PostMessageA(s.main, WM_CLOSE, 0, 0);
    EXPECT_EQ(shelltest::answerBox(s.program, "Save file", IDNO), box.text);
    EXPECT_EQ(s.program.waitForExit(), 0);
    EXPECT_EQ(s.folder.read("clip.avs"), script);  // nothing saved
    EXPECT_TRUE(s.folder.exists("zandolin.ini"));
}

TEST(Shutdown, AnUnchangedScriptClosesWithoutAQuestion) {
    shelltest::Session s;
    ASSERT_TRUE(startWithScript(s));
    PostMessageA(s.main, WM_CLOSE, 0, 0);
    EXPECT_EQ(s.program.waitForExit(), 0);
    EXPECT_TRUE(s.folder.exists("zandolin.ini"));
}

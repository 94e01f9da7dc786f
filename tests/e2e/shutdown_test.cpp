// Closing with a modified script offers to save it; closing without changes asks nothing.
#include <gtest/gtest.h>

#include "e2e/driver/driver.h"
#include "support/temp_folder.h"

using namespace driver;

namespace {

const std::string script = "BlankClip(length=10)\r\n";

HWND startWithScript(ProgramFolder& folder, Program& program) {
    folder.write("encoder.ini", crlfLines({"#### encoder.ini ####", "end encoder.ini"}));
    folder.write("zandolin.ini", crlfLines({"#### zandolin.ini ####", "end zandolin.ini"}));
    folder.write("clip.avs", script);
    if (!program.start(folder, "\"" + folder.file("clip.avs") + "\"")) return nullptr;
    return program.waitForMainWindow();
}

void typeInto(HWND editor, const char* text) {
    for (const char* c = text; *c; ++c) PostMessageA(editor, WM_CHAR, static_cast<unsigned char>(*c), 1);
}

}  // namespace

TEST(Shutdown, AModifiedScriptIsOfferedForSavingAndEachCancelKeepsTheProgramRunning) {
    ProgramFolder folder;
    Program program;
    HWND main = startWithScript(folder, program);
    ASSERT_NE(main, nullptr);
    HWND editor = FindWindowExA(main, nullptr, "Scintilla", nullptr);
    typeInto(editor, "#");
    PostMessageA(main, WM_CLOSE, 0, 0);
    MessageBoxSeen box;
    ASSERT_TRUE(waitForMessageBox(program, box));
    EXPECT_EQ(box.title, "Save file");
    EXPECT_EQ(box.text, "The file:\n\n" + folder.file("clip.avs") +
                            " \n\nhas been modified.\n\nWould you like to save it now?");
    ASSERT_TRUE(answer(box, IDCANCEL));
    EXPECT_TRUE(program.running());
    EXPECT_EQ(editorText(editor), "#" + script);
    // Still modified: the next close asks again; Yes then Cancel in the save dialog also stays.
    PostMessageA(main, WM_CLOSE, 0, 0);
    ASSERT_TRUE(waitForMessageBox(program, box));
    ASSERT_EQ(box.title, "Save file");
    ASSERT_TRUE(answer(box, IDYES));
    MessageBoxSeen dialog;  // the save dialog
    ASSERT_TRUE(waitForMessageBox(program, dialog));
    ASSERT_TRUE(answer(dialog, IDCANCEL));
    EXPECT_TRUE(program.running());
    PostMessageA(main, WM_CLOSE, 0, 0);
    ASSERT_TRUE(waitForMessageBox(program, box));
    ASSERT_EQ(box.title, "Save file");
    ASSERT_TRUE(answer(box, IDNO));
    EXPECT_EQ(program.waitForExit(), 0);
    EXPECT_EQ(folder.read("clip.avs"), script);  // nothing saved
    EXPECT_TRUE(folder.exists("zandolin.ini"));
}

TEST(Shutdown, AnUnchangedScriptClosesWithoutAQuestion) {
    ProgramFolder folder;
    Program program;
    HWND main = startWithScript(folder, program);
    ASSERT_NE(main, nullptr);
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.waitForExit(), 0);
    EXPECT_TRUE(folder.exists("zandolin.ini"));
}

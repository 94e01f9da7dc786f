// A run that breaks off leaves its scene list behind; the next start offers it back.
#include <gtest/gtest.h>

#include "e2e/driver/driver.h"
#include "support/temp_folder.h"

using namespace driver;

namespace {
const std::string clipText = "BlankClip(length=9000)\r\n";
const std::string cutRows = crlfLines({"r01 - - 0 1499", "r02 Dissolve 30 - -", "r03 FadeOut 45 3000 4499",
                                         "r04 - - 6000 6999"});

bool waitForText(const ProgramFolder& folder, const std::string& name, const std::string& part) {
    DWORD deadline = GetTickCount() + defaultTimeout;
    while (GetTickCount() < deadline) {
        if (folder.exists(name) && folder.read(name).find(part) != std::string::npos) return true;
        Sleep(20);
    }
    return false;
}

// Starts with clip.avs, waits until the run marker names it, puts rows in the row file as the
// Video Editor's Add does, and kills the program without a clean end.
void cutAndCrash(ProgramFolder& folder) {
    Program program;
    ASSERT_TRUE(program.start(folder, "\"" + folder.file("clip.avs") + "\""));
    ASSERT_NE(program.waitForMainWindow(), nullptr);
    ASSERT_TRUE(waitForText(folder, "zandolin.run", folder.file("clip.avs")));
    folder.write("rowdat.vlr", cutRows);
    TerminateProcess(program.process.hProcess, 9);
    EXPECT_EQ(program.waitForExit(), 9);
}
}  // namespace

TEST(SceneRecovery, YesRestoresTheRowsAndTheSourceInTheVideoEditorNoStartsEmpty) {
    ProgramFolder folder;
    folder.write("encoder.ini", crlfLines({"#### encoder.ini ####", "end encoder.ini"}));
    folder.write("zandolin.ini", crlfLines({"#### zandolin.ini ####", "last view", "1 1 0 1 9 1", "end zandolin.ini"}));
    folder.write("clip.avs", clipText);
    cutAndCrash(folder);

    Program again;
    ASSERT_TRUE(again.start(folder));
    MessageBoxSeen box;
    ASSERT_TRUE(waitForMessageBox(again, box));
    EXPECT_EQ(box.title, "Restore scenes");
    EXPECT_EQ(box.text, "Zandolin did not close properly last time.\n\nThe scene list still holds 3 scenes (4 rows) "
                        "cut from\n" + folder.file("clip.avs") +
                            "\n\nDo you want to restore them?\n\nClick No to start with an empty scene list.");
    ASSERT_TRUE(answer(box, IDYES));
    HWND main = again.waitForMainWindow();
    ASSERT_NE(main, nullptr);
    HWND editor = FindWindowExA(main, nullptr, "Scintilla", nullptr);
    EXPECT_EQ(editorText(editor), clipText);
    EXPECT_FALSE(IsWindowVisible(editor));  // the Video Editor is shown
    EXPECT_TRUE(IsWindowVisible(FindWindowExA(main, nullptr, "TheVidWinClass", nullptr)));
    EXPECT_EQ(statusText(FindWindowExA(main, nullptr, "msctls_statusbar32", nullptr), 3), " Source:  clip.avs");
    EXPECT_EQ(folder.read("rowdat.vlr"), cutRows);
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(again.waitForExit(), 0);
    EXPECT_FALSE(folder.exists("zandolin.run"));
    EXPECT_NE(folder.read("zandolin.ini").find("\r\nlast view\r\n3 "), std::string::npos);

    // After that clean end a start asks nothing and empties the list as always.
    Program clean;
    ASSERT_TRUE(clean.start(folder));
    main = clean.waitForMainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(noMessageBoxFor(clean, 300));
    EXPECT_EQ(folder.read("rowdat.vlr"), "");
    TerminateProcess(clean.process.hProcess, 9);
    clean.waitForExit();

    // Killed with an empty list: nothing to offer.
    Program quiet;
    ASSERT_TRUE(quiet.start(folder));
    ASSERT_NE(quiet.waitForMainWindow(), nullptr);
    EXPECT_TRUE(noMessageBoxFor(quiet, 300));
    TerminateProcess(quiet.process.hProcess, 9);
    quiet.waitForExit();

    cutAndCrash(folder);
    Program declined;
    ASSERT_TRUE(declined.start(folder));
    ASSERT_TRUE(waitForMessageBox(declined, box));
    ASSERT_TRUE(answer(box, IDNO));
    main = declined.waitForMainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(folder.read("rowdat.vlr"), "");
    EXPECT_EQ(editorText(FindWindowExA(main, nullptr, "Scintilla", nullptr)), "");
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(declined.waitForExit(), 0);
}

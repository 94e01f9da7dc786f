// Scripts and projects through the menus and the common dialogs, typed into as a person does.
#include <gtest/gtest.h>

#include "e2e/shell_fixture.h"

using namespace driver;
using namespace shelltest;

namespace {

const std::string row = "r01 - - 0 9";

POINT background(HWND main) {
    RECT client;
    GetClientRect(main, &client);
    return {client.right - 25, 12};
}

}  // namespace

TEST(ScriptCommands, OpenSaveAsTheModifiedMarkAndAFileTooLargeForAScript) {
    Session s;
    ASSERT_TRUE(s.start());
    ASSERT_TRUE(s.choose(s.editor, {40, 40}, {"Open Script"}));
    ASSERT_TRUE(fillFileDialog(s.program, s.folder.file("clip.avs")));
    ASSERT_TRUE(waitFor([&] { return editorText(s.editor) == script; }));
    EXPECT_TRUE(waitFor([&] { return s.statusPart(3) == " Source:  clip.avs"; }));

    clickInWindow(s.editor, {200, 100});
    typeText("#");
    ASSERT_TRUE(waitFor([&] { return s.statusPart(3) == " Source: *clip.avs"; }));
    ASSERT_TRUE(s.choose(s.editor, {40, 40}, {"Save Script As"}));
    ASSERT_TRUE(fillFileDialog(s.program, s.folder.file("saved.avs")));
    ASSERT_TRUE(waitFor([&] { return s.statusPart(3) == " Source:  saved.avs"; }));
    EXPECT_EQ(s.folder.read("saved.avs"), script + "#");
    EXPECT_EQ(s.folder.read("clip.avs"), script);

    // A video picked by mistake is refused with its size; the editor keeps its text.
    s.folder.write("movie.avs", std::string(40 * 1024 * 1024, 'v'));
    ASSERT_TRUE(s.choose(s.editor, {40, 40}, {"Open Script"}));
    ASSERT_TRUE(fillFileDialog(s.program, s.folder.file("movie.avs")));
    EXPECT_EQ(answerBox(s.program, "Open file", IDOK),
              "The file:\n" + s.folder.file("movie.avs") + "\nis 41943040 bytes long, too large for a script.\nIt was not opened.");
    EXPECT_EQ(editorText(s.editor), script + "#");
    EXPECT_EQ(s.statusPart(3), " Source:  saved.avs");
    ASSERT_TRUE(s.choose(s.editor, {40, 40}, {"Exit"}));
    EXPECT_EQ(s.program.waitForExit(), 0);
}

TEST(ProjectCommands, SaveAsThenOpenInAFreshRunRestoresTheRowsAndNewProjectClearsThem) {
    Session s;
    ASSERT_TRUE(s.start());
    // Without a source script there is no project to save, and no dialog opens.
    ASSERT_TRUE(s.choose(s.main, background(s.main), {"Project", "Save Project As"}));
    EXPECT_EQ(answerBox(s.program, "Save project", IDOK), "A project must have a Source Script.\nPlease open a .avs script.");
    ASSERT_TRUE(s.choose(s.editor, {40, 40}, {"Open Script"}));
    ASSERT_TRUE(fillFileDialog(s.program, s.folder.file("clip.avs")));
    ASSERT_TRUE(waitFor([&] { return editorText(s.editor) == script; }));
    s.folder.write("rowdat.vlr", crlfLines({row.c_str()}));
    ASSERT_TRUE(s.choose(s.main, background(s.main), {"Project", "Save Project As"}));
    ASSERT_TRUE(fillFileDialog(s.program, s.folder.file("trip.jvl")));
    ASSERT_TRUE(waitForFile(s.folder.file("trip_vlprj.avs")));
    EXPECT_EQ(s.folder.read("trip.jvl"),
              crlfLines({"Project File Name", s.folder.file("trip.jvl").c_str(), "", "Script Source File",
                         s.folder.file("clip.avs").c_str(), "", "Project Script File",
                         s.folder.file("trip_vlprj.avs").c_str(), "", "Frame Editor Data", row.c_str(),
                         "End Project File"}));
    ASSERT_TRUE(s.choose(s.main, background(s.main), {"Exit"}));
    ASSERT_EQ(s.program.waitForExit(), 0);

    // A fresh run starts with no rows; opening the project brings them and its script back.
    Program again;
    ASSERT_TRUE(again.start(s.folder));
    s.program.process = {};
    HWND main = again.waitForMainWindow();
    ASSERT_TRUE(s.attach(main));
    ASSERT_EQ(s.folder.read("rowdat.vlr"), "");
    ASSERT_TRUE(chooseFromMenu(again, s.folder, main, background(main), {"Project", "Open Project"}));
    ASSERT_TRUE(fillFileDialog(again, s.folder.file("trip.jvl")));
    ASSERT_TRUE(waitFor([&] { return s.folder.read("rowdat.vlr") == crlfLines({row.c_str()}); }));
    ASSERT_TRUE(waitFor([&] { return editorText(s.editor) == script; }));
    EXPECT_EQ(s.statusPart(3), " Source:  clip.avs");

    // Something that is not a project is refused and changes nothing.
    s.folder.write("movie.jvl", std::string("RIFF\x10\0\0\0AVI LIST", 16));
    ASSERT_TRUE(chooseFromMenu(again, s.folder, main, background(main), {"Project", "Open Project"}));
    ASSERT_TRUE(fillFileDialog(again, s.folder.file("movie.jvl")));
    EXPECT_EQ(answerBox(again, "Open Project", IDOK),
              "The file:\n" + s.folder.file("movie.jvl") + "\nis not a Zandolin project file.\nNothing was opened.");
    EXPECT_EQ(s.folder.read("rowdat.vlr"), crlfLines({row.c_str()}));
    EXPECT_EQ(editorText(s.editor), script);

    // One row: the row menu offers everything but "Insert Row Below".
    pressKeys({VK_F11});
    ASSERT_TRUE(waitFor([&] { return s.statusPart(0) == " Video Edit View"; }));
    clickInWindow(s.rowButton(0), {5, 5}, true);
    ASSERT_TRUE(waitForPopupMenu(again));
    auto items = readMenus(again, s.folder);
    for (unsigned id : {30001u, 30003u, 30004u, 30005u}) {
        ASSERT_NE(findItem(items, id), nullptr);
        EXPECT_FALSE(findItem(items, id)->greyed()) << id;
    }
    ASSERT_NE(findItem(items, 30002), nullptr);
    EXPECT_TRUE(findItem(items, 30002)->greyed());
    pressKeys({VK_ESCAPE});
    pressKeys({VK_F9});
    ASSERT_TRUE(waitFor([&] { return s.statusPart(0) == " Script Edit View"; }));

    // New Project with a modified script warns first, then clears rows, text and names.
    clickInWindow(s.editor, {200, 100});
    typeText("#");
    ASSERT_TRUE(waitFor([&] { return s.statusPart(3) == " Source: *clip.avs"; }));
    ASSERT_TRUE(chooseFromMenu(again, s.folder, main, background(main), {"Project", "New Project"}));
    EXPECT_EQ(answerBox(again, "Zandolin New Project", IDOK),
              "The file in the script editor has been changed. If you wish to save it,\nclick Cancel on the next message.");
    EXPECT_EQ(answerBox(again, "Zandolin New Project", IDOK),
              "Selecting new project will clear all data and\nfile-names");
    ASSERT_TRUE(waitFor([&] { return editorText(s.editor).empty(); }));
    EXPECT_EQ(s.folder.read("rowdat.vlr"), "");
    EXPECT_TRUE(waitFor([&] { return s.statusPart(3) == " Source:  untitled"; }));
    ASSERT_TRUE(chooseFromMenu(again, s.folder, main, background(main), {"Exit"}));
    EXPECT_EQ(again.waitForExit(), 0);
    EXPECT_EQ(s.folder.read("clip.avs"), script);
}

TEST(CommandLine, AnUnquotedPathOpensRelativeToTheCurrentFolderOrWhole) {
    for (const char* form : {"relative", "absolute"}) {
        Session s;
        s.folder.write("my clip.avs", "Version()\r\n");
        const std::string arguments = std::string(form) == "relative" ? "clip.avs" : s.folder.file("my clip.avs");
        ASSERT_TRUE(s.start(arguments));
        const std::string expected = std::string(form) == "relative" ? script : "Version()\r\n";
        EXPECT_TRUE(waitFor([&] { return editorText(s.editor) == expected; })) << form;
        EXPECT_EQ(s.statusPart(3), std::string(" Source:  ") + (expected == script ? "clip.avs" : "my clip.avs"));
        ASSERT_TRUE(s.choose(s.main, background(s.main), {"Exit"}));
        EXPECT_EQ(s.program.waitForExit(), 0);
    }
}

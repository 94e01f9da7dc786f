// The program's first run, a normal start and close, damaged and missing settings files.
#include <gtest/gtest.h>

#include "e2e/driver/driver.h"
#include "support/temp_folder.h"

using namespace driver;

namespace {

const std::string defaultSettings = crlfLines(
    {"#### zandolin.ini ####", "########################", "", "", "avisynth path", "string", "", "project path",
     "", "", "last font", "", "", "last view", "0 0 0 0", "", "last ar", "", "", "jump", "299", "", "main window",
     "", "", "write script", "1", "", "viewer Tech", "2 5 8", "", "button 1", "", "", "button 2", "", "",
     "button 3", "", "", "button 4", "", "", "button 5", "", "", "button 6", "", "", "end zandolin.ini"});

const std::string newEncoderFile =
    crlfLines({"#### encoder.ini ####", "#####################", "", "", "default encoder", "00", "", "",
               "end encoder.ini"});

const char* const welcomeText =
    "Welcome!\n\nThe first time Zandolin runs it will create three files (zandolin.ini, encoder.ini and "
    "row.dat).\n\nZandolin needs these files to store user defined settings, as it does not write info to "
    "your registry.\n\nIf you are not running Zandolin for the first time the files have been moved from "
    "Zandolins directory, have been deleted or are badly damaged.\n\nZandolin will now create these small "
    "files in Zandolin's directory.\n\nThanks for tying Zandolin.  send mail to: zandolin@zandolin.org";

// A settings file as the program writes it, with the given values.
std::string settingsFile(const char* lastView, const char* ar, const char* jump, const char* mainWindow,
                         const char* splice) {
    return crlfLines({"#### zandolin.ini ####", "########################", "", "", "avisynth path", "D:\\docs", "",
                      "", "project path", "", "", "", "last font", "", "", "", "", "last view", lastView, "", "",
                      "last ar", ar, "", "", "jump", jump, "", "", "main window", mainWindow, "", "",
                      "write script", splice, "", "", "button 1", "C:\\tools\\one.exe", "-a", "", "", "button 2",
                      "", "", "", "", "button 3", "", "", "", "", "button 4", "", "", "", "", "button 5", "", "",
                      "", "", "button 6", "", "", "", "", "end zandolin.ini"});
}

void closeProgram(Program& program, HWND main) {
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.waitForExit(), 0);
}

}  // namespace

TEST(FirstRun, YesCreatesBothFilesByteForByte) {
    ProgramFolder folder;
    Program program;
    ASSERT_TRUE(program.start(folder));
    MessageBoxSeen box;
    ASSERT_TRUE(waitForMessageBox(program, box));
    EXPECT_EQ(box.title, "Zandolin loading user settings");
    EXPECT_EQ(box.text, welcomeText);
    ASSERT_TRUE(answer(box, IDYES));
    HWND main = program.waitForMainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(folder.read("zandolin.ini"), defaultSettings);
    EXPECT_EQ(folder.read("encoder.ini"), newEncoderFile);
    EXPECT_TRUE(folder.exists("rowdat.vlr"));
    EXPECT_EQ(folder.read("rowdat.vlr"), "");
    EXPECT_FALSE(folder.exists("temp.ini"));
    closeProgram(program, main);
}

TEST(FirstRun, NoCreatesNothingEvenAtClose) {
    ProgramFolder folder;
    Program program;
    ASSERT_TRUE(program.start(folder));
    MessageBoxSeen box;
    ASSERT_TRUE(waitForMessageBox(program, box));
    ASSERT_EQ(box.title, "Zandolin loading user settings");
    ASSERT_TRUE(answer(box, IDNO));
    HWND main = program.waitForMainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_FALSE(folder.exists("zandolin.ini"));
    EXPECT_FALSE(folder.exists("encoder.ini"));
    closeProgram(program, main);
    EXPECT_FALSE(folder.exists("zandolin.ini"));
    EXPECT_FALSE(folder.exists("rowdat.vlr"));
    EXPECT_FALSE(folder.exists("temp.ini"));
}

TEST(Settings, CloseWritesTheValuesInEffect) {
    ProgramFolder folder;
    folder.write("encoder.ini", newEncoderFile);
    // Video Editor, 16:9, jump 120, tips code 8, a saved placement, splice 1.
    folder.write("zandolin.ini", settingsFile("3 2 1 0 8 0", "2", "120", "1 40 30 820 560", "1 5"));
    folder.write("rowdat.vlr", "r01 - 0 99\r\n");
    Program program;
    ASSERT_TRUE(program.start(folder));
    HWND main = program.waitForMainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(folder.read("rowdat.vlr"), "");  // each session starts with an empty scene list
    EXPECT_TRUE(noMessageBoxFor(program, 300));
    RECT r;
    GetWindowRect(main, &r);
    EXPECT_EQ(r.left, 40);
    EXPECT_EQ(r.top, 30);
    EXPECT_EQ(r.right - r.left, 820);
    EXPECT_EQ(r.bottom - r.top, 560);
    closeProgram(program, main);
    // The same values come back; "viewer Tech" and the splice extra are not written.
    EXPECT_EQ(folder.read("zandolin.ini"), settingsFile("3 2 1 0 8 0", "2", "120", "1 40 30 820 560", "1"));
    EXPECT_FALSE(folder.exists("temp.ini"));
}

TEST(Settings, ZeroJumpAndSpliceAreWrittenBackAsTheValuesTheProgramUsed) {
    ProgramFolder folder;
    folder.write("encoder.ini", newEncoderFile);
    folder.write("zandolin.ini", defaultSettings);
    Program program;
    ASSERT_TRUE(program.start(folder));
    HWND main = program.waitForMainWindow();
    ASSERT_NE(main, nullptr);
    closeProgram(program, main);
    const std::string written = folder.read("zandolin.ini");
    EXPECT_NE(written.find("\r\nlast view\r\n1 1 0 0 9 1\r\n"), std::string::npos) << written;
    EXPECT_NE(written.find("\r\njump\r\n299\r\n"), std::string::npos);
    EXPECT_NE(written.find("\r\nwrite script\r\n1\r\n"), std::string::npos);
    EXPECT_NE(written.find("\r\nlast ar\r\n0\r\n"), std::string::npos);
    EXPECT_NE(written.find("\r\navisynth path\r\nstring\r\n"), std::string::npos);
    EXPECT_EQ(written.find("viewer Tech"), std::string::npos);
}

TEST(Settings, DamagedFileIsReplacedByTheDefaultFileWithoutAsking) {
    ProgramFolder folder;
    folder.write("encoder.ini", newEncoderFile);
    folder.write("zandolin.ini", std::string("\x01\x02 not a settings file\r\njump\r\n5\r\n", 31));
    Program program;
    ASSERT_TRUE(program.start(folder));
    HWND main = program.waitForMainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(noMessageBoxFor(program, 300));
    EXPECT_EQ(folder.read("zandolin.ini"), defaultSettings);
    closeProgram(program, main);
}

TEST(Settings, MissingSettingsFileBringsTheRepairPrompt) {
    ProgramFolder folder;
    folder.write("encoder.ini", newEncoderFile);
    Program program;
    ASSERT_TRUE(program.start(folder));
    MessageBoxSeen box;
    ASSERT_TRUE(waitForMessageBox(program, box));
    EXPECT_EQ(box.title, "readPresets");
    EXPECT_EQ(box.text, "Could not open zandolin.ini");
    ASSERT_TRUE(answer(box, IDOK));
    ASSERT_TRUE(waitForMessageBox(program, box));
    EXPECT_EQ(box.title, "Zandolin");
    EXPECT_EQ(box.text,
              "The file \" zandolin.ini \" \ncan not be read or is missing\n\nClick Yes, to repair or replace "
              "file\nif not then click NO\n");
    ASSERT_TRUE(answer(box, IDNO));
    HWND main = program.waitForMainWindow();
    ASSERT_NE(main, nullptr);
    // Whatever the answer, start-up writes the default file.
    EXPECT_EQ(folder.read("zandolin.ini"), defaultSettings);
    closeProgram(program, main);
}

TEST(Startup, MissingEditorLibraryShowsTwoBoxesAndExitsWithZero) {
    ProgramFolder folder(false);
    Program program;
    ASSERT_TRUE(program.start(folder));
    MessageBoxSeen box;
    ASSERT_TRUE(waitForMessageBox(program, box));
    EXPECT_EQ(box.title, "Error: Failed to load a library");
    EXPECT_EQ(box.text,
              "The Scintilla Library could not be loaded.\n\nStarting with version 0.0.1.8b Zandolin requires the "
              "file \" SciLexer.dll \"\nreside in the Zandolin folder.");
    ASSERT_TRUE(answer(box, IDOK));
    ASSERT_TRUE(waitForMessageBox(program, box));
    EXPECT_EQ(box.title, "Zandolin Error");
    EXPECT_EQ(box.text,
              "Sorry but Zandolin cannot run without the the file \"SciLexer.dll\".\n\n Please find a complete "
              "package for download @ https://zandolin.org/download");
    ASSERT_TRUE(answer(box, IDOK));
    EXPECT_EQ(program.waitForExit(), 0);
    EXPECT_FALSE(folder.exists("zandolin.ini"));
}

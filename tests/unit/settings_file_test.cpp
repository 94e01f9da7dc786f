#include <gtest/gtest.h>

#include <string>

#include "storage/settings.h"
#include "support/message_box_recorder.h"
#include "support/temp_folder.h"

namespace {

const std::string defaultFile = crlfLines(
    {"#### zandolin.ini ####", "########################", "", "", "avisynth path", "string", "", "project path",
     "", "", "last font", "", "", "last view", "0 0 0 0", "", "last ar", "", "", "jump", "299", "", "main window",
     "", "", "write script", "1", "", "viewer Tech", "2 5 8", "", "button 1", "", "", "button 2", "", "",
     "button 3", "", "", "button 4", "", "", "button 5", "", "", "button 6", "", "", "end zandolin.ini"});

Settings settingsIn(const TempFolder& dir) {
    Settings s;
    snprintf(s.programFolder, sizeof s.programFolder, "%s", dir.path().c_str());
    return s;
}

Settings filledSettings(const TempFolder& dir) {
    Settings s = settingsIn(dir);
    snprintf(s.documentationFolder, sizeof s.documentationFolder, "D:\\docs\\avs");
    snprintf(s.fontFace, sizeof s.fontFace, "Courier New");
    snprintf(s.fontDescription, sizeof s.fontDescription, "-13 0 0 0 400 0 0 0 0 3 2 1 31 Courier New");
    s.viewCode = 3;
    s.previewMode = 2;
    s.sidePanel = 1;
    s.syntaxHighlighting = 0;
    s.tipsCode = 6;
    s.lineNumbers = 0;
    s.aspectCode = 2;
    s.jump = 250;
    s.windowLeft = 10;
    s.windowTop = -4;
    s.windowWidth = 800;
    s.windowHeight = 600;
    s.spliceChoice = 1;
    for (int n = 0; n < toolButtonCount; ++n) {
        snprintf(s.toolPath[n], sizeof s.toolPath[n], "C:\\tools\\tool%d.exe", n + 1);
        snprintf(s.toolCommand[n], sizeof s.toolCommand[n], "-x %d", n + 1);
    }
    return s;
}

}  // namespace

TEST(SettingsFile, WriterLayoutByteForByte) {
    TempFolder dir;
    boxes::reset();
    ASSERT_TRUE(writePresets(filledSettings(dir)));
    std::string expected = crlfLines({"#### zandolin.ini ####", "########################", "", "",
                                      "avisynth path", "D:\\docs\\avs", "", "", "project path", "", "", "",
                                      "last font", "Courier New", "-13 0 0 0 400 0 0 0 0 3 2 1 31 Courier New", "", "",
                                      "last view", "3 2 1 0 6 0", "", "", "last ar", "2", "", "", "jump", "250", "", "",
                                      "main window", "1 10 -4 800 600", "", "", "write script", "1", "", ""});
    for (int n = 1; n <= 6; ++n) {
        std::string key = "button " + std::to_string(n);
        std::string path = "C:\\tools\\tool" + std::to_string(n) + ".exe";
        std::string cmd = "-x " + std::to_string(n);
        expected += crlfLines({key.c_str(), path.c_str(), cmd.c_str(), "", ""});
    }
    expected += "end zandolin.ini\r\n";
    EXPECT_EQ(dir.read("zandolin.ini"), expected);
    EXPECT_FALSE(dir.exists("temp.ini"));
    EXPECT_TRUE(boxes::shown().empty());
}

TEST(SettingsFile, ReaderTakesBackEveryValueTheWriterWrote) {
    // Writing what was read gives the same bytes: every written value came back.
    TempFolder dir;
    ASSERT_TRUE(writePresets(filledSettings(dir)));
    const std::string first = dir.read("zandolin.ini");
    Settings s = settingsIn(dir);
    ASSERT_EQ(readPresets(s), presetsRead);
    EXPECT_EQ(s.placementMarker, 1);
    EXPECT_EQ(s.viewerValues[0], 2);  // absent from the written file: initial values
    EXPECT_FALSE(s.alphaMarker);
    ASSERT_TRUE(writePresets(s));
    EXPECT_EQ(dir.read("zandolin.ini"), first);
    dir.write("alpha.txt", "x");
    Settings again = settingsIn(dir);
    ASSERT_EQ(readPresets(again), presetsRead);
    EXPECT_TRUE(again.alphaMarker);
}

TEST(SettingsFile, DefaultFileByteForByteAndItsValues) {
    TempFolder dir;
    ASSERT_TRUE(createDefaultSettingsFile(settingsIn(dir)));
    EXPECT_EQ(dir.read("zandolin.ini"), defaultFile);
    Settings s = settingsIn(dir);
    ASSERT_EQ(readPresets(s), presetsRead);
    EXPECT_STREQ(s.documentationFolder, "string");
    EXPECT_EQ(s.jump, 299);
    EXPECT_EQ(s.spliceChoice, 1);
    // "0 0 0 0" sets four values; tips code and line numbers keep 9 and 1.
    EXPECT_EQ(s.viewCode, 0);
    EXPECT_EQ(s.syntaxHighlighting, 0);
    EXPECT_EQ(s.tipsCode, 9);
    EXPECT_EQ(s.lineNumbers, 1);
    EXPECT_EQ(s.aspectCode, 0);  // empty value keeps the initial value
    EXPECT_EQ(s.placementMarker, 0);
    EXPECT_EQ(s.viewerValues[2], 8);
}

TEST(SettingsFile, DamagedFilesAreReportedAsTwoWithoutMessages) {
    struct Case {
        const char* name;
        std::string bytes;
    };
    const Case cases[] = {
        {"first line not the header", "# zandolin.ini\r\n" + defaultFile},
        {"no end line", defaultFile.substr(0, defaultFile.size() - 18)},
        {"ends right after a key", crlfLines({"#### zandolin.ini ####", "jump"})},
        {"empty file", ""},
        {"binary", std::string("\0\x01\xff\r\n\x7f", 6)},
        {"header without line ends", "#### zandolin.ini ####"},
    };
    for (const Case& c : cases) {
        TempFolder dir;
        dir.write("zandolin.ini", c.bytes);
        boxes::reset();
        Settings s = settingsIn(dir);
        EXPECT_EQ(readPresets(s), presetsDamaged) << c.name;
        EXPECT_TRUE(boxes::shown().empty()) << c.name;
    }
}

TEST(SettingsFile, OverlongAndHugeValuesAreCutNotOverrun) {
    TempFolder dir;
    std::string longPath(5000, 'p');
    std::string longFont(500, 'f');
    std::string file = crlfLines({"#### zandolin.ini ####", "avisynth path", longPath.c_str(), "last font",
                                  longFont.c_str(), longFont.c_str(), "jump", "99999999999999999999",
                                  "last view", "1 2 x 4", "button 6", longPath.c_str(), longPath.c_str(),
                                  "end zandolin.ini"});
    dir.write("zandolin.ini", file);
    Settings s = settingsIn(dir);
    ASSERT_EQ(readPresets(s), presetsRead);
    EXPECT_EQ(std::string(s.documentationFolder), std::string(255, 'p'));
    EXPECT_EQ(std::string(s.fontFace), std::string(35, 'f'));
    EXPECT_EQ(std::string(s.fontDescription), std::string(63, 'f'));
    EXPECT_EQ(s.jump, 2147483647);
    EXPECT_EQ(s.viewCode, 1);
    EXPECT_EQ(s.previewMode, 2);
    EXPECT_EQ(s.sidePanel, 0);  // the word that is not a number stops the scan
    EXPECT_EQ(std::string(s.toolPath[5]), std::string(255, 'p'));
    EXPECT_EQ(std::string(s.toolCommand[5]), std::string(127, 'p'));
}

TEST(SettingsFile, FirstRunAndMissingSettingsFile) {
    TempFolder dir;
    boxes::reset();
    Settings s = settingsIn(dir);
    EXPECT_EQ(readPresets(s), presetsFirstRun);
    EXPECT_TRUE(boxes::shown().empty());
    // encoder.ini present, zandolin.ini missing: the No answer writes nothing itself.
    dir.write("encoder.ini", "x");
    boxes::answer(answerOk);
    boxes::answer(answerNo);
    Settings t = settingsIn(dir);
    EXPECT_EQ(readPresets(t), presetsDamaged);
    ASSERT_EQ(boxes::shown().size(), 2u);
    EXPECT_EQ(boxes::shown()[1].flags & 0xF, unsigned(mbYesNo));
    EXPECT_FALSE(dir.exists("zandolin.ini"));
}

TEST(SettingsFile, ReplaceToolButtonLinesChangesOnlyThatButton) {
    TempFolder dir;
    ASSERT_TRUE(createDefaultSettingsFile(settingsIn(dir)));
    Settings s = settingsIn(dir);
    snprintf(s.keyToReplace, sizeof s.keyToReplace, "button 3");
    snprintf(s.newPath, sizeof s.newPath, "C:\\x\\virtualdub.exe");
    snprintf(s.newCommandLine, sizeof s.newCommandLine, "%%filename");
    ASSERT_TRUE(replaceToolButtonLines(s));
    std::string expected = defaultFile;
    std::string from = "button 3\r\n\r\n\r\n";
    expected.replace(expected.find(from), from.size(), "button 3\r\nC:\\x\\virtualdub.exe\r\n%filename\r\n");
    EXPECT_EQ(dir.read("zandolin.ini"), expected);
    EXPECT_FALSE(dir.exists("temp.ini"));
}

TEST(SettingsFile, WriteFailuresKeepTheOldFileAndSayWhy) {
    boxes::reset();
    Settings s;
    snprintf(s.programFolder, sizeof s.programFolder, "/nonexistent-zandolin-folder/");
    EXPECT_FALSE(writePresets(s));
    EXPECT_FALSE(createDefaultSettingsFile(s));
    EXPECT_FALSE(replaceToolButtonLines(s));
    ASSERT_EQ(boxes::shown().size(), 3u);
    EXPECT_EQ(boxes::shown()[0].text, "Could not open zandolin.ini");
    EXPECT_EQ(boxes::shown()[0].title, "writePresets");
    EXPECT_EQ(boxes::shown()[1].text, "error zandolin.ini not open");
    EXPECT_EQ(boxes::shown()[1].title, "Zandolin Ini");
    EXPECT_EQ(boxes::shown()[2].title, "writePresets");
}

TEST(ProgramFolder, DerivedFromTheQuotedExecutablePath) {
    struct Case {
        const char* commandLine;
        const char* arguments;
        const char* folder;
    };
    const Case cases[] = {
        {"\"C:\\Program Files\\Zandolin\\Zandolin.exe\" \"D:\\a b\\x.avs\"", "\"D:\\a b\\x.avs\"",
         "C:\\Program Files\\Zandolin\\"},
        {"\"C:\\Z\\Zandolin.exe\"", "", "C:\\Z\\"},
        {"\"C:\\Z\\Zandolin.exe\" ", "", "C:\\Z\\"},
        {"\"C:\\Z\\Zandolin.exe\"  x", "x", "C:\\Z\\"},
        {"Zandolin.exe", "", ""},
        {"", "", ""},
        {"\"C:\\Z\\Zandolin.exe\"", "this argument text is longer than the whole command line", ""},
    };
    for (const Case& c : cases) {
        char folder[260];
        deriveProgramFolder(c.commandLine, c.arguments, folder, sizeof folder);
        EXPECT_STREQ(folder, c.folder) << c.commandLine;
    }
    std::string huge = "\"" + std::string(400, 'd') + "\\Zandolin.exe\"";
    char folder[260];
    deriveProgramFolder(huge.c_str(), "", folder, sizeof folder);
    EXPECT_LT(strlen(folder), sizeof folder);
}

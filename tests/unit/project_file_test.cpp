#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "base/bounded_text.h"
#include "storage/project_file.h"
#include "support/box_expect.h"
#include "support/message_box_recorder.h"
#include "support/temp_folder.h"

namespace {

class ProjectFile : public ::testing::Test {
protected:
    void SetUp() override {
        boxes::reset();
        names = ProjectNames{};
        project = dir.file("holiday.jvl");
        copyText(names.projectFilePath, project.c_str());
        copyText(names.sourceScriptPath, "C:\\clips\\holiday.avs");
    }
    void expectOneBox(const char* text, const char* title) {
        ASSERT_TRUE(onlyBox(text, title, mbOk));
        boxes::reset();
    }
    TempFolder dir;
    ProjectNames names;
    std::string project;
};

}  // namespace

TEST_F(ProjectFile, SaveWritesTheLayoutWithoutBlankRows) {
    dir.write("rowdat.vlr", crlfLines({"r01 - - 0 1499", "", "r02 Dissolve 30 - -", "r03 - - 3000 4499"}));
    ASSERT_TRUE(saveProject(dir.path().c_str(), names, nullptr));
    std::string script = dir.file("holiday_vlprj.avs");
    EXPECT_EQ(dir.read("holiday.jvl"),
              crlfLines({"Project File Name", project.c_str(), "", "Script Source File", "C:\\clips\\holiday.avs",
                         "", "Project Script File", script.c_str(), "", "Frame Editor Data", "r01 - - 0 1499",
                         "r02 Dissolve 30 - -", "r03 - - 3000 4499", "End Project File"}));
    EXPECT_STREQ(names.projectScriptPath, script.c_str());
    EXPECT_STREQ(names.projectScriptTitle, "holiday_vlprj.avs");
    EXPECT_STREQ(names.projectFileTitle, "holiday");
    EXPECT_FALSE(dir.exists("holiday.jvl.tmp"));
    EXPECT_TRUE(boxes::shown().empty());
}

TEST_F(ProjectFile, SavingNoRows) {
    for (bool rowFileExists : {true, false}) {
        if (rowFileExists) dir.write("rowdat.vlr", "");
        else std::remove(dir.file("rowdat.vlr").c_str());
        ASSERT_TRUE(saveProject(dir.path().c_str(), names, nullptr));
        std::string text = dir.read("holiday.jvl");
        EXPECT_EQ(text.substr(text.find("Frame Editor Data")), "Frame Editor Data\r\nEnd Project File\r\n");
    }
}

TEST_F(ProjectFile, LoadTakesTheStoredNamesAndEveryRowLine) {
    dir.write("moved.jvl", crlfLines({"Project File Name", "D:\\old\\place.jvl", "", "Script Source File",
                                      "D:\\old\\src.avs", "", "Project Script File", "D:\\old\\place_vlprj.avs", "",
                                      "Frame Editor Data", "r01 - - 0 9", "", "r02 - - 10 19", "End Project File",
                                      "r99 - - 1 2"}));
    copyText(names.projectFilePath, dir.file("moved.jvl").c_str());
    ASSERT_TRUE(loadProject(dir.path().c_str(), names, nullptr));
    EXPECT_STREQ(names.projectFilePath, "D:\\old\\place.jvl");
    EXPECT_STREQ(names.projectFileTitle, "place");
    EXPECT_STREQ(names.sourceScriptTitle, "src.avs");
    EXPECT_STREQ(names.projectScriptPath, "D:\\old\\place_vlprj.avs");
    EXPECT_STREQ(names.projectScriptTitle, "place_vlprj.avs");
    EXPECT_EQ(dir.read("rowdat.vlr"), crlfLines({"r01 - - 0 9", "", "r02 - - 10 19"}));
    EXPECT_FALSE(dir.exists("rowtemp.vlr"));
}

TEST_F(ProjectFile, LoadOfAFileThatEndsEarlyOrLacksKeys) {
    dir.write("short.jvl", crlfLines({"junk", "Frame Editor Data", "r01 - - 0 9", "r02 - - 10 19"}));
    copyText(names.projectFilePath, dir.file("short.jvl").c_str());
    ASSERT_TRUE(loadProject(dir.path().c_str(), names, nullptr));
    EXPECT_EQ(dir.read("rowdat.vlr"), crlfLines({"r01 - - 0 9", "r02 - - 10 19"}));
    EXPECT_STREQ(names.projectFilePath, dir.file("short.jvl").c_str());  // no stored name: the opened one
    EXPECT_STREQ(names.sourceScriptPath, "");
    EXPECT_STREQ(names.projectScriptPath, "");

    dir.write("key.jvl", "Project File Name\r\n");  // the value is missing altogether
    copyText(names.projectFilePath, dir.file("key.jvl").c_str());
    ASSERT_TRUE(loadProject(dir.path().c_str(), names, nullptr));
    EXPECT_STREQ(names.projectFilePath, "");
    EXPECT_EQ(dir.read("rowdat.vlr"), "");
}

TEST_F(ProjectFile, OverlongLinesAreCutAtTheReadersLimit) {
    std::string longPath(400, 'p');
    std::string longRow = "r01 - - 1 " + std::string(400, '5');
    dir.write("long.jvl", crlfLines({"Script Source File", longPath.c_str(), "Frame Editor Data", longRow.c_str(),
                                     "End Project File"}));
    copyText(names.projectFilePath, dir.file("long.jvl").c_str());
    ASSERT_TRUE(loadProject(dir.path().c_str(), names, nullptr));
    EXPECT_EQ(std::string(names.sourceScriptPath), std::string(255, 'p'));
    EXPECT_EQ(dir.read("rowdat.vlr"), longRow.substr(0, 255) + "\r\n");
}

TEST_F(ProjectFile, ProjectScriptNames) {
    struct Case {
        const char *project, *script;
    } cases[] = {
        {"D:\\clips\\holiday.jvl", "D:\\clips\\holiday_vlprj.avs"},
        {"D:\\clips\\holiday.x", "D:\\clips\\holid_vlprj.avs"},  // the last four characters go, whatever they are
        {"D:\\clips\\holiday", "D:\\clips\\hol_vlprj.avs"},
        {"abc", "_vlprj.avs"},
        {"", "_vlprj.avs"},
    };
    for (const Case& c : cases) {
        char script[260];
        projectScriptPathFor(script, sizeof script, c.project);
        EXPECT_STREQ(script, c.script) << c.project;
    }
    dir.write("rowdat.vlr", "");
    copyText(names.projectFilePath, dir.file("plain").c_str());
    ASSERT_TRUE(saveProject(dir.path().c_str(), names, nullptr));
    EXPECT_EQ(std::string(names.projectScriptPath), dir.file("p_vlprj.avs"));
    EXPECT_STREQ(names.projectFileTitle, "plain");
}

TEST_F(ProjectFile, FilesThatCannotBeOpened) {
    dir.write("rowdat.vlr", "r01 - - 0 9\r\n");
    copyText(names.projectFilePath, (dir.path() + "gone/lost.jvl").c_str());
    copyText(names.projectScriptPath, "old_vlprj.avs");
    EXPECT_FALSE(saveProject(dir.path().c_str(), names, nullptr));
    expectOneBox("not open 3", "Api Create Project File");
    EXPECT_STREQ(names.projectScriptPath, "");
    EXPECT_STREQ(names.projectFileTitle, "lost");

    EXPECT_FALSE(loadProject(dir.path().c_str(), names, nullptr));
    expectOneBox("not open 3", "Api Read Project File");
    EXPECT_EQ(dir.read("rowdat.vlr"), "");  // the scene list is then empty
}

TEST_F(ProjectFile, AFailedSaveLeavesTheOldProjectAsItWas) {
    dir.write("holiday.jvl", "the old project\r\n");
    std::filesystem::create_directory(dir.file("holiday.jvl.tmp"));  // no temporary file can be made
    EXPECT_FALSE(saveProject(dir.path().c_str(), names, nullptr));
    expectOneBox("not open 3", "Api Create Project File");
    EXPECT_EQ(dir.read("holiday.jvl"), "the old project\r\n");
}

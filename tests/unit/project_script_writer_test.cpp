#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "scenes/project_script_writer.h"
#include "scenes/row_entry.h"
#include "support/box_expect.h"
#include "support/message_box_recorder.h"
#include "support/temp_folder.h"

namespace {

const char* const head = "###  Project Script Created by Zandolin  ###\r\n"
                         "#########################################\r\n"
                         "\r\n"
                         "Import(\"C:\\clips\\holiday.avs\")\r\n"
                         "\r\n"
                         "\r\n";

class ProjectScriptWriter : public ::testing::Test {
protected:
    void SetUp() override {
        boxes::reset();
        list.programFolder = dir.path().c_str();
        list.owner = reinterpret_cast<WindowHandle>(0x77);
        script = dir.file("holiday_vlprj.avs");
    }
    int write() { return writeProjectScript(list, "C:\\clips\\holiday.avs", script.c_str()); }
    void expectOneBox(const std::string& text, const char* title) {
        ASSERT_TRUE(onlyBox(text, title, mbOk));
        EXPECT_EQ(boxes::shown()[0].owner, list.owner);
        boxes::reset();
    }
    TempFolder dir;
    SceneListDisplay list;
    std::string script;
};

std::string scenes(int count) {
    std::string rows;
    for (int i = 1; i <= count; ++i) {
        char line[64];
        snprintf(line, sizeof line, "r%02i - - %i %i\r\n", i, i * 10, i * 10 + 5);
        rows += line;
    }
    return rows;
}

}  // namespace

TEST_F(ProjectScriptWriter, WorkedExampleByteForByte) {
    dir.write("rowdat.vlr", crlfLines({"r01 - - 0 1499", "r02 Dissolve 30 - -", "r03 FadeOut 45 3000 4499",
                                       "r04 - - 6000 6999"}));
    const char* folder = dir.path().c_str();
    ASSERT_EQ(checkDissolves(folder, 4, nullptr), 0);
    ASSERT_EQ(writePassOne(folder, 4, nullptr), 0);
    EXPECT_EQ(dir.read("pass1.tdt"),
              crlfLines({"01 - 0 0 1499", "02 Dissolve 30 1459 3040", "03 FadeOut 45 3000 4499", "04 - 0 6000 6999"}));
    ASSERT_EQ(writePassTwo(folder, 4, nullptr), 0);
    EXPECT_EQ(dir.read("pass2.tdt"),
              crlfLines({"01 - 0 0 1458", "02 Dissolve 30 1459 3040", "03 FadeOut 45 3041 4499", "04 - 0 6000 6999"}));
    const std::string expected = std::string(head) +
                                 "t01 = trim(0,1458)\r\n"
                                 "t02 = Dissolve(trim(1459,1499),trim(3000,3040),30)\r\n"
                                 "t03 = FadeOut(trim(3041,4499),45)\r\n"
                                 "t04 = trim(6000,6999)\r\n"
                                 "\r\n"
                                 "t01++t02++t03++t04";
    ASSERT_EQ(writePassThree(folder, 4, "C:\\clips\\holiday.avs", script.c_str(), 2, nullptr), 0);
    EXPECT_EQ(dir.read("holiday_vlprj.avs"), expected);
    EXPECT_FALSE(dir.exists("pass1.tdt"));
    EXPECT_FALSE(dir.exists("pass2.tdt"));

    // The whole run gives the same script, counting the rows itself.
    dir.write("holiday_vlprj.avs", "old");
    list.rowCount = 99;
    ASSERT_EQ(write(), scriptWritten);
    EXPECT_EQ(dir.read("holiday_vlprj.avs"), expected);
    EXPECT_EQ(list.rowCount, 4);
    EXPECT_FALSE(dir.exists("pass1.tdt"));
    EXPECT_FALSE(dir.exists("holiday_vlprj.avs.tmp"));
    EXPECT_TRUE(boxes::shown().empty());
}

TEST_F(ProjectScriptWriter, EmptyListHasNoJoinLine) {
    dir.write("rowdat.vlr", "");
    ASSERT_EQ(write(), scriptWritten);
    EXPECT_EQ(dir.read("holiday_vlprj.avs"), std::string(head) + "\r\n");
}

TEST_F(ProjectScriptWriter, JoinLinesForEachSpliceChoice) {
    struct Case {
        int rows, splice;
        const char* join;
        int storedSplice;
    } cases[] = {
        {1, 2, "t01", 2},     {1, 1, "t01", 1},         {2, 1, "t01+t02", 1}, {3, 2, "t01++t02++t03", 2},
        {2, 0, "t01+t02", 1}, {2, 7, "t01+t02", 1}, {2, -2, "t01+t02", 1},
    };
    for (const Case& c : cases) {
        dir.write("rowdat.vlr", scenes(c.rows));
        list.spliceChoice = c.splice;
        ASSERT_EQ(write(), scriptWritten);
        std::string text = dir.read("holiday_vlprj.avs");
        EXPECT_EQ(text.substr(text.rfind("\r\n") + 2), c.join) << c.rows << " rows, splice " << c.splice;
        EXPECT_EQ(list.spliceChoice, c.storedSplice);
    }
}

TEST_F(ProjectScriptWriter, FadesAndPlainScenes) {
    dir.write("rowdat.vlr", crlfLines({"r01 - - 0 50", "r02 FadeIn 60 60 90", "r03 FadeOut 45 91 99",
                                       "r04 - - 95 99", "r05 FadeIO 60 100 400"}));
    ASSERT_EQ(writePassOne(dir.path().c_str(), 5, nullptr), 0);
    EXPECT_EQ(dir.read("pass1.tdt"), crlfLines({"01 - 0 0 50", "02 FadeIn 60 60 90", "03 FadeOut 45 91 99",
                                                "04 - 0 95 99", "05 FadeIO 60 100 400"}));
    ASSERT_EQ(write(), scriptWritten);
    EXPECT_EQ(dir.read("holiday_vlprj.avs"), std::string(head) +
                                                 "t01 = trim(0,50)\r\n"
                                                 "t02 = FadeIn(trim(60,90),60)\r\n"
                                                 "t03 = FadeOut(trim(91,99),45)\r\n"
                                                 "t04 = trim(95,99)\r\n"
                                                 "t05 = FadeIO(trim(100,400),60)\r\n"
                                                 "\r\n"
                                                 "t01++t02++t03++t04++t05");
}

TEST_F(ProjectScriptWriter, AOneFrameSceneAtTheStartStaysOneFrame) {
    // trim(0,0) would be the whole clip.
    dir.write("rowdat.vlr", crlfLines({"r01 - - 0 0", "r02 FadeIn 30 0 0", "r03 - - 7 7"}));
    ASSERT_EQ(write(), scriptWritten);
    EXPECT_EQ(dir.read("holiday_vlprj.avs"), std::string(head) +
                                                 "t01 = trim(0,-1)\r\n"
                                                 "t02 = FadeIn(trim(0,-1),30)\r\n"
                                                 "t03 = trim(7,7)\r\n"
                                                 "\r\n"
                                                 "t01++t02++t03");
}

TEST_F(ProjectScriptWriter, ManyRowsAreJoinedWhole) {
    for (int splice : {1, 2}) {
        dir.write("rowdat.vlr", scenes(120));
        list.spliceChoice = splice;
        ASSERT_EQ(write(), scriptWritten);
        std::string text = dir.read("holiday_vlprj.avs");
        std::string join = "t01";
        for (int k = 2; k <= 120; ++k) join += (splice == 2 ? "++t" : "+t") + std::string(k < 10 ? "0" : "") + std::to_string(k);
        EXPECT_EQ(text.substr(text.rfind("\r\n") + 2), join);
        EXPECT_GT(join.size(), 270u);
        EXPECT_NE(text.find("\r\nt99 = trim(990,995)\r\nt100 = trim(1000,1005)\r\n"), std::string::npos);
    }
}

TEST_F(ProjectScriptWriter, DissolvesWithoutASceneOnBothSidesAreRefused) {
    struct Case {
        std::string rows;
        std::string text;
    } cases[] = {
        {crlfLines({"r01 Dissolve 30 - -", "r02 - - 0 99"}), "No Dissolve in fist line"},
        {crlfLines({"r01 Dissolve 30 - -"}), "No Dissolve in fist line"},
        {crlfLines({"r01 - - 0 99", "r02 - - 100 199", "r03 Dissolve 30 - -"}),
         "The Dissolve in row 03 is the last row.\nA Dissolve must be followed by a scene.\n\n"
         "The project script was not written."},
        {crlfLines({"r01 - - 0 99", "r02 Dissolve 30 - -", "r03 Dissolve 20 - -", "r04 - - 300 399"}),
         "The Dissolves in rows 02 and 03 stand next to each other.\nA Dissolve must stand between two "
         "scenes.\n\nThe project script was not written."},
    };
    for (const Case& c : cases) {
        dir.write("rowdat.vlr", c.rows);
        dir.write("holiday_vlprj.avs", "the old script");
        EXPECT_EQ(write(), scriptRefused);
        expectOneBox(c.text, "Write avs script");
        EXPECT_EQ(dir.read("holiday_vlprj.avs"), "the old script");
        EXPECT_FALSE(dir.exists("pass1.tdt"));
    }
}

TEST_F(ProjectScriptWriter, ATrailingDissolveCanBeAddedButNotWritten) {
    ASSERT_EQ(commitRow(list, "", "", "0", "99"), 0);
    EXPECT_EQ(chooseTransition(list, "Dissolve"), choiceDissolve);
    ASSERT_EQ(commitRow(list, "Dissolve", "60", "-", "-"), 0);
    EXPECT_EQ(dir.read("rowdat.vlr"), crlfLines({"r01 - - 0 99", "r02 Dissolve 60 - -"}));
    EXPECT_TRUE(boxes::shown().empty());
    EXPECT_EQ(write(), scriptRefused);
    ASSERT_EQ(boxes::shown().size(), 1u);
    EXPECT_EQ(boxes::shown()[0].title, "Write avs script");
    EXPECT_NE(boxes::shown()[0].text.find("row 02"), std::string::npos);
    EXPECT_FALSE(dir.exists("holiday_vlprj.avs"));
}

TEST_F(ProjectScriptWriter, FilesThatCannotBeOpened) {
    EXPECT_EQ(write(), scriptPassFailed);  // no row file
    expectOneBox("not open 3", "Project Script File");
    EXPECT_EQ(writePassTwo(dir.path().c_str(), 1, list.owner), scriptPassFailed);  // no pass1.tdt
    expectOneBox("not open 3", "Project Script File");

    dir.write("rowdat.vlr", scenes(2));
    std::string elsewhere = dir.path() + "gone/x_vlprj.avs";
    EXPECT_EQ(writeProjectScript(list, "s.avs", elsewhere.c_str()), scriptNotWritten);
    expectOneBox("not open 3", "ProjectScriptFile pass three");
    EXPECT_TRUE(dir.exists("pass1.tdt"));  // left behind for the next run to overwrite
    EXPECT_TRUE(dir.exists("pass2.tdt"));

    dir.write("holiday_vlprj.avs", "the old script");
    std::remove(dir.file("pass2.tdt").c_str());
    EXPECT_EQ(writePassThree(dir.path().c_str(), 2, "s.avs", script.c_str(), 2, list.owner), scriptNotWritten);
    expectOneBox("not open 3", "ProjectScriptFile pass three");
    EXPECT_EQ(dir.read("holiday_vlprj.avs"), "the old script");

    EXPECT_EQ(writePassThree(dir.path().c_str(), 0, "s.avs", "", 2, list.owner), scriptNotWritten);
    expectOneBox("not open 3", "ProjectScriptFile pass three");
}

// Rows the entry controls would not make: each word that is not a number leaves the value
// before it, and a line is one row whatever it holds.
TEST_F(ProjectScriptWriter, MalformedRowsAreReadByTheNumberRule) {
    std::string overlong = "r06 - - 600 " + std::string(300, '7');
    dir.write("rowdat.vlr", crlfLines({"r01 FadeIn 60 100 200 extra words", "r02 - - abc 300", "r03", "",
                                       "r05 FadeOut x 400 500", overlong.c_str(), "r07 FadeIn 20 0100 0x20",
                                       "r08 Wipe 5 1 99999999999", "r09 - - 7 8"}));
    ASSERT_EQ(write(), scriptWritten);
    EXPECT_EQ(dir.read("holiday_vlprj.avs"), std::string(head) +
                                                 "t01 = FadeIn(trim(100,200),60)\r\n"
                                                 "t02 = trim(100,300)\r\n"
                                                 "t03 = trim(100,300)\r\n"
                                                 "t04 = trim(100,300)\r\n"
                                                 "t05 = FadeOut(trim(400,500),0)\r\n"
                                                 "t06 = trim(600,500)\r\n"
                                                 "t07 = FadeIn(trim(100,0),20)\r\n"
                                                 "t08 = Wipe(trim(1,0),5)\r\n"
                                                 "t09 = trim(7,8)\r\n"
                                                 "\r\n"
                                                 "t01++t02++t03++t04++t05++t06++t07++t08++t09");
}

TEST_F(ProjectScriptWriter, AStartOfDashOutsideADissolveBorrowsLikeOne) {
    dir.write("rowdat.vlr", crlfLines({"r01 - - 0 99", "r02 FadeIn 10 - -", "r03 - - 200 299"}));
    ASSERT_EQ(writePassOne(dir.path().c_str(), 3, nullptr), 0);
    EXPECT_EQ(dir.read("pass1.tdt"), crlfLines({"01 - 0 0 99", "02 FadeIn 10 79 220", "03 - 0 200 299"}));
}

TEST_F(ProjectScriptWriter, FrameNumbersAtTheEdgeOfTheIntRangeDoNotOverflow) {
    dir.write("rowdat.vlr", crlfLines({"r01 - - -2147483648 2147483647", "r02 Dissolve 2147483647 - -",
                                       "r03 - - 2147483647 -2147483648"}));
    ASSERT_EQ(write(), scriptWritten);
    EXPECT_EQ(dir.read("holiday_vlprj.avs"),
              std::string(head) +
                  "t01 = trim(-2147483648,-11)\r\n"
                  "t02 = Dissolve(trim(-10,2147483647),trim(2147483647,4294967304),2147483647)\r\n"
                  "t03 = trim(4294967305,-2147483648)\r\n"
                  "\r\n"
                  "t01++t02++t03");
}

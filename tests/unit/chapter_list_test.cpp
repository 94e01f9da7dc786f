#include <gtest/gtest.h>

#include <string>

#include "scenes/chapter_list.h"
#include "scenes/project_script_writer.h"
#include "support/box_expect.h"
#include "support/message_box_recorder.h"
#include "support/temp_folder.h"

namespace {
struct Cut : ::testing::Test {
    TempFolder dir;
    SceneListDisplay list;
    std::string script;
    void SetUp() override {
        boxes::reset();
        list.programFolder = dir.path().c_str();
        list.framesPerSecond = 25.0f;
        script = dir.file("holiday_vlprj.avs");
    }
    int write(std::initializer_list<const char*> rows) {
        dir.write("rowdat.vlr", crlfLines(rows));
        return writeProjectScript(list, "C:\\clips\\holiday.avs", script.c_str());
    }
};
}  // namespace

// The script's pieces: trim(0,1458) 1,459 frames; the Dissolve of two 41-frame trims
// overlapping by 30, so the third row's first frame shows at 1,459 + 11; FadeOut adds a frame.
TEST_F(Cut, WorkedExampleGivesOneChapterPerSceneWhereItBeginsToShow) {
    ASSERT_EQ(write({"r01 - - 0 1499", "r02 Dissolve 30 - -", "r03 FadeOut 45 3000 4499", "r04 - - 6000 6999"}),
              scriptWritten);
    EXPECT_EQ(dir.read("holiday_vlprj_chapters.txt"),
              crlfLines({"CHAPTER01=00:00:00.000", "CHAPTER01NAME=Scene 01", "CHAPTER02=00:00:58.800",
                         "CHAPTER02NAME=Scene 02", "CHAPTER03=00:01:58.840", "CHAPTER03NAME=Scene 03"}));
    EXPECT_FALSE(dir.exists("holiday_vlprj_chapters.txt.tmp"));
    EXPECT_TRUE(boxes::shown().empty());

    // Writing an empty list removes the chapters of the earlier cut.
    ASSERT_EQ(write({}), scriptWritten);
    EXPECT_FALSE(dir.exists("holiday_vlprj_chapters.txt"));
}

TEST(ChapterPlan, TrimLengthsAndPiecesWhoseLengthTheScriptDoesNotFix) {
    struct Case {
        long long start, end, frames;
    };
    const Case trims[] = {{10, 20, 11}, {5, 5, 1}, {9, 3, 1}, {4, -6, 6}, {7, 0, -1}, {-3, 8, -1}};
    for (const Case& c : trims) EXPECT_EQ(trimFrameCount(c.start, c.end), c.frames) << c.start << "," << c.end;

    ChapterPlan plan;
    plan.addPiece("-", 0, 0, 9);
    plan.addPiece("-", 0, 50, 0);  // to the end of the source: nothing after it can be placed
    plan.addPiece("-", 0, 60, 70);
    EXPECT_EQ(plan.sceneStarts(), (std::vector<long long>{0, 10}));
}

TEST(ChapterFile, NamesAndTimes) {
    const char* const names[][2] = {{"D:\\c\\a_vlprj.avs", "D:\\c\\a_vlprj_chapters.txt"},
                                    {"untitled.AVS", "untitled_chapters.txt"},
                                    {"noext", "noext_chapters.txt"}};
    for (const auto& n : names) {
        char path[300];
        ASSERT_TRUE(chapterFilePath(path, sizeof path, n[0]));
        EXPECT_STREQ(path, n[1]);
    }
    char path[300];
    EXPECT_FALSE(chapterFilePath(path, sizeof path, std::string(290, 'x').c_str()));

    char time[32];
    chapterTime(time, sizeof time, 25 * 3600 * 101 + 1, 25.0);
    EXPECT_STREQ(time, "101:00:00.040");
    chapterTime(time, sizeof time, 203, 29.97f);  // 6.7734 s
    EXPECT_STREQ(time, "00:00:06.773");
}

TEST(ChapterFile, AFileThatCannotBeWrittenIsReported) {
    TempFolder dir;
    boxes::reset();
    ChapterPlan plan;
    plan.addPiece("-", 0, 0, 9);
    std::string script = dir.file("gone/p.avs");
    EXPECT_FALSE(writeChapterFile(script.c_str(), plan, 25.0f, nullptr));
    EXPECT_TRUE(onlyBox("Could not write the chapters file\n\n" + dir.file("gone/p_chapters.txt"),
                        "Project Script File", mbOk));
}

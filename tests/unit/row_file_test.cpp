#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "scenes/row_file.h"
#include "support/message_box_recorder.h"
#include "support/temp_folder.h"

namespace {

std::string numberedRows(int count) {
    std::string rows;
    for (int i = 1; i <= count; ++i) {
        char line[64];
        snprintf(line, sizeof line, "r%02i - - %i %i\r\n", i, i * 10, i * 10 + 9);
        rows += line;
    }
    return rows;
}

std::string rowLine(int number, int scene) {
    char line[64];
    snprintf(line, sizeof line, "r%02i - - %i %i\r\n", number, scene * 10, scene * 10 + 9);
    return line;
}

}  // namespace

TEST(RowFile, AppendsCountsAndEmpties) {
    TempFolder dir;
    boxes::reset();
    const char* folder = dir.path().c_str();
    EXPECT_EQ(countRows(folder), 0);  // no file yet
    EXPECT_TRUE(appendRow(folder, "r01 - - 0 1499", nullptr));
    EXPECT_TRUE(appendRow(folder, "r02 FadeIn 60 1500 2999", nullptr));
    EXPECT_EQ(dir.read("rowdat.vlr"), crlfLines({"r01 - - 0 1499", "r02 FadeIn 60 1500 2999"}));
    EXPECT_EQ(countRows(folder), 2);
    dir.write("rowdat.vlr", "r01 - - 0 1\r\n\r\nr03 - - 4 5");  // a blank line and no last line end
    EXPECT_EQ(countRows(folder), 3);
    EXPECT_TRUE(emptyRowFile(folder, nullptr));
    EXPECT_EQ(dir.read("rowdat.vlr"), "");
    EXPECT_EQ(countRows(folder), 0);
    EXPECT_TRUE(boxes::shown().empty());
}

TEST(RowFile, ReadsOneRow) {
    TempFolder dir;
    dir.write("rowdat.vlr", crlfLines({"r01 - - 0 1499", "r02 Dissolve 30 - -"}));
    SceneRow row;
    ASSERT_TRUE(readRow(dir.path().c_str(), 2, row));
    EXPECT_STREQ(row.transition, "Dissolve");
    EXPECT_FALSE(readRow(dir.path().c_str(), 3, row));
    EXPECT_FALSE(readRow(dir.path().c_str(), 0, row));
}

TEST(RowFile, RewritesRenumberAcrossOneHundred) {
    struct Case {
        const char* name;
        int row;
        RowRewriteMode mode;
        std::string expected;
    };
    const std::string newRow = "r99 FadeIn 60 5 6\r\n";
    std::string before98 = numberedRows(98);
    Case cases[] = {
        {"insert at 99", 99, rewriteInsert,
         before98 + newRow + rowLine(100, 99) + rowLine(101, 100) + rowLine(102, 101)},
        {"delete 99", 99, rewriteDelete, before98 + rowLine(99, 100) + rowLine(100, 101)},
        {"replace 99", 99, rewriteReplace, before98 + newRow + rowLine(100, 100) + rowLine(101, 101)},
        {"insert at 1", 1, rewriteInsert, newRow + [] {
             std::string rest;
             for (int i = 1; i <= 101; ++i) rest += rowLine(i + 1, i);
             return rest;
         }()},
        {"delete last", 101, rewriteDelete, numberedRows(100)},
    };
    for (const Case& c : cases) {
        TempFolder dir;
        boxes::reset();
        dir.write("rowdat.vlr", numberedRows(101));
        std::string line = newRow.substr(0, newRow.size() - 2);
        EXPECT_EQ(rewriteRowFile(dir.path().c_str(), c.row, c.mode, line.c_str(), nullptr), 0) << c.name;
        EXPECT_EQ(dir.read("rowdat.vlr"), c.expected) << c.name;
        EXPECT_FALSE(dir.exists("rowtemp.vlr")) << c.name;
        EXPECT_TRUE(boxes::shown().empty()) << c.name;
    }
}

TEST(RowFile, RenumberingKeepsTheRestOfTheLineAsItWas) {
    TempFolder dir;
    dir.write("rowdat.vlr", crlfLines({"r01 - - 0 9", "r02 Dissolve 30 - -", "x  FadeIO  60 1 2", ""}));
    ASSERT_EQ(rewriteRowFile(dir.path().c_str(), 1, rewriteDelete, nullptr, nullptr), 0);
    EXPECT_EQ(dir.read("rowdat.vlr"), crlfLines({"r01 Dissolve 30 - -", "r02  FadeIO  60 1 2", "r03"}));
}

TEST(RowFile, AnOverlongLineIsCutAtTheReadersLimit) {
    TempFolder dir;
    std::string longLine = "r02 - - 1 " + std::string(400, '9');
    dir.write("rowdat.vlr", crlfLines({"r01 - - 0 9", longLine.c_str(), "r03 - - 5 6"}));
    ASSERT_EQ(rewriteRowFile(dir.path().c_str(), 1, rewriteDelete, nullptr, nullptr), 0);
    std::string cut = "r01" + longLine.substr(3, rowLineReadSize - 1 - 3);
    EXPECT_EQ(dir.read("rowdat.vlr"), crlfLines({cut.c_str(), "r02 - - 5 6"}));
}

TEST(RowFile, FailureBoxes) {
    TempFolder dir;
    boxes::reset();
    std::string missing = dir.path() + "no-such-folder/";
    EXPECT_EQ(rewriteRowFile(dir.path().c_str(), 1, rewriteDelete, nullptr, nullptr), 1);  // no row file
    EXPECT_FALSE(appendRow(missing.c_str(), "r01 - - 0 1", nullptr));
    EXPECT_FALSE(emptyRowFile(missing.c_str(), nullptr));
    ASSERT_EQ(boxes::shown().size(), 3u);
    EXPECT_EQ(boxes::shown()[0].text, "Cannot open rowdat.vlr!\nThis is not goodfile must be corrupt");
    EXPECT_EQ(boxes::shown()[0].title, "Video Frame Editor");
    EXPECT_EQ(boxes::shown()[1].text, "not open");
    EXPECT_EQ(boxes::shown()[1].title, missing + "rowdat.vlr");
    EXPECT_EQ(boxes::shown()[2].text, missing + "rowdat.vlr");
    EXPECT_EQ(boxes::shown()[2].title, "Could not open display file");
    for (const RecordedBox& box : boxes::shown()) EXPECT_EQ(box.flags, unsigned(mbOk));
}

TEST(RowFile, AFailedRewriteLeavesTheRowFileAsItWas) {
    TempFolder dir;
    boxes::reset();
    dir.write("rowdat.vlr", numberedRows(3));
    // The temporary file cannot be created where a folder of its name stands.
    std::filesystem::create_directory(dir.file("rowtemp.vlr"));
    EXPECT_EQ(rewriteRowFile(dir.path().c_str(), 2, rewriteDelete, nullptr, nullptr), 2);
    EXPECT_EQ(dir.read("rowdat.vlr"), numberedRows(3));
}

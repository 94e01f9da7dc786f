#include <gtest/gtest.h>

#include <string>

#include "scenes/scene_row.h"

TEST(SceneRow, SplitsALineIntoItsFiveWords) {
    SceneRow row;
    splitRowLine("r03 Dissolve 60 - -", row);
    EXPECT_STREQ(row.number, "r03");
    EXPECT_STREQ(row.transition, "Dissolve");
    EXPECT_STREQ(row.frames, "60");
    EXPECT_STREQ(row.start, "-");
    EXPECT_STREQ(row.end, "-");

    splitRowLine("  r01\t-   - 0 1499 more words", row);
    EXPECT_STREQ(row.number, "r01");
    EXPECT_STREQ(row.start, "0");
    EXPECT_STREQ(row.end, "1499");

    splitRowLine("r07 FadeIn", row);  // missing words are empty
    EXPECT_STREQ(row.transition, "FadeIn");
    EXPECT_STREQ(row.frames, "");
    EXPECT_STREQ(row.end, "");
}

TEST(SceneRow, FrameNumbersAreDecimalAndOtherWordsLeaveTheValue) {
    struct Case {
        const char* word;
        bool parsed;
        long long value;
    } cases[] = {
        {"1499", true, 1499},      {"-40", true, -40},    {"+7", true, 7},
        {"0100", true, 100},       {"0x10", true, 0},     {"12abc", true, 12},
        {"-", false, 55},          {"", false, 55},       {"abc", false, 55},
        {"2147483647", true, 2147483647LL},               {"-2147483648", true, -2147483648LL},
        {"2147483648", false, 55}, {"99999999999999999999999", false, 55},
    };
    for (const Case& c : cases) {
        long long value = 55;
        EXPECT_EQ(parseFrameNumber(c.word, value), c.parsed) << c.word;
        EXPECT_EQ(value, c.value) << c.word;
    }
}

TEST(SceneRow, RowLinesFromTheEntryControls) {
    struct Case {
        int number;
        const char *transition, *frames, *start, *end, *line;
    } cases[] = {
        {1, "", "", "0", "1499", "r01 - - 0 1499"},
        {1, "", "60", "0", "1499", "r01 - - 0 1499"},  // no transition: its frames are "-" too
        {2, "FadeIn", "60", "1500", "2999", "r02 FadeIn 60 1500 2999"},
        {3, "Dissolve", "60", "-", "-", "r03 Dissolve 60 - -"},
        {100, "FadeIO", "25", "1", "2", "r100 FadeIO 25 1 2"},
        {4, "FadeOut", "", "10", "20", "r04 FadeOut - 10 20"},  // an empty box keeps its word
        {5, "FadeOut", "6 0", "10", "", "r05 FadeOut 6 10 -"},
        {6, "", "", "123456789", "9876543210", "r06 - - 1234567 9876543"},  // the boxes hold 7
        {7, nullptr, nullptr, nullptr, nullptr, "r07 - - - -"},
    };
    for (const Case& c : cases) {
        char line[rowLineSize];
        buildRowLine(line, sizeof line, c.number, c.transition, c.frames, c.start, c.end);
        EXPECT_STREQ(line, c.line);
    }
}

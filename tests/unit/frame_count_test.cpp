#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "scenes/frame_count.h"
#include "scenes/shown_rows.h"
#include "support/temp_folder.h"

TEST(FrameCount, TimeText) {
    struct Case {
        long long frames;
        float rate;
        const char* text;
    } cases[] = {
        {100, 29.97f, "00:00:03.11"},
        // The rate is the float 29.9699993...: an hour of it is 107891 frames, not 107892.
        {107892, 29.97f, "01:00:00.01"},
        // A minute of whole frames is 1798, but 1798 frames are not yet 60 seconds: the
        // minute waits for the seconds rather than showing -1 seconds.
        {1798, 29.97f, "00:00:59.30"},
        {1799, 29.97f, "00:01:00.01"},
        {107891, 29.97f, "00:59:59.29"},
        {1797, 29.97f, "00:00:59.29"},
        {93132, 25.0f, "01:02:05.07"},
        {0, 29.97f, "00:00:00.00"},
        {24, 23.976f, "00:00:01.01"},
        {23, 23.976f, "00:00:00.23"},
        {-30, 25.0f, "00:00:-1.-5"},  // what a negative total comes to; no crash
        {500, 0.0f, "00:00:00.00"},
        {500, -25.0f, "00:00:00.00"},
        {500, 0.01f, "00:00:00.00"},  // less than a frame a minute
        {500, NAN, "00:00:00.00"},
        {500, INFINITY, "00:00:00.00"},
        {2147483647LL, 1.0f, "596523:14:07.00"},
    };
    for (const Case& c : cases) {
        char text[32];
        timeText(text, sizeof text, c.frames, c.rate);
        EXPECT_STREQ(text, c.text) << c.frames << " at " << c.rate;
    }
    char slot[13];  // the display slot's size cuts a very long time
    timeText(slot, sizeof slot, 2147483647LL, 1.0f);
    EXPECT_STREQ(slot, "596523:14:07");
}

TEST(FrameCount, FramesOfARow) {
    struct Case {
        const char* line;
        long long frames;
    } cases[] = {
        {"r01 - - 0 1499", 1500},      {"r01 FadeIn 60 0 1499", 1501}, {"r01 FadeOut 60 0 1499", 1501},
        {"r01 FadeIO 60 100 400", 303}, {"r01 - - 5 5", 1},            {"r01 FadeIO 60 5 5", 3},
        {"r01 - - 9 5", 0},            {"r01 - - 5 6", 2},             {"r01 - - x 6", 0},
        {"r01", 0},
    };
    for (const Case& c : cases) {
        SceneRow row;
        splitRowLine(c.line, row);
        EXPECT_EQ(rowFrames(row), c.frames) << c.line;
    }
}

TEST(FrameCount, TotalFramesCountFadesAndTakeAwayDissolves) {
    TempFolder dir;
    EXPECT_EQ(totalFrames(dir.path().c_str()), 0);
    dir.write("rowdat.vlr", crlfLines({"r01 - - 0 1499", "r02 Dissolve 30 - -", "r03 FadeOut 45 3000 4499",
                                       "r04 - - 6000 6999", "r05 FadeIO 60 100 400", "r06 FadeIn 60 5 5",
                                       "", "r08 Dissolve x - -"}));
    EXPECT_EQ(totalFrames(dir.path().c_str()), 1500 - 30 + 1501 + 1000 + 303 + 2);  // a one-frame scene faded in
    dir.write("rowdat.vlr", crlfLines({"r01 - - -2147483648 2147483647", "r02 - - -2147483648 2147483647"}));
    EXPECT_EQ(totalFrames(dir.path().c_str()), 2147483647);  // held at the int range
}

TEST(ShownRows, FourSlotsFromTheFirstShownRow) {
    TempFolder dir;
    dir.write("rowdat.vlr", crlfLines({"r01 - - 0 1499", "r02 Dissolve 30 - -", "r03 FadeOut 45 3000 4499",
                                       "r04 - - 6000 6999", "r05 FadeIO 60 100 400", "r06 - - 1 2"}));
    SceneListDisplay list;
    list.programFolder = dir.path().c_str();
    list.firstShownRow = 2;
    recountRows(list);
    EXPECT_EQ(list.rowCount, 6);
    loadShownRows(list);
    EXPECT_STREQ(list.slots[0].transition, "Dissolve 30");
    EXPECT_STREQ(list.slots[0].start, "-");
    EXPECT_STREQ(list.slots[0].end, "-");
    EXPECT_STREQ(list.slots[0].frames, "-30");
    EXPECT_STREQ(list.slots[0].time, "");
    EXPECT_STREQ(list.slots[1].transition, "FadeOut 45");
    EXPECT_STREQ(list.slots[1].start, "3000");
    EXPECT_STREQ(list.slots[1].end, "4499");
    EXPECT_STREQ(list.slots[1].frames, "1501");
    EXPECT_STREQ(list.slots[1].time, "00:00:50.03");
    EXPECT_STREQ(list.slots[2].transition, "- -");
    EXPECT_STREQ(list.slots[3].frames, "303");

    list.firstShownRow = 5;  // the last two slots stay empty
    loadShownRows(list);
    EXPECT_STREQ(list.slots[1].frames, "2");
    EXPECT_STREQ(list.slots[2].transition, "");
    EXPECT_STREQ(list.slots[3].time, "");

    computeTotalFrames(list);
    EXPECT_EQ(list.totalFrames, 1500 - 30 + 1501 + 1000 + 303 + 2);
}

TEST(ShownRows, LongWordsAreCutToTheSlots) {
    TempFolder dir;
    std::string line = "r01 " + std::string(40, 'T') + " 60 123456789 987654321";
    dir.write("rowdat.vlr", crlfLines({line.c_str()}));
    SceneListDisplay list;
    list.programFolder = dir.path().c_str();
    loadShownRows(list);
    EXPECT_EQ(std::string(list.slots[0].transition), std::string(24, 'T'));
    EXPECT_STREQ(list.slots[0].start, "1234567");
    EXPECT_STREQ(list.slots[0].frames, "8641975");  // 864197533 cut to the slot
}

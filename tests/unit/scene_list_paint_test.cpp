#include <gtest/gtest.h>

#include <string>

#include "scenes/scene_list_paint.h"

TEST(SceneListPaint, RowButtonLabelsAndScrollRange) {
    struct Case {
        int rows, first;
        const char* labels[4];
        int firstAfter, maximum;
    } cases[] = {
        {0, 1, {"", "", "", ""}, 1, 1},
        {3, 1, {"01", "02", "03", ""}, 1, 1},
        {3, 2, {"01", "02", "03", ""}, 1, 1},  // fewer than five rows always show from row 1
        {6, 3, {"03", "04", "05", "06"}, 3, 3},
        {120, 117, {"XX", "XX", "XX", "XX"}, 117, 117},
        {120, 97, {"97", "98", "99", "XX"}, 97, 117},
        {10, 9, {"07", "08", "09", "10"}, 7, 7},  // never scrolled past the last four
    };
    for (const Case& c : cases) {
        int first = c.first;
        const RowScroll scroll = rowScrollRange(c.rows, first);
        EXPECT_EQ(first, c.firstAfter) << c.rows << " rows";
        EXPECT_EQ(scroll.maximum, c.maximum);
        EXPECT_EQ(scroll.position, first);
        char labels[4][4];
        rowButtonLabels(c.rows, first, labels);
        for (int k = 0; k < 4; ++k) EXPECT_STREQ(labels[k], c.labels[k]) << c.rows << " rows, slot " << k;
    }
}

TEST(SceneListPaint, ScrollBarLimits) {
    struct Case {
        int first, rows, action, thumb, expected;
    } cases[] = {
        {1, 10, scrollLineUp, 0, 1},   {4, 10, scrollLineUp, 0, 3},       {6, 10, scrollLineDown, 0, 7},
        {7, 10, scrollLineDown, 0, 7}, {1, 3, scrollLineDown, 0, 1},      {1, 10, scrollThumbTrack, 5, 5},
        {1, 10, scrollThumbTrack, 9, 7}, {2, 10, 2, 0, 2},  // page up does nothing
    };
    for (const Case& c : cases)
        EXPECT_EQ(scrolledFirstRow(c.first, c.rows, c.action, c.thumb), c.expected)
            << "from " << c.first << " of " << c.rows << " action " << c.action;
}

TEST(SceneListPaint, ColumnsTextsAndColoursOfTheShownRows) {
    const ListColumns col = listColumns(600);
    EXPECT_EQ(col.b, 170);
    EXPECT_EQ(col.e, 440);
    SceneListDisplay list;
    list.rowCount = 6;
    list.firstShownRow = 3;
    list.entryMode = entryEditing;
    list.editedRow = 5;
    list.slots[0] = {"- -", "0", "1499", "1500", "00:00:50.01"};
    list.slots[1] = {"Dissolve 60", "-", "-", "-60", ""};
    list.slots[2] = {"FadeIn 30", "1500", "2999", "1501", "00:00:50.02"};
    ListText texts[maxListTexts];
    const int count = listTexts(list, 600, texts);
    std::string seen;
    for (int i = 0; i < count; ++i) {
        const ListText& t = texts[i];
        const char* colour = t.colour == colourBlue ? "blue" : t.colour == colourGrey ? "grey" : "black";
        seen += std::string(t.text) + "@" + std::to_string(t.x) + "," + std::to_string(t.y) + (t.rightAligned ? "R " : " ") +
                colour + "\n";
    }
    EXPECT_EQ(seen,
              "-@23,23 grey\n-@162,23R grey\n0@256,23R grey\n1499@346,23R grey\n1500@436,23R grey\n"
              "00:00:50.01@590,23R grey\n"
              "Dissolve@23,43 grey\n60@162,43R grey\n-@256,43R grey\n-@346,43R grey\n-60@436,43R grey\n"
              "FadeIn@23,63 blue\n30@162,63R blue\n1500@256,63R blue\n2999@346,63R blue\n1501@436,63R blue\n"
              "00:00:50.02@590,63R blue\n");
    list.entryMode = entryAdding;
    listTexts(list, 600, texts);
    EXPECT_EQ(texts[0].colour, colourBlack);
}

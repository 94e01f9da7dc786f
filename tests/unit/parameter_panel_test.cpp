#include <gtest/gtest.h>

#include "editor/parameter_model.h"
#include "editor/parameter_panel.h"

TEST(ParameterPanel, ScrollRangeAndEvents) {
    // 5 fields need no scrolling; 20 scroll over 0 .. 9.
    EXPECT_EQ(scrolledFirstRow(0, scrollLineDown, 0, 5), 0);
    EXPECT_EQ(scrolledFirstRow(0, scrollPageDown, 0, 5), 0);
    const struct {
        int first, event, thumb, expected;
    } cases[] = {
        {0, scrollLineDown, 0, 1},  {9, scrollLineDown, 0, 9},  {0, scrollLineUp, 0, 0},
        {5, scrollLineUp, 0, 4},    {0, scrollPageDown, 0, 9},  {9, scrollPageUp, 0, 0},
        {3, scrollDrag, 7, 7},      {3, scrollDrag, 40, 9},     {3, scrollDrag, -2, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(scrolledFirstRow(c.first, c.event, c.thumb, 20), c.expected) << c.first << " " << c.event;
}

TEST(ParameterPanel, TabWrapsAndKeepsTheFocusedRowInView) {
    EXPECT_EQ(nextFocusRow(0, 20), 1);
    EXPECT_EQ(nextFocusRow(19, 20), 0);
    EXPECT_EQ(nextFocusRow(-1, 3), 0);
    EXPECT_EQ(nextFocusRow(0, 0), -1);
    EXPECT_EQ(firstRowShowing(11, 0, 20), 1);   // one below the view scrolls one row
    EXPECT_EQ(firstRowShowing(0, 9, 20), 0);    // wrapping back scrolls to the top
    EXPECT_EQ(firstRowShowing(5, 0, 20), 0);    // already visible
    EXPECT_EQ(firstRowShowing(19, 0, 20), 9);
    EXPECT_EQ(firstRowShowing(4, 0, 5), 0);
}

TEST(ParameterPanel, RowPlacesFollowTheFirstVisibleRow) {
    ParameterAreaPlace area = parameterRowArea(675);
    EXPECT_EQ(area.x, 10);
    EXPECT_EQ(area.y, 30);
    EXPECT_EQ(area.width, 675 - 320);
    EXPECT_EQ(area.height, 11 * 22 + 2);
    ParameterRowPlace top = parameterRowPlace(3, 3), above = parameterRowPlace(2, 3), last = parameterRowPlace(13, 3);
    EXPECT_EQ(top.y, 2);
    EXPECT_LE(above.y + parameterRowHeight, 0);  // out of the area above
    EXPECT_EQ(last.y + parameterRowHeight, area.height - 2);
    EXPECT_EQ(top.includeX + parameterIncludeWidth, 2 + 90 + 2 + 40 + 2 + 135 + 2 + 55);
    // The row's controls fit the area beside the scroll bar.
    EXPECT_LE(top.includeX + parameterIncludeWidth + 16, area.width);
}

#include <gtest/gtest.h>

#include "editor/parameter_panel.h"

TEST(ParameterPanel, ScrollEventsStayInRange) {
    // 20 fields scroll over 0 .. 9; 5 do not scroll.
    const struct {
        int first, event, thumb, fields, expected;
    } cases[] = {
        {0, scrollLineDown, 0, 20, 1}, {9, scrollLineDown, 0, 20, 9}, {0, scrollLineUp, 0, 20, 0},
        {0, scrollPageDown, 0, 20, 9}, {9, scrollPageUp, 0, 20, 0},   {3, scrollDrag, 7, 20, 7},
        {3, scrollDrag, 40, 20, 9},    {0, scrollPageDown, 0, 5, 0},
    };
    for (const auto& c : cases) EXPECT_EQ(scrolledFirstRow(c.first, c.event, c.thumb, c.fields), c.expected);
}

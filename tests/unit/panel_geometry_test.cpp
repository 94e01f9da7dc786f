#include <gtest/gtest.h>

#include "dialogs/panel_geometry.h"

// Every factor the panels use, on an owner maximised at the top of a 1280 x 1024 screen and on
// an owner moved away from the origin.
TEST(PanelFrameRect, SizesAndCentring) {
    struct Case {
        int left, top, right, bottom;
        double factor;
        PanelRect want;
    } cases[] = {
        {0, 0, 1280, 1024, 1.0, {390, 352, 500, 320}},
        {0, 0, 1280, 1024, 1.2, {340, 320, 600, 384}},
        {0, 0, 1280, 1024, 1.3, {315, 304, 650, 416}},
        {0, 0, 1280, 1024, 1.35, {302, 296, 675, 432}},
        {0, 0, 1280, 1024, 1.4, {290, 288, 700, 448}},
        // Vertical position only looks at the owner's bottom edge.
        {100, 200, 901, 801, 1.0, {250, 240, 500, 320}},
        // An owner narrower than the panel puts it left of the owner's edge.
        {10, 0, 410, 300, 1.0, {-40, -10, 500, 320}},
    };
    for (const Case& c : cases) {
        PanelRect r = panelFrameRect(c.left, c.top, c.right, c.bottom, panelBaseWidth, panelBaseHeight, c.factor);
        EXPECT_EQ(r.x, c.want.x) << c.factor << " " << c.left;
        EXPECT_EQ(r.y, c.want.y) << c.factor << " " << c.bottom;
        EXPECT_EQ(r.width, c.want.width) << c.factor;
        EXPECT_EQ(r.height, c.want.height) << c.factor;
    }
}

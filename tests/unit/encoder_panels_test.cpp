#include <gtest/gtest.h>

#include <vector>

#include "encoding/colour_space.h"
#include "encoding/panel_layouts.h"

namespace {
bool overlap(const ControlPlace& a, const ControlPlace& b) {
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
}
// The bottom row stays inside the client area and clear of every other control.
void expectClearBottomRow(const std::vector<ControlPlace>& row, std::vector<ControlPlace> others, int w, int h) {
    for (const ControlPlace& b : row) {
        EXPECT_TRUE(b.x >= 0 && b.y >= 0 && b.x + b.width <= w && b.y + b.height <= h) << b.x << "," << b.y;
        for (const ControlPlace& o : others) EXPECT_FALSE(overlap(b, o)) << b.x << "," << b.y << " vs " << o.x << "," << o.y;
        others.push_back(b);
    }
}
}  // namespace

TEST(ColourSpace, TestAgainstTheScriptsFormatAndTheControls) {
    const uint32_t yv12 = 0x32315659, yuy2 = 0x32595559, dib = 0x20424944;  // "YV12", "YUY2", "DIB "
    const struct {
        int colourSpace;
        uint32_t handler;
        bool mismatch;
    } cases[] = {{0, yuy2, false}, {1, yv12, false}, {1, yuy2, true}, {2, yuy2, false}, {3, dib, false},
                 {4, dib, false},  {3, yv12, true},  {1, 0, true},  // an unreadable clip does not pass
                 {7, yv12, true}};
    for (const auto& c : cases) EXPECT_EQ(colourSpaceMismatch(c.colourSpace, c.handler), c.mismatch) << c.colourSpace;
    for (int c = 0; c <= 4; ++c) {
        const ColourSpaceControls shown = showColourSpace(c);
        EXPECT_EQ(shown.radiosEnabled, c != 0);
        EXPECT_EQ(readColourSpace(shown.testChecked, shown.radioChecked), c == 4 ? 3 : c);  // 4 is 3's format
    }
    const bool second[colourSpaceRadioCount] = {false, true, true};
    EXPECT_EQ(readColourSpace(false, second), 0);
    EXPECT_EQ(readColourSpace(true, second), 2);
}

// Client areas of the 650 x 416 and 500 x 320 frames less a caption and borders of several sizes.
TEST(PanelLayouts, BottomButtonsStayInsideAndClearOfTheOtherControls) {
    for (int less : {0, 26, 36}) {
        const int w = 650 - less / 4, h = 416 - less;
        EncoderSetupLayout e = encoderSetupLayout(w, h);
        e.description.height = e.paired.height = 24;  // closed combo boxes
        e.radios.height *= 3;
        expectClearBottomRow({e.cancel, e.ok, e.save},
                             {e.description, e.paired, e.commandLine, e.deleteButton, e.iconButton, e.helpButton,
                              e.testBox, e.waveBox, e.radios, e.iconLabel},
                             w, h);
        const ToolButtonLayout t = toolButtonLayout(w - 150, h - 96);
        expectClearBottomRow({t.cancel, t.ok}, {t.prompt, t.fileTitle, t.commandLine, t.iconButton}, w - 150, h - 96);
        EXPECT_FALSE(overlap(t.iconButton, t.prompt));
    }
}

#include <gtest/gtest.h>

#include <vector>

#include "encoding/colour_space.h"
#include "encoding/panel_layouts.h"

namespace {
uint32_t code(const char (&text)[5]) {
    return uint32_t(uint8_t(text[0])) | uint32_t(uint8_t(text[1])) << 8 | uint32_t(uint8_t(text[2])) << 16 |
           uint32_t(uint8_t(text[3])) << 24;
}

bool inside(const ControlPlace& p, int w, int h) {
    return p.x >= 0 && p.y >= 0 && p.x + p.width <= w && p.y + p.height <= h;
}
bool overlap(const ControlPlace& a, const ControlPlace& b) {
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
}
// Combo boxes are placed with the height of their open list; closed they are one line.
ControlPlace closed(ControlPlace p) {
    p.height = 24;
    return p;
}
ControlPlace radioGroup(ControlPlace first) {
    first.height *= 3;
    return first;
}

void expectUnclutteredBottomRow(const std::vector<ControlPlace>& buttons, const std::vector<ControlPlace>& others,
                                int w, int h) {
    for (const ControlPlace& b : buttons) {
        EXPECT_TRUE(inside(b, w, h)) << b.x << "," << b.y << " in " << w << "x" << h;
        for (const ControlPlace& o : others) EXPECT_FALSE(overlap(b, o)) << b.x << "," << b.y;
        for (const ControlPlace& o : buttons)
            if (&o != &b) EXPECT_FALSE(overlap(b, o)) << b.x << "," << b.y;
    }
}
}  // namespace

TEST(ColourSpace, CodesAndTheTest) {
    struct Case {
        int colourSpace;
        uint32_t handler;
        bool mismatch;
    } cases[] = {
        {0, code("YUY2"), false},  // no test whatever the clip says
        {1, code("YV12"), false},  {1, code("YUY2"), true},  {2, code("YUY2"), false},
        {3, code("DIB "), false},  {4, code("DIB "), false}, {3, code("YV12"), true},
        {1, 0, true},  // an unreadable clip does not pass
        {7, code("YV12"), true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(colourSpaceMismatch(c.colourSpace, c.handler), c.mismatch) << c.colourSpace;
}

TEST(ColourSpace, ShownCodeReadsBack) {
    for (int c = 0; c <= 3; ++c) {
        const ColourSpaceControls shown = showColourSpace(c);
        EXPECT_EQ(shown.testChecked, c != 0);
        EXPECT_EQ(shown.radiosEnabled, c != 0);
        EXPECT_EQ(readColourSpace(shown.testChecked, shown.radioChecked), c);
    }
    // 4 is the same format as 3 and shows on its radio; nothing is checked past the three.
    EXPECT_TRUE(showColourSpace(4).radioChecked[2]);
    const ColourSpaceControls unknown = showColourSpace(9);
    EXPECT_EQ(readColourSpace(unknown.testChecked, unknown.radioChecked), 0);
}

TEST(ColourSpace, UncheckedTestBoxStoresZeroWhateverRadioIsChecked) {
    const bool second[colourSpaceRadioCount] = {false, true, false};
    const bool both[colourSpaceRadioCount] = {false, true, true};
    const bool none[colourSpaceRadioCount] = {};
    EXPECT_EQ(readColourSpace(false, second), 0);
    EXPECT_EQ(readColourSpace(true, second), 2);
    EXPECT_EQ(readColourSpace(true, both), 2);
    EXPECT_EQ(readColourSpace(true, none), 0);
}

// The client areas of the frames (650 x 416 and 500 x 320) less a caption and borders, as
// different platforms draw them.
TEST(PanelLayouts, BottomButtonsStayInsideTheClientAreaAndClearOfTheOtherControls) {
    const int encoderSizes[][2] = {{644, 390}, {642, 380}, {650, 416}};
    for (const auto& size : encoderSizes) {
        const int w = size[0], h = size[1];
        const EncoderSetupLayout l = encoderSetupLayout(w, h);
        expectUnclutteredBottomRow({l.cancel, l.ok, l.save},
                                   {closed(l.description), closed(l.paired), l.commandLine, l.deleteButton,
                                    l.iconButton, l.helpButton, l.testBox, l.waveBox, radioGroup(l.radios)},
                                   w, h);
        EXPECT_TRUE(inside(l.commandLine, w, h));
        EXPECT_TRUE(inside(radioGroup(l.radios), w, h));
    }
    const int toolSizes[][2] = {{494, 294}, {492, 284}, {500, 320}};
    for (const auto& size : toolSizes) {
        const int w = size[0], h = size[1];
        const ToolButtonLayout l = toolButtonLayout(w, h);
        expectUnclutteredBottomRow({l.cancel, l.ok}, {l.prompt, l.fileTitle, l.commandLine, l.iconButton}, w, h);
        EXPECT_TRUE(inside(l.iconButton, w, h));
        EXPECT_FALSE(overlap(l.iconButton, l.prompt));
    }
}

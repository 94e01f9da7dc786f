#include <gtest/gtest.h>

#include "app/key_actions.h"

namespace {

constexpr unsigned vkF1 = 112, vkF4 = 115, vkF5 = 116, vkF6 = 117, vkF7 = 118, vkF8 = 119, vkF9 = 120;
constexpr unsigned vkF10 = 121, vkF11 = 122, vkPrior = 33, vkNext = 34, vkLeft = 37, vkRight = 39;
constexpr unsigned down = keyDownMessage, up = keyUpMessage, sysDown = systemKeyDownMessage, sysUp = systemKeyUpMessage;
enum Focus { elsewhere, editor, jumpBox, filterList };

struct Case {
    const char* name;
    unsigned message, key;
    int view;
    bool panel;
    Focus focus;
    int action;       // first step, keyNothing for none
    unsigned command;
    double amount;    // frames or seconds of a seek
};

const Case cases[] = {
    {"F9 in the editor does nothing", up, vkF9, 1, false, elsewhere, keyNothing, 0, 0},
    {"F9 elsewhere switches", up, vkF9, 3, false, elsewhere, keyDispatch, 10007, 0},
    {"F10 as a plain key does nothing", up, vkF10, 1, false, elsewhere, keyNothing, 0, 0},
    {"F10 as a system key switches", sysUp, vkF10, 1, false, elsewhere, keyDispatch, 10008, 0},
    {"F10 in the media viewer does nothing", sysUp, vkF10, 4, false, elsewhere, keyNothing, 0, 0},
    {"F11 switches", up, vkF11, 4, false, editor, keyDispatch, 10009, 0},
    {"F11 in the video editor does nothing", up, vkF11, 3, false, elsewhere, keyNothing, 0, 0},
    {"F5 previews", up, vkF5, 1, false, editor, keyDispatch, 20011, 0},
    {"F5 in the video editor does nothing", up, vkF5, 3, false, elsewhere, keyNothing, 0, 0},
    {"F6 in the editor plays the script", up, vkF6, 1, false, editor, keyDispatch, 20021, 0},
    {"F6 elsewhere plays or stops", up, vkF6, 4, false, elsewhere, keyDispatch, 22023, 0},
    {"F7 in the preview does nothing", up, vkF7, 2, false, elsewhere, keyNothing, 0, 0},
    {"F8 reports", up, vkF8, 3, false, elsewhere, keyDispatch, 20009, 0},
    {"F1 in the video editor does nothing", up, vkF1, 3, false, elsewhere, keyNothing, 0, 0},
    {"F1 with a panel does nothing", up, vkF1, 1, true, editor, keyNothing, 0, 0},
    {"Space plays in the media viewer", up, ' ', 4, false, elsewhere, keyDispatch, 22023, 0},
    {"Space in the jump box types", up, ' ', 3, false, jumpBox, keyNothing, 0, 0},
    {"Space in the editor view types", up, ' ', 1, false, elsewhere, keyNothing, 0, 0},
    {"Right steps a frame", down, vkRight, 3, false, elsewhere, keySeekFrames, 0, 1},
    {"Left in the editor box moves the caret", down, vkLeft, 3, false, editor, keyNothing, 0, 0},
    {"Left with a panel does nothing", down, vkLeft, 3, true, elsewhere, keyNothing, 0, 0},
    {"Page Down seeks ten seconds", down, vkNext, 4, false, elsewhere, keySeekSeconds, 0, 10},
    {"Page Up with a panel still seeks", down, vkPrior, 4, true, elsewhere, keySeekSeconds, 0, -10},
    {"Alt+Page Up seeks a hundred seconds", sysDown, vkPrior, 3, false, editor, keySeekSeconds, 0, -100},
    {"Alt+Right seeks about two seconds", sysDown, vkRight, 3, false, elsewhere, keySeekSeconds, 0, 2.01},
    {"Alt+Left in the script editor does nothing", sysDown, vkLeft, 1, false, elsewhere, keyNothing, 0, 0},
    {"F4 in the preview clicks Update", up, vkF4, 2, false, elsewhere, keyClickUpdate, 0, 0},
    {"Backspace in the editor shortens the word", up, 8, 1, false, editor, keyShortenWord, 0, 0},
    {"Esc in the filter list returns to the editor", up, 27, 1, false, filterList, keyFocusEditor, 0, 0},
};

KeyContext contextOf(const Case& c) {
    KeyContext k;
    k.message = c.message;
    k.key = c.key;
    k.view = c.view;
    k.panelOpen = c.panel;
    k.focusInEditor = c.focus == editor;
    k.focusInJumpBox = c.focus == jumpBox;
    k.focusInFilterList = c.focus == filterList;
    return k;
}

}  // namespace

TEST(KeyActions, EachKeyActsOnlyUnderItsConditions) {
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        KeyDecision d = decideKey(contextOf(c));
        if (c.action == keyNothing) {
            EXPECT_EQ(d.count, 0);
            continue;
        }
        ASSERT_GE(d.count, 1);
        EXPECT_EQ(d.steps[0].action, c.action);
        EXPECT_EQ(d.steps[0].command, c.command);
        if (c.action == keySeekFrames) EXPECT_EQ(d.steps[0].frames, c.amount);
        if (c.action == keySeekSeconds) EXPECT_DOUBLE_EQ(d.steps[0].seconds, c.amount);
    }
}

TEST(KeyActions, SeekTargetsTruncateTheFrameRateProduct) {
    KeyStep tenBack{keySeekSeconds, 0, 0, -10.0}, twoOn{keySeekSeconds, 0, 0, 2.01}, one{keySeekFrames, 0, 1, 0};
    EXPECT_EQ(seekTarget(1000, tenBack, 29.97), 1000 - 299);
    EXPECT_EQ(seekTarget(100, twoOn, 25.0), 150);  // 50.25 frames, truncated
    EXPECT_EQ(seekTarget(7, one, 25.0), 8);
}

TEST(KeyActions, EnterPicksTheMatchedWordUnlessShiftIsHeld) {
    KeyContext k;
    k.message = keyDownMessage;
    k.key = 13;
    k.characterMatch = true;
    EXPECT_EQ(decideKey(k).steps[0].action, keyPickFunction);
    k.shiftHeld = true;
    EXPECT_EQ(decideKey(k).count, 0);
    k.shiftHeld = false;
    k.characterMatch = false;
    EXPECT_EQ(decideKey(k).count, 0);
}

TEST(KeyActions, EscHidesTheFilterGraphListOnlyWithAClip) {
    KeyContext k;
    k.message = keyUpMessage;
    k.key = 27;
    k.view = 4;
    k.focusInFilterList = true;
    k.filterGraphListOnTop = true;
    EXPECT_EQ(decideKey(k).count, 1);
    k.clipLoaded = true;
    KeyDecision d = decideKey(k);
    ASSERT_EQ(d.count, 2);
    EXPECT_EQ(d.steps[1].action, keyHideFilterGraphs);
}

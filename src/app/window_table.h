#pragma once
// Every window of the main window has a fixed position in this table; the position is the
// window's identity everywhere (child controls carry no control ids).
#include "base/message_box.h"

constexpr int windowCount = 64;

struct WindowTable {
    WindowHandle handle[windowCount];
};

// Global because the window procedure compares event senders with it.
extern WindowTable windowTable;

// Positions named elsewhere in the program.
enum WindowIndex : int {
    winMain = 0,
    winStatusBar = 1,
    winTab = 2,
    winToolButton1 = 3,
    winToolButton2 = 5,
    winToolButton3 = 6,
    winPlay = 7,
    winToolButton4 = 8,
    winToolButton5 = 9,
    winAdd = 11,
    winTrackbar = 12,
    winVideo = 13,
    winTransitionGroup = 14,
    winTransitionCombo = 15,
    winFrameNumber = 16,
    winTransitionFrames = 18,
    winEncode = 19,
    winEncoderIcon = 20,
    winGo = 21,
    winToolButton6 = 22,
    winRowList = 23,
    winStartFrame = 30,
    winEndFrame = 31,
    winRowButton1 = 32,
    winInfoText = 39,
    winCancel = 40,
    winTotalFramesText = 43,
    winTotalTimeText = 44,
    winEditor = 46,
    winPreview = 47,
    winFilterList = 48,
    winJumpTo = 49,
    winUpdate = 50,
    winClipDataText = 52,
    winClipDataLabels = 53,
    winSourceRadio = 54,
    winProjectRadio = 55,
    winTooltip1 = 56,
    winTooltip2 = 57,
    winFilterGraphList = 58,
    winVideoAlpha = 59,
    winToolHolder = 60,
    winToolbar = 61,
    winTooltip3 = 62,
    winVideoBeta = 63,
};

#pragma once
// The parameter panel's rows on screen: where each row's controls go for the first visible
// row, how the scroll events move that row, and where Tab takes the focus.
#include <cstddef>

constexpr int parameterRowHeight = 20;
constexpr int parameterRowGap = 2;
constexpr int parameterRowAreaX = 10;
constexpr int parameterRowAreaY = 30;
// The row area leaves this much of the frame's width to the texts at its right.
constexpr int parameterRowAreaMargin = 320;

// Widths of a row's four controls, left to right.
constexpr int parameterLabelWidth = 90;
constexpr int parameterTypeWidth = 40;
constexpr int parameterValueWidth = 135;
constexpr int parameterIncludeWidth = 55;

struct ParameterRowPlace {
    int y = 0;  // inside the row area; negative for rows scrolled out above
    int labelX = 0, typeX = 0, valueX = 0, includeX = 0;
};

struct ParameterAreaPlace {
    int x = 0, y = 0, width = 0, height = 0;
};

// The row area for the frame's width: 11 rows high, at least one row's controls wide.
ParameterAreaPlace parameterRowArea(int frameWidth);
// The place of row `row` when `firstVisible` is the top row.
ParameterRowPlace parameterRowPlace(int row, int firstVisible);

enum ParameterScroll {
    scrollLineDown = 1,
    scrollLineUp = 2,
    scrollPageDown = 3,
    scrollPageUp = 4,
    scrollDrag = 5,  // to the thumb position
};

// The new first visible row after a scroll event, kept within 0 .. fields - 11.
int scrolledFirstRow(int firstVisible, int event, int thumbPosition, size_t fieldCount);
// The row after `focused` that Tab moves to, wrapping to the first; -1 without rows.
int nextFocusRow(int focused, size_t fieldCount);
// The first visible row that keeps `row` in view, changing firstVisible as little as possible.
int firstRowShowing(int row, int firstVisible, size_t fieldCount);

#pragma once
// What the scene list shows: the row button labels, the scroll range, and where and in
// which colour each text of the four display lines goes. The window layer draws these.
#include "scenes/scene_list.h"

// Labels of the four row buttons for rows first .. first + 3: "XX" above 99, empty where no
// row is shown.
void rowButtonLabels(int rowCount, int firstShownRow, char labels[shownRowSlots][4]);

// The row window's vertical scroll range; with fewer than five rows the list shows from row 1.
struct RowScroll {
    int minimum, maximum, position;
};
RowScroll rowScrollRange(int rowCount, int& firstShownRow);

// The first shown row after a scroll bar action: line up never goes below 1, line down never
// past rowCount - 3 (and never moves a list of four rows or fewer), a thumb track takes the
// thumb's value within those limits.
enum RowScrollAction { scrollLineUp = 0, scrollLineDown = 1, scrollThumbTrack = 5 };
int scrolledFirstRow(int firstShownRow, int rowCount, int action, int thumb = 0);

struct ListColumns {
    int a, b, c, d, e;
};
ListColumns listColumns(int clientWidth);

constexpr unsigned colourBlack = 0x000000;
constexpr unsigned colourGrey = 0xC0C0C0;  // rows not being edited, while one is
constexpr unsigned colourBlue = 0xE10000;  // the edited row (red 0, green 0, blue 225)

// One text drawn in the row window; right-aligned texts end at x.
struct ListText {
    int x, y;
    bool rightAligned;
    unsigned colour;  // 0x00BBGGRR
    char text[32];
};
constexpr int maxListTexts = shownRowSlots * 6;
// The texts of the shown rows for a window clientWidth wide, from the filled display slots.
int listTexts(const SceneListDisplay& list, int clientWidth, ListText out[maxListTexts]);

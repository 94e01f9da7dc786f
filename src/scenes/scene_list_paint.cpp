#include "scenes/scene_list_paint.h"

#include <cstring>

#include "base/bounded_text.h"

void rowButtonLabels(int rowCount, int firstShownRow, char labels[shownRowSlots][4]) {
    for (int k = 0; k < shownRowSlots; ++k) {
        const int row = firstShownRow + k;
        labels[k][0] = '\0';
        if (rowCount <= 0 || row < 1 || row > rowCount) continue;
        if (row > 99) copyText(labels[k], 4, "XX");
        else formatText(labels[k], 4, "%02i", row);
    }
}

RowScroll rowScrollRange(int rowCount, int& firstShownRow) {
    if (rowCount < 5) {
        firstShownRow = 1;
        return {1, 1, 1};
    }
    if (firstShownRow < 1) firstShownRow = 1;
    if (firstShownRow > rowCount - 3) firstShownRow = rowCount - 3;
    return {1, rowCount - 3, firstShownRow};
}

int scrolledFirstRow(int first, int rowCount, int action, int thumb) {
    const int last = rowCount - 3 > 1 ? rowCount - 3 : 1;
    switch (action) {
    case scrollLineUp: return first > 1 ? first - 1 : 1;
    case scrollLineDown: return first + 1 > last ? (first > last ? last : first) : first + 1;
    case scrollThumbTrack: return thumb < 1 ? 1 : (thumb > last ? last : thumb);
    default: return first;
    }
}

ListColumns listColumns(int W) {
    ListColumns c;
    c.a = 20;
    c.b = c.a + static_cast<int>(W * 0.25);
    c.c = c.b + static_cast<int>(W * 0.15);
    c.d = c.c + static_cast<int>(W * 0.15);
    c.e = c.d + static_cast<int>(W * 0.15);
    return c;
}

int listTexts(const SceneListDisplay& list, int W, ListText out[maxListTexts]) {
    const ListColumns col = listColumns(W);
    const bool editing = list.entryMode == entryEditing;
    int count = 0;
    auto add = [&](int x, int y, bool right, unsigned colour, const char* text) {
        if (!text[0] || count >= maxListTexts) return;
        ListText& t = out[count++];
        t = {x, y, right, colour, {}};
        copyText(t.text, text);
    };
    const int lines = list.rowCount < shownRowSlots ? list.rowCount : shownRowSlots;
    for (int k = 1; k <= lines; ++k) {
        const DisplaySlot& slot = list.slots[k - 1];
        const int y = 20 * k + 3;
        unsigned colour = colourBlack;
        if (editing) colour = list.firstShownRow + k - 1 == list.editedRow ? colourBlue : colourGrey;
        // "FadeIn 60": the name, then its frames after the first blank.
        char name[32] = {}, frames[25] = {};
        const char* blank = strchr(slot.transition, ' ');
        if (blank) {
            copyTextN(name, sizeof name, slot.transition, static_cast<size_t>(blank - slot.transition));
            copyText(frames, blank + 1);
        } else {
            copyText(name, slot.transition);
        }
        add(col.a + 3, y, false, colour, name);
        add(col.b - 8, y, true, colour, frames);
        add(col.c - 4, y, true, colour, slot.start);
        add(col.d - 4, y, true, colour, slot.end);
        if (strcmp(name, "Dissolve") == 0) {
            char negative[32];
            formatText(negative, sizeof negative, "-%s", frames);
            add(col.e - 4, y, true, colour, negative);
        } else {
            add(col.e - 4, y, true, colour, slot.frames);
            add(W - 10, y, true, colour, slot.time);
        }
    }
    return count;
}

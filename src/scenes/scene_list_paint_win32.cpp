#include "scenes/scene_list_paint_win32.h"

#include <windows.h>

#include <cstring>

#include "app/window_table.h"
#include "base/bounded_text.h"
#include "scenes/frame_count.h"
#include "scenes/scene_list_paint.h"
#include "scenes/shown_rows.h"

namespace {

HWND at(int index) { return static_cast<HWND>(windowTable.handle[index]); }

}  // namespace

void paintSceneList(SceneListDisplay& list) {
    HWND rows = at(winRowList);
    recountRows(list);
    const RowScroll scroll = rowScrollRange(list.rowCount, list.firstShownRow);
    if (rows) {
        SetScrollRange(rows, SB_VERT, scroll.minimum, scroll.maximum, FALSE);
        SetScrollPos(rows, SB_VERT, scroll.position, TRUE);
    }
    char labels[shownRowSlots][4];
    rowButtonLabels(list.rowCount, list.firstShownRow, labels);
    for (int k = 0; k < shownRowSlots; ++k) {
        char now[8] = {};
        GetWindowTextA(at(winRowButton1 + k), now, sizeof now);
        if (strcmp(now, labels[k]) != 0) SetWindowTextA(at(winRowButton1 + k), labels[k]);
    }
    loadShownRows(list);
    if (rows) {
        RECT client;
        GetClientRect(rows, &client);
        const int W = client.right;
        HDC dc = GetDC(rows);
        RECT band = {20, 20, W, 100};
        FillRect(dc, &band, reinterpret_cast<HBRUSH>(GetClassLongPtrA(rows, GCLP_HBRBACKGROUND)));
        HGDIOBJ oldFont = nullptr;
        if (HFONT font = reinterpret_cast<HFONT>(SendMessageA(at(25), WM_GETFONT, 0, 0)))
            oldFont = SelectObject(dc, font);
        SetBkMode(dc, TRANSPARENT);
        ListText texts[maxListTexts];
        const int count = listTexts(list, W, texts);
        for (int i = 0; i < count; ++i) {
            const ListText& t = texts[i];
            SetTextColor(dc, t.colour);
            SetTextAlign(dc, t.rightAligned ? TA_RIGHT : TA_LEFT);
            TextOutA(dc, t.x, t.y, t.text, static_cast<int>(strlen(t.text)));
        }
        if (oldFont) SelectObject(dc, oldFont);
        ReleaseDC(rows, dc);
    }
    computeTotalFrames(list);
    char text[32];
    formatText(text, sizeof text, "%i", list.totalFrames);
    SetWindowTextA(at(winTotalFramesText), text);
    timeText(text, sizeof text, list.totalFrames, list.framesPerSecond);
    SetWindowTextA(at(winTotalTimeText), text);
}

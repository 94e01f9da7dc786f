#include "app/views_layout_win32.h"

#include <commctrl.h>

#include <initializer_list>

#include "base/bounded_text.h"

namespace {

void place(int index, int x, int y, int width, int height) {
    if (HWND w = windowAt(index)) MoveWindow(w, x, y, width, height, TRUE);
}

void showList(std::initializer_list<int> indices) {
    for (int index : indices)
        if (HWND w = windowAt(index)) ShowWindow(w, SW_SHOW);
}

void hideAll() {
    for (int index = windowCount - 1; index >= 1; --index)
        if (HWND w = windowAt(index)) ShowWindow(w, SW_HIDE);
}

void layoutScriptEditor(int W, int H) {
    static const int toolButtons[] = {winToolButton1, winToolButton2, winToolButton3,
                                      winToolButton4, winToolButton5, winToolButton6};
    for (int i = 0; i < 6; ++i) place(toolButtons[i], W - 46, H / 2 - 123 + 40 * i, 36, 36);
    place(winToolHolder, 10, 5, W - 66, 26);
    if (HWND toolbar = windowAt(winToolbar)) SendMessageA(toolbar, TB_AUTOSIZE, 0, 0);
    place(winFilterList, 325, 2, 200, 16);
    place(winTab, 10, 32, W - 66, H - 63);
    if (HWND tab = windowAt(winTab)) {
        RECT r;
        GetClientRect(tab, &r);
        RECT display = r;
        TabCtrl_AdjustRect(tab, FALSE, &display);
        const int top = display.top;
        place(winEditor, 13, 32 + top + 1, r.right - 6, (r.bottom - 4) - (top + 1));
    }
    showList({1, 2, 3, 5, 6, 8, 9, 22, 46, 48, 60, 61});
}

void layoutVideoEditor(AppState& app, int W, int H) {
    HWND main = windowAt(winMain);
    if (W < 608 || H < 466) {
        RECT wr;
        GetWindowRect(main, &wr);
        int width = wr.right - wr.left, height = wr.bottom - wr.top;
        MoveWindow(main, wr.left, wr.top, width > 608 ? width : 608, height > 466 ? height : 466, TRUE);
        RECT cr;
        GetClientRect(main, &cr);
        W = cr.right;
        H = cr.bottom;
    }
    const int Y = H - 24, r = 21, R = W - 180;
    place(winRowList, 10, Y - 5 * r - 5, R, 5 * r - 1);
    place(winInfoText, 12, Y - 6 * r - 15, W - 450, 26);
    const int X = R - static_cast<int>(32 * 1.7);
    place(winAdd, X - 40, Y - 6 * r - 12, 36, 22);
    place(winPreview, X - 112, Y - 6 * r - 12, 68, 22);
    place(winCancel, X, Y - 6 * r - 12, 60, 22);
    place(17, 10, Y - 10 * r - 2, 160, 65);
    place(winStartFrame, 20, Y - 8 * r - 10, 60, 24);
    place(winEndFrame, 100, Y - 8 * r - 10, 60, 24);
    place(37, 12, 17, 60, 15);
    place(38, 92, 17, 60, 15);
    place(winTransitionGroup, 10, Y - 14 * r - 9, 136, 100);
    place(winTransitionCombo, 20, Y - 13 * r - 5, 100, 150);
    place(winTransitionFrames, 10, 60, 34, 24);
    place(36, 50, 65, 82, 15);
    place(winTrackbar, 180, Y - 10 * r, W - 190, 28);
    place(winFrameNumber, 185, Y - 8 * r - 7, 64, 26);
    static const int navigation[] = {7, 8, 6, 9, 5, 10, 4, 3};
    static const int navigationX[] = {260, 302, 338, 380, 416, 458, 494, 537};
    for (int i = 0; i < 8; ++i) place(navigation[i], navigationX[i], Y - 8 * r - 10, navigation[i] == 3 ? 54 : 32, 32);
    EnableWindow(windowAt(10), FALSE);
    EnableWindow(windowAt(4), FALSE);
    place(45, W - 165, H - 8 * r + 6, 100, 131);
    place(winSourceRadio, W - 145, H - 7 * r + 4, 65, 15);
    place(winProjectRadio, W - 145, H - 6 * r + 4, 65, 15);
    place(41, W - 165, H - 5 * r + 1, 100, 73);
    place(winTotalFramesText, 10, 16, 80, 18);
    place(42, W - 165, H - 3 * r - 8, 100, 40);
    place(winTotalTimeText, 10, 16, 80, 18);
    place(winEncoderIcon, W - 48, H - 7 * r, 32, 32);
    place(winEncode, W - 58, H - 5 * r - 4, 54, 36);
    place(winToolButton6, W - 57, H - 3 * r - 5, 52, 36);
    SetWindowTextA(windowAt(winEncode), app.views.viewingProject ? "Encode Project" : "Encode Source");
    if (!app.views.viewingProject) SendMessageA(windowAt(winSourceRadio), BM_SETCHECK, BST_CHECKED, 0);
    if (HWND rows = windowAt(winRowList)) {
        RECT cr;
        GetClientRect(rows, &cr);
        const int w = cr.right;
        place(24, 0, 0, 20, 20);
        int x = 20;
        const int widths[] = {static_cast<int>(w * 0.25), static_cast<int>(w * 0.15), static_cast<int>(w * 0.15),
                              static_cast<int>(w * 0.15)};
        for (int i = 0; i < 4; ++i) {
            place(25 + i, x, 0, widths[i], 20);
            x += widths[i];
        }
        place(29, x, 0, w - x, 20);
        for (int i = 0; i < 4; ++i) place(winRowButton1 + i, 0, 20 + 20 * i, 20, 20);
    }
    showList({1, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 22, 23, 24, 25, 26, 27, 28,
              29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41, 42, 43, 44, 45, 47, 54, 55});
}

}  // namespace

bool clientSizeChanged(const AppState& app) {
    RECT r;
    GetClientRect(windowAt(winMain), &r);
    return r.right != app.lastClientRect.right || r.bottom != app.lastClientRect.bottom;
}

void updateStatusBar(AppState& app) {
    HWND status = windowAt(winStatusBar);
    if (!status) return;
    RECT r;
    GetClientRect(windowAt(winMain), &r);
    const int W = r.right;
    int edges[4] = {85, 140, static_cast<int>(W * 0.62), W - 1};
    SendMessageA(status, SB_SETPARTS, 4, reinterpret_cast<LPARAM>(edges));
    const Views& v = app.views;
    char parts[4][128] = {};
    const char* playing = v.playing ? " Playing" : "";
    switch (v.currentView) {
    case viewScriptEditor:
        copyText(parts[0], " Script Edit View");
        formatText(parts[2], sizeof parts[2], " Project: %s", v.projectFilePath);
        formatText(parts[3], sizeof parts[3], " Source: %c%s", v.titleMark, v.sourceTitle);
        break;
    case viewVideoEditor:
        copyText(parts[0], " Video Edit View");
        copyText(parts[1], playing);
        formatText(parts[2], sizeof parts[2], " Project: %s", v.projectFilePath);
        formatText(parts[3], sizeof parts[3], " Source: %c%s", v.titleMark, v.sourceTitle);
        break;
    case viewMediaViewer:
        copyText(parts[0], " Media Viewer");
        copyText(parts[1], playing);
        break;
    default:
        copyText(parts[0], " Video Viewer");
        copyText(parts[1], playing);
        break;
    }
    for (int i = 0; i < 4; ++i) SendMessageA(status, SB_SETTEXTA, i, reinterpret_cast<LPARAM>(parts[i]));
}

void applyView(AppState& app) {
    HWND main = windowAt(winMain);
    RECT r;
    GetClientRect(main, &r);
    hideAll();
    switch (app.views.currentView) {
    case viewScriptEditor: layoutScriptEditor(r.right, r.bottom); break;
    case viewVideoEditor: layoutVideoEditor(app, r.right, r.bottom); break;
    case viewMediaViewer:
        place(winTrackbar, 0, r.bottom - 56, r.right, 32);
        showList({1, 12, 13});
        break;
    default: showList({1, 12, 13}); break;
    }
    if (HWND status = windowAt(winStatusBar)) MoveWindow(status, 0, 0, 0, 0, TRUE);
    updateStatusBar(app);
    GetClientRect(main, &app.lastClientRect);
}

void initialPlacement(AppState& app) {
    HWND main = windowAt(winMain);
    const Views& v = app.views;
    if (v.applySavedPlacement && v.windowWidth > 0 && v.windowHeight > 0) {
        MoveWindow(main, v.windowLeft, v.windowTop, v.windowWidth, v.windowHeight, FALSE);
    } else {
        const int frameWidth = GetSystemMetrics(SM_CXFRAME);
        const int frameHeight = GetSystemMetrics(SM_CYFRAME);
        const int screenWidth = GetSystemMetrics(SM_CXFULLSCREEN);
        const int screenHeight = GetSystemMetrics(SM_CYFULLSCREEN);
        MoveWindow(main, (screenWidth - 790 - 2 * frameHeight) / 2, (screenHeight - 500 - 2 * frameWidth) / 4,
                   790 + 2 * frameWidth, 500 + 2 * frameHeight, FALSE);
    }
    ShowWindow(main, SW_SHOW);
    if (HWND rows = windowAt(winRowList)) SetScrollRange(rows, SB_VERT, 1, 1, FALSE);
}

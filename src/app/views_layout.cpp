#include "app/views_layout.h"

#include <iterator>

#include "base/bounded_text.h"

void Layout::place(int index, int x, int y, int width, int height) {
    if (moveCount < maxPlacements) moves[moveCount++] = {index, x, y, width, height};
}

void Layout::showAll(std::initializer_list<int> indices) {
    for (int index : indices)
        if (showCount < 64) show[showCount++] = index;
}

const Placement* Layout::find(int index) const {
    // The last move of a control wins, as it does on screen.
    for (int i = moveCount - 1; i >= 0; --i)
        if (moves[i].index == index) return &moves[i];
    return nullptr;
}

bool Layout::shows(int index) const {
    for (int i = 0; i < showCount; ++i)
        if (show[i] == index) return true;
    return false;
}

void scriptEditorLayout(int W, int H, Layout& out) {
    static const int toolButtons[] = {3, 5, 6, 8, 9, 22};
    for (int i = 0; i < 6; ++i) out.place(toolButtons[i], W - 46, H / 2 - 123 + 40 * i, 36, 36);
    out.place(60, 10, 5, W - 66, 26);
    out.place(48, 325, 2, 200, 16);
    out.place(2, 10, 32, W - 66, H - 63);
    out.showAll({1, 2, 3, 5, 6, 8, 9, 22, 46, 48, 60, 61});
}

Placement editorInTab(int tabRight, int tabBottom, int displayTop) {
    return {46, 13, 32 + displayTop + 1, tabRight - 6, (tabBottom - 4) - (displayTop + 1)};
}

void scriptPreviewLayout(int W, int H, const PreviewSwitches& s, Layout& out) {
    const int Y = H - 24, h = s.thumbLength + 10, e = static_cast<int>(H * 0.22);
    out.place(12, 0, Y - h, W, h);
    if (s.sidePanel) {
        out.place(51, 10, 40, 140, 250);
        out.place(52, 85, 30, 50, 200);
        out.place(53, 5, 30, 80, 200);
    }
    if (s.previewMode == 1 || s.previewMode == 2) {
        const int y = (s.previewMode == 1 ? Y - 2 - h : Y - e - h) - 24 - 1;
        out.place(49, 15, y, 64, 24);
        out.place(21, 82, y, 32, 24);
        out.place(8, 140, y, 32, 24);
        out.place(16, 176, y, 64, 24);
        out.place(6, 244, y, 32, 24);
        if (s.previewMode == 2) {
            out.place(50, 304, y, 72, 24);
            out.place(46, 10, Y - h - e, W - 20, e);
        }
    }
    if (s.previewMode == 1) out.showAll({1, 6, 8, 12, 13, 16, 21, 49});
    else if (s.previewMode == 2) out.showAll({1, 6, 8, 12, 13, 16, 21, 46, 49, 50});
    else out.showAll({1, 12, 13});
    if (s.sidePanel) out.showAll({51, 52, 53});
}

void lockedLayout(int W, int H, int w, int h, bool sidePanel, Layout& out) {
    out.place(13, W - (w + 5), 5, w, h);
    if (h > 300) {
        if (sidePanel) {
            out.place(51, 5, 5, 140, 250);
            out.place(52, 85, 20, 50, 225);
            out.place(53, 5, 20, 80, 225);
        }
        out.place(49, 16, 275, 64, 24);
        out.place(21, 83, 275, 32, 24);
        out.place(8, 7, 305, 32, 24);
        out.place(16, 43, 305, 64, 24);
        out.place(6, 111, 305, 32, 24);
        out.place(50, 15, 332, 120, 24);
        int E = H - 52 - (h + 10) - 6;
        if (E > 200) E = 200;
        out.place(46, 10, H - (E + 56), W - 20, E);
    }
    out.place(12, 0, H - 52, W, 26);
}

void videoEditorLayout(int W, int H, int rowMode, bool multiFrame, Layout& out) {
    const int Y = H - 24, r = 21, R = W - 180;
    out.place(23, 10, Y - 5 * r - 5, R, 5 * r - 1);
    out.place(39, 12, Y - 6 * r - 15, W - 450, 26);
    const int X = R - static_cast<int>(32 * 1.7);
    const int buttonY = Y - 6 * r - 12;
    if (rowMode == 0) {
        out.place(11, X - 40, buttonY, 36, 22);
        out.place(47, X - 112, buttonY, 68, 22);
    } else {
        out.place(11, X - 137, buttonY, 133, 22);
        out.place(47, X - 209, buttonY, 68, 22);
    }
    out.place(40, X, buttonY, 60, 22);
    out.place(17, 10, Y - 10 * r - 2, 160, 65);
    out.place(30, 20, Y - 8 * r - 10, 60, 24);
    out.place(31, 100, Y - 8 * r - 10, 60, 24);
    out.place(37, 12, 17, 60, 15);
    out.place(38, 92, 17, 60, 15);
    out.place(14, 10, Y - 14 * r - 9, 136, 100);
    out.place(15, 20, Y - 13 * r - 5, 100, 150);
    out.place(18, 10, 60, 34, 24);
    out.place(36, 50, 65, 82, 15);
    out.place(12, 180, Y - 10 * r, W - 190, 28);
    out.place(16, 185, Y - 8 * r - 7, 64, 26);
    static const int navigation[] = {7, 8, 6, 9, 5, 10, 4, 3};
    static const int navigationX[] = {260, 302, 338, 380, 416, 458, 494, 537};
    for (int i = 0; i < 8; ++i)
        out.place(navigation[i], navigationX[i], Y - 8 * r - 10, navigation[i] == 3 ? 54 : 32, 32);
    out.place(45, W - 165, H - 8 * r + 6, 100, 131);
    out.place(54, W - 145, H - 7 * r + 4, 65, 15);
    out.place(55, W - 145, H - 6 * r + 4, 65, 15);
    out.place(41, W - 165, H - 5 * r + 1, 100, 73);
    out.place(43, 10, 16, 80, 18);
    out.place(42, W - 165, H - 3 * r - 8, 100, 40);
    out.place(44, 10, 16, 80, 18);
    out.place(20, W - 48, H - 7 * r, 32, 32);
    out.place(19, W - 58, H - 5 * r - 4, 54, 36);
    out.place(22, W - 57, H - 3 * r - 5, 52, 36);
    out.showAll({1, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 22, 23, 24, 25, 26, 27, 28,
                 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41, 42, 43, 44, 45, 47, 54, 55});
    if (multiFrame) out.showAll({59, 63});
}

void rowHeaderLayout(int w, Layout& out) {
    out.place(24, 0, 0, 20, 20);
    const int widths[] = {static_cast<int>(w * 0.25), static_cast<int>(w * 0.15), static_cast<int>(w * 0.15),
                          static_cast<int>(w * 0.15)};
    int x = 20;
    for (int i = 0; i < 4; ++i) {
        out.place(25 + i, x, 0, widths[i], 20);
        x += widths[i];
    }
    out.place(29, x, 0, w - x, 20);
    for (int i = 0; i < 4; ++i) out.place(32 + i, 0, 20 + 20 * i, 20, 20);
}

void mediaViewerLayout(int W, int H, Layout& out) {
    out.place(12, 0, H - 56, W, 32);
    out.showAll({1, 12, 13});
}

Area fitVideo(double aspectRatio, int left, int top, int A, int B) {
    // A ratio that is not a positive number would divide by zero below; fill the area.
    if (!(aspectRatio > 0.0) || B <= 0) return {left, top, A, B};
    if (aspectRatio >= static_cast<double>(A) / B) {
        const int height = static_cast<int>(A / aspectRatio);
        return {left, top + B / 2 - height / 2, A, height};
    }
    const int width = static_cast<int>(B * aspectRatio);
    return {left + A / 2 - width / 2, top, width, B};
}

bool videoArea(const VideoAreaInput& in, Area& area) {
    switch (in.view) {
    case 2: {
        if (in.locked) return false;
        const int L = in.sidePanel ? 160 : 10;
        const int B = in.previewMode == 2 ? in.editorTopOffset - 24 - 20 : in.H - 100;
        area = {L, 10, in.W - L - 10, B};
        return true;
    }
    case 3: area = {170, 10, in.W - 180, in.H - 250}; return true;
    case 4: area = {10, 10, in.W - 20, in.H - 72}; return true;
    default: return false;
    }
}

void multiFrameAreas(int W, double aspectRatio, Area out[3]) {
    const int q = (W - 40) / 4;
    const double ar = aspectRatio > 0.0 ? aspectRatio : 1.0;
    out[0] = {10, 10, q, static_cast<int>(q / ar)};
    out[1] = {10 + q + 10, 10, 2 * q, static_cast<int>(2 * q / ar)};
    out[2] = {10 + 3 * q + 20, 10, q, static_cast<int>(q / ar)};
}

void statusEdges(int W, int edges[4]) {
    edges[0] = 85;
    edges[1] = 140;
    edges[2] = static_cast<int>(W * 0.62);
    edges[3] = W - 1;
}

void statusTexts(const StatusInput& in, char parts[4][statusPartSize]) {
    for (int i = 0; i < 4; ++i) parts[i][0] = '\0';
    if (in.view != 1 && in.playing) copyText(parts[1], statusPartSize, " Playing");
    auto sourcePart = [&] {
        if (in.viewingProject) formatText(parts[3], statusPartSize, " Project Script: %s", in.projectScript);
        else formatText(parts[3], statusPartSize, " Source: %c%s", in.titleMark, in.sourceTitle);
    };
    switch (in.view) {
    case 1:
        copyText(parts[0], statusPartSize, " Script Edit View");
        formatText(parts[2], statusPartSize, " Project: %s", in.projectFile);
        if (in.viewingProject)
            formatText(parts[3], statusPartSize, " Project Script: %c%s", in.titleMark, in.projectScript);
        else formatText(parts[3], statusPartSize, " Source: %c%s", in.titleMark, in.sourceTitle);
        break;
    case 2:
        if (in.previewOfEditor) {
            copyText(parts[0], statusPartSize, " Script Preview");
            copyText(parts[2], statusPartSize,
                     in.titleMark != ' ' ? " viewing \"windat.avs\"   Press F5 to return to Editor"
                                         : " Press F5 to return to Editor");
            formatText(parts[3], statusPartSize, " Source: %c%s", in.titleMark, in.sourceTitle);
        } else {
            copyText(parts[0], statusPartSize, " Video Viewer");
            formatText(parts[2], statusPartSize, " Project: %s", in.projectFile);
            sourcePart();
        }
        break;
    case 3:
        copyText(parts[0], statusPartSize, " Video Edit View");
        formatText(parts[2], statusPartSize, " Project: %s", in.projectFile);
        sourcePart();
        break;
    case 4: copyText(parts[0], statusPartSize, " Media Viewer"); break;
    default: break;
    }
}

namespace {

const ViewTip scriptEditorTips[] = {
    {0, 56, " Main Window\n Right Click for main menu\n Hold Left Mouse Button Down to drag window around ", 0, 0},
    {3, 57, nullptr, 11103, -1},
    {5, 57, nullptr, 11103, -2},
    {6, 57, nullptr, 11103, -3},
    {8, 57, nullptr, 11103, -4},
    {9, 57, nullptr, 11103, -5},
    {22, 57, nullptr, 0, -6},
};

const ViewTip scriptPreviewTips[] = {
    {0, 56,
     " Main Window of Script Preview\n\n program navigation restricted, you may only \n return to script editor "
     "window\n\n this window has its own menu ",
     0, 0},
    {6, 57, " Single Frame Forward ", 0, 104},
    {8, 57, " Single Frame Reverse ", 0, 105},
};

const ViewTip videoEditorTips[] = {
    {3, 57, " Click here to set start or end frame ", 0, 101},
    {5, 57, " Jump Forward ", 0, 109},
    {6, 57, " Single Frame Forward ", 0, 104},
    {7, 57, nullptr, 0, 103},
    {8, 57, " Single Frame Reverse ", 0, 105},
    {9, 57, " Jump Backward ", 0, 110},
    {22, 57, nullptr, 0, -6},
};

}  // namespace

int viewTips(int view, const ViewTip** tips) {
    switch (view) {
    case 1: *tips = scriptEditorTips; return static_cast<int>(std::size(scriptEditorTips));
    case 2: *tips = scriptPreviewTips; return static_cast<int>(std::size(scriptPreviewTips));
    case 3: *tips = videoEditorTips; return static_cast<int>(std::size(videoEditorTips));
    default: *tips = nullptr; return 0;
    }
}

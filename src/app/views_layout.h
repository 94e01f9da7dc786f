#pragma once
// Where each view puts its controls, which controls it shows, how the video fits its area,
// and what the status bar and the view's tooltips say. Pure arithmetic on the client size and
// the switches, so the window layer only moves and shows what these return.
#include <cstddef>
#include <initializer_list>

// One control moved to x, y, width, height (coordinates of its parent).
struct Placement {
    int index;
    int x, y, width, height;
};
constexpr int maxPlacements = 48;

struct Layout {
    Placement moves[maxPlacements];
    int moveCount = 0;
    int show[64];
    int showCount = 0;
    void place(int index, int x, int y, int width, int height);
    void showAll(std::initializer_list<int> indices);
    const Placement* find(int index) const;
    bool shows(int index) const;
};

// View 1 without the editor, whose place depends on the tab's display area (editorInTab).
void scriptEditorLayout(int W, int H, Layout& out);
// The editor inside the tab control at 10, 32: from the tab's client right and bottom and the
// top of its display area.
Placement editorInTab(int tabRight, int tabBottom, int displayTop);

struct PreviewSwitches {
    int previewMode = 1;       // effective mode: 0 player only, 1 no editor, 2 with the editor
    bool sidePanel = false;    // shown only for a script, which has clip data
    int thumbLength = 18;
};
void scriptPreviewLayout(int W, int H, const PreviewSwitches& s, Layout& out);

// "Locked to Actual Size": the main client area needed for a clip, and the layout for it.
inline int lockedWidth(int clipWidth) { return clipWidth + 165; }
inline int lockedHeight(int clipHeight) { return clipHeight + 164; }
constexpr int lockedMinimumDesktop = 1024;
void lockedLayout(int W, int H, int clipWidth, int clipHeight, bool sidePanel, Layout& out);

// The Video Editor keeps its client area at least this large.
constexpr int videoEditorMinWidth = 608;
constexpr int videoEditorMinHeight = 466;
void videoEditorLayout(int W, int H, int rowMode, bool multiFrame, Layout& out);
// The headers and the row buttons inside the row window of client width w.
void rowHeaderLayout(int w, Layout& out);

void mediaViewerLayout(int W, int H, Layout& out);

// The fit rule: the largest rectangle of the aspect ratio inside the area, centred.
struct Area {
    int x, y, width, height;
};
Area fitVideo(double aspectRatio, int left, int top, int areaWidth, int areaHeight);

// The area the video gets in a view. editorTopOffset is the editor window's top less the
// main window's top (screen pixels), used in preview mode 2. Returns false where the view
// places no video (view 1, and view 2 while locked).
struct VideoAreaInput {
    int view = 1;
    int W = 0, H = 0;
    bool sidePanel = false;
    int previewMode = 1;
    int editorTopOffset = 0;
    bool locked = false;
};
bool videoArea(const VideoAreaInput& in, Area& area);
// The multi-frame editor's three windows (59, 13, 63), left to right.
void multiFrameAreas(int W, double aspectRatio, Area out[3]);

// Status bar.
void statusEdges(int W, int edges[4]);
struct StatusInput {
    int view = 1;
    bool playing = false;
    bool viewingProject = false;
    bool previewOfEditor = true;  // view 2 shows the editor's own script
    char titleMark = ' ';
    const char* projectFile = "";
    const char* projectScript = "";
    const char* sourceTitle = "";
};
constexpr size_t statusPartSize = 128;
void statusTexts(const StatusInput& in, char parts[4][statusPartSize]);

// What a view changes in the tooltips and button images. tooltip is 56 or 57; text null keeps
// the text; stringId, when not 0, names a string resource to use instead. icon > 0 is a
// resource icon, icon < 0 tool button -icon's own icon, 0 keeps the image.
struct ViewTip {
    int window;
    int tooltip;
    const char* text;
    int stringId;
    int icon;
};
// Returns the count (0 for view 4).
int viewTips(int view, const ViewTip** tips);

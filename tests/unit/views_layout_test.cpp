#include <gtest/gtest.h>

#include <string>

#include "app/views_layout.h"

namespace {

Layout layoutOf(int view, int W, int H, int mode) {
    Layout out;
    switch (view) {
    case 1: scriptEditorLayout(W, H, out); break;
    case 2: {
        PreviewSwitches s;
        s.previewMode = mode;
        scriptPreviewLayout(W, H, s, out);
        break;
    }
    case 3: videoEditorLayout(W, H, mode, false, out); break;
    default: mediaViewerLayout(W, H, out); break;
    }
    return out;
}

struct Expected {
    int view, W, H, mode;
    Placement p;
};

}  // namespace

TEST(ViewsLayout, ControlsOfEveryViewAtTwoClientSizes) {
    const Expected table[] = {
        {1, 790, 500, 0, {3, 744, 127, 36, 36}},     {1, 790, 500, 0, {22, 744, 327, 36, 36}},
        {1, 1000, 700, 0, {9, 954, 387, 36, 36}},    {1, 790, 500, 0, {2, 10, 32, 724, 437}},
        {1, 1000, 700, 0, {60, 10, 5, 934, 26}},     {2, 790, 500, 1, {12, 0, 448, 790, 28}},
        {2, 790, 500, 1, {49, 15, 421, 64, 24}},     {2, 1000, 700, 2, {50, 304, 469, 72, 24}},
        {2, 1000, 700, 2, {46, 10, 494, 980, 154}},  {3, 790, 500, 0, {23, 10, 366, 610, 104}},
        {3, 790, 500, 0, {39, 12, 335, 340, 26}},    {3, 790, 500, 0, {11, 516, 338, 36, 22}},
        {3, 790, 500, 1, {11, 419, 338, 133, 22}},   {3, 790, 500, 2, {47, 347, 338, 68, 22}},
        {3, 790, 500, 0, {40, 556, 338, 60, 22}},    {3, 1000, 700, 0, {12, 180, 466, 810, 28}},
        {3, 1000, 700, 0, {3, 537, 498, 54, 32}},    {3, 1000, 700, 0, {54, 855, 557, 65, 15}},
        {3, 1000, 700, 0, {19, 942, 591, 54, 36}},   {3, 1000, 700, 0, {14, 10, 373, 136, 100}},
        {4, 790, 500, 0, {12, 0, 444, 790, 32}},     {4, 1000, 700, 0, {12, 0, 644, 1000, 32}},
    };
    for (const Expected& e : table) {
        const Layout layout = layoutOf(e.view, e.W, e.H, e.mode);
        const Placement* p = layout.find(e.p.index);
        ASSERT_NE(p, nullptr) << "view " << e.view << " window " << e.p.index;
        EXPECT_EQ(std::to_string(p->x) + "," + std::to_string(p->y) + " " + std::to_string(p->width) + "x" +
                      std::to_string(p->height),
                  std::to_string(e.p.x) + "," + std::to_string(e.p.y) + " " + std::to_string(e.p.width) + "x" +
                      std::to_string(e.p.height))
            << "view " << e.view << " at " << e.W << "x" << e.H << " window " << e.p.index;
        EXPECT_TRUE(layout.shows(e.p.index)) << "window " << e.p.index;
    }
    const Placement editor = editorInTab(724, 437, 24);
    EXPECT_EQ(editor.y, 57);
    EXPECT_EQ(editor.height, 408);
}

TEST(ViewsLayout, ShowListsKeepOtherViewsControlsHidden) {
    const Layout media = layoutOf(4, 790, 500, 0);
    EXPECT_EQ(media.showCount, 3);
    const Layout editor = layoutOf(3, 790, 500, 0);
    EXPECT_FALSE(editor.shows(46));  // the script editor
    EXPECT_FALSE(editor.shows(21));  // "Go" belongs to the preview
    EXPECT_TRUE(editor.shows(40));
    const Layout player = layoutOf(2, 790, 500, 0);
    EXPECT_EQ(player.showCount, 3);
    EXPECT_FALSE(layoutOf(1, 790, 500, 0).shows(13));
}

TEST(ViewsLayout, FitRuleCentresTheVideoInItsArea) {
    struct Case {
        double ratio;
        int L, T, A, B;
        Area fit;
    } cases[] = {
        {1.7777778, 0, 0, 600, 300, {34, 0, 533, 300}},
        // 4:3 is the float 1.3333334, so 600 / ratio falls just short of 450.
        {static_cast<double>(1.3333334f), 10, 10, 600, 500, {10, 36, 600, 449}},
        {1.3333334, 170, 10, 610, 250, {309, 10, 333, 250}},
        {0.0, 10, 10, 200, 100, {10, 10, 200, 100}},  // no ratio yet: the whole area
    };
    for (const Case& c : cases) {
        const Area a = fitVideo(c.ratio, c.L, c.T, c.A, c.B);
        EXPECT_EQ(a.x, c.fit.x);
        EXPECT_EQ(a.y, c.fit.y);
        EXPECT_EQ(a.width, c.fit.width);
        EXPECT_EQ(a.height, c.fit.height);
    }
    VideoAreaInput in;
    in.W = 790;
    in.H = 500;
    Area area;
    in.view = 1;
    EXPECT_FALSE(videoArea(in, area));
    in.view = 3;
    ASSERT_TRUE(videoArea(in, area));
    EXPECT_EQ(area.x, 170);
    EXPECT_EQ(area.height, 250);
    in.view = 2;
    in.sidePanel = true;
    ASSERT_TRUE(videoArea(in, area));
    EXPECT_EQ(area.x, 160);
    EXPECT_EQ(area.width, 620);
    in.locked = true;
    EXPECT_FALSE(videoArea(in, area));
}

TEST(ViewsLayout, StatusTextsOfEveryView) {
    struct Case {
        int view;
        bool playing, project, ofEditor;
        char mark;
        const char* parts[4];
    } cases[] = {
        {1, true, false, true, '*', {" Script Edit View", "", " Project: a.jvl", " Source: *clip.avs"}},
        {1, false, true, true, ' ', {" Script Edit View", "", " Project: a.jvl", " Project Script:  a_vlprj.avs"}},
        {2, false, false, true, '*',
         {" Script Preview", "", " viewing \"windat.avs\"   Press F5 to return to Editor", " Source: *clip.avs"}},
        {2, true, false, true, ' ', {" Script Preview", " Playing", " Press F5 to return to Editor", " Source:  clip.avs"}},
        {2, false, true, false, ' ', {" Video Viewer", "", " Project: a.jvl", " Project Script: a_vlprj.avs"}},
        {3, true, false, true, ' ', {" Video Edit View", " Playing", " Project: a.jvl", " Source:  clip.avs"}},
        {3, false, true, true, '*', {" Video Edit View", "", " Project: a.jvl", " Project Script: a_vlprj.avs"}},
        {4, true, true, true, ' ', {" Media Viewer", " Playing", "", ""}},
    };
    for (const Case& c : cases) {
        StatusInput in;
        in.view = c.view;
        in.playing = c.playing;
        in.viewingProject = c.project;
        in.previewOfEditor = c.ofEditor;
        in.titleMark = c.mark;
        in.projectFile = "a.jvl";
        in.projectScript = "a_vlprj.avs";
        in.sourceTitle = "clip.avs";
        char parts[4][statusPartSize];
        statusTexts(in, parts);
        for (int i = 0; i < 4; ++i) EXPECT_STREQ(parts[i], c.parts[i]) << "view " << c.view << " part " << i;
    }
    int edges[4];
    statusEdges(790, edges);
    EXPECT_EQ(edges[2], 489);
    EXPECT_EQ(edges[3], 789);
}

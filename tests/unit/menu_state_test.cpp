#include <gtest/gtest.h>

#include "app/menu_state.h"

namespace {

constexpr int en = markEnable, grey = markGrey, on = markCheck, off = markUncheck, untouched = -1;

struct ItemCase {
    const char* name;
    int view;
    bool preview;
    unsigned command;
    unsigned id;
    int greyMark;   // enable/grey mark the update leaves, or untouched
    int checkMark;  // check mark the update leaves, or untouched
};

const ItemCase itemCases[] = {
    {"view 1 enables Play Script", 1, false, 0, 20021, en, untouched},
    {"view 1 with a preview greys Play Script and checks PreView", 1, true, 0, 20011, untouched, on},
    {"view 1 greys the VIDEO File submenu", 1, false, 0, 22017, grey, untouched},
    {"view 2 greys the Video Editor switch", 2, false, 0, 10009, grey, untouched},
    {"view 2 greys the multi-frame item", 2, false, 0, 22004, grey, untouched},
    {"view 2 enables Preview Mode and Locked", 2, false, 0, 22022, en, untouched},
    {"view 3 enables the multi-frame item", 3, false, 0, 22004, en, untouched},
    {"view 3 greys Locked to Actual Size", 3, false, 0, 22022, grey, untouched},
    {"view 4 enables the File submenu", 4, false, 0, 22017, en, untouched},
    {"a Media Viewer switch checks its three items", 4, false, 10008, 22012, untouched, on},
    {"a Media Viewer switch unchecks the editor items", 4, false, 20004, 10007, untouched, off},
    {"view 2 with a view switch keeps both marks apart", 2, false, 10007, 10008, grey, off},
    {"the preview unchecks every view item", 2, false, 20011, 20007, untouched, off},
    {"Play Script unchecks every view item", 2, false, 20021, 10009, grey, off},
    {"Maximize in Menu greys only SCRIPT's Maximize", 1, false, 10019, 20027, grey, untouched},
    {"Maximize leaves Menu's own Maximize alone", 1, false, 10019, 10019, untouched, untouched},
    {"Maximize enables the three Restores", 1, false, 10019, 11001, en, untouched},
    {"Restore greys the Restores", 1, false, 20028, 10018, grey, untouched},
    {"16:9 unchecks 4:3", 3, false, 22007, 22006, untouched, off},
    {"SourceAR checks itself", 3, false, 22021, 22021, untouched, on},
    {"w/Script Editor unchecks No Script Editor everywhere", 1, false, 11007, 20024, untouched, off},
    {"No Script Editor checks all three", 1, false, 20024, 11006, untouched, on},
    {"an unrelated command leaves aspect alone", 3, false, 22008, 22006, untouched, untouched},
};

}  // namespace

TEST(MenuState, ItemsFollowTheViewAndTheCommand) {
    for (const ItemCase& c : itemCases) {
        SCOPED_TRACE(c.name);
        MenuUpdate u = menuUpdateFor(c.view, c.preview, c.command, false);
        EXPECT_EQ(finalMark(u, c.id, false), c.greyMark);
        EXPECT_EQ(finalMark(u, c.id, true), c.checkMark);
    }
}

TEST(MenuState, WindowSizeItemsActAndBecomeTheScriptMenusIds) {
    struct {
        unsigned command;
        int action;
        unsigned becomes;
    } rows[] = {{10011, sizeMinimize, 20005}, {11002, sizeMinimize, 20005}, {22010, sizeMinimize, 20005},
                {10018, sizeRestore, 20028},  {11001, sizeRestore, 20028},  {10019, sizeMaximize, 20027},
                {11003, sizeMaximize, 20027}, {20027, sizeMaximize, 20027}, {10007, sizeUnchanged, 10007}};
    for (const auto& r : rows) {
        MenuUpdate u = menuUpdateFor(1, false, r.command, false);
        EXPECT_EQ(u.sizeAction, r.action) << r.command;
        EXPECT_EQ(u.command, r.becomes) << r.command;
    }
}

TEST(MenuState, InfoTogglesTheSidePanelAndMarksAllThree) {
    MenuUpdate u = menuUpdateFor(1, false, 20026, false);
    EXPECT_TRUE(u.sidePanel);
    for (unsigned id : {22020u, 20026u, 11005u}) EXPECT_EQ(finalMark(u, id, true), on);
    u = menuUpdateFor(1, false, 11005, true);
    EXPECT_FALSE(u.sidePanel);
    EXPECT_EQ(finalMark(u, 22020, true), off);
    EXPECT_TRUE(menuUpdateFor(1, false, 0, true).sidePanel);  // other commands keep it
}

TEST(MenuState, RowItemsFollowTheRowCount) {
    struct {
        int rows;
        int insertAbove, insertBelow, remove, jump;
    } rows[] = {{0, grey, grey, grey, grey}, {1, en, grey, en, en}, {2, en, en, en, en}, {-3, grey, grey, grey, grey}};
    for (const auto& r : rows) {
        MenuUpdate u = rowMenuUpdate(r.rows);
        EXPECT_EQ(finalMark(u, 30001, false), r.insertAbove) << r.rows;
        EXPECT_EQ(finalMark(u, 30002, false), r.insertBelow) << r.rows;
        EXPECT_EQ(finalMark(u, 30003, false), r.remove) << r.rows;
        EXPECT_EQ(finalMark(u, 30004, false), r.jump) << r.rows;
        EXPECT_EQ(finalMark(u, 30005, false), r.jump) << r.rows;
    }
}

TEST(MenuState, EachWindowGetsItsMenu) {
    struct {
        int window;
        bool preview, rowMenuOff;
        int menu;
    } rows[] = {{0, false, false, menuMain},  {0, true, false, menuPreviewMain}, {46, true, false, menuScript},
                {13, false, false, menuVideo}, {32, false, false, menuRows},       {35, false, false, menuRows},
                {33, false, true, menuNone},  {1, false, false, menuNone},        {36, false, false, menuNone},
                {19, false, false, menuNone},  {-1, false, false, menuNone}};
    for (const auto& r : rows) EXPECT_EQ(popupMenuFor(r.window, r.preview, r.rowMenuOff), r.menu) << r.window;
}

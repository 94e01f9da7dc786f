#include "app/menu_state.h"

#include <initializer_list>

namespace {

// The nine view items, grouped by the view they switch to.
constexpr unsigned scriptEditorItems[3] = {10007, 20007, 22011};
constexpr unsigned mediaViewerItems[3] = {10008, 20004, 22012};
constexpr unsigned videoEditorItems[3] = {10009, 20008, 22013};

bool isOneOf(unsigned id, const unsigned (&ids)[3]) { return id == ids[0] || id == ids[1] || id == ids[2]; }

void markAll(MenuUpdate& u, const unsigned (&ids)[3], unsigned char mark) {
    for (unsigned id : ids) u.add(id, mark);
}

void byView(MenuUpdate& u, int view, bool previewShown) {
    switch (view) {
    case 1:
        if (!previewShown) {
            u.add(20021, markEnable);
            u.add(22017, markGrey);
            u.add(22016, markGrey);
            u.add(20011, markUncheck);
        } else {
            u.add(20021, markGrey);
            u.add(22017, markGrey);
            u.add(22016, markEnable);
            u.add(20011, markCheck);
        }
        for (unsigned id : {10008u, 10009u, 20004u, 20008u, 22012u, 22013u}) u.add(id, markEnable);
        break;
    case 2:
        for (unsigned id : {22017u, 10008u, 10009u, 20004u, 20008u, 22004u, 22012u, 22013u}) u.add(id, markGrey);
        u.add(22016, markEnable);
        u.add(22022, markEnable);
        break;
    case 3:
        u.add(22004, markEnable);
        u.add(22017, markGrey);
        u.add(22022, markGrey);
        u.add(22016, markGrey);
        break;
    case 4:
        u.add(22004, markGrey);
        u.add(22017, markEnable);
        break;
    default: break;
    }
}

void checkOneGroup(MenuUpdate& u, const unsigned (&on)[3]) {
    for (const auto* group : {&scriptEditorItems, &mediaViewerItems, &videoEditorItems})
        markAll(u, *group, group == &on ? markCheck : markUncheck);
}

void byCommand(MenuUpdate& u, unsigned command) {
    if (isOneOf(command, scriptEditorItems)) return checkOneGroup(u, scriptEditorItems);
    if (isOneOf(command, mediaViewerItems)) return checkOneGroup(u, mediaViewerItems);
    if (isOneOf(command, videoEditorItems)) return checkOneGroup(u, videoEditorItems);
    switch (command) {
    case 20011:
    case 20021:
        markAll(u, scriptEditorItems, markUncheck);
        markAll(u, mediaViewerItems, markUncheck);
        markAll(u, videoEditorItems, markUncheck);
        break;
    case 10011: case 11002: case 20005: case 22010:
        u.sizeAction = sizeMinimize;
        u.command = 20005;
        break;
    case 10018: case 11001: case 20028:
        u.sizeAction = sizeRestore;
        u.add(10018, markGrey);
        u.add(20028, markGrey);
        u.add(11001, markGrey);
        u.add(20027, markEnable);
        u.command = 20028;
        break;
    case 10019: case 11003: case 20027:
        u.sizeAction = sizeMaximize;
        u.add(20027, markGrey);
        u.add(10018, markEnable);
        u.add(20028, markEnable);
        u.add(11001, markEnable);
        u.command = 20027;
        break;
    case 22006: u.add(22006, markCheck); u.add(22021, markUncheck); u.add(22007, markUncheck); break;
    case 22007: u.add(22007, markCheck); u.add(22021, markUncheck); u.add(22006, markUncheck); break;
    case 22021: u.add(22021, markCheck); u.add(22006, markUncheck); u.add(22007, markUncheck); break;
    case 22018: case 20024: case 11006:
        for (unsigned id : {22018u, 20024u, 11006u}) u.add(id, markCheck);
        for (unsigned id : {22019u, 20025u, 11007u}) u.add(id, markUncheck);
        break;
    case 22019: case 20025: case 11007:
        for (unsigned id : {22019u, 20025u, 11007u}) u.add(id, markCheck);
        for (unsigned id : {22018u, 20024u, 11006u}) u.add(id, markUncheck);
        break;
    case 22020: case 20026: case 11005:
        u.sidePanel = !u.sidePanel;
        for (unsigned id : {22020u, 20026u, 11005u}) u.add(id, u.sidePanel ? markCheck : markUncheck);
        break;
    default: break;
    }
}

}  // namespace

int popupMenuFor(int windowIndex, bool previewShown, bool rowMenuOff) {
    switch (windowIndex) {
    case 0: return previewShown ? menuPreviewMain : menuMain;
    case 46: return menuScript;
    case 13: return menuVideo;
    case 32: case 33: case 34: case 35: return rowMenuOff ? menuNone : menuRows;
    default: return menuNone;  // the status bar and every other window show nothing
    }
}

MenuUpdate menuUpdateFor(int viewCopy, bool previewShown, unsigned pendingCommand, bool sidePanel) {
    MenuUpdate u;
    u.command = pendingCommand;
    u.sidePanel = sidePanel;
    byView(u, viewCopy, previewShown);
    byCommand(u, pendingCommand);
    return u;
}

MenuUpdate rowMenuUpdate(int rowCount) {
    MenuUpdate u;
    if (rowCount < 1) {
        for (unsigned id = 30001; id <= 30005; ++id) u.add(id, markGrey);
        return u;
    }
    for (unsigned id : {30001u, 30003u, 30004u, 30005u}) u.add(id, markEnable);
    u.add(30002, rowCount >= 2 ? markEnable : markGrey);
    return u;
}

int finalMark(const MenuUpdate& update, unsigned id, bool checkMarks) {
    int mark = -1;
    for (int i = 0; i < update.count; ++i) {
        const MenuChange& c = update.changes[i];
        const bool isCheck = c.mark == markCheck || c.mark == markUncheck;
        if (c.id == id && isCheck == checkMarks) mark = c.mark;
    }
    return mark;
}

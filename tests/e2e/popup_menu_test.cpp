// Right-click menus of the running program, read from inside it, and the commands they run.
#include <gtest/gtest.h>

#include "e2e/shell_fixture.h"

using namespace driver;
using namespace shelltest;

namespace {

std::vector<std::string> texts(const std::vector<MenuItemSeen>& items, int menu) {
    std::vector<std::string> out;
    for (const MenuItemSeen& item : items)
        if (item.menu == menu) out.push_back(item.separator ? "---" : item.text);
    return out;
}

struct Marks {
    unsigned id;
    bool greyed, checked;
};

void expectMarks(const std::vector<MenuItemSeen>& items, std::initializer_list<Marks> marks) {
    for (const Marks& m : marks) {
        const MenuItemSeen* item = findItem(items, m.id);
        ASSERT_NE(item, nullptr) << m.id;
        EXPECT_EQ(item->greyed(), m.greyed) << m.id;
        EXPECT_EQ(item->checked(), m.checked) << m.id;
    }
}

std::vector<MenuItemSeen> openMenu(Session& s, HWND window, POINT at) {
    clickInWindow(window, at, true);
    if (!waitForPopupMenu(s.program)) return {};
    return readMenus(s.program, s.folder);
}

void closeMenu(Session& s) {
    pressKeys({VK_ESCAPE});
    waitFor([&] { return noPopupMenuFor(s.program, 0); });
}

}  // namespace

TEST(PopupMenus, EachWindowShowsItsMenuWithTheMarksOfTheView) {
    Session s;
    ASSERT_TRUE(s.start("\"" + s.folder.file("clip.avs") + "\""));
    ASSERT_EQ(editorText(s.editor), script);
    RECT client;
    GetClientRect(s.main, &client);

    // The main window's background: "Menu", in its order, with the editor view checked.
    auto items = openMenu(s, s.main, {client.right - 25, 12});
    EXPECT_EQ(texts(items, 0),
              (std::vector<std::string>{"Restore", "Minimize", "Maximize", "---", "Project", "File",
                                        "Save Audio as Wave", "---", "Switch to Script Editor| F9",
                                        "Switch to Media Viewer| F10", "Switch to Video Editor| F11", "---", "Options",
                                        "Compression dialog", "Help", "Exit"}));
    expectMarks(items, {{10018, true, false}, {10019, false, false}, {10007, false, true}, {10009, false, false}});
    closeMenu(s);

    // The editor: "SCRIPT".
    items = openMenu(s, s.editor, {40, 40});
    expectMarks(items, {{20028, true, false}, {20021, false, false}, {20007, false, true}, {20008, false, false}});
    ASSERT_NE(findItem(items, 20011), nullptr);
    EXPECT_EQ(findItem(items, 20011)->text, "PreView Script|   F5");
    closeMenu(s);

    // The status bar has no menu.
    clickInWindow(s.status, {20, 8}, true);
    EXPECT_TRUE(noPopupMenuFor(s.program, 1500));

    // F11: the Video Editor.
    pressKeys({VK_F11});
    ASSERT_TRUE(waitFor([&] { return s.statusPart(0) == " Video Edit View"; }));
    // Without rows every row item is greyed.
    items = openMenu(s, s.rowButton(0), {5, 5});
    expectMarks(items, {{30004, true, false}, {30002, true, false}, {30003, true, false}});
    closeMenu(s);

    // F10 is a system key: it switches to the Media Viewer.
    pressKeys({VK_F10});
    ASSERT_TRUE(waitFor([&] { return s.statusPart(0) == " Media Viewer"; }));

    // F9 back, then "Maximize" from "Menu" greys SCRIPT's Maximize only.
    pressKeys({VK_F9});
    ASSERT_TRUE(waitFor([&] { return s.statusPart(0) == " Script Edit View"; }));
    ASSERT_TRUE(s.choose(s.main, {client.right - 25, 12}, {"Maximize"}));
    ASSERT_TRUE(waitFor([&] { return IsZoomed(s.main) != 0; }));
    GetClientRect(s.main, &client);
    items = openMenu(s, s.editor, {40, 40});
    expectMarks(items, {{20027, true, false}, {20028, false, false}});
    closeMenu(s);
    items = openMenu(s, s.main, {client.right - 25, 12});
    expectMarks(items, {{10019, false, false}, {10018, false, false}, {10007, false, true}});
    closeMenu(s);

    // Exit from a menu goes through the close request: unchanged, the program just ends.
    ASSERT_TRUE(s.choose(s.main, {client.right - 25, 12}, {"Exit"}));
    EXPECT_EQ(s.program.waitForExit(), 0);
}

TEST(PopupMenus, ExitWithAModifiedScriptOffersToSave) {
    Session s;
    ASSERT_TRUE(s.start("\"" + s.folder.file("clip.avs") + "\""));
    ASSERT_EQ(editorText(s.editor), script);
    clickInWindow(s.editor, {40, 40});
    typeText("#");
    ASSERT_TRUE(waitFor([&] { return s.statusPart(3) == " Source: *clip.avs"; }));
    EXPECT_EQ(editorText(s.editor), script + "#");
    ASSERT_TRUE(s.choose(s.editor, {40, 40}, {"Exit"}));
    EXPECT_EQ(answerBox(s.program, "Save file", IDCANCEL),
              "The file:\n\n" + s.folder.file("clip.avs") + " \n\nhas been modified.\n\nWould you like to save it now?");
    EXPECT_TRUE(s.program.running());
    ASSERT_TRUE(s.choose(s.editor, {40, 40}, {"Exit"}));
    answerBox(s.program, "Save file", IDYES);
    ASSERT_TRUE(fillFileDialog(s.program, s.folder.file("kept.avs")));
    EXPECT_EQ(s.program.waitForExit(), 0);
    EXPECT_EQ(s.folder.read("kept.avs"), script + "#");
    EXPECT_EQ(s.folder.read("clip.avs"), script);
}

TEST(PopupMenus, ThePreviewHasItsOwnMainMenuAndTheVideoMenuFollowsEachView) {
    Session s;
    ASSERT_TRUE(s.start("\"" + s.folder.file("clip.avs") + "\""));
    ASSERT_EQ(editorText(s.editor), script);
    RECT client;
    GetClientRect(s.main, &client);
    const POINT background = {client.right - 25, 12};

    // F5: the script preview (view 2); the main window offers "PreViewMain".
    pressKeys({VK_F5});
    ASSERT_TRUE(waitFor([&] { return s.statusPart(0) == " Script Preview"; }));
    auto items = openMenu(s, s.main, background);
    EXPECT_EQ(findItem(items, 10007), nullptr);
    expectMarks(items, {{11001, true, false}, {11004, false, false}, {11006, false, true}, {11007, false, false}});
    closeMenu(s);
    RECT vr;
    GetClientRect(s.video(), &vr);
    items = openMenu(s, s.video(), {vr.right / 2, vr.bottom / 2});
    expectMarks(items, {{22016, false, false}, {22017, true, false}, {22004, true, false}, {22022, false, false},
                        {22011, false, false}, {22012, true, false}, {22013, true, false}});
    closeMenu(s);

    // F5 again returns to the editor; F11 opens the Video Editor.
    pressKeys({VK_F5});
    ASSERT_TRUE(waitFor([&] { return s.statusPart(0) == " Script Edit View"; }));
    pressKeys({VK_F11});
    ASSERT_TRUE(waitFor([&] { return s.statusPart(0) == " Video Edit View"; }));
    GetClientRect(s.video(), &vr);
    items = openMenu(s, s.video(), {vr.right / 2, vr.bottom / 2});
    expectMarks(items, {{22017, true, false}, {22016, true, false}, {22004, false, false}, {22013, false, true},
                        {22011, false, false}, {22022, true, false}});
    closeMenu(s);

    // The Media Viewer enables the File submenu and greys the multi-frame item.
    pressKeys({VK_F10});
    ASSERT_TRUE(waitFor([&] { return s.statusPart(0) == " Media Viewer"; }));
    GetClientRect(s.video(), &vr);
    items = openMenu(s, s.video(), {vr.right / 2, vr.bottom / 2});
    expectMarks(items, {{22017, false, false}, {22004, true, false}, {22012, false, true}, {22013, false, false}});
    closeMenu(s);
    ASSERT_TRUE(s.choose(s.video(), {vr.right / 2, vr.bottom / 2}, {"Exit"}));
    EXPECT_EQ(s.program.waitForExit(), 0);
}

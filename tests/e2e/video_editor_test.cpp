// The Video Editor driven by mouse and keyboard: frames, transitions, adding and editing rows,
// the row file and the totals, the row scroll bar and the Project radio button.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <cstdlib>
#include <map>

#include "e2e/driver/driver.h"
#include "e2e/driver/input.h"
#include "support/temp_folder.h"

using namespace driver;

namespace {

// The main window's children in creation order, by window table index; then the nested ones.
const int mainOrder[] = {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15, 16, 17, 19, 20, 21,
                         22, 23, 30, 31, 39, 40, 41, 42, 45, 46, 47, 49, 50, 51, 54, 55, 58, 59, 60, 63};
const std::map<int, std::vector<int>> nestedOrder = {
    {14, {18, 36}}, {17, {37, 38}}, {23, {24, 25, 26, 27, 28, 29, 32, 33, 34, 35}}, {41, {43}}, {42, {44}}};

std::map<int, HWND> windowsOf(HWND main) {
    std::map<int, HWND> w;
    w[0] = main;
    const std::vector<HWND> children = childrenInCreationOrder(main);
    for (size_t i = 0; i < children.size() && i < std::size(mainOrder); ++i) w[mainOrder[i]] = children[i];
    for (const auto& [parent, indices] : nestedOrder) {
        const std::vector<HWND> nested = childrenInCreationOrder(w[parent]);
        for (size_t i = 0; i < nested.size() && i < indices.size(); ++i) w[indices[i]] = nested[i];
    }
    return w;
}

std::string settingsInView(const char* view) {
    return crlfLines({"#### zandolin.ini ####", "last view", view, "end zandolin.ini"});
}

// Bitmaps for the report when ZANDOLIN_SHOTS names a folder.
void shot(const char* name, HWND main) {
    if (const char* folder = getenv("ZANDOLIN_SHOTS")) saveSteadyScreen(std::string(folder) + "\\" + name + ".bmp", main);
}

class VideoEditor : public ::testing::Test {
protected:
    void SetUp() override {
        folder.write("encoder.ini", crlfLines({"#### encoder.ini ####", "end encoder.ini"}));
        folder.write("zandolin.ini", settingsInView("1 1 0 1 9 1"));
        // One frame a second keeps the time texts readable: minutes and seconds of the frames.
        folder.write("clip.avs", "BlankClip(length=6000, fps=1)\r\n");
        ASSERT_TRUE(program.start(folder, "\"" + folder.file("clip.avs") + "\""));
        main = program.waitForMainWindow();
        ASSERT_NE(main, nullptr);
        w = windowsOf(main);
        SetForegroundWindow(main);
    }
    bool textIs(int index, const std::string& text) {
        return waitNudging(main, [&] { return controlText(w[index]) == text; });
    }
    // Types a frame into a box and clicks it again, so the current frame follows the box.
    void frameBox(int index, const std::string& frame) {
        replaceTyped(w[index], frame);
        click(w[index]);
    }
    void setFrames(const std::string& start, const std::string& end) {
        frameBox(30, start);
        click(w[3]);
        ASSERT_TRUE(textIs(31, start));
        frameBox(31, end);
        click(w[3]);
        ASSERT_TRUE(waitNudging(main, [&] { return IsWindowEnabled(w[11]) != 0; }));
        EXPECT_EQ(controlText(w[31]), end);
    }
    void chooseTransition(char letter) {
        click(w[15]);
        typeText(std::string(1, letter));
        pressKey(VK_RETURN);
    }
    void add() {
        click(w[11]);
        ASSERT_TRUE(waitNudging(main, [&] { return !IsWindowEnabled(w[11]); }));
    }
    bool rowsAre(const std::string& expected) {
        return waitNudging(main, [&] { return folder.read("rowdat.vlr") == expected; });
    }
    std::string labels() {
        std::string s;
        for (int i = 32; i <= 35; ++i) s += controlText(w[i]) + "|";
        return s;
    }
    // Chooses the item'th entry of a row button's menu with the arrow keys.
    void rowMenu(int button, int item) {
        click(w[button], true);
        ASSERT_TRUE(waitNudging(main, [&] {
            for (HWND top : topLevelWindows(program.id()))
                if (windowClass(top) == "#32768") return true;
            return false;
        }));
        for (int i = 0; i < item; ++i) pressKey(VK_DOWN);
        pressKey(VK_RETURN);
    }
    bool visible(std::initializer_list<int> indices) {
        for (int i : indices)
            if (!IsWindowVisible(w[i])) return false;
        return true;
    }
    void scroll(int code) {
        RECT r;
        GetClientRect(w[23], &r);
        const int arrow = GetSystemMetrics(SM_CYVSCROLL);
        // The scroll bar lies right of the client area.
        POINT p = {r.right + GetSystemMetrics(SM_CXVSCROLL) / 2, code == SB_LINEUP ? arrow / 2 : r.bottom - arrow / 2};
        ClientToScreen(w[23], &p);
        clickAt(p);
    }
    ProgramFolder folder;
    Program program;
    HWND main = nullptr;
    std::map<int, HWND> w;
};

}  // namespace

TEST_F(VideoEditor, RowsFromFramesTransitionsEditsAndTheProjectScript) {
    // The script from the command line opens in the Script Editor; F10, F9 and F11 switch views.
    HWND status = w[1];
    ASSERT_TRUE(waitNudging(main, [&] { return statusText(status, 3) == " Source:  clip.avs"; }));
    EXPECT_EQ(statusText(status, 0), " Script Edit View");
    EXPECT_TRUE(visible({2, 3, 5, 6, 8, 9, 22, 46, 60}));
    EXPECT_FALSE(IsWindowVisible(w[23]));
    shot("script_editor", main);
    pressKey(VK_F10);
    ASSERT_TRUE(waitNudging(main, [&] { return statusText(status, 0) == " Media Viewer"; }));
    EXPECT_TRUE(visible({1, 12, 13}));
    EXPECT_FALSE(IsWindowVisible(w[46]));
    EXPECT_FALSE(IsWindowVisible(w[2]));
    EXPECT_EQ(statusText(status, 3), "");
    shot("media_viewer", main);
    pressKey(VK_F9);
    ASSERT_TRUE(waitNudging(main, [&] { return statusText(status, 0) == " Script Edit View"; }));
    EXPECT_TRUE(IsWindowVisible(w[46]));
    EXPECT_FALSE(IsWindowVisible(w[12]));
    pressKey(VK_F5);
    ASSERT_TRUE(waitNudging(main, [&] { return statusText(status, 0) == " Script Preview"; }));
    EXPECT_EQ(statusText(status, 2), " Press F5 to return to Editor");
    EXPECT_TRUE(visible({6, 8, 12, 13, 16, 21, 49}));
    EXPECT_FALSE(IsWindowVisible(w[46]));
    shot("script_preview", main);
    pressKey(VK_F5);
    ASSERT_TRUE(waitNudging(main, [&] { return statusText(status, 0) == " Script Edit View"; }));
    pressKey(VK_F11);
    ASSERT_TRUE(waitNudging(main, [&] { return statusText(status, 0) == " Video Edit View"; }));
    EXPECT_EQ(statusText(status, 3), " Source:  clip.avs");
    EXPECT_TRUE(visible({3, 7, 11, 12, 13, 15, 19, 23, 30, 31, 54, 55}));
    EXPECT_FALSE(IsWindowVisible(w[46]));
    EXPECT_FALSE(IsWindowVisible(w[21]));
    EXPECT_FALSE(IsWindowEnabled(w[11]));
    ASSERT_TRUE(textIs(43, "0"));
    EXPECT_EQ(controlText(w[44]), "00:00:00.00");
    EXPECT_EQ(labels(), "||||");
    // The stand-in offers a TransAll_ function, so the fifth transition is there.
    EXPECT_EQ(comboItems(w[15]).size(), 5u);
    // Without rows and without a project there is nothing to view but the source.
    click(w[55]);
    MessageBoxSeen box;
    ASSERT_TRUE(waitForMessageBox(program, box));
    EXPECT_EQ(box.text,
              "There is no project to load into the viewer,\nload a script, select some frames then save a project.");
    ASSERT_TRUE(answer(box, IDOK));
    ASSERT_TRUE(waitNudging(main, [&] { return SendMessageA(w[54], BM_GETCHECK, 0, 0) == BST_CHECKED; }));
    EXPECT_EQ(SendMessageA(w[55], BM_GETCHECK, 0, 0), BST_UNCHECKED);

    // A plain scene.
    setFrames("0", "1499");
    add();
    ASSERT_TRUE(rowsAre(crlfLines({"r01 - - 0 1499"})));
    ASSERT_TRUE(textIs(43, "1500"));
    EXPECT_EQ(controlText(w[44]), "00:25:00.00");
    EXPECT_EQ(labels(), "01||||");
    EXPECT_EQ(controlText(w[31]), "");

    // A faded scene, a dissolve and a third scene.
    setFrames("1500", "2999");
    chooseTransition('F');
    ASSERT_TRUE(textIs(18, "60"));
    add();
    chooseTransition('D');
    ASSERT_TRUE(textIs(30, "-"));
    EXPECT_FALSE(IsWindowEnabled(w[30]));
    EXPECT_TRUE(IsWindowEnabled(w[11]));
    add();
    setFrames("3000", "4499");
    // Stepping on once both frames are set moves the slider but keeps the frames that were set.
    pressKey(VK_RIGHT);
    ASSERT_TRUE(waitNudging(main, [&] { return SendMessageA(w[12], TBM_GETPOS, 0, 0) > 4499; }));
    EXPECT_EQ(controlText(w[30]), "3000");
    EXPECT_EQ(controlText(w[31]), "4499");
    add();
    const std::string fourRows =
        crlfLines({"r01 - - 0 1499", "r02 FadeIn 60 1500 2999", "r03 Dissolve 60 - -", "r04 - - 3000 4499"});
    ASSERT_TRUE(rowsAre(fourRows));
    ASSERT_TRUE(textIs(43, "4441"));
    EXPECT_EQ(controlText(w[44]), "01:14:01.00");
    EXPECT_EQ(labels(), "01|02|03|04|");

    // Editing row 2: its values come back into the entry controls.
    click(w[33]);
    ASSERT_TRUE(textIs(11, "Save edited row 02"));
    EXPECT_EQ(controlText(w[30]), "1500");
    EXPECT_EQ(controlText(w[31]), "2999");
    EXPECT_EQ(controlText(w[18]), "60");
    EXPECT_EQ(controlText(w[15]), "FadeIn");
    EXPECT_FALSE(IsWindowEnabled(w[32]));
    EXPECT_EQ(controlText(w[39]), "Edit Transitions and frames then click - Save edited row ##");
    shot("row_being_edited", main);
    replaceTyped(w[18], "30");
    click(w[11]);
    ASSERT_TRUE(rowsAre(crlfLines(
        {"r01 - - 0 1499", "r02 FadeIn 30 1500 2999", "r03 Dissolve 60 - -", "r04 - - 3000 4499"})));
    ASSERT_TRUE(textIs(11, "Add"));
    EXPECT_TRUE(IsWindowEnabled(w[32]));
    EXPECT_EQ(controlText(w[43]), "4441");

    // Insert Row Above on row 2 numbers the rows after it on.
    rowMenu(33, 3);
    ASSERT_TRUE(textIs(11, "Insert new row 02"));
    EXPECT_TRUE(IsWindowEnabled(w[40]));
    setFrames("5000", "5099");
    add();
    ASSERT_TRUE(rowsAre(crlfLines({"r01 - - 0 1499", "r02 - - 5000 5099", "r03 FadeIn 30 1500 2999",
                                   "r04 Dissolve 60 - -", "r05 - - 3000 4499"})));
    ASSERT_TRUE(textIs(43, "4541"));
    EXPECT_EQ(controlText(w[44]), "01:15:41.00");
    EXPECT_EQ(labels(), "01|02|03|04|");

    // Five rows scroll: line down stops at the last four, line up at row 1.
    scroll(SB_LINEDOWN);
    ASSERT_TRUE(textIs(32, "02"));
    scroll(SB_LINEDOWN);
    EXPECT_TRUE(noMessageBoxFor(program, 300));
    EXPECT_EQ(labels(), "02|03|04|05|");
    shot("video_editor", main);
    scroll(SB_LINEUP);
    ASSERT_TRUE(textIs(32, "01"));
    scroll(SB_LINEUP);
    EXPECT_TRUE(noMessageBoxFor(program, 300));
    EXPECT_EQ(labels(), "01|02|03|04|");

    // Delete on row 1.
    rowMenu(32, 5);
    const std::string rows = crlfLines({"r01 - - 5000 5099", "r02 FadeIn 30 1500 2999", "r03 Dissolve 60 - -",
                                        "r04 - - 3000 4499"});
    ASSERT_TRUE(rowsAre(rows));
    ASSERT_TRUE(textIs(43, "3041"));
    EXPECT_EQ(controlText(w[44]), "00:50:41.00");
    EXPECT_EQ(labels(), "01|02|03|04|");
    // Cancel ends an edit without touching the rows.
    click(w[32]);
    ASSERT_TRUE(textIs(11, "Save edited row 01"));
    click(w[40]);
    ASSERT_TRUE(textIs(11, "Add"));
    EXPECT_FALSE(IsWindowEnabled(w[40]));
    EXPECT_TRUE(IsWindowEnabled(w[32]));
    EXPECT_EQ(folder.read("rowdat.vlr"), rows);

    // The Project radio without a project file: No writes "untitled.avs" and shows it.
    click(w[55]);
    ASSERT_TRUE(waitForMessageBox(program, box));
    EXPECT_EQ(box.title, "View or Encode the Source or Project");
    ASSERT_TRUE(answer(box, IDNO));
    ASSERT_TRUE(waitForFile(folder.file("untitled.avs")));
    const std::string script = folder.read("untitled.avs");
    EXPECT_NE(script.find("t02 = FadeIn(trim(1500,2928),30)\r\n"), std::string::npos) << script;
    EXPECT_NE(script.find("Import(\"" + folder.file("clip.avs") + "\")"), std::string::npos) << script;
    EXPECT_NE(script.find("t01 = trim(5000,5099)\r\n"), std::string::npos) << script;
    EXPECT_NE(script.find("\r\nt01++t02++t03++t04"), std::string::npos) << script;
    ASSERT_TRUE(textIs(19, "Encode Project"));
    EXPECT_EQ(editorText(w[46]), script);
    EXPECT_EQ(SendMessageA(w[55], BM_GETCHECK, 0, 0), BST_CHECKED);
    ASSERT_TRUE(waitNudging(main, [&] { return !IsWindowEnabled(w[32]); }));
    EXPECT_EQ(statusText(status, 3), " Project Script: " + folder.file("untitled.avs"));
    EXPECT_EQ(folder.read("rowdat.vlr"), rows);
    EXPECT_TRUE(noMessageBoxFor(program, 300));

    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.waitForExit(), 0);
}

// The main window and its 63 fixed windows: classes, captions, parents, styles, order.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <map>

#include "e2e/driver/driver.h"
#include "support/temp_folder.h"

using namespace driver;

namespace {

struct Expected {
    int index;
    const char* className;  // as the system reports it
    const char* caption;
};

// Direct children of the main window, in creation order. The filter list (48) lives in the
// toolbar and the three tooltip controls are owned pop-ups, so they are checked apart.
const Expected mainChildren[] = {
    {1, "msctls_statusbar32", ""}, {2, "SysTabControl32", ""}, {3, "Button", ""}, {4, "Button", ""},
    {5, "Button", ""}, {6, "Button", ""}, {7, "Button", ""}, {8, "Button", ""}, {9, "Button", ""},
    {10, "Button", ""}, {11, "Button", "Add"}, {12, "msctls_trackbar32", ""}, {13, "TheVidWinClass", ""},
    {14, "Button", "Transition"}, {15, "ComboBox", ""}, {16, "TheWinClass", ""}, {17, "Button", "Scene Frames"},
    {19, "Button", "Encode Source"}, {20, "Static", ""}, {21, "Button", "Go"}, {22, "Button", ""},
    {23, "TheWinClass", ""}, {30, "Edit", ""}, {31, "Edit", ""},
    {39, "Static", "Select Transitions and frames then click Add or click row number to edit."},
    {40, "Button", "Cancel"}, {41, "Button", "Total frames"}, {42, "Button", "Total time"},
    {45, "Button", "View or Encode"}, {46, "Scintilla", ""}, {47, "Button", "Preview"}, {49, "Edit", "Jump to"},
    {50, "Button", "Update   F4"}, {51, "Button", "AviSynth Reports"}, {54, "Button", "Source"},
    {55, "Button", "Project"}, {58, "ListBox", "Direct Show Filters"}, {59, "TheVidWinClass", "video win al"},
    {60, "TheWinClass", ""}, {63, "TheVidWinClass", "video win beta"},
};

const std::map<int, std::vector<Expected>> nestedChildren = {
    {14, {{18, "Edit", ""}, {36, "Static", "Duration Frames"}}},
    {17, {{37, "Static", "Start"}, {38, "Static", "End"}}},
    {23,
     {{24, "Static", ""}, {25, "Static", "Transition        Frames  "}, {26, "Static", "Start Frame"},
      {27, "Static", "End Frame"}, {28, "Static", "Frames"}, {29, "Static", "Time"}, {32, "Button", ""},
      {33, "Button", ""}, {34, "Button", ""}, {35, "Button", ""}}},
    {41, {{43, "Static", "0123456"}}},
    {42, {{44, "Static", "0:00:00.00"}}},
    {51,
     {{52, "Static", ""},
      {53, "Static",
       "Video Info\nWidth:\nHeight:\nPixtel type:\nFrame Rate: fps\nTotal frames:\n\nFrame or\nField "
       "based:\nField Parity:\n\nAudio\nChannels:\nSample Rate:\nSample bits:\n"}}},
    {60, {{61, "ToolbarWindow32", ""}}},
};

std::string lower(std::string s) {
    for (char& c : s) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
    return s;
}

HWND startWithSettings(ProgramFolder& folder, Program& program) {
    folder.write("encoder.ini", crlfLines({"#### encoder.ini ####", "#####################", "", "",
                                           "default encoder", "00", "", "", "end encoder.ini"}));
    folder.write("zandolin.ini", crlfLines({"#### zandolin.ini ####", "last view", "1 1 0 1 9 1", "end zandolin.ini"}));
    if (!program.start(folder)) return nullptr;
    return program.waitForMainWindow();
}

}  // namespace

TEST(WindowConstruction, SixtyFourWindowsOfTheRightClassesInOrder) {
    ProgramFolder folder;
    Program program;
    HWND main = startWithSettings(folder, program);
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(windowClass(main), "TheWinClass");
    LONG style = GetWindowLongA(main, GWL_STYLE);
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_FALSE((style & WS_CAPTION) == WS_CAPTION);
    EXPECT_TRUE(GetWindowLongA(main, GWL_EXSTYLE) & WS_EX_ACCEPTFILES);

    int count = 1;  // the main window
    std::map<int, HWND> byIndex;
    std::vector<HWND> children = childrenInCreationOrder(main);
    ASSERT_EQ(children.size(), std::size(mainChildren));
    for (size_t i = 0; i < children.size(); ++i) {
        const Expected& e = mainChildren[i];
        EXPECT_EQ(lower(windowClass(children[i])), lower(e.className)) << "window " << e.index;
        // Wine's edit control keeps only digits of an ES_NUMBER box's text.
        if (e.index != 49) EXPECT_EQ(windowText(children[i]), e.caption) << "window " << e.index;
        EXPECT_EQ(GetDlgCtrlID(children[i]), 0) << "window " << e.index;
        byIndex[e.index] = children[i];
        ++count;
    }
    for (const auto& [parent, expected] : nestedChildren) {
        ASSERT_TRUE(byIndex.count(parent));
        std::vector<HWND> nested = childrenInCreationOrder(byIndex[parent]);
        ASSERT_EQ(nested.size(), expected.size()) << "children of " << parent;
        for (size_t i = 0; i < expected.size(); ++i) {
            EXPECT_EQ(lower(windowClass(nested[i])), lower(expected[i].className)) << "window " << expected[i].index;
            EXPECT_EQ(windowText(nested[i]), expected[i].caption) << "window " << expected[i].index;
            byIndex[expected[i].index] = nested[i];
            ++count;
        }
    }
    // The filter list was moved into the toolbar right after the toolbar was made.
    HWND toolbar = byIndex[61];
    HWND filterList = nullptr;
    for (HWND w : childrenInCreationOrder(toolbar))
        if (windowClass(w) == "ComboBox") filterList = w;
    ASSERT_NE(filterList, nullptr);
    EXPECT_TRUE(GetWindowLongA(filterList, GWL_STYLE) & CBS_SORT);
    ++count;
    // Three tooltip controls owned by the main window, besides the one the trackbar makes
    // for itself.
    HWND trackbarTip = reinterpret_cast<HWND>(SendMessageA(byIndex[12], TBM_GETTOOLTIPS, 0, 0));
    int tooltips = 0;
    for (HWND w = GetWindow(GetDesktopWindow(), GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT))
        if (GetWindow(w, GW_OWNER) == main && windowClass(w) == "tooltips_class32" && w != trackbarTip) ++tooltips;
    EXPECT_EQ(tooltips, 3);
    count += tooltips;
    EXPECT_EQ(count, 64);

    // The play button is a push-like check box; the end frame box is read-only; Add, Cancel
    // and Preview start disabled.
    LONG play = GetWindowLongA(byIndex[7], GWL_STYLE);
    EXPECT_EQ(play & (BS_PUSHLIKE | BS_ICON | 0xF), BS_PUSHLIKE | BS_ICON | BS_AUTOCHECKBOX);
    EXPECT_TRUE(GetWindowLongA(byIndex[31], GWL_STYLE) & ES_READONLY);
    EXPECT_FALSE(GetWindowLongA(byIndex[30], GWL_STYLE) & ES_READONLY);
    EXPECT_FALSE(IsWindowEnabled(byIndex[11]));
    EXPECT_FALSE(IsWindowEnabled(byIndex[40]));
    EXPECT_FALSE(IsWindowEnabled(byIndex[47]));
    EXPECT_TRUE(IsWindowEnabled(byIndex[19]));
    // The Script Editor shows its controls; the Video Editor's stay hidden.
    EXPECT_TRUE(IsWindowVisible(byIndex[46]));
    EXPECT_TRUE(IsWindowVisible(byIndex[2]));
    EXPECT_FALSE(IsWindowVisible(byIndex[23]));
    EXPECT_EQ(statusText(byIndex[1], 0), " Script Edit View");
    EXPECT_EQ(statusText(byIndex[1], 3), " Source:  untitled");

    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.waitForExit(), 0);
}

TEST(CommandLine, AQuotedScriptOpensInTheEditor) {
    ProgramFolder folder;
    folder.write("clip.avs", "BlankClip(length=10)\r\n# a script\r\n");
    Program program;
    folder.write("encoder.ini", crlfLines({"#### encoder.ini ####", "end encoder.ini"}));
    folder.write("zandolin.ini", crlfLines({"#### zandolin.ini ####", "last view", "3 1 0 1 9 1", "end zandolin.ini"}));
    ASSERT_TRUE(program.start(folder, "\"" + folder.file("clip.avs") + "\""));
    HWND main = program.waitForMainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(noMessageBoxFor(program, 300));
    HWND editor = FindWindowExA(main, nullptr, "Scintilla", nullptr);
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(IsWindowVisible(editor));
    EXPECT_EQ(editorText(editor), "BlankClip(length=10)\r\n# a script\r\n");
    HWND status = FindWindowExA(main, nullptr, "msctls_statusbar32", nullptr);
    EXPECT_EQ(statusText(status, 3), " Source:  clip.avs");
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.waitForExit(), 0);
    // The view shown at exit is the Script Editor.
    EXPECT_NE(folder.read("zandolin.ini").find("\r\nlast view\r\n1 "), std::string::npos);
}

TEST(CommandLine, AMissingScriptShowsTheOpenFailure) {
    ProgramFolder folder;
    folder.write("encoder.ini", crlfLines({"#### encoder.ini ####", "end encoder.ini"}));
    folder.write("zandolin.ini", crlfLines({"#### zandolin.ini ####", "end zandolin.ini"}));
    Program program;
    ASSERT_TRUE(program.start(folder, "\"" + folder.file("missing.avsi") + "\""));
    MessageBoxSeen box;
    ASSERT_TRUE(waitForMessageBox(program, box));
    EXPECT_EQ(box.title, "Open file");
    EXPECT_EQ(box.text, "Unknow error while opening file");
    ASSERT_TRUE(answer(box, IDOK));
    HWND main = program.waitForMainWindow();
    ASSERT_NE(main, nullptr);
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.waitForExit(), 0);
}

TEST(CommandLine, OtherFilesAreIgnored) {
    ProgramFolder folder;
    folder.write("encoder.ini", crlfLines({"#### encoder.ini ####", "end encoder.ini"}));
    folder.write("zandolin.ini", crlfLines({"#### zandolin.ini ####", "end zandolin.ini"}));
    folder.write("movie.avi", "not opened");
    Program program;
    ASSERT_TRUE(program.start(folder, "\"" + folder.file("movie.avi") + "\""));
    HWND main = program.waitForMainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(noMessageBoxFor(program, 300));
    HWND editor = FindWindowExA(main, nullptr, "Scintilla", nullptr);
    EXPECT_EQ(editorText(editor), "");
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.waitForExit(), 0);
}

#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app/window_table.h"
#include "editor/editor_assist.h"
#include "editor/editor_events_win32.h"
#include "editor/editor_setup.h"
#include "editor/editor_toolbar_win32.h"
#include "editor/number_sign_toggle.h"
#include "editor/parameter_model.h"
#include "editor/script_editor.h"
#include "support/test_env.h"
#include "wine/editor_fixture.h"

namespace {

class EditorAssistTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(window.ready()) << "SciLexer.dll did not load or bind";
        EditorLook look;
        look.fontName = "Courier New";
        look.fontSize = 12;
        applyEditorSetup(look);
    }
    bool styledToEnd() const {
        return EditorWindow::waitFor([] { return size_t(scriptEditor.call(sciGetEndStyled)) >= scriptEditor.length(); });
    }
    std::string statusPart(int part) const {
        char text[256] = {};
        SendMessageA(window.statusBar, SB_GETTEXTA, part, reinterpret_cast<LPARAM>(text));
        return text;
    }
    void type(const char* text) const {
        for (const char* p = text; *p; ++p) SendMessageA(window.editor, WM_CHAR, static_cast<unsigned char>(*p), 1);
    }
    EditorWindow& window = EditorWindow::shared();
};

// Styles of text read back from the component, one code per byte as in the unit tests.
std::string editorStyleCodes(size_t from, size_t count) {
    std::string codes;
    for (size_t i = from; i < from + count; ++i) codes += " PIXCS"[scriptEditor.call(sciGetStyleAt, i) % 6];
    return codes;
}

// The window's pixels, top-down 32-bit.
std::vector<unsigned> capture(HWND hwnd, int& width, int& height) {
    RECT r;
    GetClientRect(hwnd, &r);
    width = r.right;
    height = r.bottom;
    HDC screen = GetDC(hwnd);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
    GdiFlush();
    std::vector<unsigned> pixels(static_cast<unsigned*>(bits), static_cast<unsigned*>(bits) + width * height);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(hwnd, screen);
    return pixels;
}

// 0xBBGGRR as the component takes colours, to the 0xRRGGBB of a 32-bit DIB pixel.
unsigned dibColour(int bgr) {
    return ((bgr & 0xFF) << 16) | (bgr & 0xFF00) | ((bgr >> 16) & 0xFF);
}

TEST_F(EditorAssistTest, StylesTheScriptInTheEditorAndOnScreen) {
    window.setFunctionNames({{"AviSource", false}, {"Blur", false}, {"BlurMore", false}, {"MDegrain", true}});
    const char* text =
        "# a comment with \"quotes\" and Blur(\r\n"
        "src = AviSource(\"clip #1.avi\")\r\n"
        "src.blur(1.0).MDegrain(thSAD=400)\r\n"
        "x = \"\"\"triple \" quoted\"\"\" + Blurry(2)\r\n";
    scriptEditor.setText(text);
    ASSERT_TRUE(styledToEnd());
    auto run = [](char code, int count) { return std::string(static_cast<size_t>(count), code); };
    std::string expected = run('C', 35) + run('P', 2) +                                  // comment line
                           run('P', 6) + run('I', 9) + run('P', 1) + run('S', 13) + run('P', 3) +
                           run('P', 4) + run('I', 4) + run('P', 6) + run('X', 8) + run('P', 13) +
                           run('P', 4) + run('S', 21) + run('P', 14);
    EXPECT_EQ(editorStyleCodes(0, scriptEditor.length()), expected);

    // The colours on screen: every style's foreground is drawn somewhere in the window.
    ASSERT_TRUE(EditorWindow::waitFor([&] {
        int w, h;
        auto pixels = capture(window.editor, w, h);
        for (int colour : {colourInternalName, colourPluginName, colourComment, colourString}) {
            bool seen = false;
            for (unsigned p : pixels) seen = seen || (p & 0xFFFFFF) == dibColour(colour);
            if (!seen) return false;
        }
        return true;
    })) << "not every style colour reached the screen";
}

TEST_F(EditorAssistTest, TypingRestylesOnlyFromTheChangedLine) {
    std::vector<std::string> names;
    for (int i = 0; i < 2000; ++i) names.push_back("Filter" + std::to_string(i * 7919 % 100000));
    for (const std::string& n : names) SendMessageA(window.filterList, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(n.c_str()));
    loadFunctionNames(window.filterList);
    std::string big;
    while (big.size() < 1000000) big += "clip = Filter7919(clip, \"text # here\")  # note\r\n";
    scriptEditor.setText(big.c_str());
    size_t middleLine = static_cast<size_t>(scriptEditor.call(sciLineFromPosition, big.size() / 2));
    scriptEditor.call(sciGotoPos, static_cast<uintptr_t>(scriptEditor.call(sciPositionFromLine, middleLine)));
    ASSERT_TRUE(EditorWindow::waitFor([] {
        const StylingPass& p = editorAssist.styling.lastPass();
        return p.length > 0 && p.start + p.length > scriptEditor.caret();
    }));
    type("x");
    size_t line = static_cast<size_t>(scriptEditor.call(sciLineFromPosition, scriptEditor.caret()));
    size_t lineStart = static_cast<size_t>(scriptEditor.call(sciPositionFromLine, line));
    ASSERT_TRUE(EditorWindow::waitFor([&] { return editorAssist.styling.lastPass().start == lineStart; }));
    const StylingPass& pass = editorAssist.styling.lastPass();
    std::printf("restyle after one character: %zu characters from position %zu of %zu\n", pass.length, pass.start,
                scriptEditor.length());
    EXPECT_LT(pass.length, 8000u);  // the changed line and what is on screen below it
    EXPECT_EQ(lineStart, size_t(scriptEditor.call(sciPositionFromLine, middleLine)));
    EXPECT_EQ(editorStyleCodes(lineStart, 19), "PPPPPPPPIIIIIIIIIIP");  // "xclip = Filter7919("
}

TEST_F(EditorAssistTest, NumberSignToggleTwiceRestoresTheLines) {
    const char* text = "a = 1\r\n#b\r\n\r\nc\r\nd";
    scriptEditor.setText(text);
    scriptEditor.call(sciSetSel, 2, 14);  // from line 0 into line 3
    toggleNumberSign();
    EXPECT_EQ(scriptEditor.text(), "#a = 1\r\nb\r\n#\r\n#c\r\nd");
    EXPECT_EQ(scriptEditor.caret(), size_t(scriptEditor.call(sciPositionFromLine, 4)));
    scriptEditor.call(sciSetSel, 0, 14);
    toggleNumberSign();
    EXPECT_EQ(scriptEditor.text(), text);
    // One undo step per toggle.
    scriptEditor.call(sciUndo);
    EXPECT_EQ(scriptEditor.text(), "#a = 1\r\nb\r\n#\r\n#c\r\nd");
    // The caret's line alone, on the last line.
    scriptEditor.call(sciGotoPos, scriptEditor.length());
    toggleNumberSign();
    EXPECT_EQ(scriptEditor.text(), "#a = 1\r\nb\r\n#\r\n#c\r\n#d");
    EXPECT_EQ(scriptEditor.caret(), scriptEditor.length());
}

TEST_F(EditorAssistTest, TypingANamePrefixShowsTheTipAfterTheTimer) {
    window.setFunctionNames({{"Blur", false}, {"BlurMore", false}, {"Bob", false}});
    SetFocus(window.editor);
    type("x = B");
    EXPECT_EQ(EditorWindow::charMatches, 0);  // one character is too short
    type("l");
    EXPECT_EQ(EditorWindow::charMatches, 1);
    EXPECT_STREQ(editorAssist.tip.word, "Bl");
    EXPECT_EQ(editorAssist.tip.wordStart, 4u);
    EXPECT_EQ(statusPart(2), "Bl");
    char selected[64] = {};
    SendMessageA(window.filterList, WM_GETTEXT, sizeof selected, reinterpret_cast<LPARAM>(selected));
    EXPECT_STREQ(selected, "Blur");
    EXPECT_EQ(scriptEditor.call(sciCallTipActive), 0);  // not before the timer
    ASSERT_TRUE(EditorWindow::waitFor([] { return scriptEditor.call(sciCallTipActive) != 0; }));
    EXPECT_EQ(EditorWindow::tipTimers, 1);
    EXPECT_TRUE(editorAssist.tip.showing);
    type("u");  // a tip shows: the next one follows at once
    EXPECT_EQ(EditorWindow::charMatches, 2);
    ASSERT_TRUE(EditorWindow::waitFor([] { return EditorWindow::tipTimers == 2; }, 500));
    type("r");  // a whole name: no tip
    EXPECT_EQ(EditorWindow::charMatches, 2);
    EXPECT_EQ(scriptEditor.call(sciCallTipActive), 0);
    EXPECT_FALSE(editorAssist.tip.showing);
    type(" Bo(");
    EXPECT_EQ(EditorWindow::charMatches, 3);
    EXPECT_EQ(scriptEditor.call(sciCallTipActive), 0);
}

TEST_F(EditorAssistTest, FilterSearchSelectsAndInsertsTheName) {
    window.setFunctionNames({{"ConvertToRGB", false}, {"ConvertToYV12", false}, {"Crop", false}, {"My_Filter", true}});
    EXPECT_EQ(onFilterSearchKey("C"), searchChanged);
    EXPECT_EQ(onFilterSearchKey("O"), searchChanged);
    EXPECT_EQ(onFilterSearchKey("N"), searchChanged);
    EXPECT_EQ(statusPart(3), "Filter search = CON");
    EXPECT_EQ(SendMessageA(window.filterList, CB_GETCURSEL, 0, 0), 0);
    editorAssist.search.clear();
    for (const char* key : {"M", "Y", "-", "F"}) onFilterSearchKey(key);
    EXPECT_EQ(statusPart(3), "Filter search = MY_F");
    scriptEditor.setText("a = ");
    scriptEditor.call(sciGotoPos, 4);
    EXPECT_EQ(onFilterSearchKey("Enter"), searchInsert);
    EXPECT_EQ(scriptEditor.text(), "a = My_Filter");
    EXPECT_STREQ(editorAssist.selectedFilter, "My_Filter");
    EXPECT_TRUE(editorAssist.selectedPlugin);
}

TEST_F(EditorAssistTest, F1OnASelectedCallReadsItsTwoArgumentsBack) {
    window.setFunctionNames({{"Blur", false}});
    scriptEditor.setText("src = Blur(1.5, 0.5)\r\n");
    scriptEditor.call(sciSetSel, 6, 20);
    EXPECT_EQ(lookUpDocumentationForSelection(window.main, "C:\\nowhere"), docCallSelected);
    EXPECT_STREQ(editorAssist.selectedCall.name, "Blur");
    ParameterModel model;
    model.open("c[amount]f[amountV]f", editorAssist.selectedCall.name);
    model.readBack(editorAssist.selectedCall.arguments, collectAssignedNames(scriptEditor.text()), nullptr);
    EXPECT_FALSE(model.field(0).include);
    EXPECT_EQ(model.field(1).value, "1.5");
    EXPECT_EQ(model.field(2).value, " 0.5");
    scriptEditor.call(sciSetSel, 6, 7);
    EXPECT_EQ(lookUpDocumentationForSelection(window.main, "C:\\nowhere"), docNothing);
}

TEST_F(EditorAssistTest, EditorSetupAppliesColoursAndMargins) {
    EditorLook look;
    look.fontSize = 10;
    look.lineNumbers = true;
    applyEditorSetup(look);
    const int colours[] = {colourPlain, colourInternalName, colourPluginName, colourComment, colourString};
    for (int style = 1; style <= 5; ++style) EXPECT_EQ(scriptEditor.call(2481 /* SCI_STYLEGETFORE */, style), colours[style - 1]);
    EXPECT_EQ(scriptEditor.call(2243 /* SCI_GETMARGINWIDTHN */, 0), 34);
    EXPECT_EQ(scriptEditor.call(2243, 1), 0);
    EXPECT_EQ(scriptEditor.call(2265 /* SCI_GETMOUSEDWELLTIME */), 1000);
    look.lineNumbers = false;
    applyEditorSetup(look);
    EXPECT_EQ(scriptEditor.call(2243, 0), 0);
}

HMODULE programResources() {
    static HMODULE module = LoadLibraryExA((programBuildFolder() + "Zandolin.exe").c_str(), nullptr,
                                           LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    return module;
}

TEST_F(EditorAssistTest, ToolbarButtonsInOrderWithTheirTips) {
    ASSERT_TRUE(programResources());
    HWND toolbar = CreateWindowExA(0, TOOLBARCLASSNAMEA, "", WS_CHILD | WS_VISIBLE | TBSTYLE_TRANSPARENT |
                                   TBSTYLE_TOOLTIPS | CCS_NODIVIDER | CCS_ADJUSTABLE, 0, 0, 0, 0, window.main, nullptr,
                                   GetModuleHandleA(nullptr), nullptr);
    setUpEditorToolbar(toolbar, programResources());
    ASSERT_EQ(SendMessageA(toolbar, TB_BUTTONCOUNT, 0, 0), 21);
    struct Expected {
        int image, command;
        const char* tip;
    } expected[] = {
        {6, 10013, " New Project, Clears all Data"}, {7, 20002, " Open avs Script or Text File"}, {8, 20029, " Save File"},
        {-1, 0, nullptr}, {4, 20030, " Restore Last Undo"}, {3, 20019, " Undo last edit"}, {-1, 0, nullptr},
        {0, 20012, " Cut"}, {1, 20013, " Copy"}, {2, 20016, " Paste"}, {5, 20031, " Delete / Clear"}, {-1, 0, nullptr},
        {17, 5001, " Toggle NumSign"}, {10, 20009, " Display Script Output Properties"}, {12, 10005, "Help"},
        {-1, 0, nullptr}, {13, 20011, "View Script in video viewer"}, {14, 20021, "Play Script in video viewer"},
        {-1, 0, nullptr}, {15, 20004, "Switch to Media Viewer"}, {16, 20008, "Switch to Video / Scene Editor"},
    };
    for (int i = 0; i < 21; ++i) {
        TBBUTTON b = {};
        ASSERT_TRUE(SendMessageA(toolbar, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&b)));
        if (expected[i].image < 0) {
            EXPECT_TRUE(b.fsStyle & BTNS_SEP) << i;
            continue;
        }
        EXPECT_EQ(b.iBitmap, expected[i].image) << i;
        EXPECT_EQ(b.idCommand, expected[i].command) << i;
        char tip[128] = {};
        SendMessageA(toolbar, TB_GETBUTTONTEXTA, b.idCommand, reinterpret_cast<LPARAM>(tip));
        EXPECT_STREQ(tip, expected[i].tip) << i;
    }
    HIMAGELIST images = reinterpret_cast<HIMAGELIST>(SendMessageA(toolbar, TB_GETIMAGELIST, 0, 0));
    ASSERT_TRUE(images);
    EXPECT_EQ(ImageList_GetImageCount(images), 18);
    DestroyWindow(toolbar);
}

TEST_F(EditorAssistTest, StartupTooltips) {
    ASSERT_TRUE(programResources());
    std::vector<HWND> made;
    auto child = [&](int index) {
        if (windowTable.handle[index]) return;
        HWND h = CreateWindowExA(0, "Static", "", WS_CHILD, 0, 0, 10, 10, window.main, nullptr, nullptr, nullptr);
        windowTable.handle[index] = h;
        made.push_back(h);
    };
    for (int index : {13, 61, 3, 5, 6, 8, 9, 7, 22, 49, 23, 32, 33, 34, 35, 19, 54, 55, 30, 31, 53}) child(index);
    for (int index : {winTooltip1, winTooltip2, winTooltip3}) {
        HWND tip = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, "", WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, 0, 0, 0,
                                   0, window.main, nullptr, nullptr, nullptr);
        windowTable.handle[index] = tip;
        made.push_back(tip);
    }
    registerStartupTooltips(programResources());
    auto tips = [](int index) {
        std::vector<std::string> texts;
        HWND tip = static_cast<HWND>(windowTable.handle[index]);
        int count = static_cast<int>(SendMessageA(tip, TTM_GETTOOLCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            char text[256] = {};
            TOOLINFOA info = {};
            info.cbSize = sizeof info;
            info.lpszText = text;
            SendMessageA(tip, TTM_ENUMTOOLSA, i, reinterpret_cast<LPARAM>(&info));
            texts.push_back(text);
        }
        return texts;
    };
    // The control hands back at most 80 characters of a tool's text.
    auto heads = [](std::vector<std::string> texts) {
        for (std::string& text : texts) text = text.substr(0, 80);
        return texts;
    };
    const std::string tool = " Open User Defined Tool\n \"Right Click Button to Configure\" ";
    const std::string row = " Click to edit row data \n right click for more ";
    EXPECT_EQ(tips(winTooltip1),
              heads({" Main Window\n Right Click for main menu\n Hold Left Mouse Button Down to drag window around ",
                     " Video Window\n\n Right click for video menu",
                     " Script / Text Editor\n Right Click for Editor Menu ",
                     "\n\n Toolbar \n Has one click buttons for many things ", " Status Bar\n Provides Information "}));
    EXPECT_EQ(tips(winTooltip2),
              heads({tool, tool, tool, tool, tool, " Play / Stop ", "Open External Viewer\n right click to configure",
                     " Filter / Function List ",
                     " Jump to Frame \n enter frame number into window then enter or click Go "}));
    EXPECT_EQ(tips(winTooltip3),
              heads({" Scene list  \n right click for more ", row, row, row, row, " E ",
                     " Click to view or encode source ", " Click to view or encode project output ",
                     " Click to edit start frame number ", " Click to edit end frame number "}));
    for (int index : {winTooltip1, winTooltip2, winTooltip3})
        EXPECT_EQ(SendMessageA(static_cast<HWND>(windowTable.handle[index]), TTM_GETMAXTIPWIDTH, 0, 0), 300);
    for (HWND h : made) DestroyWindow(h);
}

}  // namespace

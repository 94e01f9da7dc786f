// The filter parameter panel in the running program: opened from the filter list and on a
// call in the script, its rows, the call it composes and the call it puts into the script.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "e2e/driver/input.h"

using namespace driver;

namespace {

const char* const panelTitle = "Zandolin Filter / Function Parameter help";
constexpr size_t subtitleFields = 16;

struct Panel {
    HWND frame = nullptr;
    HWND rowArea = nullptr;
    HWND output = nullptr;
    std::vector<HWND> labels, types, values, includes;

    // Rows are made label, include and type row by row, then the value controls.
    bool read(HWND window) {
        frame = window;
        rowArea = findDescendant(frame, "TheWinClass", nullptr);
        if (!rowArea) return false;
        std::vector<HWND> row = childrenInCreationOrder(rowArea);
        size_t n = row.size() / 4;
        for (size_t i = 0; i < n; ++i) {
            labels.push_back(row[3 * i]);
            includes.push_back(row[3 * i + 1]);
            types.push_back(row[3 * i + 2]);
            values.push_back(row[3 * n + i]);
        }
        std::vector<HWND> edits;
        for (HWND w : childrenInCreationOrder(frame))
            if (windowClass(w) == "Edit") edits.push_back(w);
        output = edits.size() == 2 ? edits[1] : nullptr;
        return output != nullptr;
    }
    std::string call() const { return windowText(output); }
    bool included(size_t row) const { return SendMessageA(includes[row], BM_GETCHECK, 0, 0) == BST_CHECKED; }
    bool waitForCall(const std::string& text) const {
        return waitFor(10000, [&] { return call() == text; });
    }
};

bool openPanel(ScriptSession& s, Panel& panel) {
    HWND frame = waitForWindowTitled(s.program.id(), panelTitle);
    return frame && panel.read(frame);
}

// Selects line `line` (from 0) of the editor with the keyboard.
void selectLine(ScriptSession& s, int line) {
    clickWindow(s.editor);
    pressKey(VK_HOME, true);
    for (int i = 0; i < line; ++i) pressKey(VK_DOWN);
    pressKey(VK_END, false, true);
}

}  // namespace

TEST(FilterParameterPanel, ComposesACallFromTheFilterListAndInsertsIt) {
    ScriptSession s;
    ASSERT_TRUE(s.start("calls.avs", "src = BlankClip()\r\n"));
    clickWindow(s.editor);
    pressKey(VK_END, true);
    pressKey(VK_TAB, true);  // the filter list takes the keys
    typeText("Subtitle");
    pressKey(VK_TAB);
    Panel p;
    ASSERT_TRUE(openPanel(s, p));
    ASSERT_EQ(p.values.size(), subtitleFields);
    const char* labels[] = {"clip", "", "x", "y", "first_frame"};
    const char* types[] = {"clip", "string", "float", "float", "int"};
    for (size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(windowText(p.labels[i]), labels[i]) << i;
        EXPECT_EQ(windowText(p.types[i]), types[i]) << i;
    }
    EXPECT_EQ(windowClass(p.values[0]), "ComboBox");  // the script's clip names
    EXPECT_EQ(comboItems(p.values[0]).size(), 1u);
    EXPECT_EQ(comboItems(p.values[0])[0].text, "src");
    EXPECT_EQ(comboItems(p.values[15]).size(), 2u);  // TRUE and FALSE
    int low = -1, high = -1;
    GetScrollRange(p.rowArea, SB_VERT, &low, &high);
    EXPECT_EQ(high, int(subtitleFields) - 11);
    EXPECT_EQ(p.call(), "Subtitle()");

    // Typing a value includes its row; an included empty row shows its type.
    ASSERT_TRUE(waitForFocus(p.values[0]));
    pressKey(VK_TAB);
    ASSERT_TRUE(waitForFocus(p.values[1]));
    typeText("Hello");
    ASSERT_TRUE(p.waitForCall("Subtitle(\"Hello\")"));
    EXPECT_TRUE(p.included(1));
    clickWindow(p.includes[2]);
    ASSERT_TRUE(p.waitForCall("Subtitle(\"Hello\", x=float)"));

    // Tab walks down the rows and scrolls the last into view, then wraps to the first.
    for (size_t row = 2; row < subtitleFields; ++row) pressKey(VK_TAB);
    ASSERT_TRUE(waitForFocus(p.values[subtitleFields - 1]));
    EXPECT_EQ(GetScrollPos(p.rowArea, SB_VERT), int(subtitleFields) - 11);
    RECT area, last;
    GetWindowRect(p.rowArea, &area);
    GetWindowRect(p.values[subtitleFields - 1], &last);
    EXPECT_LE(last.bottom, area.bottom);
    pressKey(VK_TAB);
    ASSERT_TRUE(waitForFocus(p.values[0]));
    EXPECT_EQ(GetScrollPos(p.rowArea, SB_VERT), 0);

    pressKey(VK_RETURN);
    ASSERT_TRUE(waitFor(10000, [&] { return !IsWindow(p.frame); }));
    EXPECT_EQ(editorText(s.editor), "src = BlankClip()\r\nSubtitle(\"Hello\", x=float)");
    EXPECT_TRUE(s.close());
}

TEST(FilterParameterPanel, ReadsBackACallInTheScriptAndRefusesTooManyArguments) {
    ScriptSession s;
    const std::string script =
        "src = BlankClip()\r\nSubtitle(src,\"say \"\"hi\"\"\",size=24.5,font=\"Arial\")\r\nBlur(src,1,2,3,4)\r\n";
    ASSERT_TRUE(s.start("calls.avs", script));
    selectLine(s, 1);
    pressKey(VK_F1);
    Panel p;
    ASSERT_TRUE(openPanel(s, p));
    EXPECT_NE(findDescendant(p.frame, "Static", "Parameter string from \"calls.avs\""), nullptr);
    EXPECT_NE(findDescendant(p.frame, "Edit", "src,\"say \"\"hi\"\"\",size=24.5,font=\"Arial\""), nullptr);
    EXPECT_EQ(windowText(p.values[0]), "src");
    EXPECT_EQ(windowText(p.values[1]), "say hi");  // every double quote goes
    EXPECT_EQ(windowText(p.values[6]), "Arial");
    EXPECT_EQ(windowText(p.values[7]), "24.5");
    for (size_t row = 0; row < subtitleFields; ++row)
        EXPECT_EQ(p.included(row), row == 0 || row == 1 || row == 6 || row == 7) << row;
    ASSERT_TRUE(p.waitForCall("Subtitle(src, \"say hi\", font=\"Arial\", size=24.5)"));
    pressKey(VK_RETURN);
    ASSERT_TRUE(waitFor(10000, [&] { return !IsWindow(p.frame); }));
    EXPECT_EQ(editorText(s.editor),
              "src = BlankClip()\r\nSubtitle(src, \"say hi\", font=\"Arial\", size=24.5)\r\nBlur(src,1,2,3,4)\r\n");

    // Blur takes four arguments: five fill nothing.
    selectLine(s, 2);
    pressKey(VK_F1);
    MessageBoxSeen box;
    ASSERT_TRUE(waitForMessageBox(s.program, box));
    EXPECT_EQ(box.title, "Filter Picker Popup");
    EXPECT_EQ(box.text, "sorry dude can't help ya\n\nYou be having more parameters than places to put them.");
    answer(box, IDOK);
    Panel blur;
    ASSERT_TRUE(openPanel(s, blur));
    for (size_t row = 0; row < blur.values.size(); ++row) EXPECT_FALSE(blur.included(row)) << row;
    pressKey(VK_ESCAPE);
    ASSERT_TRUE(waitFor(10000, [&] { return !IsWindow(blur.frame); }));
    EXPECT_EQ(editorText(s.editor),
              "src = BlankClip()\r\nSubtitle(src, \"say hi\", font=\"Arial\", size=24.5)\r\nBlur(src,1,2,3,4)\r\n");
    EXPECT_TRUE(s.close());
}

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

struct Panel {
    HWND frame = nullptr;
    HWND rowArea = nullptr;
    HWND output = nullptr;
    std::vector<HWND> labels, types, values, includes;

    // Rows are made label, include and type row by row, then the value controls.
    bool read(HWND window) {
        frame = window;
        labels.clear(), types.clear(), values.clear(), includes.clear();
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
    std::string call() const { return controlText(output); }
    bool included(size_t row) const { return SendMessageA(includes[row], BM_GETCHECK, 0, 0) == BST_CHECKED; }
    // The row's value control lies inside the row area.
    bool rowShown(size_t row) const {
        RECT area, value;
        GetWindowRect(rowArea, &area);
        GetWindowRect(values[row], &value);
        return value.top >= area.top && value.top + 20 <= area.bottom;
    }
    bool waitForCall(const std::string& text) const {
        return waitFor(10000, [&] { return call() == text; });
    }
};

// Waits for the panel with all its rows: the same rows twice, and the call composed.
bool openPanel(ScriptSession& s, Panel& panel) {
    HWND frame = waitForWindowTitled(s.program.id(), panelTitle);
    size_t last = 0;
    return frame && waitFor(10000, [&] {
               const bool same = panel.read(frame) && !panel.call().empty() && panel.values.size() == last;
               last = panel.values.size();
               return same && last > 0;
           });
}

// Selects line `line` (from 0) of the editor with the keyboard.
void selectLine(ScriptSession& s, int line) {
    clickWindow(s.editor);
    pressKey(VK_HOME, true);
    for (int i = 0; i < line; ++i) pressKey(VK_DOWN);
    pressKey(VK_END, false, true);
    waitFor(5000, [&] { return SendMessageA(s.editor, 2143, 0, 0) < SendMessageA(s.editor, 2145, 0, 0); });
}

}  // namespace

TEST(FilterParameterPanel, ReadsBackCallsComposesFromTheFilterListAndInsertsIntoTheScript) {
    ScriptSession s;
    const std::string calls =
        "src = BlankClip()\r\nSubtitle(src,\"say \"\"hi\"\"\",size=24.5,font=\"Arial\")\r\nBlur(src,1,2,3,4)\r\n";
    const std::string composed =
        "src = BlankClip()\r\nSubtitle(src, \"say hi\", font=\"Arial\", size=24.5)\r\nBlur(src,1,2,3,4)\r\n";
    ASSERT_TRUE(s.start("calls.avs", calls));

    // F1 on a call with named arguments and quotes reads it back into the rows.
    selectLine(s, 1);
    pressKey(VK_F1);
    Panel p;
    ASSERT_TRUE(openPanel(s, p));
    const size_t fields = p.values.size();
    ASSERT_GT(fields, 11u);  // more rows than the area shows
    EXPECT_NE(findDescendant(p.frame, "Static", "Parameter string from \"calls.avs\""), nullptr);
    EXPECT_EQ(controlText(findDescendant(p.frame, "Edit", nullptr)), "src,\"say \"\"hi\"\"\",size=24.5,font=\"Arial\"");
    const char* values[] = {"src", "say hi", "", "", "", "", "Arial", "24.5"};  // every double quote goes
    for (size_t row = 0; row < fields; ++row) {
        EXPECT_EQ(controlText(p.values[row]), row < 8 ? values[row] : "") << row;
        EXPECT_EQ(p.included(row), row < 8 && values[row][0]) << row;
    }
    ASSERT_TRUE(p.waitForCall("Subtitle(src, \"say hi\", font=\"Arial\", size=24.5)"));
    clickWindow(findDescendant(p.frame, "Button", "OK"));
    ASSERT_TRUE(waitFor(10000, [&] { return !IsWindow(p.frame); }));
    EXPECT_EQ(editorText(s.editor), composed);

    // Blur takes four arguments: five fill nothing, and Cancel leaves the script alone.
    selectLine(s, 2);
    pressKey(VK_F1);
    MessageBoxSeen box;
    ASSERT_TRUE(waitForMessageBox(s.program, box));
    EXPECT_EQ(box.title + ": " + box.text,
              "Filter Picker Popup: sorry dude can't help ya\n\nYou be having more parameters than places to put them.");
    answer(box, IDOK);
    Panel blur;
    ASSERT_TRUE(openPanel(s, blur));
    for (size_t row = 0; row < blur.values.size(); ++row) EXPECT_FALSE(blur.included(row)) << row;
    clickWindow(findDescendant(blur.frame, "Button", "Cancel"));
    ASSERT_TRUE(waitFor(10000, [&] { return !IsWindow(blur.frame); }));
    EXPECT_EQ(editorText(s.editor), composed);

    // Tab in the filter list opens the panel on the picked function.
    clickWindow(s.editor);
    pressKey(VK_END, true);
    pressKey(VK_TAB, true);  // the filter list takes the keys
    typeText("Subtitle");
    pressKey(VK_TAB);
    ASSERT_TRUE(openPanel(s, p));
    const char* labels[] = {"clip", "", "x", "y", "first_frame"};
    const char* types[] = {"clip", "string", "float", "float", "int"};
    for (size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(windowText(p.labels[i]), labels[i]) << i;
        EXPECT_EQ(windowText(p.types[i]), types[i]) << i;
    }
    EXPECT_EQ(comboItems(p.values[0]).size(), 1u);  // the script's clip names
    EXPECT_EQ(comboItems(p.values[0])[0].text, "src");
    EXPECT_EQ(comboItems(p.values[15]).size(), 2u);  // interlaced: TRUE and FALSE
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
    for (size_t row = 3; row < fields; ++row) pressKey(VK_TAB);
    ASSERT_TRUE(waitForFocus(p.values[fields - 1]));
    EXPECT_TRUE(p.rowShown(fields - 1));
    EXPECT_FALSE(p.rowShown(fields - 12));
    pressKey(VK_TAB);
    ASSERT_TRUE(waitForFocus(p.values[0]));
    EXPECT_TRUE(p.rowShown(0));
    EXPECT_FALSE(p.rowShown(11));

    clickWindow(findDescendant(p.frame, "Button", "OK"));
    ASSERT_TRUE(waitFor(10000, [&] { return !IsWindow(p.frame); }));
    EXPECT_EQ(editorText(s.editor), composed + "Subtitle(\"Hello\", x=float)");
    EXPECT_TRUE(s.close());
}

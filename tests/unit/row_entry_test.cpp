#include <gtest/gtest.h>

#include <string>

#include "scenes/row_entry.h"
#include "support/box_expect.h"
#include "support/message_box_recorder.h"
#include "support/temp_folder.h"

namespace {

class RowEntry : public ::testing::Test {
protected:
    void SetUp() override {
        boxes::reset();
        list.programFolder = dir.path().c_str();
        list.owner = reinterpret_cast<WindowHandle>(0x1234);
    }
    void add(const char* transition, const char* frames, const char* start, const char* end) {
        ASSERT_EQ(commitRow(list, transition, frames, start, end), 0);
    }
    void addScenes(int count) {
        for (int i = 1; i <= count; ++i) {
            std::string start = std::to_string(i * 100), end = std::to_string(i * 100 + 99);
            add("", "", start.c_str(), end.c_str());
        }
    }
    std::string caption() {
        char text[64];
        addButtonCaption(list, text, sizeof text);
        return text;
    }
    void expectOneBox(const char* text, const char* title) {
        ASSERT_TRUE(onlyBox(text, title, mbOk));
        EXPECT_EQ(boxes::shown()[0].owner, list.owner);
        boxes::reset();
    }
    TempFolder dir;
    SceneListDisplay list;
};

}  // namespace

TEST_F(RowEntry, AddingNumbersRowsAndScrollsToTheLastFour) {
    add("", "", "0", "1499");
    add("FadeIn", "60", "1500", "2999");
    add("Dissolve", "60", "-", "-");
    EXPECT_EQ(dir.read("rowdat.vlr"), crlfLines({"r01 - - 0 1499", "r02 FadeIn 60 1500 2999", "r03 Dissolve 60 - -"}));
    EXPECT_EQ(list.rowCount, 3);
    EXPECT_EQ(list.firstShownRow, 1);
    add("", "", "1", "2");
    EXPECT_EQ(list.firstShownRow, 1);
    add("", "", "3", "4");
    EXPECT_EQ(list.firstShownRow, 2);
    EXPECT_STREQ(list.rowLine, "r05 - - 3 4");
    EXPECT_EQ(caption(), "Add");
    EXPECT_STREQ(entryInfoText(list), "Select Transitions and frames then click Add.");
    EXPECT_TRUE(boxes::shown().empty());
}

TEST_F(RowEntry, InsertAboveRenumbersTheRowsBelow) {
    addScenes(3);
    ASSERT_TRUE(beginInsert(list, 1, false));
    EXPECT_EQ(list.entryMode, entryInserting);
    EXPECT_EQ(caption(), "Insert new row 02");
    EXPECT_STREQ(entryInfoText(list), "Select Transitions and frames then click - Insert new row ##");
    add("FadeOut", "45", "50", "60");
    EXPECT_EQ(dir.read("rowdat.vlr"),
              crlfLines({"r01 - - 100 199", "r02 FadeOut 45 50 60", "r03 - - 200 299", "r04 - - 300 399"}));
    EXPECT_EQ(list.rowCount, 4);
    EXPECT_EQ(list.entryMode, entryAdding);
    EXPECT_EQ(caption(), "Add");
}

TEST_F(RowEntry, InsertBelowPastTheShownRowsScrollsOn) {
    addScenes(10);
    list.firstShownRow = 3;
    ASSERT_TRUE(beginInsert(list, 3, true));  // below row 6: the new row is 7
    EXPECT_EQ(list.insertPosition, 7);
    add("", "", "1", "2");
    EXPECT_EQ(list.firstShownRow, 4);
    EXPECT_EQ(list.rowCount, 11);
    ASSERT_TRUE(beginInsert(list, 2, true));  // below row 6 as now shown: 7 - 4 is not more than 3
    add("", "", "1", "2");
    EXPECT_EQ(list.firstShownRow, 4);
}

TEST_F(RowEntry, InsertingAtTheEndIsRefused) {
    addScenes(3);
    ASSERT_FALSE(beginInsert(list, 2, true));
    expectOneBox("Why the hell do you want to insert at the end, use - Add!", "Insert new row has been Canceled");
    EXPECT_EQ(list.entryMode, entryAdding);
    ASSERT_FALSE(beginInsert(list, 3, false));  // the slot under the last row
    expectOneBox("Why the hell do you want to insert at the end, use - Add!", "Insert new row has been Canceled");
}

TEST_F(RowEntry, EditingLoadsTheRowAndSavesItBack) {
    addScenes(2);
    add("FadeIn", "60", "1500", "2999");
    list.currentFrame = 777;
    RowEditLoad load;
    ASSERT_EQ(beginEdit(list, 2, false, load), editStarted);
    EXPECT_EQ(std::string(load.transition) + "|" + load.frames + "|" + load.start + "|" + load.end,
              "FadeIn|60|1500|2999");
    EXPECT_TRUE(load.previewEnabled);
    EXPECT_EQ(list.currentFrame, 1500);
    EXPECT_EQ(list.savedFrame, 777);
    EXPECT_EQ(caption(), "Save edited row 03");
    EXPECT_STREQ(entryInfoText(list), "Edit Transitions and frames then click - Save edited row ##");
    add("", "", "1400", "2999");
    EXPECT_EQ(dir.read("rowdat.vlr"), crlfLines({"r01 - - 100 199", "r02 - - 200 299", "r03 - - 1400 2999"}));
    EXPECT_EQ(list.currentFrame, 777);
    EXPECT_EQ(list.savedFrame, 0);
    EXPECT_EQ(list.entryMode, entryAdding);
    EXPECT_EQ(list.rowCount, 3);
}

TEST_F(RowEntry, EditingAPlainSceneOrADissolve) {
    addScenes(1);
    add("Dissolve", "30", "-", "-");
    list.currentFrame = 5;
    RowEditLoad load;
    ASSERT_EQ(beginEdit(list, 1, false, load), editStarted);
    EXPECT_STREQ(load.transition, "Dissolve");
    EXPECT_STREQ(load.start, "-");
    EXPECT_FALSE(load.previewEnabled);
    EXPECT_EQ(list.currentFrame, 5);  // no start frame to go to
    resetEntry(list);                 // Cancel
    EXPECT_EQ(list.currentFrame, 5);
    ASSERT_EQ(beginEdit(list, 0, false, load), editStarted);
    EXPECT_STREQ(load.transition, "");  // "-" clears the combo box and the frames box
    EXPECT_STREQ(load.frames, "");
    EXPECT_EQ(list.currentFrame, 100);
    resetEntry(list);
    EXPECT_EQ(list.currentFrame, 5);
}

TEST_F(RowEntry, EditingNeedsARowAndTheSourceView) {
    addScenes(2);
    RowEditLoad load;
    EXPECT_EQ(beginEdit(list, 2, false, load), editNothing);
    EXPECT_EQ(beginEdit(list, 2, true, load), editNothing);
    EXPECT_TRUE(boxes::shown().empty());
    EXPECT_EQ(beginEdit(list, 1, true, load), editRefused);
    expectOneBox("Can not edit row when viewing your projects output script.  Select Source Radio Button",
                 "Edit Row");
    EXPECT_EQ(list.entryMode, entryAdding);
}

TEST_F(RowEntry, DeletingTheShownRow) {
    addScenes(6);
    list.firstShownRow = 3;
    EXPECT_EQ(deleteShownRow(list, 1), 0);  // row 4
    EXPECT_EQ(list.rowCount, 5);
    EXPECT_EQ(dir.read("rowdat.vlr"), crlfLines({"r01 - - 100 199", "r02 - - 200 299", "r03 - - 300 399",
                                                 "r04 - - 500 599", "r05 - - 600 699"}));
    list.firstShownRow = 1;
    EXPECT_EQ(deleteShownRow(list, 0), 0);
    EXPECT_EQ(dir.read("rowdat.vlr"),
              crlfLines({"r01 - - 200 299", "r02 - - 300 399", "r03 - - 500 599", "r04 - - 600 699"}));
    list.firstShownRow = 3;
    EXPECT_EQ(deleteShownRow(list, 3), 4);  // row 6 does not exist
    EXPECT_EQ(list.rowCount, 4);
}

TEST_F(RowEntry, ChoosingATransition) {
    EXPECT_EQ(chooseTransition(list, "Dissolve"), choiceRefused);
    expectOneBox("Dissolve must be proceeded by at least as many frames\nas the selected duration in frames\n\n"
                 "Dissolve must also be followed by at least that many frames.",
                 "Transition Selection");
    EXPECT_EQ(chooseTransition(list, "TransAll"), choiceIgnored);
    expectOneBox("TranAll Plug-in found, not supported yet, sorry.", "Sorry");
    EXPECT_EQ(chooseTransition(list, "FadeIO"), choiceFade);
    EXPECT_EQ(chooseTransition(list, "FadeIn"), choiceFade);
    EXPECT_EQ(chooseTransition(list, "FadeOut"), choiceFade);
    addScenes(1);
    EXPECT_EQ(chooseTransition(list, "Dissolve"), choiceDissolve);
    EXPECT_TRUE(boxes::shown().empty());
    EXPECT_STREQ(defaultTransitionFrames, "60");
}

TEST_F(RowEntry, TransitionItems) {
    const char* items[5] = {};
    ASSERT_EQ(transitionItems(false, items), 4);
    EXPECT_STREQ(items[3], "FadeIO");
    ASSERT_EQ(transitionItems(true, items), 5);
    EXPECT_STREQ(items[0], "Dissolve");
    EXPECT_STREQ(items[4], "TransAll");
    EXPECT_TRUE(isTransAllFunction("TransAll_Wipe"));
    EXPECT_TRUE(isTransAllFunction("TRANSALL_"));
    EXPECT_FALSE(isTransAllFunction("TransAll"));
    EXPECT_FALSE(isTransAllFunction("xTransAll_Wipe"));
    EXPECT_FALSE(isTransAllFunction(nullptr));
}

TEST_F(RowEntry, SetFramePressesFillStartThenEnd) {
    EXPECT_EQ(pressSetFrame(list), setStartAndEnd);
    EXPECT_EQ(pressSetFrame(list), setEnd);
    typedIntoFrameBox(list, false);
    EXPECT_EQ(pressSetFrame(list), setStartAndEnd);
    typedIntoFrameBox(list, true);
    EXPECT_EQ(pressSetFrame(list), setEnd);
    list.currentFrame = -5;
    resetEntry(list);
    EXPECT_EQ(list.startEndToggle, 0);
    EXPECT_EQ(list.currentFrame, 0);  // never below the first frame
}

TEST_F(RowEntry, AFailedAppendLosesTheRowAndRecounts) {
    std::string missing = dir.path() + "gone/";
    list.programFolder = missing.c_str();
    EXPECT_EQ(commitRow(list, "", "", "1", "2"), 2);
    expectOneBox("not open", (missing + "rowdat.vlr").c_str());
    EXPECT_EQ(list.rowCount, 0);
}

#include <gtest/gtest.h>

#include "app/views.h"
#include "support/message_box_recorder.h"
#include "support/temp_folder.h"

namespace {

int load(Views& v, const TempFolder& dir) { return loadUserSettings(v, nullptr, "", "", dir.path().c_str()); }

}  // namespace

TEST(UserSettings, FirstRunYesUsesTheProgramValuesUntilTheNextStart) {
    TempFolder dir;
    boxes::reset();
    boxes::answer(answerYes);
    Views v;
    EXPECT_EQ(load(v, dir), presetsFirstRun);
    ASSERT_EQ(boxes::shown().size(), 1u);
    EXPECT_EQ(boxes::shown()[0].flags, unsigned(mbYesNo | mbIconInformation | mbTaskModal));
    EXPECT_EQ(std::string(v.programFolder), dir.path());
    // The file holds 299 and 1, the running program uses 300 and 2 until the next start.
    EXPECT_EQ(v.frameJump, 300);
    EXPECT_EQ(v.spliceChoice, 2);
    Views next;
    EXPECT_EQ(load(next, dir), presetsRead);
    EXPECT_EQ(next.frameJump, 299);
    EXPECT_EQ(next.spliceChoice, 1);
    EXPECT_EQ(next.currentView, viewScriptEditor);  // view code 0 becomes 1
    EXPECT_FALSE(next.applySavedPlacement);
}

TEST(UserSettings, DamagedFileLeavesTheSettingsUnloaded) {
    TempFolder dir;
    dir.write("zandolin.ini", "garbage\r\n");
    Views v;
    EXPECT_EQ(load(v, dir), presetsDamaged);
    EXPECT_EQ(v.frameJump, 300);
    EXPECT_FALSE(v.userSettingsLoaded);
}

TEST(UserSettings, TipLevelsSurviveSaveAndLoadInEveryCombination) {
    for (int mask = 0; mask < 8; ++mask) {
        TempFolder dir;
        dir.write("encoder.ini", "x");
        Views v;
        snprintf(v.programFolder, sizeof v.programFolder, "%s", dir.path().c_str());
        v.beginnerTips = mask & 1;
        v.normalTips = mask & 2;
        v.advancedTips = mask & 4;
        ASSERT_TRUE(saveUserSettings(v, nullptr));
        Views back;
        ASSERT_EQ(load(back, dir), presetsRead);
        EXPECT_EQ(back.beginnerTips, v.beginnerTips) << mask;
        EXPECT_EQ(back.normalTips, v.normalTips) << mask;
        EXPECT_EQ(back.advancedTips, v.advancedTips) << mask;
    }
}

TEST(UserSettings, MaximizedWindowAndLaunchedToolAreStoredForTheNextStart) {
    TempFolder dir;
    Views v;
    snprintf(v.programFolder, sizeof v.programFolder, "%s", dir.path().c_str());
    v.currentView = viewMediaViewer;
    v.aspectChoice = aspectSixteenNine;
    v.currentRect = {100, 50, 900, 650};
    // A maximized window stores its normal rectangle; a launched tool stores view 1.
    v.windowWasMaximized = true;
    v.normalRect = {5, 6, 705, 506};
    v.launchMarker = true;
    ASSERT_TRUE(saveUserSettings(v, nullptr));
    Views back;
    ASSERT_EQ(load(back, dir), presetsRead);
    EXPECT_EQ(back.currentView, viewScriptEditor);
    EXPECT_EQ(back.aspectRatio, double(1.7777778f));
    EXPECT_EQ(back.windowLeft, 5);
    EXPECT_EQ(back.windowTop, 6);
    EXPECT_EQ(back.windowWidth, 700);
    EXPECT_EQ(back.windowHeight, 500);
}

TEST(UserSettings, ValueMappingsOnLoad) {
    struct Case {
        const char* lastView;
        const char* mainWindow;
        const char* lastAr;
        int view;
        bool placement;
        int previewMode;
        double aspect;
    };
    const Case cases[] = {
        {"2 1 0 1 9 1", "1 0 0 10 10", "0", 1, false, 1, 1.0},
        {"5 1 0 1 9 1", "1 0 0 10 10", "1", 1, false, 1, double(1.3333334f)},
        {"3 0 0 1 9 1", "1 0 0 10 10", "7", 3, true, 1, double(1.3333334f)},
        {"4 3 0 1 9 1", "0 0 0 10 10", "2", 4, false, 1, double(1.7777778f)},
        {"1 2 0 1 9 1", "1 0 0 10 10", "", 1, true, 2, 1.0},  // empty: the record's initial code 0
    };
    for (const Case& c : cases) {
        TempFolder dir;
        dir.write("zandolin.ini", crlfLines({"#### zandolin.ini ####", "last view", c.lastView, "main window",
                                             c.mainWindow, "last ar", c.lastAr, "jump", "0", "write script",
                                             "0 7", "end zandolin.ini"}));
        Views v;
        ASSERT_EQ(load(v, dir), presetsRead) << c.lastView;
        EXPECT_EQ(v.currentView, c.view) << c.lastView;
        EXPECT_EQ(v.applySavedPlacement, c.placement) << c.lastView;
        EXPECT_EQ(v.previewMode, c.previewMode) << c.lastView;
        EXPECT_EQ(v.aspectRatio, c.aspect) << c.lastView;
        EXPECT_EQ(v.frameJump, 300);
        EXPECT_EQ(v.spliceChoice, 2);
    }
    // The alpha marker forces the Script Editor.
    TempFolder dir;
    dir.write("zandolin.ini", crlfLines({"#### zandolin.ini ####", "last view", "4 1 0 1 9 1", "end zandolin.ini"}));
    dir.write("alpha.txt", "alpha");
    Views v;
    ASSERT_EQ(load(v, dir), presetsRead);
    EXPECT_EQ(v.currentView, viewScriptEditor);
    EXPECT_TRUE(v.alphaFlag);
}

// A settings file that exists but cannot be opened (another program holds it) is the user's
// file, not a first run: the first-run defaults must never be written over it.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>

#include "storage/settings.h"
#include "support/message_box_recorder.h"
#include "support/temp_folder.h"

TEST(SettingsLocked, AnUnopenableSettingsFileIsNotAFirstRun) {
    TempFolder dir;
    dir.write("zandolin.ini", "#### zandolin.ini ####\r\njump\r\n77\r\nend zandolin.ini\r\n");
    HANDLE locked = CreateFileA(dir.file("zandolin.ini").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(locked, INVALID_HANDLE_VALUE);
    boxes::reset();
    boxes::answer(answerOk);
    boxes::answer(answerNo);
    Settings s;
    snprintf(s.programFolder, sizeof s.programFolder, "%s", dir.path().c_str());
    EXPECT_EQ(readPresets(s), presetsDamaged);
    CloseHandle(locked);
    ASSERT_FALSE(boxes::shown().empty());
    EXPECT_EQ(boxes::shown()[0].text, "Could not open zandolin.ini");
    EXPECT_EQ(dir.read("zandolin.ini"), "#### zandolin.ini ####\r\njump\r\n77\r\nend zandolin.ini\r\n");
    EXPECT_FALSE(dir.exists("encoder.ini"));
}

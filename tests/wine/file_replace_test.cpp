#include <gtest/gtest.h>
#include <windows.h>

#include "base/line_file.h"
#include "support/temp_folder.h"

// Replacing an existing file (a rename onto it fails on Windows) is what every settings,
// project and script write of the other Wine and end-to-end tests does; here the failure.
TEST(FileReplace, ALockedTargetIsLeftAsItWas) {
    TempFolder dir;
    dir.write("zandolin.ini", "old\r\n");
    // Another program holding the file open without sharing: the replace must fail cleanly.
    HANDLE locked = CreateFileA(dir.file("zandolin.ini").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(locked, INVALID_HANDLE_VALUE);
    FileRewrite rewrite;
    ASSERT_TRUE(rewrite.open(dir.file("temp.ini").c_str(), dir.file("zandolin.ini").c_str()));
    rewrite.line("new");
    EXPECT_FALSE(rewrite.commit());
    CloseHandle(locked);
    EXPECT_EQ(dir.read("zandolin.ini"), "old\r\n");
    EXPECT_FALSE(dir.exists("temp.ini"));
}

#include <gtest/gtest.h>
#include <windows.h>

#include "base/line_file.h"
#include "support/temp_folder.h"

// On Windows a rename onto an existing file fails; the rewrite must still replace it.
TEST(FileReplace, RewriteReplacesAnExistingFileInOneStep) {
    TempFolder dir;
    dir.write("zandolin.ini", "old contents\r\n");
    FileRewrite rewrite;
    ASSERT_TRUE(rewrite.open(dir.file("temp.ini").c_str(), dir.file("zandolin.ini").c_str()));
    rewrite.line("new");
    ASSERT_TRUE(rewrite.commit());
    EXPECT_EQ(dir.read("zandolin.ini"), "new\r\n");
    EXPECT_FALSE(dir.exists("temp.ini"));
}

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

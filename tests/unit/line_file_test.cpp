#include <gtest/gtest.h>

#include <cstring>

#include "base/bounded_text.h"
#include "base/line_file.h"
#include "support/temp_folder.h"

TEST(BoundedText, CopyAppendAndFormatCutWhatDoesNotFit) {
    char small[6];
    EXPECT_EQ(copyText(small, "abcdefgh"), 5u);
    EXPECT_STREQ(small, "abcde");
    copyText(small, "ab");
    EXPECT_EQ(appendText(small, "cdefg"), 5u);
    EXPECT_STREQ(small, "abcde");
    EXPECT_EQ(formatText(small, sizeof small, "%d-%s", 1234, "xyz"), 5u);
    EXPECT_STREQ(small, "1234-");
    EXPECT_EQ(copyText(small, nullptr), 0u);
    EXPECT_STREQ(small, "");
    char unterminated[4] = {'a', 'b', 'c', 'd'};
    EXPECT_EQ(appendText(unterminated, "x"), 3u);
    EXPECT_EQ(unterminated[3], '\0');
}

TEST(LineFile, ReadsCrLfLinesDroppingTheLastCharacter) {
    TempFolder dir;
    dir.write("a.txt", std::string("one\r\n\r\ntwo\r\nlast", 16));
    FILE* f = openForReading(dir.file("a.txt").c_str());
    ASSERT_NE(f, nullptr);
    char buf[16];
    ASSERT_TRUE(readLine(f, buf));
    EXPECT_STREQ(buf, "one");
    ASSERT_TRUE(readLine(f, buf));
    EXPECT_STREQ(buf, "");
    ASSERT_TRUE(readLine(f, buf));
    EXPECT_STREQ(buf, "two");
    ASSERT_TRUE(readLine(f, buf));  // no line end: its last character is dropped all the same
    EXPECT_STREQ(buf, "las");
    EXPECT_FALSE(readLine(f, buf));
    fclose(f);
}

TEST(LineFile, LongLinesAreCutAndDoNotShiftTheFollowingLines) {
    TempFolder dir;
    dir.write("a.txt", std::string(100, 'x') + "\r\nnext\r\n");
    FILE* f = openForReading(dir.file("a.txt").c_str());
    char buf[8];
    ASSERT_TRUE(readLine(f, buf));
    EXPECT_STREQ(buf, "xxxxxxx");
    ASSERT_TRUE(readLine(f, buf));
    EXPECT_STREQ(buf, "next");
    fclose(f);
}

TEST(LineFile, RewriteReplacesTheTargetOnlyWhenCommitted) {
    TempFolder dir;
    dir.write("data.ini", "old\r\n");
    {
        FileRewrite rewrite;
        ASSERT_TRUE(rewrite.open(dir.file("temp.ini").c_str(), dir.file("data.ini").c_str()));
        rewrite.line("half");
        // abandoned: the old file stays and no temporary file is left
    }
    EXPECT_EQ(dir.read("data.ini"), "old\r\n");
    EXPECT_FALSE(dir.exists("temp.ini"));

    FileRewrite rewrite;
    ASSERT_TRUE(rewrite.open(dir.file("temp.ini").c_str(), dir.file("data.ini").c_str()));
    rewrite.line("new");
    rewrite.line("");
    ASSERT_TRUE(rewrite.commit());
    EXPECT_EQ(dir.read("data.ini"), "new\r\n\r\n");
    EXPECT_FALSE(dir.exists("temp.ini"));
}

#include <gtest/gtest.h>

#include "app/command_line.h"

TEST(CommandLine, OnlyQuotedAvsAndAvsiScriptsOpen) {
    struct Case {
        const char* arguments;
        bool script;
        const char* path;
    };
    const Case cases[] = {
        {"\"C:\\v\\movie.avs\"", true, "C:\\v\\movie.avs"},
        {"\"C:\\v\\lib.avsi\"", true, "C:\\v\\lib.avsi"},
        {"\"C:\\v\\movie.avi\"", false, ""},
        {"\"C:\\v\\movie.AVS\"", false, ""},
        {"C:\\v\\movie.avs", false, ""},    // unquoted: the extension is read one place too early
        {"C:\\v\\movie.avs ", true, ":\\v\\movie.avs"},  // unquoted: loses its first and last characters
        {"", false, ""},
        {".avs\"", false, ""},
        {"\".avs\"", true, ".avs"},
    };
    for (const Case& c : cases) {
        char path[260];
        EXPECT_EQ(commandLineScript(c.arguments, path, sizeof path), c.script) << c.arguments;
        EXPECT_STREQ(path, c.path) << c.arguments;
    }
    char tiny[5];
    EXPECT_TRUE(commandLineScript("\"C:\\long\\name.avs\"", tiny, sizeof tiny));
    EXPECT_STREQ(tiny, "C:\\l");
}

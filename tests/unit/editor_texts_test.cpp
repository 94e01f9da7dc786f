#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/doc_lookup.h"
#include "editor/editor_startup.h"
#include "editor/filter_search.h"
#include "editor/function_tip.h"
#include "editor/script_document.h"
#include "editor/source_path.h"

namespace {

TEST(SourcePath, SplitsTitleAndFolder) {
    SourcePath s;
    EXPECT_STREQ(s.title, "untitled");
    setSourcePath(s, "C:\\video\\my clip.avs");
    EXPECT_STREQ(s.path, "C:\\video\\my clip.avs");
    EXPECT_STREQ(s.title, "my clip.avs");
    EXPECT_STREQ(s.folder, "C:\\video\\");
}


TEST(CommandLine, ExtensionOfAQuotedPath) {
    char ext[8];
    const char* cases[][2] = {{"\"C:\\a.avs\"", "avs"}, {"\"C:\\a.avsi\"", "avsi"}, {"\"C:\\a.avi\"", "avi"},
                              {"C:\\a.avs", ".av"}, {"", ""}};
    for (auto& c : cases) {
        commandLineExtension(ext, sizeof ext, c[0]);
        EXPECT_STREQ(ext, c[1]) << c[0];
    }
}

TEST(PreviewScript, LoadWordIsAWholeWordInExactlyThreeSpellings) {
    struct Case {
        const char* text;
        bool found;
    } cases[] = {{"Load", true},        {"x = 1\nload \"a\"", true}, {"LOAD", true},       {"LoadPlugin(\"a\")", false},
                 {"lOAD", false},       {"Loader x", false},         {"a\tLoad\r\n", true}, {"", false}};
    for (const Case& c : cases) EXPECT_EQ(mentionsLoadWord(c.text, std::string(c.text).size()), c.found) << c.text;
}

TEST(FilterSearch, AppendsKeysUpTo32AndReportsActions) {
    FilterSearch s;
    EXPECT_EQ(s.applyKey("C"), searchChanged);
    EXPECT_EQ(s.applyKey("-"), searchChanged);
    EXPECT_EQ(s.applyKey("Shift"), searchIgnored);
    EXPECT_STREQ(s.text, "C_");
    EXPECT_EQ(s.applyKey("Backspace"), searchChanged);
    EXPECT_STREQ(s.text, "C");
    s.applyKey("Backspace");
    EXPECT_EQ(s.applyKey("Backspace"), searchChanged);
    EXPECT_STREQ(s.text, "");
    for (int i = 0; i < 40; ++i) s.applyKey("A");
    EXPECT_EQ(std::string(s.text), std::string(32, 'A'));
    EXPECT_EQ(s.applyKey("Esc"), searchCancelTip);
    EXPECT_EQ(s.applyKey("Enter"), searchInsert);
    EXPECT_EQ(s.applyKey("Num Enter"), searchInsert);
    EXPECT_EQ(s.applyKey("Tab"), searchOpenParameters);
    char status[64];
    s.clear();
    s.applyKey("B");
    formatFilterSearchStatus(status, sizeof status, s);
    EXPECT_STREQ(status, "Filter search = B");
}

TEST(FunctionTip, TextIsCutTo127Characters) {
    char text[tipTextSize];
    formatTipText(text, sizeof text, "Blur");
    EXPECT_STREQ(text, "Blur\nUse Up or Down Arrows to Scan List\nPress Enter for Parameter Dlg\nPress Shift+Tab to open list");
    formatTipText(text, sizeof text, std::string(200, 'n').c_str());
    EXPECT_EQ(std::string(text), std::string(127, 'n'));
}

struct ShellLog {
    std::vector<std::string> calls;
    std::vector<std::string> clipboard;
    int succeedFrom = 0;  // calls before this index fail
};

bool recordShell(const char* verb, const char* path, void* context) {
    auto* log = static_cast<ShellLog*>(context);
    log->calls.push_back(std::string(verb) + " " + path);
    return static_cast<int>(log->calls.size()) > log->succeedFrom;
}
void recordClipboard(const char* text, void* context) { static_cast<ShellLog*>(context)->clipboard.push_back(text); }

TEST(DocLookup, OpensThePageThenTheFolderThenGivesUp) {
    FunctionNameTable names;
    names.add("Blur", false);
    names.add("MDegrain", true);
    names.sort();
    const char* folder = "C:\\Docs\\english";
    for (int failures = 0; failures <= 2; ++failures) {
        ShellLog log;
        log.succeedFrom = failures;
        DocLookupPlatform platform{recordShell, recordClipboard, &log};
        SelectedCall call;
        DocLookupResult result = lookUpDocumentation("blur", folder, names, platform, call);
        EXPECT_EQ(result, failures == 0 ? docPageOpened : failures == 1 ? docFolderOpened : docFolderUnusable);
        ASSERT_GE(log.calls.size(), 1u);
        EXPECT_EQ(log.calls[0], "open C:\\Docs\\english\\corefilters\\Blur.htm");
        if (failures > 0) EXPECT_EQ(log.calls[1], "find C:\\Docs\\english");
        EXPECT_EQ(log.clipboard, std::vector<std::string>{"blur"});
    }
    ShellLog log;
    DocLookupPlatform platform{recordShell, recordClipboard, &log};
    SelectedCall call;
    EXPECT_EQ(lookUpDocumentation("MDegrain", folder, names, platform, call), docPageOpened);
    EXPECT_EQ(log.calls[0], "open C:\\Docs\\english\\externalfilters\\MDegrain.htm");
    EXPECT_EQ(lookUpDocumentation("Unknown", folder, names, platform, call), docNothing);
    EXPECT_EQ(lookUpDocumentation("B", folder, names, platform, call), docNothing);
}

TEST(DocLookup, ASelectedCallGivesNameFlagAndArguments) {
    FunctionNameTable names;
    names.add("MDegrain", true);
    names.sort();
    ShellLog log;
    DocLookupPlatform platform{recordShell, recordClipboard, &log};
    SelectedCall call;
    EXPECT_EQ(lookUpDocumentation("MDegrain(src, thSAD=400)", "", names, platform, call), docCallSelected);
    EXPECT_STREQ(call.name, "MDegrain");
    EXPECT_TRUE(call.plugin);
    EXPECT_EQ(call.arguments, "src, thSAD=400");
    EXPECT_EQ(lookUpDocumentation("Other(1)", "", names, platform, call), docNothing);
    EXPECT_STREQ(call.name, "");
    EXPECT_TRUE(log.calls.empty());
    EXPECT_TRUE(log.clipboard.empty());
    char folder[64];
    folderOfFile(folder, sizeof folder, "C:\\Docs\\english\\index.htm");
    EXPECT_STREQ(folder, "C:\\Docs\\english");
}

}  // namespace

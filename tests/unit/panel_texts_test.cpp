#include <gtest/gtest.h>

#include <vector>

#include "dialogs/about_texts.h"
#include "dialogs/panel_layouts.h"
#include "dialogs/tips_code.h"

TEST(TipsCode, EverySubsetRoundTripsAndOddCodesKeepAllOn) {
    struct Case {
        int code;
        bool beginner, normal, advanced;
    } cases[] = {
        {0, false, false, false}, {1, true, false, false}, {3, false, true, false}, {4, true, true, false},
        {5, false, false, true},  {6, true, false, true},  {8, false, true, true},  {9, true, true, true},
    };
    for (const Case& c : cases) {
        TipLevels t = decodeTipsCode(c.code);
        EXPECT_EQ(t.beginner, c.beginner) << c.code;
        EXPECT_EQ(t.normal, c.normal) << c.code;
        EXPECT_EQ(t.advanced, c.advanced) << c.code;
        EXPECT_EQ(encodeTipsCode(t), c.code);
    }
    for (int odd : {2, 7, 10, -1, 99}) EXPECT_EQ(encodeTipsCode(decodeTipsCode(odd)), 9) << odd;
}

TEST(AboutTexts, AviSynthVersionLines) {
    struct Case {
        const char* text;
        const char* line;
    } cases[] = {
        {"AviSynth 2.56, build:Oct 28 2005 [18:43:54]", "version:  2.56  Oct 28, 2005  -  18:43:54"},
        {"AviSynth 2.60, build:Feb 20 2015 [03:16:45] VC2008Exp", "version:  2.60  Feb 20, 2015  -  03:16:45"},
        // Other shapes are shown as they come, never as a half-parsed line.
        {"AviSynth+ 3.7.5 (x86_64)", "version:  AviSynth+ 3.7.5 (x86_64)"},
        {"AviSynth+ 3.7.3 (r4003, 3.7, x86_64)", "version:  AviSynth+ 3.7.3 (r4003, 3.7, x86_64)"},
        {"", "version:  "},
    };
    for (const Case& c : cases) {
        char line[128];
        aviSynthVersionLine(line, sizeof line, c.text);
        EXPECT_STREQ(line, c.line) << c.text;
    }
}

TEST(AboutTexts, EditorVersionFromTheVersionResource) {
    // A cut-down VS_VERSIONINFO: header, key, padding, then the fixed info of 5.3.3.0.
    std::vector<unsigned char> blob(40, 0);
    const unsigned char fixed[] = {0xBD, 0x04, 0xEF, 0xFE, 0, 0, 1, 0, 3, 0, 5, 0, 0, 0, 3, 0};
    blob.insert(blob.end(), fixed, fixed + sizeof fixed);
    char version[32];
    ASSERT_TRUE(versionFromResource(blob.data(), blob.size(), version, sizeof version));
    EXPECT_STREQ(version, "5.3.3");
    blob[52] = 7;  // a private part other than 0 is shown too
    ASSERT_TRUE(versionFromResource(blob.data(), blob.size(), version, sizeof version));
    EXPECT_STREQ(version, "5.3.3.7");
    // The signature cut off at the end of the bytes is not read past.
    EXPECT_FALSE(versionFromResource(blob.data(), 48, version, sizeof version));
    EXPECT_STREQ(version, "");

    char line[64];
    editorVersionLine(line, sizeof line, "5.3.3");
    EXPECT_STREQ(line, "Scintilla   ... version:  5.3.3");
    editorVersionLine(line, sizeof line, "");
    EXPECT_STREQ(line, "Scintilla   ... version:  unknown");
}

TEST(AboutTexts, LinkTargets) {
    struct Case {
        int index;
        const char* docs;
        const char* target;
    } cases[] = {
        {5, "", "C:\\Z\\docs\\English\\UsersGuide.html"},
        {4, "D:\\avs\\Docs\\english", "D:\\avs\\Docs\\english\\index.htm"},
        {6, "C:\\Program Files\\AviSynth 2.5\\Docs\\english", "C:\\Program Files\\AviSynth 2.5\\plugins"},
        {6, "C:\\docs", "plugins"},  // shorter than the "Docs\english" tail: no base
    };
    for (const Case& c : cases) {
        char target[300];
        aboutLinkTarget(c.index, "C:\\Z\\", c.docs, target, sizeof target);
        EXPECT_STREQ(target, c.target) << c.index << " " << c.docs;
    }
    EXPECT_STREQ(aboutOpenFailureText(2), "Can not find file.");
    EXPECT_STREQ(aboutOpenFailureText(31), "Error type not described. Button not defined ??");
    EXPECT_STREQ(helpOpenFailureText(3), "The file could not be opened.");
    EXPECT_STREQ(helpOpenFailureText(8), "The operating system is out of memory or resources.");
}

TEST(PanelLayouts, CompressorListsSplitTheClientArea) {
    CompressorLayout c = compressorLayout(644, 387);
    EXPECT_EQ(c.audioList.x, 332);
    EXPECT_EQ(c.audioList.height, 307);
    EXPECT_LE(c.videoList.x + c.videoList.width, c.audioList.x);
}

#include <gtest/gtest.h>

#include <string>

#include "app/command_line_path.h"
#include "app/file_dialogs.h"
#include "app/project_probe.h"
#include "support/temp_folder.h"

namespace {

std::string bytes(const DialogFilter& f) { return std::string(f.text, f.length); }

}  // namespace

TEST(FileDialogs, FilterKeysGiveTheirListsAndOtherTextsAreTakenAsGiven) {
    using namespace std::string_literals;
    struct {
        std::string key;
        std::string expected;
    } rows[] = {
        {"tool", "Tool (*.exe)\0*.exe\0\0"s},
        {"Image", "Bitmap (.bmp)\0*.bmp\0Jpeg (.jpg)\0*.jpg\0\0"s},
        {"Insert", "Source files (avi, avs, d2v, mpa, ac3, wav)\0*.avi;*.avs;*.d2v;*.mpa;*.ac3;*.wav\0All Files (*.*)\0*.*\0\0"s},
        {"", "All Files (*.*)\0*.*\0\0"s},
        {"Zandolin file (*.jvl)\0*.jvl\0"s, "Zandolin file (*.jvl)\0*.jvl\0\0"s},
        // Not a key: one entry whose pattern is empty.
        {"Media File", "Media File\0\0\0"s},
    };
    for (const auto& r : rows) EXPECT_EQ(bytes(generalDialogFilter(r.key.data(), r.key.size())), r.expected) << r.key;
    DialogFilter media = generalDialogFilter("mpgMedia", 8);
    EXPECT_EQ(std::string(media.text), "Mpeg video and audio (.mpg)");
    EXPECT_EQ(std::string(media.text + media.length - 5, 5), "*.*\0\0"s);
}

TEST(FileDialogs, DefaultExtensionChoosesTheStartingFilter) {
    const char* extensions[] = {"mpg", "m2v", "m1v", "mp2", "ac3", "wav", "avs", "", "WAV"};
    const int expected[] = {1, 2, 3, 4, 5, 6, 0, 0, 0};
    for (int i = 0; i < 9; ++i) EXPECT_EQ(startingFilterIndex(extensions[i]), expected[i]) << extensions[i];
}

TEST(FileDialogs, FontDescriptionRoundTripKeepsAFaceNameWithBlanks) {
    FontDescription font;
    font.height = -16;
    font.weight = 700;
    font.italic = 1;
    font.charSet = 0xEE;
    font.pitchAndFamily = 0x31;
    strcpy(font.faceName, "Courier New");
    char stored[64];
    formatFontDescription(stored, sizeof stored, font);
    EXPECT_STREQ(stored, "-16 0 0 0 700 1 0 0 ee 0 0 0 31 Courier New");
    FontDescription back;
    ASSERT_TRUE(parseFontDescription(stored, "Courier New", back));
    EXPECT_EQ(back.height, -16);
    EXPECT_EQ(back.weight, 700);
    EXPECT_EQ(back.charSet, 0xEE);
    EXPECT_EQ(back.pitchAndFamily, 0x31);
    EXPECT_STREQ(back.faceName, "Courier New");
    // Without the separate face the blank ends the name.
    ASSERT_TRUE(parseFontDescription(stored, "", back));
    EXPECT_STREQ(back.faceName, "Courier");
    EXPECT_FALSE(parseFontDescription("12 0 0", "Arial", back));
    EXPECT_FALSE(parseFontDescription("", "Arial", back));
}

TEST(CommandLinePath, QuotedUnquotedAndRelativeForms) {
    struct {
        const char* arguments;
        const char* expected;  // null: no path
    } rows[] = {
        {"\"C:\\clips\\a b.avs\"", "C:\\clips\\a b.avs"},
        {"C:\\clips\\clip.avs", "C:\\clips\\clip.avs"},
        {"  clip.avs ", "Z:\\work\\clip.avs"},
        {"\"sub\\clip.avsi\"", "Z:\\work\\sub\\clip.avsi"},
        {"/tmp/clip.avs", "/tmp/clip.avs"},
        {"", nullptr},
        {"\"\"", nullptr},
    };
    for (const auto& r : rows) {
        char out[260];
        bool named = commandLinePath(out, sizeof out, r.arguments, "Z:\\work");
        EXPECT_EQ(named, r.expected != nullptr) << r.arguments;
        if (r.expected) EXPECT_STREQ(out, r.expected) << r.arguments;
    }
    char small[16];
    EXPECT_FALSE(commandLinePath(small, sizeof small, "clip.avs", "Z:\\a\\long\\folder"));  // never cut
    EXPECT_STREQ(small, "");
    EXPECT_TRUE(isScriptExtension("C:\\x\\CLIP.AVS"));
    EXPECT_TRUE(isScriptExtension("clip.avsi"));
    EXPECT_FALSE(isScriptExtension("C:\\x.avs\\clip"));
    EXPECT_FALSE(isScriptExtension("clip.avi"));
}

TEST(ProjectProbe, OnlyFilesWithTheRowSectionAreProjects) {
    TempFolder dir;
    dir.write("p.jvl", crlfLines({"Project File Name", "C:\\p.jvl", "", "Script Source File", "C:\\s.avs", "",
                                  "Project Script File", "C:\\p_vlprj.avs", "", "Frame Editor Data", "01 - 0 0 9"}));
    dir.write("empty.jvl", "");
    dir.write("binary.jvl", std::string("RIFF\0\0\0\0AVI LIST\xff\xfe", 18));
    dir.write("text.jvl", crlfLines({"Frame Editor Data is what we want", "End Project File"}));
    EXPECT_TRUE(looksLikeProjectFile(dir.file("p.jvl").c_str()));
    for (const char* name : {"empty.jvl", "binary.jvl", "text.jvl", "missing.jvl"})
        EXPECT_FALSE(looksLikeProjectFile(dir.file(name).c_str())) << name;
}

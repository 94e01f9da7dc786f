#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "encoding/command_template.h"

namespace {
const char* encoderPath = "D:\\enc\\e.exe";
const char* input = "D:\\v\\a.avs";
const char* output = "D:\\v\\a.mpg";

std::string encoderLine(const char* commandTemplate, const char* out = output) {
    char line[encoderCommandCap];
    buildEncoderCommandLine(line, sizeof line, encoderPath, commandTemplate, input, out);
    return line;
}

std::string pairedLine(const char* commandTemplate, const char* out = output) {
    char line[encoderCommandCap];
    buildPairedAudioCommandLine(line, sizeof line, "D:\\enc\\aud.exe", commandTemplate, input, out);
    return line;
}
}  // namespace

// A template with both placeholders, blanks and all: the encode in child_process_test.
TEST(CommandTemplate, TemplateWithoutPlaceholderPassesTheScriptAfterIt) {
    EXPECT_EQ(encoderLine("--preset slow"), "\"D:\\enc\\e.exe\" --preset slow \"D:\\v\\a.avs\"  ");
    EXPECT_EQ(encoderLine(""), "\"D:\\enc\\e.exe\"  \"D:\\v\\a.avs\"  ");
}

TEST(CommandTemplate, SplitPieces) {
    struct Case {
        const char* in;
        const char* head;
        const char* middle;
        const char* tail;
        bool output;
    } cases[] = {
        {"-i %filename -o %ofilename -q 5", "-i ", " -o ", " -q 5", true},
        {"%filename", "", "", "", false},
        {"%filename %ofile.avi x", "", " ", " x", true},
        {"a %x b %y c", "a ", "x b ", "y c", false},  // other letters stay
        {"a %f", "a ", "", "", false},                // stepping stops at the end
        {"%filename%o", "", "", "", true},
        {"%filename %ofi", "", " ", "", true},
        {"abc", "abc", "", "", false},
        {"%", "", "", "", false},
    };
    for (const auto& c : cases) {
        TemplateSplit split;
        splitTemplate(c.in, &split);
        EXPECT_STREQ(split.head, c.head) << c.in;
        EXPECT_STREQ(split.middle, c.middle) << c.in;
        EXPECT_STREQ(split.tail, c.tail) << c.in;
        EXPECT_EQ(split.outputPlaceholder, c.output) << c.in;
        EXPECT_FALSE(split.empty) << c.in;
    }
    TemplateSplit split;
    splitTemplate("", &split);
    EXPECT_TRUE(split.empty);
}

TEST(CommandTemplate, OutputExtensionAndFilter) {
    struct Case {
        const char* in;
        bool found;
        const char* extension;
        const char* filter;
    } cases[] = {
        {"-i %filename -o %ofile.avi", true, "avi", "*.avi"},
        {"-o %ofilename", true, "mpg", "*.mpg"},  // keeps the previous extension
        {"-i %filename", false, "mpg", "old"},
        {"%ofile.m2", true, "m2", "*.m2"},
        {"%ofile.", true, "", "*."},
        {"%ofil", true, "mpg", "*.mpg"},
        {"50% off %ofile.mkv", true, "mkv", "*.mkv"},
        {"", false, "mpg", "old"},
    };
    for (const auto& c : cases) {
        char extension[4] = "mpg";
        char filter[32] = "old";
        EXPECT_EQ(probeTemplateOutputExtension(c.in, extension, filter), c.found) << c.in;
        EXPECT_STREQ(extension, c.extension) << c.in;
        EXPECT_STREQ(filter, c.filter) << c.in;
    }
}

TEST(CommandTemplate, PairedAudioExpansions) {
    struct Case {
        const char* in;
        const char* out;
        std::string expected;
    } cases[] = {
        {"-i %filename -o %ofilename -q 5", output,
         "\"D:\\enc\\aud.exe\" -i \"D:\\v\\a.avs\" -o  \"D:\\v\\a_Audio.mpa\" -q 5 "},
        {"%filename   %ofile.mp2", output, "\"D:\\enc\\aud.exe\" \"D:\\v\\a.avs\"  \"D:\\v\\a.mp2\"  "},
        // The second output placeholder edits the name the first one made.
        {"%ofilename %ofile.ac3", output, "\"D:\\enc\\aud.exe\" \"D:\\v\\a_Audio.mpa\"  \"D:\\v\\a_Audio.ac3\"  "},
        {"-b 192 %unknown -x", output, "\"D:\\enc\\aud.exe\" -b 192 -x  "},
        {"plain words", output, "\"D:\\enc\\aud.exe\" plain words  "},
        {"", output, "\"D:\\enc\\aud.exe\"   "},
        {"%ofilename", "ab", "\"D:\\enc\\aud.exe\" \"_Audio.mpa\"   "},
        {"%ofile.wav", "a", "\"D:\\enc\\aud.exe\" \"wav\"   "},
        {"a %filename b c %ofile.mp2 d e", output,
         "\"D:\\enc\\aud.exe\" a \"D:\\v\\a.avs\" b c  \"D:\\v\\a.mp2\" d e "},
    };
    for (const auto& c : cases) EXPECT_EQ(pairedLine(c.in, c.out), c.expected) << c.in;
}

TEST(CommandTemplate, ToolButtonFormats) {
    struct Case {
        const char* in;
        const char* out;
        bool built;
        std::string expected;
    } cases[] = {
        {"-i %filename -x", "", true, "\"C:\\t.exe\" -i  \"D:\\p.avs\"  -x"},
        {"-i %filename -o %ofilename -x", "D:\\o.mpg", true,
         "\"C:\\t.exe\" -i  \"D:\\s.avs\"  -o  \"D:\\o.mpg\"  -x"},
        {"%filename -o %ofilename", "", false, ""},
        {"%filename -o %ofilename", "No Outfile", false, ""},
        // Only a "%" after the first placeholder can name the output.
        {"-o %ofilename", "", true, "\"C:\\t.exe\" -o  \"D:\\p.avs\" ofilename"},
        {"--play", "", true, "\"C:\\t.exe\" --play \"D:\\p.avs\" "},
        {"", "D:\\o.mpg", true, "\"C:\\t.exe\""},
    };
    for (const auto& c : cases) {
        char line[toolCommandCap] = "junk";
        EXPECT_EQ(buildToolCommandLine(line, sizeof line, "C:\\t.exe", c.in, "D:\\p.avs", "D:\\s.avs", c.out),
                  c.built)
            << c.in;
        EXPECT_EQ(std::string(line), c.expected) << c.in;
    }
}

TEST(CommandTemplate, LongInputsAreCutAtTheBounds) {
    std::string longPath(3000, 'p');
    std::string longTemplate = std::string(900, 'h') + " %filename " + std::string(900, 'm') +
                               " %ofilename " + std::string(900, 't');
    // Guard bytes after each buffer: nothing may be written past its capacity.
    std::vector<char> buffer(encoderCommandCap + 64, '#');
    size_t n = buildEncoderCommandLine(buffer.data(), encoderCommandCap, longPath.c_str(),
                                       longTemplate.c_str(), longPath.c_str(), longPath.c_str());
    EXPECT_EQ(n, encoderCommandCap - 1);
    EXPECT_EQ(strlen(buffer.data()), encoderCommandCap - 1);
    EXPECT_EQ(std::string(buffer.data() + encoderCommandCap, 64), std::string(64, '#'));

    std::fill(buffer.begin(), buffer.end(), '#');
    EXPECT_TRUE(buildToolCommandLine(buffer.data(), toolCommandCap, longPath.c_str(), longTemplate.c_str(),
                                     "in", "in", "out"));
    EXPECT_EQ(strlen(buffer.data()), toolCommandCap - 1);
    EXPECT_EQ(buffer[toolCommandCap], '#');

    // The paired encoder keeps each piece to 127 characters and a placeholder to 15.
    std::string words = std::string(300, 'h') + " %filename " + std::string(300, 'm') + " %ofile.mp2 x";
    std::string line = pairedLine(words.c_str(), longPath.c_str());
    EXPECT_EQ(line, "\"D:\\enc\\aud.exe\" " + std::string(127, 'h') + "\"D:\\v\\a.avs\" " +
                        std::string(127, 'm') + " \"" + std::string(252, 'p') + "mp2\" x ");
    std::fill(buffer.begin(), buffer.end(), '#');
    n = buildPairedAudioCommandLine(buffer.data(), 100, longPath.c_str(), words.c_str(), longPath.c_str(),
                                    longPath.c_str());
    EXPECT_EQ(n, 99u);
    EXPECT_EQ(buffer[100], '#');
}

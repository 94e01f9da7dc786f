#include <gtest/gtest.h>

#include <string>

#include "encoding/encode_plan.h"
#include "encoding/tool_launch.h"
#include "support/encoder_file_text.h"
#include "support/message_box_recorder.h"
#include "support/temp_folder.h"

namespace {
EncodeRequest requestFor(const TempFolder& dir) {
    EncodeRequest request;
    request.programFolder = dir.path().c_str();
    request.sourceScriptPath = "D:\\v\\src.avs";
    request.projectScriptPath = "D:\\v\\prj.avs";
    request.encoderOutputFile = "D:\\v\\a.mpg";
    return request;
}

std::vector<EncoderFileLinesForTest> mpegWithAudio(const char* mpegFileLine) {
    return {{"01", "C:\\enc\\ac3.exe", "audio_ac3 0 N ", "-i %filename -o %ofile.ac3"},
            {"02", "C:\\enc\\m2.exe", mpegFileLine, "-i %filename -o %ofilename -q 5"}};
}
}  // namespace

// The paired and the encoder command lines of a project encode: child_process_test.
TEST(EncodePlan, SaveWaveFirstUnlessJustSaved) {
    TempFolder dir;
    dir.write("encoder.ini", encoderFileText("02", mpegWithAudio("mpeg2 1 Wave Audio audio_ac3")));
    EncodeRequest request = requestFor(dir);
    EncodePlan plan;
    planEncode(request, &plan);
    EXPECT_EQ(plan.result, encodeSaveWaveFirst);
    EXPECT_FALSE(plan.runPaired);
    EXPECT_FALSE(plan.runEncoder);
    request.saveWaveThenEncode = true;
    planEncode(request, &plan);
    EXPECT_EQ(plan.result, encodeDone);
    EXPECT_TRUE(plan.runPaired);
    EXPECT_STREQ(plan.encoderCommand,
                 "\"C:\\enc\\m2.exe\" -i  \"D:\\v\\src.avs\"  -o  \"D:\\v\\a.mpg\"  -q 5");
}

TEST(EncodePlan, NoDefaultEncoderRunsNothing) {
    struct Case {
        const char* defaultNumber;
    } cases[] = {{"00"}, {"07"}};  // none chosen, or a number no entry has
    for (const auto& c : cases) {
        TempFolder dir;
        dir.write("encoder.ini", encoderFileText(c.defaultNumber, mpegWithAudio("mpeg2 1 N ")));
        EncodePlan plan;
        planEncode(requestFor(dir), &plan);
        EXPECT_EQ(plan.result, encodeNoEncoder) << c.defaultNumber;
        EXPECT_FALSE(plan.runEncoder) << c.defaultNumber;
        EXPECT_FALSE(plan.runPaired) << c.defaultNumber;
    }
}

TEST(EncodePlan, MissingPairedEncoderLeavesItsFieldsEmpty) {
    TempFolder dir;
    dir.write("encoder.ini", encoderFileText("02", mpegWithAudio("mpeg2 1 N Audio gone")));
    EncodePlan plan;
    planEncode(requestFor(dir), &plan);
    EXPECT_TRUE(plan.runPaired);
    EXPECT_STREQ(plan.pairedCommand, "\"\"   ");
    EXPECT_TRUE(plan.runEncoder);
}

TEST(EncodePlan, ProbeReadsTheDefaultEncoder) {
    TempFolder dir;
    auto entries = mpegWithAudio("mpeg2 1 N ");
    dir.write("encoder.ini", encoderFileText("01", entries));
    char extension[4] = "mpg";
    char filter[32] = "";
    EXPECT_TRUE(probeOutputExtension(dir.path().c_str(), nullptr, extension, filter));
    EXPECT_STREQ(extension, "ac3");
    EXPECT_STREQ(filter, "*.ac3");
    entries[0].command = "%filename";
    dir.write("encoder.ini", encoderFileText("01", entries));
    EXPECT_FALSE(probeOutputExtension(dir.path().c_str(), nullptr, extension, filter));
    EXPECT_STREQ(extension, "ac3");
}

TEST(ToolLaunch, ChecksAndInputChoice) {
    TempFolder dir;
    dir.write("tool.exe", "MZ");
    std::string program = dir.file("tool.exe");
    std::string missing = dir.file("gone.exe");
    struct Case {
        int button;
        const char* path;
        bool modified;
        int view;
        bool encodeProject;
        int code;
        const char* command;
    } cases[] = {
        {0, program.c_str(), false, 1, false, toolNotATool, nullptr},
        {7, program.c_str(), false, 1, false, toolNotATool, nullptr},
        {1, "", false, 1, false, toolNoProgram, nullptr},
        {2, missing.c_str(), false, 1, false, toolFileInvalid, nullptr},
        {1, program.c_str(), true, 1, false, toolLaunched, "src.avs"},
        {6, program.c_str(), true, 1, false, toolLaunched, "windat.avs"},
        {6, program.c_str(), true, 3, true, toolLaunched, "prj.avs"},
        {6, program.c_str(), false, 1, false, toolLaunched, "src.avs"},
    };
    for (const auto& c : cases) {
        ToolLaunchRequest request;
        request.buttonNumber = c.button;
        request.programPath = c.path;
        request.commandTemplate = "%filename";
        request.sourceScriptPath = "src.avs";
        request.projectScriptPath = "prj.avs";
        request.previewScriptPath = "windat.avs";
        request.scriptModified = c.modified;
        request.currentView = c.view;
        request.encodeProject = c.encodeProject;
        bool marker = false;
        EXPECT_EQ(checkToolLaunch(request, &marker), c.code) << c.button;
        if (!c.command) continue;
        char line[toolCommandCap];
        ASSERT_TRUE(toolCommandLine(request, marker, line, sizeof line));
        EXPECT_EQ(std::string(line), "\"" + program + "\"  \"" + c.command + "\" ") << c.button;
    }
}

TEST(ToolLaunch, OutputPlaceholderNeverTakesThePreviewScript) {
    ToolLaunchRequest request;
    request.buttonNumber = 6;
    request.programPath = "C:\\player.exe";
    request.commandTemplate = "%filename %ofilename";
    request.sourceScriptPath = "src.avs";
    request.previewScriptPath = "windat.avs";
    request.encoderOutputFile = "out.mpg";
    char line[toolCommandCap];
    ASSERT_TRUE(toolCommandLine(request, true, line, sizeof line));
    EXPECT_STREQ(line, "\"C:\\player.exe\"  \"src.avs\"   \"out.mpg\" ");
}

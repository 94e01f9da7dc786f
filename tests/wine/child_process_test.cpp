#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "encoding/child_process.h"
#include "encoding/encode_script.h"
#include "encoding/tool_launch.h"
#include "support/encoder_file_text.h"
#include "support/box_expect.h"
#include "support/message_box_recorder.h"
#include "support/temp_folder.h"
#include "support/test_env.h"

namespace {
std::string recorderPath() { return testBinFolder() + "cmdrecorder.exe"; }

// Points the recorder at a log file of the test's own folder.
std::string useLog(const TempFolder& dir) {
    std::string log = dir.file("recorded.txt");
    SetEnvironmentVariableA("ZANDOLIN_CMDRECORDER_LOG", log.c_str());
    return log;
}

std::string recorded(const TempFolder& dir) { return dir.read("recorded.txt"); }

// The record the recorder writes for a command line without window notes.
std::string recordOf(const std::string& commandLine, const std::vector<std::string>& args) {
    std::string text = "begin\ncommand line: " + commandLine + "\nargc: " + std::to_string(args.size()) + "\n";
    for (size_t i = 0; i < args.size(); ++i) text += "argv[" + std::to_string(i) + "]: " + args[i] + "\n";
    return text;
}

// A top-level window standing for the main window, which the recorder looks at.
struct TestMainWindow {
    HWND hwnd = nullptr;
    TestMainWindow() {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "ZandolinChildTest";
        RegisterClassA(&wc);
        hwnd = CreateWindowA("ZandolinChildTest", "Zandolin", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 300,
                             200, nullptr, nullptr, wc.hInstance, nullptr);
    }
    ~TestMainWindow() { DestroyWindow(hwnd); }
    std::string title() const {
        char text[256] = {};
        GetWindowTextA(hwnd, text, sizeof text);
        return text;
    }
};
}  // namespace

TEST(ChildProcess, RunAndWaitPassesTheExactCommandLine) {
    ASSERT_FALSE(testBinFolder().empty());
    TempFolder dir;
    useLog(dir);
    boxes::reset();
    std::string command = "\"" + recorderPath() + "\"  -a   \"two words\" exit=7 ";
    EXPECT_TRUE(runAndWait(nullptr, command.c_str()));
    EXPECT_EQ(recorded(dir), recordOf(command, {recorderPath(), "-a", "two words", "exit=7"}) + "end\n");
    EXPECT_TRUE(boxes::shown().empty());
}

TEST(ChildProcess, MissingProgramShowsTheFailureOnceAndReturnsAtOnce) {
    boxes::reset();
    TestMainWindow main;
    DWORD start = GetTickCount();
    EXPECT_FALSE(runAndWait(main.hwnd, "\"Z:\\no\\such\\folder\\encoder.exe\" -i \"a.avs\""));
    EXPECT_LT(GetTickCount() - start, 3000u);
    ASSERT_TRUE(onlyBox("Create External Process failed.", "Launch Paired Encoder", mbOk));
    EXPECT_EQ(boxes::shown()[0].owner, main.hwnd);
}

TEST(ChildProcess, EncodeRunsThePairedEncoderToItsEndThenTheEncoder) {
    TempFolder dir;
    useLog(dir);
    boxes::reset();
    std::string recorder = recorderPath();
    dir.write("encoder.ini",
              encoderFileText("02", {{"01", recorder, "audio_ac3 0 N ", "-i %filename -o %ofile.ac3 sleep=400"},
                                     {"02", recorder, "mpeg2 0 N Audio audio_ac3", "-i %filename -o %ofilename -q 5"}}));
    std::string input = dir.file("a b.avs");
    std::string output = dir.file("a b.mpg");
    std::string outputAc3 = dir.file("a b.ac3");
    TestMainWindow main;
    EncodeRequest request;
    request.programFolder = dir.path().c_str();
    request.mainWindow = main.hwnd;
    request.projectScriptPath = input.c_str();
    request.sourceScriptPath = "unused.avs";
    request.encodeProject = true;
    request.encoderOutputFile = output.c_str();
    EXPECT_EQ(encodeScript(request), encodeDone);

    std::string paired = "\"" + recorder + "\" -i \"" + input + "\" -o  \"" + outputAc3 + "\" sleep=400 ";
    std::string encoder = "\"" + recorder + "\" -i  \"" + input + "\"  -o  \"" + output + "\"  -q 5";
    std::string busy = "window: Encoding iconic 1\nend\n";
    EXPECT_EQ(recorded(dir),
              recordOf(paired, {recorder, "-i", input, "-o", outputAc3, "sleep=400"}) + busy +
                  recordOf(encoder, {recorder, "-i", input, "-o", output, "-q", "5"}) + busy);
    EXPECT_EQ(main.title(), "Zandolin");
    EXPECT_FALSE(IsIconic(main.hwnd));
    EXPECT_TRUE(boxes::shown().empty());
}

TEST(ChildProcess, EncodeWithoutDefaultEncoderRunsNothingAndRestores) {
    TempFolder dir;
    useLog(dir);
    std::string recorder = recorderPath();
    dir.write("encoder.ini", encoderFileText("00", {{"01", recorder, "x264 0 N ", "%filename"}}));
    TestMainWindow main;
    EncodeRequest request;
    request.programFolder = dir.path().c_str();
    request.mainWindow = main.hwnd;
    request.sourceScriptPath = "a.avs";
    EXPECT_EQ(encodeScript(request), encodeNoEncoder);
    EXPECT_FALSE(dir.exists("recorded.txt"));
    EXPECT_EQ(main.title(), "Zandolin");
    EXPECT_FALSE(IsIconic(main.hwnd));
}

// Source and preview script choice and a missing program are part of the tool button's
// end-to-end run; here the output name, the exit code, and a template that cannot be built.
TEST(ChildProcess, ToolButtonsStartTheirProgramWithTheBuiltCommandLine) {
    TempFolder dir;
    useLog(dir);
    boxes::reset();
    std::string recorder = recorderPath();
    std::string source = dir.file("source.avs");
    ToolLaunchRequest request;
    request.buttonNumber = 2;
    request.programPath = recorder.c_str();
    request.commandTemplate = "-v %filename -o %ofilename exit=3";
    request.sourceScriptPath = source.c_str();
    request.encoderOutputFile = "No Outfile";
    EXPECT_EQ(launchTool(request, true, nullptr), toolNoProgram);
    EXPECT_FALSE(dir.exists("recorded.txt"));
    request.encoderOutputFile = "C:\\out.mpg";
    EXPECT_EQ(launchTool(request, false, nullptr), toolLaunched);
    EXPECT_FALSE(dir.exists("recorded.txt"));
    EXPECT_EQ(launchTool(request, true, nullptr), toolLaunched);
    std::string command = "\"" + recorder + "\" -v  \"" + source + "\"  -o  \"C:\\out.mpg\"  exit=3";
    EXPECT_EQ(recorded(dir), recordOf(command, {recorder, "-v", source, "-o", "C:\\out.mpg", "exit=3"}) + "end\n");
    EXPECT_TRUE(boxes::shown().empty());
}

// The encode button, the encoder setup panel and the tool buttons, driven with the mouse and
// the keyboard; our command-line recorder stands in for the encoders and tools.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "e2e/driver/driver.h"
#include "e2e/driver/input.h"
#include "support/encoder_file_text.h"
#include "support/test_env.h"

using namespace driver;

namespace {

const std::string clipScript = "BlankClip(length=10, pixel_type=\"YUY2\")\r\n";

bool pollFor(DWORD timeout, const std::function<bool()>& done) {
    const ULONGLONG end = GetTickCount64() + timeout;
    while (!done()) {
        if (GetTickCount64() > end) return false;
        Sleep(20);
    }
    return true;
}

// Main-window children 1 to 22 by their position in creation order (18 lives in 14).
HWND mainChild(HWND main, int index) {
    const std::vector<HWND> children = childrenInCreationOrder(main);
    const size_t at = index <= 17 ? index - 1 : index - 2;
    return at < children.size() ? children[at] : nullptr;
}
constexpr int encodeButton = 19, toolButton1 = 3, toolButton6 = 22;

struct Session {
    ProgramFolder folder;
    Program program;
    HWND main = nullptr;
    std::string recorder, log, hold;

    // The recorder is copied in as the program folder's "cmdrecorder.exe".
    void start(const std::string& encoderList, const std::string& settings) {
        recorder = folder.file("cmdrecorder.exe");
        folder.copyIn(testBinFolder() + "cmdrecorder.exe", "cmdrecorder.exe");
        log = folder.file("recorded.txt");
        hold = folder.file("release");
        SetEnvironmentVariableA("ZANDOLIN_CMDRECORDER_LOG", log.c_str());
        SetEnvironmentVariableA("ZANDOLIN_CMDRECORDER_HOLD", hold.c_str());
        folder.write("encoder.ini", encoderList);
        folder.write("zandolin.ini", settings);
        folder.write("clip.avs", clipScript);
        folder.write("release", "");
        ASSERT_TRUE(program.start(folder, "\"" + folder.file("clip.avs") + "\""));
        main = program.waitForMainWindow();
        ASSERT_NE(main, nullptr);
        // Start-up ends with the script in the editor.
        HWND editor = FindWindowExA(main, nullptr, "Scintilla", nullptr);
        ASSERT_TRUE(pollFor(30000, [&] { return editorText(editor) == clipScript && IsWindowVisible(editor); }));
    }
    // The command lines recorded so far, in order.
    std::vector<std::string> commandLines() const {
        std::vector<std::string> lines;
        const std::string text = readFile(log);
        const std::string key = "command line: ";
        for (size_t at = text.find(key); at != std::string::npos; at = text.find(key, at + 1))
            lines.push_back(text.substr(at + key.size(), text.find('\n', at) - at - key.size()));
        return lines;
    }
    std::string quoted(const std::string& name) const { return "\"" + folder.file(name) + "\""; }
};

std::string settingsWithButtons(const std::string& path6, const std::string& command6) {
    std::string text = "#### zandolin.ini ####\r\n########################\r\n\r\n\r\nlast view\r\n1 0 0 1 9 1\r\n\r\n\r\n";
    for (int n = 1; n <= 6; ++n)
        text += "button " + std::to_string(n) + "\r\n" + (n == 6 ? path6 : "") + "\r\n" + (n == 6 ? command6 : "") +
                "\r\n\r\n\r\n";
    return text + "end zandolin.ini\r\n";
}

// A message box of the program with this title; its text is returned.
std::string expectBox(const Program& program, const std::string& title, int press) {
    MessageBoxSeen box;
    if (!waitForMessageBox(program, box)) return "(no box)";
    EXPECT_EQ(box.title, title);
    click(GetDlgItem(box.window, press));
    EXPECT_TRUE(waitUntilGone(box.window));
    return box.text;
}

// A common file dialog: checks its title, types a name (or keeps the proposed one) and presses Enter.
void answerFileDialog(const Program& program, const std::string& title, const std::string& name) {
    MessageBoxSeen dialog;
    ASSERT_TRUE(waitForMessageBox(program, dialog));
    EXPECT_EQ(dialog.title, title);
    ASSERT_TRUE(waitForFocusIn(dialog.window));
    if (!name.empty()) typeText(name);
    pressKey(VK_RETURN);
    ASSERT_TRUE(waitUntilGone(dialog.window));
}

void shoot(const char* name) {
    const std::string folder = testFolderFromEnv("ZANDOLIN_E2E_SHOTS");
    if (!folder.empty()) saveScreen(folder + name);
}


}  // namespace

TEST(Encoding, EncodeClickRunsThePairedAudioEncoderFirstThenTheEncoderAndReportsEveryRefusal) {
    Session s;
    const auto list = [&](const std::string& videoLine, const std::string& defaultNumber) {
        return encoderFileText(defaultNumber, {{"01", s.folder.file("cmdrecorder.exe"), videoLine, "-i %filename -o %ofile.avi -q 5"},
                                               {"02", s.folder.file("cmdrecorder.exe"), "audio 0 N ", "-a %filename %ofilename"}});
    };
    ASSERT_NO_FATAL_FAILURE(s.start(list("video 2 N Audio audio", "01"), settingsWithButtons("", "")));
    HWND encode = mainChild(s.main, encodeButton);
    ASSERT_EQ(windowText(encode), "Encode Source");
    // The encode button belongs to the Video Editor.
    pressKey(VK_F11);
    ASSERT_TRUE(pollFor(30000, [&] { return IsWindowVisible(encode) != 0; }));

    // A cancelled output dialog ends the click without a word.
    click(encode);
    MessageBoxSeen dialog;
    ASSERT_TRUE(waitForMessageBox(s.program, dialog));
    pressKey(VK_ESCAPE);
    ASSERT_TRUE(waitUntilGone(dialog.window));
    EXPECT_TRUE(noMessageBoxFor(s.program, 1000));

    // The proposed name is the script's without ".avs", with the template's extension; the
    // window is minimized and titled "Encoding" while each encoder runs.
    DeleteFileA(s.hold.c_str());
    click(encode);
    answerFileDialog(s.program, "Encoder output file", "");
    ASSERT_TRUE(pollFor(30000, [&] { return readFile(s.log).find("begin") != std::string::npos; }));
    EXPECT_EQ(windowText(s.main), "Encoding");
    EXPECT_TRUE(IsIconic(s.main));
    s.folder.write("release", "");
    ASSERT_TRUE(pollFor(30000, [&] { return !IsIconic(s.main) && s.commandLines().size() == 2; }));
    ASSERT_TRUE(waitForFocusIn(s.main));
    EXPECT_NE(windowText(s.main), "Encoding");
    const std::vector<std::string> lines = s.commandLines();
    EXPECT_EQ(lines[0], "\"" + s.recorder + "\" -a " + s.quoted("clip.avs") + "  " + s.quoted("clip_Audio.mpa") + "  ");
    EXPECT_EQ(lines[1], "\"" + s.recorder + "\" -i  " + s.quoted("clip.avs") + "  -o  " + s.quoted("clip.avi") + "  -q 5");

    // The encoder wants YV12, the script gives YUY2: nothing runs.
    s.folder.write("encoder.ini", list("video 1 N Audio audio", "01"));
    click(encode);
    answerFileDialog(s.program, "Encoder output file", "");
    EXPECT_EQ(expectBox(s.program, "Error! Color-Space Mismatch, Encode", IDOK),
              "The script you wish to encode is reporting a different color-space than that which the encoder "
              "requires.\n\nPlease correct and try again.");

    // No default encoder: OK opens the encoder setup panel as a right-click does.
    s.folder.write("encoder.ini", list("video 2 N ", "00"));
    click(encode);
    EXPECT_EQ(expectBox(s.program, "Encode File", IDOK),
              "You need to add an encoder for Zandolin to use.\nIf you wish to add an encoder to the encoder list "
              "click OK\n\nor Right-click the encode button at anytime to add or modify your ecoder settings.");
    HWND panel = waitForTopLevel(s.program.id(), "TheWinClass", "Encoder Setup");
    ASSERT_NE(panel, nullptr);
    click(waitForChild(panel, "Button", "Cancel"));
    ASSERT_TRUE(waitUntilGone(panel));

    // A modified script is offered for saving first and nothing is encoded on that click
    // (F7 in the Script Editor encodes too).
    s.folder.write("encoder.ini", list("video 2 N ", "01"));
    pressKey(VK_F9);
    HWND editor = FindWindowExA(s.main, nullptr, "Scintilla", nullptr);
    ASSERT_TRUE(pollFor(30000, [&] { return IsWindowVisible(editor) != 0; }));
    click(editor);
    ASSERT_TRUE(waitForFocusIn(editor));
    typeText("#");
    pressKey(VK_F7);
    answerFileDialog(s.program, "Encoder output file", "");
    EXPECT_EQ(expectBox(s.program, "Encode File", IDNO),
              "Do you wish to save your work before encoding ?\nYou really should.");
    EXPECT_TRUE(noMessageBoxFor(s.program, 1000));
    EXPECT_EQ(s.commandLines().size(), 2u);
}

namespace {
// Replaces the text of a one-line edit (or a combo box's edit) by clicking into it.
void retype(HWND field, const std::string& text, bool multiLine = false) {
    click(field);
    waitForFocusIn(field);
    pressKey(VK_HOME, multiLine);
    pressKey(VK_END, multiLine, true);
    typeText(text);
}
// Moves a combo box's selection with the arrow keys to its first or last item.
void pickFromList(HWND combo, bool last) {
    click(combo);
    waitForFocusIn(combo);
    for (int i = 0; i < 3; ++i) pressKey(VK_DOWN);
    if (!last)
        for (int i = 0; i < 3; ++i) pressKey(VK_UP);
}
}  // namespace

TEST(Encoding, EncoderSetupAddsEditsPairsAndDeletesEncoders) {
    Session s;
    ASSERT_NO_FATAL_FAILURE(s.start(encoderFileText("00", {}), settingsWithButtons("", "")));
    HWND encode = mainChild(s.main, encodeButton);
    pressKey(VK_F11);
    ASSERT_TRUE(pollFor(30000, [&] { return IsWindowVisible(encode) != 0; }));
    click(encode, true);
    HWND panel = waitForTopLevel(s.program.id(), "TheWinClass", "Encoder Setup  -  ");
    ASSERT_NE(panel, nullptr);
    ASSERT_NE(waitForChild(panel, "Button", "DIB (RGB)"), nullptr);
    const std::vector<HWND> combos = childrenOf(panel, "ComboBox");
    ASSERT_EQ(combos.size(), 2u);
    HWND commandLine = childrenOf(panel, "Edit").at(0);
    HWND icon = childrenOf(panel, "Button", "").at(0);
    HWND testBox = childrenOf(panel, "Button", "Test Output colorspace before encoding").at(0);
    const std::string prompt = "Please provide a unique description of this encoder.  Example \"audio_ac3\".";

    const auto addEncoder = [&](const std::string& description, const std::string& command) {
        click(icon);
        answerFileDialog(s.program, "Add Encoder", s.recorder);
        // The file title is proposed as description, "%filename" as command line.
        EXPECT_TRUE(pollFor(10000, [&] { return controlText(combos[0]) == "cmdrecorder.exe"; }));
        EXPECT_EQ(controlText(commandLine), "%filename");
        EXPECT_NE(waitForChild(panel, "Static", prompt.c_str(), 10000), nullptr);
        retype(combos[0], description);
        retype(commandLine, command, true);
    };
    const auto entry = [&](const char* number, const char* fileLine, const char* command) {
        return EncoderFileLinesForTest{number, s.recorder, fileLine, command};
    };
    const auto expectList = [&](const std::string& expected) {
        pollFor(10000, [&] { return readFile(s.folder.file("encoder.ini")) == expected; });
        EXPECT_EQ(readFile(s.folder.file("encoder.ini")), expected);
    };

    addEncoder("video", "-i %filename -o %ofile.avi -q 5");
    click(testBox);
    click(childrenOf(panel, "Button", "YUY2").at(0));
    click(childrenOf(panel, "Button", "Save").at(0));
    expectList(encoderFileText("01", {entry("01", "video 2 N ", "-i %filename -o %ofile.avi -q 5")}));

    // Unchecking the test stores no test although a radio stays checked.
    addEncoder("audio", "-a %filename %ofilename");
    click(testBox);
    click(childrenOf(panel, "Button", "Save").at(0));
    expectList(encoderFileText("02", {entry("01", "video 2 N ", "-i %filename -o %ofile.avi -q 5"),
                                              entry("02", "audio 0 N ", "-a %filename %ofilename")}));
    EXPECT_EQ(controlText(combos[0]), "audio");

    // Choosing "video" shows it; pairing it with "audio" and OK store both and make it the default.
    pickFromList(combos[0], false);
    EXPECT_TRUE(pollFor(10000, [&] { return controlText(commandLine) == "-i %filename -o %ofile.avi -q 5"; }));
    EXPECT_EQ(windowText(panel), "Encoder Setup - " + s.recorder);
    pickFromList(combos[1], true);
    EXPECT_TRUE(pollFor(10000, [&] { return controlText(combos[1]) == "audio"; }));
    shoot("encoder_setup.bmp");
    click(childrenOf(panel, "Button", "OK").at(0));
    ASSERT_TRUE(waitUntilGone(panel));
    expectList(encoderFileText("01", {entry("01", "video 2 N Audio audio", "-i %filename -o %ofile.avi -q 5"),
                                              entry("02", "audio 0 N ", "-a %filename %ofilename")}));

    // Deleting the shown encoder and OK leave no default encoder.
    click(encode, true);
    panel = waitForTopLevel(s.program.id(), "TheWinClass", "Encoder Setup  -  " + s.recorder);
    ASSERT_NE(panel, nullptr);
    HWND deleteButton = waitForChild(panel, "Button", "Delete");
    ASSERT_NE(waitForChild(panel, "Button", "DIB (RGB)"), nullptr);
    EXPECT_EQ(controlText(childrenOf(panel, "ComboBox").at(0)), "video");
    click(deleteButton);
    HWND edit = childrenOf(panel, "Edit").at(0);
    EXPECT_TRUE(pollFor(10000, [&] {
        return controlText(edit) == "You have removed an encoder from the list.  You may delete another or select "
                                    "an encoder.  Click OK to select no encoder.";
    }));
    EXPECT_FALSE(IsWindowEnabled(childrenOf(panel, "Button", "Cancel").at(0)));
    click(childrenOf(panel, "Button", "OK").at(0));
    ASSERT_TRUE(waitUntilGone(panel));
    // The blank lines that followed the deleted entry stay, as the list file has always kept them.
    std::string rest = encoderFileText("00", {entry("01", "audio 0 N ", "-a %filename %ofilename")});
    expectList(rest.insert(rest.find("encoder\r\n01"), "\r\n\r\n"));
}

TEST(Encoding, ToolButtonIsSetUpInItsPanelAndLaunchesItsProgram) {
    Session s;
    ASSERT_NO_FATAL_FAILURE(s.start(encoderFileText("00", {}), settingsWithButtons(s.folder.file("cmdrecorder.exe"), "%filename")));
    HWND button1 = mainChild(s.main, toolButton1);
    const auto openPanel = [&] {
        HWND panel = waitForTopLevel(s.program.id(), "TheWinClass", "Button Setup Dialog");
        return panel && waitForChild(panel, "Edit", nullptr) ? panel : nullptr;
    };
    click(button1, true);
    HWND panel = openPanel();
    ASSERT_NE(panel, nullptr);
    EXPECT_NE(waitForChild(panel, "Static", "Please chose a tool to launch for button number 1."), nullptr);
    click(childrenOf(panel, "Button", "").at(0));
    answerFileDialog(s.program, "Add Tool", s.recorder);
    HWND edit = childrenOf(panel, "Edit").at(0);
    EXPECT_TRUE(pollFor(10000, [&] { return controlText(edit) == "%filename"; }));
    EXPECT_NE(waitForChild(panel, "Static", "cmdrecorder.exe"), nullptr);
    shoot("tool_button.bmp");
    click(childrenOf(panel, "Button", "OK").at(0));
    ASSERT_TRUE(waitUntilGone(panel));
    EXPECT_NE(s.folder.read("zandolin.ini").find("button 1\r\n" + s.recorder + "\r\n%filename\r\n"), std::string::npos);

    click(button1);
    ASSERT_TRUE(pollFor(30000, [&] { return s.commandLines().size() == 1; }));
    EXPECT_EQ(s.commandLines()[0], "\"" + s.recorder + "\"  " + s.quoted("clip.avs") + " ");

    // Button six with unsaved text gets the preview script.
    HWND editor = FindWindowExA(s.main, nullptr, "Scintilla", nullptr);
    click(editor);
    ASSERT_TRUE(waitForFocusIn(editor));
    typeText("#");
    click(mainChild(s.main, toolButton6));
    ASSERT_TRUE(pollFor(30000, [&] { return s.commandLines().size() == 2; }));
    EXPECT_EQ(s.commandLines()[1], "\"" + s.recorder + "\"  " + s.quoted("windat.avs") + " ");

    // A program deleted from disk: "File Invalid", whose OK opens the setup panel.
    ASSERT_TRUE(DeleteFileA(s.recorder.c_str()));
    click(button1);
    EXPECT_EQ(expectBox(s.program, "Launch Tool #01a", IDNO), "Do you wish to save your work before launching this tool ?");
    EXPECT_EQ(expectBox(s.program, "File Invalid", IDOK), "The file name or path is invalid, Please reset the tool button");
    panel = openPanel();
    ASSERT_NE(panel, nullptr);
    click(childrenOf(panel, "Button", "Cancel").at(0));
    EXPECT_TRUE(waitUntilGone(panel));
    EXPECT_EQ(s.commandLines().size(), 2u);
}

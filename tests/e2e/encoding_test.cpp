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
    while (!done() && GetTickCount64() < end) Sleep(20);
    return done();
}

// Main-window children 1 to 22 by their position in creation order (18 lives in 14).
HWND mainChild(HWND main, int index) { return childrenInCreationOrder(main).at(index <= 17 ? index - 1 : index - 2); }

struct Session {
    ProgramFolder folder;
    Program program;
    HWND main = nullptr, editor = nullptr;
    const std::string recorder = folder.file("cmdrecorder.exe"), log = folder.file("recorded.txt");
    const std::string hold = folder.file("release");  // the recorder waits while this is missing

    void start(const std::string& settings) {
        folder.copyIn(testBinFolder() + "cmdrecorder.exe", "cmdrecorder.exe");
        SetEnvironmentVariableA("ZANDOLIN_CMDRECORDER_LOG", log.c_str());
        SetEnvironmentVariableA("ZANDOLIN_CMDRECORDER_HOLD", hold.c_str());
        folder.write("encoder.ini", encoderFileText("00", {}));
        folder.write("zandolin.ini", "#### zandolin.ini ####\r\n########################\r\n\r\n\r\n" + settings +
                                         "end zandolin.ini\r\n");
        folder.write("clip.avs", clipScript);
        folder.write("release", "");
        ASSERT_TRUE(program.start(folder, quoted("clip.avs")));
        ASSERT_NE(main = program.waitForMainWindow(), nullptr);
        editor = FindWindowExA(main, nullptr, "Scintilla", nullptr);
        ASSERT_TRUE(pollFor(30000, [&] { return editorText(editor) == clipScript && IsWindowVisible(editor); }));
    }
    std::vector<std::string> commandLines() const {
        std::vector<std::string> lines;
        const std::string text = readFile(log), key = "command line: ";
        for (size_t at = text.find(key); at != std::string::npos; at = text.find(key, at + 1))
            lines.push_back(text.substr(at + key.size(), text.find('\n', at) - at - key.size()));
        return lines;
    }
    // True once count command lines are recorded and the main window is back in use.
    bool ranAndBack(size_t count) const {
        return pollFor(30000, [&] { return commandLines().size() == count && !IsIconic(main); }) && waitForFocusIn(main);
    }
    std::string quoted(const std::string& name) const { return "\"" + folder.file(name) + "\""; }
};

// Presses a button of the next message box, checking its title; returns its text.
std::string expectBox(const Program& program, const std::string& title, int press) {
    MessageBoxSeen box;
    if (!waitForMessageBox(program, box)) return "(no box)";
    EXPECT_EQ(box.title, title);
    click(GetDlgItem(box.window, press));
    EXPECT_TRUE(waitUntilGone(box.window));
    return box.text;
}

// A common file dialog: checks its title, types a name (or keeps the proposed one), Enter.
void answerFileDialog(const Program& program, const std::string& title, const std::string& name = "") {
    MessageBoxSeen dialog;
    ASSERT_TRUE(waitForMessageBox(program, dialog));
    EXPECT_EQ(dialog.title, title);
    ASSERT_TRUE(waitForFocusIn(dialog.window));
    typeText(name);
    pressKey(VK_RETURN);
    ASSERT_TRUE(waitUntilGone(dialog.window));
}

// Clicks into a field and presses keys there once it has the focus. The program looks at a
// key's effect when its next message comes, so a lone Shift follows, as a hand would.
void pressIn(HWND field, std::initializer_list<WORD> keys) {
    // Without a window manager a click right after the window comes back can be dropped:
    // click again until the field has the keys.
    ASSERT_TRUE(waitFor(30000, [&] {
        click(field);
        return waitForFocusIn(field, 2000);
    }));
    for (WORD key : keys) pressKey(key);
    pressKey(VK_SHIFT);
}

// Replaces the one line of an edit or a combo box's edit.
void retype(HWND field, const std::string& text) {
    pressIn(field, {VK_HOME});
    pressKey(VK_END, false, true);
    typeText(text);
}

// Clicks a control of the main window once it is the window under its middle: after a
// launch the window is restored and laid out again, and meanwhile the click would land on
// the background.
void clickShown(HWND control, bool right = false) {
    RECT r = {};
    pollFor(30000, [&] {
        GetWindowRect(control, &r);
        return WindowFromPoint({(r.left + r.right) / 2, (r.top + r.bottom) / 2}) == control;
    });
    click(control, right);
}

HWND button(HWND panel, const char* text) { return childrenOf(panel, "Button", text).at(0); }

}  // namespace

TEST(Encoding, EncoderSetupThenTheEncodeClickWithItsRefusals) {
    Session s;
    ASSERT_NO_FATAL_FAILURE(s.start(""));
    HWND encode = mainChild(s.main, 19);
    pressKey(VK_F11);  // the encode button belongs to the Video Editor
    ASSERT_TRUE(pollFor(30000, [&] { return IsWindowVisible(encode) != 0; }));
    const auto openPanel = [&](bool viaRightClick) {
        if (viaRightClick) clickShown(encode, true);
        HWND panel = waitForTopLevel(s.program.id(), "TheWinClass", "Encoder Setup  -  ");
        return panel && waitForChild(panel, "Button", "DIB (RGB)") ? panel : nullptr;
    };
    // Read only once the panel shows it is done: a reader holding the file open while the
    // program replaces it would make the replacement fail.
    const auto expectList = [&](const std::string& defaultNumber, const std::vector<EncoderFileLinesForTest>& entries) {
        EXPECT_EQ(s.folder.read("encoder.ini"), encoderFileText(defaultNumber, entries));
    };
    const std::string videoCommand = "-i %filename -o %ofile.avi -q 5", audioCommand = "-a %filename %ofilename";

    // No default encoder: OK opens the setup panel.
    clickShown(encode);
    EXPECT_EQ(expectBox(s.program, "Encode File", IDOK),
              "You need to add an encoder for Zandolin to use.\nIf you wish to add an encoder to the encoder list "
              "click OK\n\nor Right-click the encode button at anytime to add or modify your ecoder settings.");
    HWND panel = openPanel(false);
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(windowText(panel), "Encoder Setup  -  ");  // no default encoder, no path
    const std::vector<HWND> combos = childrenOf(panel, "ComboBox");
    HWND commandLine = childrenOf(panel, "Edit").at(0);
    const auto addEncoder = [&](const std::string& description, const std::string& command, const char* radio) {
        click(childrenOf(panel, "Button", "").at(0));  // the icon button
        answerFileDialog(s.program, "Add Encoder", s.recorder);
        // The file title is proposed as description, "%filename" as command line.
        EXPECT_TRUE(pollFor(10000, [&] { return controlText(combos[0]) == "cmdrecorder.exe"; }));
        EXPECT_EQ(controlText(commandLine), "%filename");
        retype(combos[0], description);
        retype(commandLine, command);
        click(button(panel, "Test Output colorspace before encoding"));
        if (radio) click(button(panel, radio));
        click(button(panel, "Save"));
        EXPECT_NE(waitForChild(panel, "Static", "Encoder Description", 10000), nullptr);  // saved and shown again
    };
    addEncoder("video", videoCommand, "YV12");
    expectList("01", {{"01", s.recorder, "video 1 N ", videoCommand}});
    addEncoder("audio", audioCommand, nullptr);  // unchecks the test, a radio still checked
    expectList("02", {{"01", s.recorder, "video 1 N ", videoCommand}, {"02", s.recorder, "audio 0 N ", audioCommand}});
    // Choose "video" in the first list, "audio" (the last of "", video, audio) in the second.
    pressIn(combos[0], {VK_DOWN, VK_DOWN, VK_UP, VK_UP});
    EXPECT_TRUE(pollFor(10000, [&] { return controlText(commandLine) == videoCommand; }));
    pressIn(combos[1], {VK_DOWN, VK_DOWN, VK_DOWN});
    EXPECT_TRUE(pollFor(10000, [&] { return controlText(combos[1]) == "audio"; }));
    click(button(panel, "OK"));
    ASSERT_TRUE(waitUntilGone(panel));
    expectList("01", {{"01", s.recorder, "video 1 N Audio audio", videoCommand}, {"02", s.recorder, "audio 0 N ", audioCommand}});

    // The encoder wants YV12, the script gives YUY2: nothing runs.
    clickShown(encode);
    answerFileDialog(s.program, "Encoder output file");
    EXPECT_EQ(expectBox(s.program, "Error! Color-Space Mismatch, Encode", IDOK),
              "The script you wish to encode is reporting a different color-space than that which the encoder "
              "requires.\n\nPlease correct and try again.");
    ASSERT_NE(panel = openPanel(true), nullptr);
    click(button(panel, "YUY2"));
    click(button(panel, "OK"));
    ASSERT_TRUE(waitUntilGone(panel));

    // The proposed name is the script's without ".avs" with the template's extension; the
    // audio encoder runs first; the window is minimized and titled "Encoding" meanwhile.
    DeleteFileA(s.hold.c_str());
    clickShown(encode);
    answerFileDialog(s.program, "Encoder output file");
    ASSERT_TRUE(pollFor(30000, [&] { return readFile(s.log).find("begin") != std::string::npos; }));
    EXPECT_EQ(windowText(s.main), "Encoding");
    EXPECT_TRUE(IsIconic(s.main));
    s.folder.write("release", "");
    ASSERT_TRUE(s.ranAndBack(2));
    EXPECT_EQ(s.commandLines()[0], "\"" + s.recorder + "\" -a " + s.quoted("clip.avs") + "  " + s.quoted("clip_Audio.mpa") + "  ");
    EXPECT_EQ(s.commandLines()[1], "\"" + s.recorder + "\" -i  " + s.quoted("clip.avs") + "  -o  " + s.quoted("clip.avi") + "  -q 5");

    // Audio wanted as WAV first: the click saves it, named after the output, and the replayed
    // click encodes with the name chosen before.
    ASSERT_NE(panel = openPanel(true), nullptr);
    click(button(panel, "Save Audio as Wave before encoding"));
    click(button(panel, "OK"));
    ASSERT_TRUE(waitUntilGone(panel));
    clickShown(encode);
    answerFileDialog(s.program, "Encoder output file");
    ASSERT_TRUE(s.ranAndBack(4));
    EXPECT_TRUE(s.folder.exists("clip.wav"));
    EXPECT_EQ(s.commandLines()[3], s.commandLines()[1]);

    // Deleting the shown encoder and OK leave no default; the deleted entry's blank lines stay.
    ASSERT_NE(panel = openPanel(true), nullptr);
    click(button(panel, "Delete"));
    EXPECT_TRUE(pollFor(10000, [&] {
        return controlText(childrenOf(panel, "Edit").at(0)) ==
               "You have removed an encoder from the list.  You may delete another or select an encoder.  Click OK "
               "to select no encoder.";
    }));
    EXPECT_FALSE(IsWindowEnabled(button(panel, "Cancel")));
    click(button(panel, "OK"));
    ASSERT_TRUE(waitUntilGone(panel));
    expectList("00\r\n\r\n", {{"01", s.recorder, "audio 0 N ", audioCommand}});

    // A modified script (F7 encodes from the Script Editor) is offered for saving first.
    pressKey(VK_F9);
    pressIn(s.editor, {});
    typeText("#");
    pressKey(VK_F7);
    EXPECT_EQ(expectBox(s.program, "Encode File", IDNO), "Do you wish to save your work before encoding ?\nYou really should.");
    EXPECT_EQ(s.commandLines().size(), 4u);
}

TEST(Encoding, ToolButtonIsSetUpInItsPanelAndLaunchesItsProgram) {
    Session s;
    ASSERT_NO_FATAL_FAILURE(s.start("button 1\r\n\r\n\r\n\r\n\r\nbutton 6\r\n" + s.recorder + "\r\n%filename\r\n\r\n\r\n"));
    HWND button1 = mainChild(s.main, 3);
    const auto openPanel = [&] {
        HWND panel = waitForTopLevel(s.program.id(), "TheWinClass", "Button Setup Dialog");
        return panel && waitForChild(panel, "Edit", nullptr) ? panel : nullptr;
    };
    click(button1, true);
    HWND panel = openPanel();
    ASSERT_NE(panel, nullptr);
    click(childrenOf(panel, "Button", "").at(0));
    answerFileDialog(s.program, "Add Tool", s.recorder);
    EXPECT_TRUE(pollFor(10000, [&] { return controlText(childrenOf(panel, "Edit").at(0)) == "%filename"; }));
    click(button(panel, "OK"));
    ASSERT_TRUE(waitUntilGone(panel));
    EXPECT_NE(s.folder.read("zandolin.ini").find("button 1\r\n" + s.recorder + "\r\n%filename\r\n"), std::string::npos);

    clickShown(button1);
    ASSERT_TRUE(s.ranAndBack(1));
    EXPECT_EQ(s.commandLines()[0], "\"" + s.recorder + "\"  " + s.quoted("clip.avs") + " ");

    // Button six with unsaved text gets the preview script.
    pressIn(s.editor, {});
    typeText("#");
    clickShown(mainChild(s.main, 22));
    ASSERT_TRUE(s.ranAndBack(2));
    EXPECT_EQ(s.commandLines()[1], "\"" + s.recorder + "\"  " + s.quoted("windat.avs") + " ");

    // A program deleted from disk: "File Invalid", whose OK opens the setup panel.
    ASSERT_TRUE(DeleteFileA(s.recorder.c_str()));
    clickShown(button1);
    EXPECT_EQ(expectBox(s.program, "Launch Tool #01a", IDNO), "Do you wish to save your work before launching this tool ?");
    EXPECT_EQ(expectBox(s.program, "File Invalid", IDOK), "The file name or path is invalid, Please reset the tool button");
    EXPECT_NE(openPanel(), nullptr);
    EXPECT_EQ(s.commandLines().size(), 2u);
}

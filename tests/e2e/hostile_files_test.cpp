// Files no one meant to give the program: binary, empty, one endless line, 100 MB; long paths
// and names with characters above 127; a settings file that cannot be written; a restored
// scene list whose source script is gone. The program may refuse them with a box, never crash
// or lose the files it was given.
#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "e2e/driver/driver.h"
#include "e2e/menu_steps.h"
#include "support/temp_folder.h"

using namespace driver;

namespace {
const std::string encoderFile = crlfLines({"#### encoder.ini ####", "end encoder.ini"});
const std::string settingsFile = crlfLines({"#### zandolin.ini ####", "jump", "250", "end zandolin.ini"});

std::string binary(size_t size) {
    std::string bytes(size, '\0');
    std::mt19937 rng(7);
    for (char& c : bytes) c = static_cast<char>(rng());
    return bytes;
}

// Starts the program, answers every box until the main window shows (each with its first
// button), closes it and returns the titles of the boxes seen, or "crash".
std::vector<std::string> startAndClose(ProgramFolder& folder, const std::string& arguments = "") {
    Program program;
    if (!program.start(folder, arguments)) return {"no start"};
    std::vector<std::string> titles;
    HWND main = nullptr;
    MessageBoxSeen box;
    for (int i = 0; i < 6 && !main; ++i) {
        if (waitForMessageBox(program, box, 4000)) {
            titles.push_back(box.title);
            answer(box, box.buttons.size() > 1 && box.buttons[1] == "&No" ? IDNO : IDOK);
        }
        main = program.waitForMainWindow(1000);
    }
    if (!main) return {"no window"};
    PostMessageA(main, WM_CLOSE, 0, 0);
    for (int i = 0; i < 3 && program.running(); ++i)
        if (waitForMessageBox(program, box, 2000)) {
            titles.push_back(box.title);
            answer(box, IDOK);
        }
    if (program.waitForExit() != 0) titles.push_back("crash");
    std::string seen;
    for (const auto& t : titles) seen += "[" + t + "]";
    printf("boxes: %s\n", seen.c_str());
    return titles;
}

bool endsLikeSettings(const std::string& text) {
    return text.rfind("#### zandolin.ini ####\r\n", 0) == 0 && text.size() > 20 &&
           text.compare(text.size() - 18, 18, "end zandolin.ini\r\n") == 0;
}
}  // namespace

// Each shape as the settings file (replaced by the default one) and as the script named on
// the command line (opened or refused); the other files stay as they were.
TEST(HostileFiles, SettingsAndScriptsOfAnyShapeAreHandledWithoutACrash) {
    struct Case {
        const char* name;
        std::function<std::string()> bytes;
    };
    const Case cases[] = {
        {"binary", [] { return binary(200000); }},
        {"empty", [] { return std::string(); }},
        {"one huge line", [] { return "#### zandolin.ini ####\r\navisynth path\r\n" + std::string(5000000, 'x'); }},
        {"100 MB", [] { return "#### zandolin.ini ####\r\n" + std::string(100u << 20, '\n') + "end zandolin.ini\r\n"; }},
    };
    for (const Case& c : cases)
        for (bool asScript : {false, true}) {
            SCOPED_TRACE(std::string(c.name) + (asScript ? " script" : " settings"));
            ProgramFolder folder;
            folder.write("encoder.ini", encoderFile);
            const std::string bytes = c.bytes();
            folder.write(asScript ? "odd.avs" : "zandolin.ini", bytes);
            if (asScript) folder.write("zandolin.ini", settingsFile);
            std::vector<std::string> titles = startAndClose(folder, asScript ? "\"" + folder.file("odd.avs") + "\"" : "");
            EXPECT_EQ(std::count(titles.begin(), titles.end(), "crash") + std::count(titles.begin(), titles.end(), "no window"), 0);
            EXPECT_TRUE(endsLikeSettings(folder.read("zandolin.ini")));
            EXPECT_EQ(folder.read("encoder.ini"), encoderFile);
            if (asScript) EXPECT_TRUE(folder.read("odd.avs") == bytes);
        }
}

// A script path of 259 characters and one with characters of the code page above 127.
TEST(HostileFiles, LongAndNonAsciiPathsOpenTheScript) {
    ProgramFolder folder;
    folder.write("encoder.ini", encoderFile);
    folder.write("zandolin.ini", settingsFile);
    std::string deep = folder.path;
    while (deep.size() < 259 - 40) {
        deep += "sub_folder\\";
        CreateDirectoryA(deep.c_str(), nullptr);
    }
    const std::string names[] = {deep + std::string(259 - deep.size() - 4, 'n') + ".avs",
                                 folder.path + "Sc\xe8ne \xe9t\xe9 \xe0 Z\xfcrich.avs"};
    for (const std::string& path : names) {
        SCOPED_TRACE(path.size());
        ASSERT_EQ(path.size() <= 259, true);
        HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        ASSERT_NE(h, INVALID_HANDLE_VALUE);
        DWORD written = 0;
        WriteFile(h, "Version()\r\n", 11, &written, nullptr);
        CloseHandle(h);
        Program program;
        ASSERT_TRUE(program.start(folder, "\"" + path + "\""));
        HWND main = program.waitForMainWindow();
        ASSERT_NE(main, nullptr);
        EXPECT_TRUE(noMessageBoxFor(program, 300));
        EXPECT_EQ(editorText(FindWindowExA(main, nullptr, "Scintilla", nullptr)), "Version()\r\n");
        const std::string name = path.substr(path.rfind('\\') + 1);
        EXPECT_EQ(statusText(FindWindowExA(main, nullptr, "msctls_statusbar32", nullptr), 3), " Source:  " + name);
        PostMessageA(main, WM_CLOSE, 0, 0);
        EXPECT_EQ(program.waitForExit(), 0);
    }
}

// The settings cannot be written (the temporary file's name is taken by a folder): the close
// says so and ends; the old file stays as it was.
TEST(HostileFiles, SettingsThatCannotBeWrittenAreReportedAtCloseAndKept) {
    ProgramFolder folder;
    folder.write("encoder.ini", encoderFile);
    folder.write("zandolin.ini", settingsFile);
    ASSERT_TRUE(CreateDirectoryA(folder.file("temp.ini").c_str(), nullptr));
    Program program;
    ASSERT_TRUE(program.start(folder));
    HWND main = program.waitForMainWindow();
    ASSERT_NE(main, nullptr);
    PostMessageA(main, WM_CLOSE, 0, 0);
    MessageBoxSeen box;
    ASSERT_TRUE(waitForMessageBox(program, box));
    EXPECT_EQ(box.title, "writePresets");
    EXPECT_EQ(box.text, "Could not open zandolin.ini");
    ASSERT_TRUE(answer(box, IDOK));
    EXPECT_EQ(program.waitForExit(), 0);
    EXPECT_EQ(folder.read("zandolin.ini"), settingsFile);
}

// Restoring the scenes of a run whose source script was deleted since: the rows are kept and
// the missing script is reported.
TEST(HostileFiles, RestoredScenesWhoseSourceScriptIsGone) {
    ProgramFolder folder;
    folder.write("encoder.ini", encoderFile);
    folder.write("zandolin.ini", settingsFile);
    const std::string rows = crlfLines({"r01 - - 0 99"});
    folder.write("rowdat.vlr", rows);
    folder.write("zandolin.run", crlfLines({"Zandolin session", folder.file("gone.avs").c_str()}));
    Program program;
    ASSERT_TRUE(program.start(folder));
    MessageBoxSeen box;
    ASSERT_TRUE(waitForMessageBox(program, box));
    ASSERT_EQ(box.title, "Restore scenes");
    ASSERT_TRUE(answer(box, IDYES));
    ASSERT_TRUE(waitForMessageBox(program, box));
    EXPECT_EQ(box.title, "Open file");
    EXPECT_EQ(box.text, "Unknow error while opening file");
    ASSERT_TRUE(answer(box, IDOK));
    HWND main = program.waitForMainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(folder.read("rowdat.vlr"), rows);
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.waitForExit(), 0);
}

// Project files of any shape opened with Open Project, and a sound one whose source script was
// deleted: refused or opened with a box, never a crash; the program closes normally.
TEST(HostileFiles, ProjectsOfAnyShapeAndOneWhoseSourceIsGone) {
    const std::string head = "Project File Name\r\nC:\\p.jvl\r\n\r\nScript Source File\r\n";
    struct Case {
        const char* name;
        std::function<std::string(const ProgramFolder&)> bytes;
    };
    const Case cases[] = {
        {"binary", [](const ProgramFolder&) { return binary(100000); }},
        {"empty", [](const ProgramFolder&) { return std::string(); }},
        {"one huge line", [&](const ProgramFolder&) { return head + std::string(5000000, 'x'); }},
        {"100 MB", [&](const ProgramFolder&) { return head + "\r\n\r\nFrame Editor Data\r\n" + std::string(100u << 20, 'r'); }},
        {"source gone", [&](const ProgramFolder& f) {
             return head + f.file("gone.avs") + "\r\n\r\nFrame Editor Data\r\nr01 - - 0 99\r\nEnd Project File\r\n";
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ProgramFolder folder;
        folder.write("encoder.ini", encoderFile);
        folder.write("zandolin.ini", settingsFile);
        const std::string bytes = c.bytes(folder);
        folder.write("odd.jvl", bytes);
        Program program;
        ASSERT_TRUE(program.start(folder));
        HWND main = program.waitForMainWindow();
        ASSERT_NE(main, nullptr);
        ASSERT_TRUE(chooseFromMainMenuByKeys(program, main, openProjectKeys));
        ASSERT_TRUE(nameInFileDialog(program, folder.file("odd.jvl")));
        std::string seen;
        MessageBoxSeen box;
        for (DWORD wait = 8000; waitForMessageBox(program, box, wait); wait = 1500) {
            seen += "[" + box.title + "]";
            answer(box, IDOK);
        }
        printf("%s: boxes %s\n", c.name, seen.c_str());
        EXPECT_TRUE(program.running());
        EXPECT_TRUE(folder.read("odd.jvl") == bytes);
        PostMessageA(main, WM_CLOSE, 0, 0);
        EXPECT_EQ(program.waitForExit(), 0);
    }
}

// The running program killed at random moments of its start (the row file is emptied, the run
// marker written) and of its close (the settings file rewritten): each file is left old or new,
// and the next start runs normally. $ZANDOLIN_FAULT_KILLS sets the kills (default 3 of each).
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

#include "e2e/driver/driver.h"
#include "support/temp_folder.h"

using namespace driver;

namespace {
const std::string oldRows = crlfLines({"r01 - - 0 99", "r02 - - 200 299"});

// Values the program keeps, laid out unlike its own writing, so old and new differ.
std::string oldSettings() {
    std::string tools;
    for (int n = 1; n <= 6; ++n)
        tools += "button " + std::to_string(n) + "\r\nC:\\" + std::string(200, char('a' + n)) + ".exe\r\n" +
                 std::string(100, char('A' + n)) + "\r\n";
    return "#### zandolin.ini ####\r\navisynth path\r\nD:\\" + std::string(240, 'd') +
           "\r\nlast view\r\n1 1 0 1 9 1\r\njump\r\n123\r\nmain window\r\n1 10 20 800 600\r\n" + tools +
           "end zandolin.ini\r\n";
}

void prepare(ProgramFolder& folder) {
    folder.write("encoder.ini", crlfLines({"#### encoder.ini ####", "end encoder.ini"}));
    folder.write("zandolin.ini", oldSettings());
    folder.write("rowdat.vlr", oldRows);
    if (folder.exists("zandolin.run")) DeleteFileA(folder.file("zandolin.run").c_str());
}

int kills() {
    const char* v = getenv("ZANDOLIN_FAULT_KILLS");
    int n = v ? atoi(v) : 0;
    return n > 0 ? n : 3;
}

// A start after a kill: answers a restore question with No, then closes cleanly.
void startsNormally(ProgramFolder& folder) {
    Program program;
    ASSERT_TRUE(program.start(folder));
    MessageBoxSeen box;
    if (waitForMessageBox(program, box, 1500)) {
        EXPECT_EQ(box.title, "Restore scenes");
        ASSERT_TRUE(answer(box, IDNO));
    }
    HWND main = program.waitForMainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(folder.read("rowdat.vlr"), "");
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.waitForExit(), 0);
}
}  // namespace

TEST(KillDuringWrite, StartAndCloseLeaveEachFileOldOrNew) {
    ProgramFolder folder;
    // What a clean start and close write, and how long each takes.
    prepare(folder);
    Program reference;
    DWORD began = GetTickCount();
    ASSERT_TRUE(reference.start(folder));
    HWND main = reference.waitForMainWindow();
    ASSERT_NE(main, nullptr);
    DWORD startSpan = GetTickCount() - began + 1;
    began = GetTickCount();
    PostMessageA(main, WM_CLOSE, 0, 0);
    ASSERT_EQ(reference.waitForExit(), 0);
    DWORD closeSpan = GetTickCount() - began + 1;
    const std::string newSettings = folder.read("zandolin.ini");
    ASSERT_NE(newSettings, oldSettings());

    std::mt19937 rng(GetTickCount());
    int startKills = 0, closeKills = 0, settingsNew = 0, rowsEmptied = 0;
    for (int k = 0; k < kills() * 2; ++k) {
        bool duringClose = k % 2 == 1;
        prepare(folder);
        Program program;
        ASSERT_TRUE(program.start(folder));
        if (duringClose) {
            main = program.waitForMainWindow();
            ASSERT_NE(main, nullptr);
            PostMessageA(main, WM_CLOSE, 0, 0);
            WaitForSingleObject(program.process.hProcess, std::uniform_int_distribution<DWORD>(0, closeSpan)(rng));
        } else {
            WaitForSingleObject(program.process.hProcess, std::uniform_int_distribution<DWORD>(0, startSpan)(rng));
        }
        TerminateProcess(program.process.hProcess, 9);
        program.waitForExit();
        (duringClose ? closeKills : startKills)++;

        std::string settings = folder.read("zandolin.ini");
        EXPECT_TRUE(settings == oldSettings() || settings == newSettings) << "kill " << k << ": " << settings.size();
        settingsNew += settings == newSettings;
        std::string rows = folder.read("rowdat.vlr");
        EXPECT_TRUE(rows == oldRows || rows.empty()) << "kill " << k << ": " << rows;
        rowsEmptied += rows.empty();
        startsNormally(folder);
        EXPECT_EQ(folder.read("zandolin.ini"), newSettings);
    }
    printf("%d kills during start (row file emptied by %d), %d during close (settings rewritten by %d)\n", startKills,
           rowsEmptied, closeKills, settingsNew);
}

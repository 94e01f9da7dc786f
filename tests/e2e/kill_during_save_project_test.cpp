// Save Project As chosen from the main window's popup menu writes the project file, the row
// file read back from it, the project script with its passes and the chapters file. Killed at
// random moments of that save, each of them is left old or new; the next start runs normally.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <random>

#include "e2e/driver/driver.h"
#include "e2e/menu_steps.h"
#include "support/temp_folder.h"

using namespace driver;

namespace {
// A pass file is complete when it holds a line for every row.
bool completePassFile(const std::string& text, int rowCount) {
    return !text.empty() && text.back() == '\n' && std::count(text.begin(), text.end(), '\n') == rowCount;
}

int kills() {
    const char* v = getenv("ZANDOLIN_FAULT_KILLS");
    int n = v ? atoi(v) : 0;
    return n > 0 ? n : 3;
}

// The files the save writes, and what they held before it.
const char* const savedFiles[] = {"cut.jvl", "rowdat.vlr", "cut_vlprj.avs", "cut_vlprj_chapters.txt"};

std::string rows(int count) {
    std::string text;
    char line[80];
    for (int i = 1; i <= count; ++i) {
        if (i % 9 == 4)
            snprintf(line, sizeof line, "r%02i Dissolve 20 - -\r\n", i);
        else
            snprintf(line, sizeof line, "r%02i - - %i %i\r\n", i, i * 1000, i * 1000 + 700);
        text += line;
    }
    return text;
}
}  // namespace

TEST(KillDuringSaveProject, TheSavedFilesAreOldOrNew) {
    ProgramFolder folder;
    folder.write("encoder.ini", crlfLines({"#### encoder.ini ####", "end encoder.ini"}));
    folder.write("zandolin.ini", crlfLines({"#### zandolin.ini ####", "end zandolin.ini"}));
    folder.write("clip.avs", "BlankClip(length=100000)\r\n");
    const int rowCount = 40001;
    const std::string cutRows = rows(rowCount);
    const std::string oldFiles[] = {"Project File Name\r\nold.jvl\r\n\r\nFrame Editor Data\r\nEnd Project File\r\n",
                                    cutRows, "old script", "old chapters"};
    // Starts with clip.avs and the rows in place, and saves the project over the old files.
    const auto save = [&](Program& program) {
        for (int i = 1; i < 4; ++i) folder.write(savedFiles[i], oldFiles[i]);
        folder.write("cut.jvl", oldFiles[0]);
        if (!program.start(folder, "\"" + folder.file("clip.avs") + "\"")) return HWND{};
        HWND main = program.waitForMainWindow();
        if (!main) return main;
        folder.write("rowdat.vlr", cutRows);
        if (!chooseFromMainMenuByKeys(program, main, saveProjectAsKeys) || !nameInFileDialog(program, folder.file("cut.jvl")))
            return HWND{};
        return main;
    };

    Program reference;
    DWORD began = GetTickCount();
    HWND main = save(reference);
    ASSERT_NE(main, nullptr);
    began = GetTickCount();
    ASSERT_TRUE(pollFor(defaultTimeout, [&] { return folder.read("cut_vlprj_chapters.txt") != oldFiles[3]; }));
    DWORD span = GetTickCount() - began + 1;
    EXPECT_TRUE(noMessageBoxFor(reference, 300));
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(reference.waitForExit(), 0);
    std::string newFiles[4];
    for (int i = 0; i < 4; ++i) newFiles[i] = folder.read(savedFiles[i]);
    EXPECT_NE(newFiles[0].find("Frame Editor Data\r\n" + cutRows + "End Project File\r\n"), std::string::npos);
    EXPECT_NE(newFiles[2].find("t40001 = trim("), std::string::npos);
    EXPECT_FALSE(folder.exists("pass1.tdt"));

    std::mt19937 rng(GetTickCount());
    int changed[4] = {}, passesLeft = 0;
    for (int k = 0; k < kills(); ++k) {
        Program program;
        ASSERT_NE(save(program), nullptr);
        WaitForSingleObject(program.process.hProcess, std::uniform_int_distribution<DWORD>(0, span)(rng));
        TerminateProcess(program.process.hProcess, 9);
        program.waitForExit();
        for (int i = 0; i < 4; ++i) {
            std::string now = folder.read(savedFiles[i]);
            EXPECT_TRUE(now == oldFiles[i] || now == newFiles[i]) << savedFiles[i] << " after kill " << k;
            changed[i] += now != oldFiles[i];
        }
        for (const char* pass : {"pass1.tdt", "pass2.tdt"})
            if (folder.exists(pass)) {
                ++passesLeft;
                EXPECT_TRUE(completePassFile(folder.read(pass), rowCount)) << pass << " after kill " << k;
            }
        // The next start offers the rows of the broken-off run; No starts empty.
        Program next;
        ASSERT_TRUE(next.start(folder));
        MessageBoxSeen box;
        ASSERT_TRUE(waitForMessageBox(next, box));
        EXPECT_EQ(box.title, "Restore scenes");
        ASSERT_TRUE(answer(box, IDNO));
        HWND again = next.waitForMainWindow();
        ASSERT_NE(again, nullptr);
        PostMessageA(again, WM_CLOSE, 0, 0);
        EXPECT_EQ(next.waitForExit(), 0);
    }
    printf("%d kills during Save Project As; new project file %d, project script %d, chapters %d; pass files left %d\n",
           kills(), changed[0], changed[2], changed[3], passesLeft);
}

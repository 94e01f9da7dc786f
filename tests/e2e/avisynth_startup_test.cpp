// Start-up with and without AviSynth: the missing-library box, and the filter list that
// AviSynth's function lists fill.
#include <gtest/gtest.h>

#include <algorithm>

#include "e2e/driver/driver.h"
#include "support/temp_folder.h"

using namespace driver;

namespace {

void writeSettings(const ProgramFolder& folder) {
    folder.write("encoder.ini", crlfLines({"#### encoder.ini ####", "end encoder.ini"}));
    folder.write("zandolin.ini", crlfLines({"#### zandolin.ini ####", "end zandolin.ini"}));
}

HWND filterList(HWND main) {
    HWND holder = nullptr;
    for (HWND w : childrenInCreationOrder(main))
        if (windowClass(w) == "TheWinClass" && FindWindowExA(w, nullptr, "ToolbarWindow32", nullptr)) holder = w;
    HWND toolbar = holder ? FindWindowExA(holder, nullptr, "ToolbarWindow32", nullptr) : nullptr;
    return toolbar ? FindWindowExA(toolbar, nullptr, "ComboBox", nullptr) : nullptr;
}

}  // namespace

TEST(AviSynthStartup, WithoutTheLibraryTheProgramSaysSoOnceAndRunsOn) {
    ProgramFolder folder(true, false);
    writeSettings(folder);
    Program program;
    ASSERT_TRUE(program.start(folder));
    MessageBoxSeen box;
    ASSERT_TRUE(waitForMessageBox(program, box));
    EXPECT_EQ(box.title, "No avisynth.dll");
    EXPECT_EQ(box.text,
              "Can not find or can not load \"avisynth.dll\". \nAviSynth must be installed on your computer or most "
              "\nfeatures of Zandolin will not be available.\n \nAVSERR_01 \nConsult the Zandolin documentation "
              "for details.");
    ASSERT_TRUE(answer(box, IDOK));
    HWND main = program.waitForMainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(noMessageBoxFor(program, 500));
    HWND filters = filterList(main);
    ASSERT_NE(filters, nullptr);
    EXPECT_TRUE(comboItems(filters).empty());
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.waitForExit(), 0);
}

TEST(AviSynthStartup, TheStandInFillsTheFilterListWithItsFunctions) {
    ProgramFolder folder;
    writeSettings(folder);
    Program program;
    ASSERT_TRUE(program.start(folder));
    HWND main = program.waitForMainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(noMessageBoxFor(program, 300));
    HWND filters = filterList(main);
    ASSERT_NE(filters, nullptr);
    std::vector<ComboItem> items = comboItems(filters);
    ASSERT_GT(items.size(), 50u);
    const auto find = [&](const std::string& name) {
        return std::find_if(items.begin(), items.end(), [&](const ComboItem& i) { return i.text == name; });
    };
    auto blank = find("BlankClip");
    ASSERT_NE(blank, items.end());
    EXPECT_EQ(blank->data, 0);  // internal
    auto plugin = find("TransAll_TransAccord");
    ASSERT_NE(plugin, items.end());
    EXPECT_EQ(plugin->data, 1);  // plug-in
    EXPECT_TRUE(std::is_sorted(items.begin(), items.end(), [](const ComboItem& a, const ComboItem& b) {
        return lstrcmpiA(a.text.c_str(), b.text.c_str()) < 0;
    }));
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.waitForExit(), 0);
}

// The binding against a real avisynth.dll module under Wine: none at all, and the stand-in
// at the versions that change behaviour. Start-up is driven as the program drives it, with
// a main window and the sorted filter combo box; the report texts come from the program's
// own string table.
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <string>

#include "avisynth/avs_binding.h"
#include "avisynth/avs_strings.h"
#include "support/box_expect.h"
#include "support/message_box_recorder.h"
#include "support/temp_folder.h"
#include "support/test_env.h"

namespace {
std::string standinDll() { return testBinFolder() + "..\\standins\\avisynth.dll"; }

std::string comboText(HWND combo, int i) {
    char text[300] = {};
    SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
    return text;
}

int comboFind(HWND combo, const char* name) {
    return static_cast<int>(SendMessageA(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(name)));
}

struct AvsBindingWine : ::testing::Test {
    TempFolder folder;
    HMODULE program = nullptr;
    HWND main = nullptr;
    HWND combo = nullptr;
    WindowTable windows{};
    AvsBinding binding;

    void SetUp() override {
        // AVIFile users load the stand-in through COM; Wine's AVIFileExit does not unload it.
        CoInitialize(nullptr);
        CoFreeUnusedLibrariesEx(0, 0);
        CoUninitialize();
        ASSERT_EQ(GetModuleHandleA("avisynth.dll"), nullptr) << "an earlier test left avisynth.dll loaded";
        boxes::reset();
        program = LoadLibraryExA((programBuildFolder() + "Zandolin.exe").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(program, nullptr);
        main = CreateWindowA("STATIC", "main", WS_OVERLAPPED, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
        combo = CreateWindowA("COMBOBOX", "", WS_CHILD | CBS_DROPDOWNLIST | CBS_SORT | WS_VSCROLL, 0, 0, 200, 200,
                              main, nullptr, nullptr, nullptr);
        ASSERT_NE(combo, nullptr);
        windows.handle[winMain] = main;
        windows.handle[winFilterList] = combo;
        SetDllDirectoryA(folder.path().c_str());
    }

    void TearDown() override {
        binding.release();
        SetDllDirectoryA(nullptr);
        EXPECT_EQ(GetModuleHandleA("avisynth.dll"), nullptr);
        DestroyWindow(main);
        if (program) FreeLibrary(program);
    }

    void installStandin(const char* version) {
        ASSERT_TRUE(CopyFileA(standinDll().c_str(), folder.file("avisynth.dll").c_str(), FALSE));
        folder.write("avisynth-version.txt", version);
    }

    std::string entry(int id) {
        char text[1024] = {};
        LoadStringA(program, static_cast<UINT>(id), text, sizeof text);
        return text;
    }
};
}  // namespace

TEST_F(AvsBindingWine, StringTableHoldsTheReportTexts) {
    const char* texts[] = {AVS_TEXT_11201, AVS_TEXT_11202, AVS_TEXT_11203, AVS_TEXT_11204,
                           AVS_TEXT_11205, AVS_TEXT_11206, AVS_TEXT_11207, AVS_TEXT_11208,
                           AVS_TEXT_11209, AVS_TEXT_11210, AVS_TEXT_11211, AVS_TEXT_11212};
    for (int i = 0; i < 12; ++i) EXPECT_EQ(entry(11201 + i), texts[i]) << 11201 + i;
    EXPECT_EQ(entry(11201).substr(0, 46), "Can not find or can not load \"avisynth.dll\". \n");
}

TEST_F(AvsBindingWine, WithoutAvisynthDll) {
    binding.start(windows, program);
    ASSERT_TRUE(onlyBox(entry(11201), "No avisynth.dll"));
    EXPECT_EQ(boxes::shown()[0].owner, main);
    EXPECT_EQ(SendMessageA(combo, CB_GETCOUNT, 0, 0), 0);
    EXPECT_EQ(binding.errorLevel, 1);
}

TEST_F(AvsBindingWine, Version254HasNoInternalList) {
    installStandin("2.54");
    binding.start(windows, program);
    EXPECT_EQ(binding.supportLevel, 1);
    int placeholder = comboFind(combo, "a_No_Internal_Lookup");
    ASSERT_GE(placeholder, 0);
    EXPECT_EQ(SendMessageA(combo, CB_GETITEMDATA, static_cast<WPARAM>(placeholder), 0), 0);
    EXPECT_LT(comboFind(combo, "Trim"), 0);
    int plugin = comboFind(combo, "DirectShowSource");
    ASSERT_GE(plugin, 0);
    EXPECT_EQ(SendMessageA(combo, CB_GETITEMDATA, static_cast<WPARAM>(plugin), 0), 1);
    EXPECT_EQ(SendMessageA(combo, CB_GETCOUNT, 0, 0), 5);  // four plug-in names and the placeholder
}

TEST_F(AvsBindingWine, Version251HasOnlyPlaceholders) {
    installStandin("2.51");
    binding.start(windows, program);
    ASSERT_EQ(SendMessageA(combo, CB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(comboText(combo, 0), "a_No_Internal_Lookup");
    EXPECT_EQ(comboText(combo, 1), "a_No_Plug-in_Lookup");
    EXPECT_EQ(SendMessageA(combo, CB_GETITEMDATA, 0, 0), 0);
    EXPECT_EQ(SendMessageA(combo, CB_GETITEMDATA, 1, 0), 1);
    EXPECT_EQ(binding.supportLevel, 0);
}

TEST_F(AvsBindingWine, FilterListingIntoTheEditor) {
    installStandin("2.60");
    binding.start(windows, program);
    HMODULE scintilla = LoadLibraryA((programBuildFolder() + "SciLexer.dll").c_str());
    ASSERT_NE(scintilla, nullptr);
    HWND editor = CreateWindowA("Scintilla", "", WS_CHILD, 0, 0, 400, 300, main, nullptr, nullptr, nullptr);
    ASSERT_NE(editor, nullptr);
    binding.listAll(editor, combo);
    LRESULT length = SendMessageA(editor, 2006, 0, 0);  // SCI_GETLENGTH
    std::string text(static_cast<size_t>(length) + 1, '\0');
    SendMessageA(editor, 2182, static_cast<WPARAM>(length + 1), reinterpret_cast<LPARAM>(text.data()));  // SCI_GETTEXT
    text.resize(static_cast<size_t>(length));
    EXPECT_EQ(text.substr(0, 90),
              "AddBorders In  -{ ciiii[color]i[color_yuv]i[resample]s[param1]f[param2]f[param3]f[r]i }-\r\n");
    EXPECT_NE(text.find("\r\nTransAll_TransAccord Ex  -{ cci[dir]s[twin]b[open]b }-\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nTrim In  -{ ci[end]i[pad]b[cache]b }-\r\n"), std::string::npos);
    size_t lines = 0;
    for (size_t at = text.find("}-\r\n"); at != std::string::npos; at = text.find("}-\r\n", at + 1)) ++lines;
    EXPECT_EQ(lines, static_cast<size_t>(SendMessageA(combo, CB_GETCOUNT, 0, 0)));
    EXPECT_TRUE(boxes::shown().empty());
    DestroyWindow(editor);
}

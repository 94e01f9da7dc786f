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

TEST_F(AvsBindingWine, FilterListFromTheStandin) {
    installStandin("2.60");
    binding.start(windows, program);
    EXPECT_TRUE(boxes::shown().empty()) << boxes::shown()[0].text;
    EXPECT_STREQ(binding.versionString, "AviSynth 2.60, build:Jan  1 2026 [00:00:00]");
    EXPECT_EQ(binding.supportLevel, 2);
    int count = static_cast<int>(SendMessageA(combo, CB_GETCOUNT, 0, 0));
    EXPECT_GT(count, 60);
    struct Item {
        const char* name;
        LRESULT data;
    } items[] = {{"BlankClip", 0}, {"Trim", 0}, {"Dissolve", 0}, {"Import", 0},
                 {"DirectShowSource", 1}, {"TransAll_TransAccord", 1}, {"TransAccord", 1}};
    for (const Item& item : items) {
        int i = comboFind(combo, item.name);
        ASSERT_GE(i, 0) << item.name;
        EXPECT_EQ(SendMessageA(combo, CB_GETITEMDATA, static_cast<WPARAM>(i), 0), item.data) << item.name;
    }
    EXPECT_LT(comboFind(combo, "a_No_Internal_Lookup"), 0);

    binding.lookUpParameters("Trim", false);
    EXPECT_STREQ(binding.parameterText(), "ci[end]i[pad]b[cache]b");
    binding.lookUpParameters("TransAll_TransAccord", true);
    EXPECT_STREQ(binding.parameterText(), "cci[dir]s[twin]b[open]b");
    EXPECT_TRUE(boxes::shown().empty());
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

TEST_F(AvsBindingWine, ScriptErrorNumberAndVersionReport) {
    installStandin("2.57");
    binding.start(windows, program);
    ASSERT_TRUE(boxes::shown().empty());

    binding.showVersionDetails();
    ASSERT_TRUE(onlyBox("AviSynth 2.57, build:Jan  1 2026 [00:00:00]\n\nSupport level = 2\n\nError "
                        "level:  0\n\nLast error reported:\nNone detected",
                        "AviSynth version details"));

    boxes::reset();
    folder.write("number.avs", "BlankClip()\r\n42\r\n");
    EXPECT_TRUE(binding.examineScript(folder.file("number.avs").c_str()));
    ASSERT_TRUE(onlyBox("The script's return value was not an audio, video or av clip",
                        "AviSynth Error \"Is Script a Clip\""));
    EXPECT_STREQ(binding.clipReport, "No Data or Error information to display");

    boxes::reset();
    folder.write("bad.avs", "BlankClip(length=10 width=8)\r\n");
    EXPECT_FALSE(binding.examineScript(folder.file("bad.avs").c_str()));
    ASSERT_TRUE(onlyBox(
            entry(11211) + "Script error: expected a , or )\n(" + folder.file("bad.avs") +
                ", line 1, column 25)\n\nAVSERR_11\nConsult the Zandolin documentation for details.",
            "Error:  AviSynth Reports an Error"));

    boxes::reset();
    binding.showVersionDetails();
    ASSERT_TRUE(onlyBoxSaying("AviSynth 2.57, build:Jan  1 2026 [00:00:00]\n\nSupport level = 2\n\nError "
                              "level:  0\n\nLast error reported:\n" + binding.lastErrorText));
    EXPECT_EQ(binding.lastErrorText.substr(0, 43), "AviSynth reports an error in your script.\n\n");
}

TEST_F(AvsBindingWine, ProjectScriptProperties) {
    installStandin("2.57");
    binding.start(windows, program);
    folder.write("source.avs", "global OPT_AllowFloatAudio = true\r\nBlankClip(length=8000, width=320, height=240, "
                               "fps=25, pixel_type=\"YV12\", audio_rate=48000, channels=2, sample_type=\"float\")\r\n");
    folder.write("p_vlprj.avs", "Import(\"" + folder.file("source.avs") +
                                    "\")\r\n\r\n\r\nt01 = trim(0,1458)\r\nt02 = Dissolve(trim(1459,1499),trim(3000,"
                                    "3040),30)\r\nt03 = FadeOut(trim(3041,4499),45)\r\nt04 = trim(6000,6999)\r\n\r\n"
                                    "t01++t02++t03++t04");
    ASSERT_TRUE(binding.examineScript(folder.file("p_vlprj.avs").c_str()));
    EXPECT_TRUE(boxes::shown().empty());
    EXPECT_STREQ(binding.clipData, "\n320\n240\nYV12\n25.000\n3971\n\n\nFrame\n???\n\n\n2\n48000\nfloat 32\n");
    EXPECT_EQ(std::string(binding.clipReport),
              "File:\n" + folder.file("p_vlprj.avs") +
                  "\n\nVideo Stream:\nWidth\t\t\t320 pixels\nHeight\t\t\t240 pixels\nFrames/sec\t\t25.000 fps\nTotal "
                  "Frames\t\t3971 frames\nPixel Type\t\t\" YV12 \"\nField Parity\t\tNot Defined\nField or\nFrame-Based\t\t"
                  "Frame\n\nAudio:\nnChannels\t\t2 channels\nSamplesPerSecond\t\t48000\nnAudio Samples\t\t7624320\n"
                  "Sample Type\t\t32 bit float\n");
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

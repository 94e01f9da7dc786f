// The save-wave panel in the running program: what it measures, the files it writes, the
// name it is given, and a save paused and cancelled.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <cstring>
#include <string>

#include "e2e/driver/driver.h"
#include "e2e/driver/input.h"
#include "support/channel_samples.h"
#include "support/temp_folder.h"

using namespace driver;

namespace {

// Every sample of a script's audio as AviSynth's file handler delivers it (avifil32 is
// loaded here so that the tests need no import library of their own).
std::string handlerSamples(const std::string& path) {
    using Init = void(WINAPI*)();
    using Open = HRESULT(WINAPI*)(void**, const char*, UINT, void*);
    using GetStream = HRESULT(WINAPI*)(void*, void**, DWORD, LONG);
    using Length = LONG(WINAPI*)(void*);
    using Read = HRESULT(WINAPI*)(void*, LONG, LONG, void*, LONG, LONG*, LONG*);
    using Release = ULONG(WINAPI*)(void*);
    HMODULE avifile = LoadLibraryA("avifil32.dll");
    if (!avifile) return {};
    auto init = reinterpret_cast<Init>(GetProcAddress(avifile, "AVIFileInit"));
    auto exit = reinterpret_cast<Init>(GetProcAddress(avifile, "AVIFileExit"));
    auto open = reinterpret_cast<Open>(GetProcAddress(avifile, "AVIFileOpenA"));
    auto getStream = reinterpret_cast<GetStream>(GetProcAddress(avifile, "AVIFileGetStream"));
    auto length = reinterpret_cast<Length>(GetProcAddress(avifile, "AVIStreamLength"));
    auto read = reinterpret_cast<Read>(GetProcAddress(avifile, "AVIStreamRead"));
    auto releaseStream = reinterpret_cast<Release>(GetProcAddress(avifile, "AVIStreamRelease"));
    auto releaseFile = reinterpret_cast<Release>(GetProcAddress(avifile, "AVIFileRelease"));
    std::string all;
    CoInitialize(nullptr);
    init();
    void* file = nullptr;
    if (open(&file, path.c_str(), OF_READ, nullptr) == 0) {
        void* stream = nullptr;
        if (getStream(file, &stream, mmioFOURCC('a', 'u', 'd', 's'), 0) == 0) {
            LONG bytes = 0, frames = 0;
            read(stream, 0, length(stream), nullptr, 0, &bytes, &frames);  // asks for the size
            all.resize(size_t(bytes));
            if (read(stream, 0, length(stream), all.data(), bytes, &bytes, &frames) != 0) all.clear();
            releaseStream(stream);
        }
        releaseFile(file);
    }
    exit();
    CoUninitialize();
    return all;
}

uint32_t number(const std::string& bytes, size_t at, size_t size) {
    uint32_t value = 0;
    if (bytes.size() >= at + size) memcpy(&value, bytes.data() + at, size);
    return value;
}

// The file is a WAV file of that many channels holding exactly these samples.
::testing::AssertionResult waveHolds(const std::string& file, unsigned channels, const std::string& samples) {
    if (file.size() < 44 || file.compare(0, 4, "RIFF") != 0) return ::testing::AssertionFailure() << "no RIFF header";
    if (number(file, 22, 2) != channels) return ::testing::AssertionFailure() << number(file, 22, 2) << " channels";
    if (number(file, 40, 4) != samples.size()) return ::testing::AssertionFailure() << "data size " << number(file, 40, 4);
    if (file.compare(44, std::string::npos, samples) != 0) return ::testing::AssertionFailure() << "other samples";
    return ::testing::AssertionSuccess();
}

struct Session {
    ProgramFolder folder;
    Program program;
    HWND main = nullptr;
    HWND editor = nullptr;

    // Starts the program on a script of that text.
    bool start(const std::string& script) {
        folder.write("encoder.ini", crlfLines({"#### encoder.ini ####", "end encoder.ini"}));
        folder.write("zandolin.ini", crlfLines({"#### zandolin.ini ####", "end zandolin.ini"}));
        folder.write("tone.avs", script);
        if (!program.start(folder, "\"" + folder.file("tone.avs") + "\"")) return false;
        main = program.waitForMainWindow();
        editor = main ? FindWindowExA(main, nullptr, "Scintilla", nullptr) : nullptr;
        return editor && waitFor(10000, [&] { return editorText(editor) == script; });
    }
    // The editor's menu item; returns the panel's frame once it shows.
    HWND openPanel() {
        rightClickWindow(editor);
        if (!chooseMenuItem(program.id(), "Save Audio as Wave")) return nullptr;
        return waitForWindowTitled(program.id(), "Save Audio as Wave ");
    }
    void close() {
        PostMessageA(main, WM_CLOSE, 0, 0);
        EXPECT_EQ(program.waitForExit(), 0);
    }
};

bool showsText(HWND frame, const char* text) { return findDescendant(frame, "Static", text) != nullptr; }

// Clicks Save and answers the "Done" box.
::testing::AssertionResult saveAndConfirm(Session& s, HWND frame) {
    clickWindow(findDescendant(frame, "Button", "Save"));
    MessageBoxSeen box;
    if (!waitForMessageBox(s.program, box, 60000)) return ::testing::AssertionFailure() << "no box";
    if (box.title != "Save Wave" || box.text.rfind("Done\n save time\n", 0) != 0)
        return ::testing::AssertionFailure() << box.title << ": " << box.text;
    answer(box, IDOK);
    return ::testing::AssertionSuccess();
}

// Clicks Save, then the pause button once the bar moves, and cancels from the question.
::testing::AssertionResult saveThenCancel(Session& s, HWND frame, const char* question) {
    HWND bar = findDescendant(frame, PROGRESS_CLASSA, nullptr);
    clickWindow(findDescendant(frame, "Button", "Save"));
    if (!waitFor(60000, [&] { return SendMessageA(bar, PBM_GETPOS, 0, 0) > 0; }))
        return ::testing::AssertionFailure() << "the bar never moved";
    clickWindow(findDescendant(frame, "Button", "Pause or Cancel Wave Save"));
    MessageBoxSeen box;
    if (!waitForMessageBox(s.program, box, 30000)) return ::testing::AssertionFailure() << "no pause question";
    if (box.title != "Save Wave is Paused" || box.text != question)
        return ::testing::AssertionFailure() << box.title << ": " << box.text;
    answer(box, IDYES);
    if (!waitFor(30000, [&] { return SendMessageA(bar, PBM_GETPOS, 0, 0) == 0; }))
        return ::testing::AssertionFailure() << "the bar was not reset";
    return ::testing::AssertionSuccess();
}

}  // namespace

TEST(SaveWavePanel, MeasuresTheAudioSavesItWholeAndPerChannelAndTakesANewName) {
    Session s;
    ASSERT_TRUE(s.start("BlankClip(length=50, fps=25, audio_rate=48000, channels=2)\r\n"));
    const std::string samples = handlerSamples(s.folder.file("tone.avs"));
    ASSERT_EQ(samples.size(), 96000u * 4);
    HWND frame = s.openPanel();
    ASSERT_NE(frame, nullptr);
    for (const char* line : {"nChannels = 2", "Audio Format = PCM", "nBitsPerSample = 16", "nSamplesPerSec = 48000",
                             "nAvgBytesPerSec = 192000", "TotalTime = 0:00:02", "FileSize = 384,044 bytes"})
        EXPECT_TRUE(showsText(frame, line)) << line;
    EXPECT_TRUE(showsText(frame, s.folder.file("tone.avs").c_str()));
    EXPECT_TRUE(showsText(frame, s.folder.file("tone.wav").c_str()));
    EXPECT_FALSE(IsWindowEnabled(findDescendant(frame, "Button", "Pause or Cancel Wave Save")));

    ASSERT_TRUE(saveAndConfirm(s, frame));
    EXPECT_TRUE(waveHolds(s.folder.read("tone.wav"), 2, samples));
    EXPECT_TRUE(waitFor(5000, [&] { return IsWindowEnabled(findDescendant(frame, "Button", "Save")); }));

    clickWindow(findDescendant(frame, "Button", "Save each channel as wave file"));
    ASSERT_TRUE(saveAndConfirm(s, frame));
    EXPECT_TRUE(waveHolds(s.folder.read("tone_FL.wav"), 1, channelOf(samples, 2, 2, 0)));
    EXPECT_TRUE(waveHolds(s.folder.read("tone_FR.wav"), 1, channelOf(samples, 2, 2, 1)));
    clickWindow(findDescendant(frame, "Button", "Save each channel as wave file"));

    // Change: a name typed into the save dialog becomes the output; a cancelled dialog
    // goes back to the script's name.
    clickWindow(findDescendant(frame, "Button", "Change"));
    HWND dialog = waitForWindowTitled(s.program.id(), "Save Wave");
    ASSERT_NE(dialog, nullptr);
    typeText(s.folder.file("renamed.wav"));
    pressKey(VK_RETURN);
    ASSERT_TRUE(waitFor(10000, [&] { return showsText(frame, s.folder.file("renamed.wav").c_str()); }));
    ASSERT_TRUE(saveAndConfirm(s, frame));
    EXPECT_TRUE(waveHolds(s.folder.read("renamed.wav"), 2, samples));
    clickWindow(findDescendant(frame, "Button", "Change"));
    ASSERT_NE(waitForWindowTitled(s.program.id(), "Save Wave"), nullptr);
    pressKey(VK_ESCAPE);
    EXPECT_TRUE(waitFor(10000, [&] { return showsText(frame, s.folder.file("tone.wav").c_str()); }));

    clickWindow(findDescendant(frame, "Button", "Close / Cancel"));
    EXPECT_TRUE(waitFor(10000, [&] { return !IsWindow(frame); }));
    s.close();
}

TEST(SaveWavePanel, AScriptWithoutAudioSaysSo) {
    Session s;
    ASSERT_TRUE(s.start("BlankClip(length=10).KillAudio()\r\n"));
    rightClickWindow(s.editor);
    ASSERT_TRUE(chooseMenuItem(s.program.id(), "Save Audio as Wave"));
    MessageBoxSeen box;
    ASSERT_TRUE(waitForMessageBox(s.program, box));
    EXPECT_EQ(box.title, "Error... Streamtype AUDIO not found");
    answer(box, IDOK);
    HWND frame = waitForWindowTitled(s.program.id(), "Save Audio as Wave ");
    ASSERT_NE(frame, nullptr);
    EXPECT_TRUE(showsText(frame, "No audio stream"));
    EXPECT_TRUE(showsText(frame, "Audio Format = NONE"));
    pressKey(VK_ESCAPE);
    EXPECT_TRUE(waitFor(10000, [&] { return !IsWindow(frame); }));
    s.close();
}

TEST(SaveWavePanel, ACancelledSaveLeavesNoWaveFile) {
    Session s;
    // About 1.5 GB of audio: long enough to be paused while it is written.
    ASSERT_TRUE(s.start("BlankClip(length=50000, fps=25, audio_rate=48000, channels=8)\r\n"));
    HWND frame = s.openPanel();
    ASSERT_NE(frame, nullptr);
    EXPECT_TRUE(showsText(frame, "FileSize = 1,536,000,044 bytes"));
    ASSERT_TRUE(saveThenCancel(s, frame,
                               "To continue saving the wave file click \" No \"\n\nTo Cancel click \" Yes \", the "
                               "partial file will be deleted"));
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(s.folder.file("*.wav").c_str(), &found);
    EXPECT_EQ(search, INVALID_HANDLE_VALUE) << found.cFileName;
    if (search != INVALID_HANDLE_VALUE) FindClose(search);
    EXPECT_TRUE(IsWindowEnabled(findDescendant(frame, "Button", "Save")));
    s.close();
}

TEST(SaveWavePanel, AudioTooBigForOneFileIsSavedPerChannel) {
    Session s;
    // 8 channels for 5,600 seconds: more than 4 GB.
    ASSERT_TRUE(s.start("BlankClip(length=140000, fps=25, audio_rate=48000, channels=8)\r\n"));
    rightClickWindow(s.editor);
    ASSERT_TRUE(chooseMenuItem(s.program.id(), "Save Audio as Wave"));
    MessageBoxSeen box;
    ASSERT_TRUE(waitForMessageBox(s.program, box));
    EXPECT_EQ(box.title, "We just ran out of numbers");
    answer(box, IDOK);
    HWND frame = waitForWindowTitled(s.program.id(), "Save Audio as Wave ");
    ASSERT_NE(frame, nullptr);
    EXPECT_TRUE(showsText(frame, "FileSize > 4 gig"));
    EXPECT_TRUE(showsText(frame, "TotalTime = 1:33:20"));

    clickWindow(findDescendant(frame, "Button", "Save"));
    ASSERT_TRUE(waitForMessageBox(s.program, box));
    EXPECT_EQ(box.title, "Save Audio as Wave");
    EXPECT_EQ(box.text,
              "This version of Zandolin will not save wave files that are larger that four gigabytes.\n\nThe "
              "channels will be saved as individual wave files.");
    answer(box, IDOK);
    HWND bar = findDescendant(frame, PROGRESS_CLASSA, nullptr);
    ASSERT_TRUE(waitFor(60000, [&] { return SendMessageA(bar, PBM_GETPOS, 0, 0) > 0; }));
    clickWindow(findDescendant(frame, "Button", "Pause or Cancel Wave Save"));
    ASSERT_TRUE(waitForMessageBox(s.program, box, 30000));
    EXPECT_EQ(box.text,
              "To continue saving the wave files click \" No \"\n\nTo Cancel click \" Yes \", the partial files will "
              "need to be deleted manually by you or you can overwrite them.");
    answer(box, IDYES);
    ASSERT_TRUE(waitFor(30000, [&] { return IsWindowEnabled(findDescendant(frame, "Button", "Save")); }));
    // The six channel files were started (the last two channels are not written); no single file.
    for (const char* name : channelNames) EXPECT_TRUE(s.folder.exists(std::string("tone") + name)) << name;
    EXPECT_FALSE(s.folder.exists("tone.wav"));
    s.close();
}

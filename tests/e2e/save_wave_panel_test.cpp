// The save-wave panel in the running program: what it measures, the files it writes, the
// name it is given, and saves paused and cancelled.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <cstring>
#include <string>

#include "e2e/driver/input.h"
#include "support/channel_samples.h"

using namespace driver;

namespace {

// Every sample of a script's audio as AviSynth's file handler delivers it.
std::string handlerSamples(const std::string& path) {
    HMODULE avifile = LoadLibraryA("avifil32.dll");
    auto call = [&](const char* name) { return GetProcAddress(avifile, name); };
    auto open = reinterpret_cast<HRESULT(WINAPI*)(void**, const char*, UINT, void*)>(call("AVIFileOpenA"));
    auto stream = reinterpret_cast<HRESULT(WINAPI*)(void*, void**, DWORD, LONG)>(call("AVIFileGetStream"));
    auto length = reinterpret_cast<LONG(WINAPI*)(void*)>(call("AVIStreamLength"));
    auto read = reinterpret_cast<HRESULT(WINAPI*)(void*, LONG, LONG, void*, LONG, LONG*, LONG*)>(call("AVIStreamRead"));
    auto release = reinterpret_cast<ULONG(WINAPI*)(void*)>(call("AVIStreamRelease"));
    std::string all;
    CoInitialize(nullptr);
    reinterpret_cast<void(WINAPI*)()>(call("AVIFileInit"))();
    void *file = nullptr, *audio = nullptr;
    if (open(&file, path.c_str(), OF_READ, nullptr) == 0 && stream(file, &audio, mmioFOURCC('a', 'u', 'd', 's'), 0) == 0) {
        LONG bytes = 0, frames = 0;
        read(audio, 0, length(audio), nullptr, 0, &bytes, &frames);  // the size only
        all.resize(size_t(bytes));
        if (read(audio, 0, length(audio), all.data(), bytes, &bytes, &frames) != 0) all.clear();
        release(audio);
    }
    if (file) reinterpret_cast<ULONG(WINAPI*)(void*)>(call("AVIFileRelease"))(file);
    reinterpret_cast<void(WINAPI*)()>(call("AVIFileExit"))();
    CoUninitialize();
    return all;
}

// The file is a WAV file of that many channels holding exactly these samples.
bool waveHolds(const std::string& file, uint16_t channels, const std::string& samples) {
    uint16_t fileChannels = 0;
    uint32_t dataSize = 0;
    if (file.size() < 44 || file.compare(0, 4, "RIFF") != 0) return false;
    memcpy(&fileChannels, file.data() + 22, 2);
    memcpy(&dataSize, file.data() + 40, 4);
    return fileChannels == channels && dataSize == samples.size() && file.compare(44, std::string::npos, samples) == 0;
}

// "Save Audio as Wave" in the editor's menu.
constexpr int saveAudioItem = 9;

HWND button(HWND frame, const char* text) { return findDescendant(frame, "Button", text); }
// The panel may still be adding its labels when it shows.
bool shows(HWND frame, const std::string& text) {
    return waitFor(5000, [&] { return findDescendant(frame, "Static", text.c_str()) != nullptr; });
}

// Right-clicks the editor and chooses the item; answers the engine's box when one is named.
HWND openPanel(ScriptSession& s, const char* expectedBox = nullptr) {
    rightClickWindow(s.editor);
    if (!chooseMenuItem(s.program.id(), saveAudioItem)) return nullptr;
    MessageBoxSeen box;
    if (expectedBox && (!waitForMessageBox(s.program, box) || box.title != expectedBox || !answer(box, IDOK)))
        return nullptr;
    return waitForWindowTitled(s.program.id(), "Save Audio as Wave ");
}

// Clicks Save and waits for a box; answers it with `id` and returns its title and text.
std::string clickAndAnswer(ScriptSession& s, HWND control, int id = IDOK) {
    clickWindow(control);
    MessageBoxSeen box;
    if (!waitForMessageBox(s.program, box, 60000)) return "no box";
    answer(box, id);
    return box.title + ": " + box.text;
}

// Waits for the bar to move, then pauses and cancels; returns the question asked.
std::string pauseAndCancel(ScriptSession& s, HWND frame) {
    HWND bar = findDescendant(frame, PROGRESS_CLASSA, nullptr);
    if (!waitFor(60000, [&] { return SendMessageA(bar, PBM_GETPOS, 0, 0) > 0; })) return "the bar never moved";
    std::string question = clickAndAnswer(s, button(frame, "Pause or Cancel Wave Save"), IDYES);
    waitFor(30000, [&] { return IsWindowEnabled(button(frame, "Save")) != FALSE; });
    return SendMessageA(bar, PBM_GETPOS, 0, 0) == 0 ? question : "the bar was not reset";
}

// No file of the export is left in the folder, finished or not.
bool noWaveFiles(ScriptSession& s) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(s.folder.file("*.wav*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) FindClose(search);
    return search == INVALID_HANDLE_VALUE;
}

// The "Done" box, up to its number of seconds.
const std::string doneBox = "Save Wave: Done\n save time\n";
std::string upToSeconds(const std::string& box) { return box.substr(0, doneBox.size()); }

}  // namespace

TEST(SaveWavePanel, MeasuresTheAudioSavesItWholeAndPerChannelAndTakesANewName) {
    ScriptSession s;
    ASSERT_TRUE(s.start("tone.avs", "BlankClip(length=50, fps=25, audio_rate=48000, channels=2)\r\n"));
    const std::string samples = handlerSamples(s.folder.file("tone.avs"));
    ASSERT_EQ(samples.size(), 96000u * 4);
    HWND frame = openPanel(s);
    ASSERT_NE(frame, nullptr);
    for (const char* line : {"nChannels = 2", "Audio Format = PCM", "nBitsPerSample = 16", "nSamplesPerSec = 48000",
                             "nAvgBytesPerSec = 192000", "TotalTime = 0:00:02", "FileSize = 384,044 bytes"})
        EXPECT_TRUE(shows(frame, line)) << line;
    EXPECT_TRUE(shows(frame, s.folder.file("tone.avs")));
    EXPECT_TRUE(shows(frame, s.folder.file("tone.wav")));
    EXPECT_FALSE(IsWindowEnabled(button(frame, "Pause or Cancel Wave Save")));

    EXPECT_EQ(upToSeconds(clickAndAnswer(s, button(frame, "Save"))), doneBox);
    EXPECT_TRUE(waveHolds(s.folder.read("tone.wav"), 2, samples));
    clickWindow(button(frame, "Save each channel as wave file"));
    EXPECT_EQ(upToSeconds(clickAndAnswer(s, button(frame, "Save"))), doneBox);
    EXPECT_TRUE(waveHolds(s.folder.read("tone_FL.wav"), 1, channelOf(samples, 2, 2, 0)));
    EXPECT_TRUE(waveHolds(s.folder.read("tone_FR.wav"), 1, channelOf(samples, 2, 2, 1)));
    clickWindow(button(frame, "Save each channel as wave file"));

    // A name typed into the save dialog becomes the output; a cancelled dialog goes back to
    // the script's name.
    clickWindow(button(frame, "Change"));
    ASSERT_NE(waitForWindowTitled(s.program.id(), "Save Wave"), nullptr);
    typeText(s.folder.file("renamed.wav"));
    pressKey(VK_RETURN);
    ASSERT_TRUE(waitFor(10000, [&] { return shows(frame, s.folder.file("renamed.wav")); }));
    EXPECT_EQ(upToSeconds(clickAndAnswer(s, button(frame, "Save"))), doneBox);
    EXPECT_TRUE(waveHolds(s.folder.read("renamed.wav"), 2, samples));
    clickWindow(button(frame, "Change"));
    ASSERT_NE(waitForWindowTitled(s.program.id(), "Save Wave"), nullptr);
    pressKey(VK_ESCAPE);
    EXPECT_TRUE(waitFor(10000, [&] { return shows(frame, s.folder.file("tone.wav")); }));

    // A script changed while the panel is open is not what would be saved.
    clickWindowAt(s.editor, 8, 8);
    typeText("x");
    EXPECT_EQ(clickAndAnswer(s, button(frame, "Save")),
              "Sorry...  Save Wave Dlg: Your script has been modified or has not been saved.\n\nUntil I can get this "
              "fixed can you please cancel out of this dialog window, save your source script and try again.\n\nThank "
              "you.");
    clickWindow(button(frame, "Close / Cancel"));
    EXPECT_TRUE(waitFor(10000, [&] { return !IsWindow(frame); }));
    EXPECT_TRUE(s.close());
}

TEST(SaveWavePanel, OpeningBoxesAndPausedSavesCancelledWithoutAFileLeft) {
    const struct {
        const char* script;
        const char* openingBox;  // the engine's box on opening, if any
        const char* sizeLine;
        const char* saveBox;  // the box Save shows before writing, if any
        const char* question;  // the pause question; none when nothing can be saved
    } cases[] = {
        {"BlankClip(length=10).KillAudio()", "Error... Streamtype AUDIO not found", "No audio stream", nullptr, nullptr},
        // About 1.5 GB of audio: long enough to be paused while it is written.
        {"BlankClip(length=50000, fps=25, audio_rate=48000, channels=8)", nullptr, "FileSize = 1,536,000,044 bytes",
         nullptr, "To continue saving the wave file click \" No \"\n\nTo Cancel click \" Yes \", the partial file will be "
                  "deleted"},
        // More than 4 GB: saved per channel whatever the check box says.
        {"BlankClip(length=140000, fps=25, audio_rate=48000, channels=8)", "We just ran out of numbers", "FileSize > 4 gig",
         "This version of Zandolin will not save wave files that are larger that four gigabytes.\n\nThe channels "
         "will be saved as individual wave files.",
         "To continue saving the wave files click \" No \"\n\nTo Cancel click \" Yes \", the partial files will need to "
         "be deleted manually by you or you can overwrite them."},
    };
    for (const auto& c : cases) {
        ScriptSession s;
        ASSERT_TRUE(s.start("clip.avs", std::string(c.script) + "\r\n"));
        HWND frame = openPanel(s, c.openingBox);
        ASSERT_NE(frame, nullptr) << c.script;
        EXPECT_TRUE(shows(frame, c.sizeLine)) << c.sizeLine;
        if (c.question) {
            if (c.saveBox) EXPECT_EQ(clickAndAnswer(s, button(frame, "Save")), std::string("Save Audio as Wave: ") + c.saveBox);
            else clickWindow(button(frame, "Save"));
            EXPECT_EQ(pauseAndCancel(s, frame), std::string("Save Wave is Paused: ") + c.question);
            EXPECT_TRUE(noWaveFiles(s));
        }
        EXPECT_TRUE(s.close());
    }
}

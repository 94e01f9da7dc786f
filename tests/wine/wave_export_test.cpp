#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "audio/wave_export.h"
#include "riff_media.h"
#include "support/box_expect.h"
#include "support/channel_samples.h"
#include "support/message_box_recorder.h"
#include "support/temp_folder.h"

namespace {
WindowHandle const owner = reinterpret_cast<WindowHandle>(0x6160);

// The mono file of one channel, as it must come out.
std::string monoWave(uint16_t tag, uint32_t rate, uint16_t bits, const std::string& data) {
    return waveFile(waveFormatRecord(tag, 1, rate, bits), data);
}

}  // namespace

TEST(WaveExport, PlainWaveReportSingleFileAndChannels) {
    TempFolder dir;
    // Six channels of 16-bit audio, long enough for many reads, odd frame count.
    const uint32_t frames = 62345;
    std::string samples = sampleBytes(size_t(frames) * 12, 11);
    std::string source = waveFile(waveFormatRecord(1, 6, 48000, 16), samples);
    dir.write("six.wav", source);
    std::string path = dir.file("six.wav");

    boxes::reset();
    AviClip clip;
    EXPECT_EQ(exportAudio(clip, path.c_str(), nullptr, owner, nullptr, exportModeReport, false), waveWritten);
    EXPECT_STREQ(clip.audioReport, ("6 1 16 48000 576000 1 " + std::to_string(source.size())).c_str());
    EXPECT_FALSE(clip.tooBig);
    EXPECT_TRUE(boxes::shown().empty());

    // One file: the same bytes as the source, which has the same layout.
    boxes::reset();
    std::string out = dir.file("one.wav");
    EXPECT_EQ(exportAudio(clip, path.c_str(), out.c_str(), owner, nullptr, exportModeSingle, false), waveWritten);
    EXPECT_TRUE(dir.read("one.wav") == source);
    ASSERT_TRUE(onlyBox("Done\n save time\n0 sec", "Save Wave"));

    boxes::reset();
    std::string base = dir.file("split.wav");
    EXPECT_EQ(exportAudio(clip, path.c_str(), base.c_str(), owner, nullptr, exportModeChannels, true), waveWritten);
    for (unsigned c = 0; c < 6; ++c)
        EXPECT_TRUE(dir.read(std::string("split") + channelNames[c]) ==
                    monoWave(1, 48000, 16, channelOf(samples, 6, 2, c)))
            << channelNames[c];
    EXPECT_TRUE(boxes::shown().empty());
    EXPECT_TRUE(DeleteFileA(path.c_str()));  // nothing left open
}

TEST(WaveExport, AviWithVideoAndAudio) {
    TempFolder dir;
    AviVideo video;
    AviAudio audio;
    audio.samples = sampleBytes(20011 * 4, 17);
    dir.write("clip.avi", aviFile(&video, &audio));
    std::string path = dir.file("clip.avi");

    boxes::reset();
    AviClip clip;
    EXPECT_EQ(exportAudio(clip, path.c_str(), nullptr, owner, nullptr, exportModeReport, false), waveWritten);
    EXPECT_STREQ(clip.audioReport, ("2 1 16 48000 192000 0 " + std::to_string(20011 * 4 + 44)).c_str());
    EXPECT_EQ(clip.audioStreamIndex, 1);

    std::string out = dir.file("clip.wav");
    EXPECT_EQ(exportAudio(clip, path.c_str(), out.c_str(), owner, nullptr, exportModeSingle, true), waveWritten);
    EXPECT_TRUE(dir.read("clip.wav") == waveFile(waveFormatRecord(1, 2, 48000, 16), audio.samples));

    EXPECT_EQ(exportAudio(clip, path.c_str(), out.c_str(), owner, nullptr, exportModeChannels, true), waveWritten);
    for (unsigned c = 0; c < 2; ++c)
        EXPECT_TRUE(dir.read(std::string("clip") + channelNames[c]) ==
                    monoWave(1, 48000, 16, channelOf(audio.samples, 2, 2, c)));
    EXPECT_FALSE(dir.exists("clip_C.wav"));
    EXPECT_TRUE(boxes::shown().empty());
}

TEST(WaveExport, VideoOnlyReportsNoAudio) {
    TempFolder dir;
    AviVideo video;
    dir.write("silent.avi", aviFile(&video, nullptr));
    std::string path = dir.file("silent.avi");
    boxes::reset();
    AviClip clip;
    EXPECT_EQ(exportAudio(clip, path.c_str(), nullptr, owner, nullptr, exportModeReport, false), waveNotOpened);
    EXPECT_STREQ(clip.audioReport, "0 0 0 0 0 0 2");
    ASSERT_TRUE(onlyBox("Your script contains no audio stream.\n\nThere is no Video wave spec.\n\n" + path,
                        "Error... Streamtype AUDIO not found"));
    EXPECT_EQ(boxes::shown()[0].owner, owner);
}

TEST(WaveExport, OpenFailures) {
    TempFolder dir;
    dir.write("notes.txt", "not a clip\r\n");
    struct Case {
        std::string path;
        const char* text;
    };
    const Case cases[] = {{dir.file("missing.avi"), "Disk Error While Opening File"},
                          {dir.file("notes.txt"), "Disk Error While Reading File"}};
    for (const Case& c : cases) {
        boxes::reset();
        AviClip clip;
        std::string out = dir.file("x.wav");
        EXPECT_EQ(exportAudio(clip, c.path.c_str(), out.c_str(), owner, nullptr, exportModeSingle, false), waveNotOpened);
        EXPECT_STREQ(clip.audioReport, "0 0 0 0 0 0 1");
        ASSERT_TRUE(onlyBox(c.text, "Error AVIFileOpen:"));
        EXPECT_FALSE(dir.exists("x.wav"));
    }
}

namespace {
// A panel with a pause button and a progress bar, as the save-wave panel passes them.
struct TestPanel {
    HWND frame = nullptr, pause = nullptr, progress = nullptr;
    TestPanel() {
        INITCOMMONCONTROLSEX icc{sizeof icc, ICC_PROGRESS_CLASS};
        InitCommonControlsEx(&icc);
        frame = CreateWindowExA(0, "STATIC", "panel", WS_OVERLAPPEDWINDOW, 0, 0, 400, 200, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
        pause = CreateWindowExA(0, "BUTTON", "Pause or Cancel Wave Save", WS_CHILD | WS_VISIBLE, 10, 10, 210, 32,
                                frame, nullptr, GetModuleHandleA(nullptr), nullptr);
        progress = CreateWindowExA(0, PROGRESS_CLASSA, "", WS_CHILD | WS_VISIBLE, 10, 60, 300, 20, frame, nullptr,
                                   GetModuleHandleA(nullptr), nullptr);
    }
    ~TestPanel() { DestroyWindow(frame); }
    WaveProgressControls controls() const { return {pause, progress}; }
    int position() const { return int(SendMessageA(progress, PBM_GETPOS, 0, 0)); }
    void drain() {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {}
    }
};
}  // namespace

TEST(WaveExport, PauseButtonPressCancelsOrContinues) {
    TempFolder dir;
    std::string samples = sampleBytes(100000 * 4, 23);
    std::string source = waveFile(waveFormatRecord(1, 2, 48000, 16), samples);
    dir.write("long.wav", source);
    std::string path = dir.file("long.wav");
    TestPanel panel;
    ASSERT_NE(panel.progress, nullptr);
    WaveProgressControls controls = panel.controls();
    std::string out = dir.file("paused.wav");

    // A press on the button, answered No: the save goes on to the end.
    panel.drain();
    PostMessageA(panel.pause, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    boxes::reset();
    boxes::answer(answerNo);
    AviClip clip;
    EXPECT_EQ(exportAudio(clip, path.c_str(), out.c_str(), panel.frame, &controls, exportModeSingle, true), waveWritten);
    ASSERT_EQ(boxes::shown().size(), 1u);
    EXPECT_EQ(boxes::shown()[0].title, "Save Wave is Paused");
    EXPECT_EQ(boxes::shown()[0].owner, panel.frame);
    EXPECT_TRUE(dir.read("paused.wav") == source);
    EXPECT_EQ(panel.position(), 100);

    // Answered Yes: cancelled, the partial file deleted and the finished one before it kept, the
    // bar back at 0.
    panel.drain();
    PostMessageA(panel.pause, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    boxes::reset();
    boxes::answer(answerYes);
    EXPECT_EQ(exportAudio(clip, path.c_str(), out.c_str(), panel.frame, &controls, exportModeSingle, true),
              waveCancelled);
    EXPECT_TRUE(dir.read("paused.wav") == source);
    EXPECT_FALSE(dir.exists("paused.wav.part"));
    EXPECT_EQ(panel.position(), 0);

    // A press elsewhere in the panel is not a pause.
    panel.drain();
    PostMessageA(panel.progress, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    boxes::reset();
    EXPECT_EQ(exportAudio(clip, path.c_str(), out.c_str(), panel.frame, &controls, exportModeChannels, true),
              waveWritten);
    EXPECT_TRUE(boxes::shown().empty());
    EXPECT_TRUE(dir.read("paused_FR.wav") == monoWave(1, 48000, 16, channelOf(samples, 2, 2, 1)));
    EXPECT_EQ(panel.position(), 100);
}

TEST(WaveExport, SavingOntoTheSourceItselfLeavesTheSourceIntact) {
    TempFolder dir;
    std::string source = waveFile(waveFormatRecord(1, 2, 48000, 16), sampleBytes(4000, 29));
    dir.write("self.wav", source);
    std::string path = dir.file("self.wav");
    boxes::reset();
    boxes::answer(answerYes);  // overwrite
    AviClip clip;
    EXPECT_EQ(exportAudio(clip, path.c_str(), path.c_str(), owner, nullptr, exportModeSingle, false), waveCreateFailed);
    EXPECT_TRUE(dir.read("self.wav") == source);
    ASSERT_EQ(boxes::shown().size(), 2u);
    EXPECT_EQ(boxes::shown()[1].text, "Could not create the wave file\n\n" + path);
    EXPECT_EQ(boxes::shown()[1].title, "Save Wave");
}

// The stand-in's AVIFile handler, reached the way the program reaches AviSynth's: through
// avifil32 and the registry entry for the extension AVS (scripts/register-standin.sh).
#include <gtest/gtest.h>
#include <windows.h>
#include <mmreg.h>
#include <vfw.h>

#include <cmath>
#include <string>
#include <vector>

#include "support/temp_folder.h"

namespace {
struct AviScript {
    PAVIFILE file = nullptr;
    std::vector<PAVISTREAM> streams;
    HRESULT openResult = E_FAIL;

    explicit AviScript(const std::string& path) {
        CoInitialize(nullptr);
        AVIFileInit();
        openResult = AVIFileOpenA(&file, path.c_str(), OF_READ | OF_SHARE_DENY_WRITE, nullptr);
    }
    ~AviScript() {
        for (PAVISTREAM s : streams) AVIStreamRelease(s);
        if (file) AVIFileRelease(file);
        AVIFileExit();
        // Unload the handler again, so that later tests load avisynth.dll from where they choose.
        CoFreeUnusedLibrariesEx(0, 0);
        CoUninitialize();
    }
    PAVISTREAM stream(DWORD type) {
        PAVISTREAM s = nullptr;
        if (AVIFileGetStream(file, &s, type, 0) != 0) return nullptr;
        streams.push_back(s);
        return s;
    }
};

std::vector<uint8_t> format(PAVISTREAM s) {
    LONG size = 0;
    AVIStreamReadFormat(s, 0, nullptr, &size);
    std::vector<uint8_t> bytes(static_cast<size_t>(size));
    AVIStreamReadFormat(s, 0, bytes.data(), &size);
    return bytes;
}
}  // namespace

// The formats and the clip report through this handler are checked in script_audio_test;
// here what those tests take on trust: trims, distinct frames, and the samples themselves.
TEST(StandinAviFile, VideoAndAudioStreamsAsTheScriptDefines) {
    TempFolder folder;
    folder.write("clip.avs", "BlankClip(length=100, width=320, height=240, fps=25, pixel_type=\"YV12\", "
                             "audio_rate=48000, channels=2)\r\ntrim(10,59)\r\n");
    AviScript avi(folder.file("clip.avs"));
    ASSERT_EQ(avi.openResult, 0) << std::hex << avi.openResult;
    PAVISTREAM video = avi.stream(streamtypeVIDEO);
    ASSERT_NE(video, nullptr);
    AVISTREAMINFOA vi{};
    ASSERT_EQ(AVIStreamInfoA(video, &vi, sizeof vi), 0);
    EXPECT_EQ(vi.dwLength, 50u);
    std::vector<uint8_t> frame0(115200), frame9(115200);
    LONG bytes = 0, samples = 0;
    ASSERT_EQ(AVIStreamRead(video, 0, 1, frame0.data(), 115200, &bytes, &samples), 0);
    EXPECT_EQ(bytes, 115200);
    ASSERT_EQ(AVIStreamRead(video, 9, 1, frame9.data(), 115200, &bytes, &samples), 0);
    EXPECT_NE(frame0, frame9);

    PAVISTREAM audio = avi.stream(streamtypeAUDIO);
    ASSERT_NE(audio, nullptr);
    AVISTREAMINFOA ai{};
    ASSERT_EQ(AVIStreamInfoA(audio, &ai, sizeof ai), 0);
    EXPECT_EQ(ai.dwLength, 50u * 1920);
    // Block reads to the end deliver exactly the stream's length.
    std::vector<int16_t> buffer(24000);
    LONG position = 0;
    while (position < static_cast<LONG>(ai.dwLength)) {
        ASSERT_EQ(AVIStreamRead(audio, position, 12000, buffer.data(), 48000, &bytes, &samples), 0);
        ASSERT_GT(samples, 0);
        EXPECT_EQ(bytes, samples * 4);
        if (position == 0) {
            EXPECT_EQ(buffer[0], 0);
            EXPECT_NEAR(buffer[2 * 12], 32767 * 0.25 * std::sin(6.283185307179586 * 440 * 12 / 48000), 1.0);
        }
        position += samples;
    }
    EXPECT_EQ(position, 96000);
}

TEST(StandinAviFile, FloatAudioWithoutTheOptionIsSixteenBit) {
    TempFolder folder;
    folder.write("plain.avs",
                 "BlankClip(length=10, audio_rate=44100, channels=6, sample_type=\"float\").KillVideo()\r\n");
    AviScript avi(folder.file("plain.avs"));
    ASSERT_EQ(avi.openResult, 0);
    EXPECT_EQ(avi.stream(streamtypeVIDEO), nullptr);
    PAVISTREAM audio = avi.stream(streamtypeAUDIO);
    ASSERT_NE(audio, nullptr);
    std::vector<uint8_t> af = format(audio);
    ASSERT_EQ(af.size(), sizeof(WAVEFORMATEX));
    const auto* wf = reinterpret_cast<const WAVEFORMATEX*>(af.data());
    EXPECT_EQ(wf->wFormatTag, WAVE_FORMAT_PCM);
    EXPECT_EQ(wf->wBitsPerSample, 16);
    AVISTREAMINFOA ai{};
    AVIStreamInfoA(audio, &ai, sizeof ai);
    EXPECT_EQ(ai.dwLength, 18375u);  // 10 frames at 24 fps
    EXPECT_EQ(ai.dwSampleSize, 12u);
}

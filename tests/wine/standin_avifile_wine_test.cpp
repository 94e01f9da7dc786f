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

std::string fourcc(DWORD code) { return std::string(reinterpret_cast<const char*>(&code), 4); }

std::vector<uint8_t> format(PAVISTREAM s) {
    LONG size = 0;
    AVIStreamReadFormat(s, 0, nullptr, &size);
    std::vector<uint8_t> bytes(static_cast<size_t>(size));
    AVIStreamReadFormat(s, 0, bytes.data(), &size);
    return bytes;
}
}  // namespace

TEST(StandinAviFile, VideoAndAudioStreamsAsTheScriptDefines) {
    TempFolder folder;
    folder.write("clip.avs", "BlankClip(length=100, width=320, height=240, fps=25, pixel_type=\"YV12\", "
                             "audio_rate=48000, channels=2)\r\ntrim(10,59)\r\n");
    AviScript avi(folder.file("clip.avs"));
    ASSERT_EQ(avi.openResult, 0) << std::hex << avi.openResult;
    AVIFILEINFOA fi{};
    ASSERT_EQ(AVIFileInfoA(avi.file, &fi, sizeof fi), 0);
    EXPECT_EQ(fi.dwStreams, 2u);
    EXPECT_EQ(fi.dwWidth, 320u);
    EXPECT_EQ(fi.dwHeight, 240u);
    EXPECT_EQ(fi.dwRate, 25u);
    EXPECT_EQ(fi.dwScale, 1u);

    PAVISTREAM video = avi.stream(streamtypeVIDEO);
    ASSERT_NE(video, nullptr);
    AVISTREAMINFOA vi{};
    ASSERT_EQ(AVIStreamInfoA(video, &vi, sizeof vi), 0);
    EXPECT_EQ(fourcc(vi.fccHandler), "YV12");
    EXPECT_EQ(vi.dwLength, 50u);
    EXPECT_EQ(vi.rcFrame.right, 320);
    EXPECT_EQ(vi.rcFrame.bottom, 240);
    EXPECT_STREQ(vi.szName, "Avisynth video #1");
    std::vector<uint8_t> vf = format(video);
    ASSERT_EQ(vf.size(), sizeof(BITMAPINFOHEADER));
    const auto* bih = reinterpret_cast<const BITMAPINFOHEADER*>(vf.data());
    EXPECT_EQ(fourcc(bih->biCompression), "YV12");
    EXPECT_EQ(bih->biBitCount, 12);
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
    EXPECT_EQ(ai.dwSampleSize, 4u);
    std::vector<uint8_t> af = format(audio);
    ASSERT_EQ(af.size(), sizeof(WAVEFORMATEX));
    const auto* wf = reinterpret_cast<const WAVEFORMATEX*>(af.data());
    EXPECT_EQ(wf->wFormatTag, WAVE_FORMAT_PCM);
    EXPECT_EQ(wf->nChannels, 2);
    EXPECT_EQ(wf->nSamplesPerSec, 48000u);
    EXPECT_EQ(wf->wBitsPerSample, 16);
    EXPECT_EQ(wf->nBlockAlign, 4);
    EXPECT_EQ(wf->nAvgBytesPerSec, 192000u);

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

TEST(StandinAviFile, FloatAudioFollowsTheScriptsOption) {
    TempFolder folder;
    std::string clip = "BlankClip(length=10, audio_rate=44100, channels=6, sample_type=\"float\").KillVideo()\r\n";
    folder.write("plain.avs", clip);
    folder.write("float.avs", "global OPT_AllowFloatAudio = true\r\n" + clip);
    folder.write("ext.avs", "global OPT_AllowFloatAudio = true\r\nglobal OPT_UseWaveExtensible = true\r\n" + clip);
    struct Case {
        const char* name;
        WORD tag;
        WORD bits;
        size_t size;
    } cases[] = {{"plain.avs", WAVE_FORMAT_PCM, 16, sizeof(WAVEFORMATEX)},
                 {"float.avs", WAVE_FORMAT_IEEE_FLOAT, 32, sizeof(WAVEFORMATEX)},
                 {"ext.avs", WAVE_FORMAT_EXTENSIBLE, 32, sizeof(WAVEFORMATEXTENSIBLE)}};
    for (const Case& c : cases) {
        AviScript avi(folder.file(c.name));
        ASSERT_EQ(avi.openResult, 0) << c.name;
        AVIFILEINFOA fi{};
        AVIFileInfoA(avi.file, &fi, sizeof fi);
        EXPECT_EQ(fi.dwStreams, 1u) << c.name;
        EXPECT_EQ(avi.stream(streamtypeVIDEO), nullptr) << c.name;
        PAVISTREAM audio = avi.stream(streamtypeAUDIO);
        ASSERT_NE(audio, nullptr) << c.name;
        std::vector<uint8_t> af = format(audio);
        ASSERT_EQ(af.size(), c.size) << c.name;
        const auto* wf = reinterpret_cast<const WAVEFORMATEX*>(af.data());
        EXPECT_EQ(wf->wFormatTag, c.tag) << c.name;
        EXPECT_EQ(wf->wBitsPerSample, c.bits) << c.name;
        EXPECT_EQ(wf->nChannels, 6) << c.name;
        AVISTREAMINFOA ai{};
        AVIStreamInfoA(audio, &ai, sizeof ai);
        EXPECT_EQ(ai.dwLength, 18375u) << c.name;  // 10 frames at 24 fps
        EXPECT_EQ(ai.dwSampleSize, 6u * c.bits / 8) << c.name;
    }
}

TEST(StandinAviFile, FailingScriptGivesAWideShortErrorPicture) {
    TempFolder folder;
    folder.write("bad.avs", "BlankClip(length=10 width=8)\r\n");
    folder.write("rgb.avs", "BlankClip(length=3, width=64, height=48, pixel_type=\"RGB24\")\r\n");
    {
        AviScript avi(folder.file("bad.avs"));
        ASSERT_EQ(avi.openResult, 0);
        AVIFILEINFOA fi{};
        AVIFileInfoA(avi.file, &fi, sizeof fi);
        EXPECT_EQ(fi.dwStreams, 1u);
        EXPECT_GT(fi.dwWidth / fi.dwHeight, 3u);
        PAVISTREAM video = avi.stream(streamtypeVIDEO);
        ASSERT_NE(video, nullptr);
        AVISTREAMINFOA vi{};
        AVIStreamInfoA(video, &vi, sizeof vi);
        EXPECT_EQ(fourcc(vi.fccHandler), "DIB ");
        EXPECT_EQ(avi.stream(streamtypeAUDIO), nullptr);
    }
    AviScript avi(folder.file("rgb.avs"));
    ASSERT_EQ(avi.openResult, 0);
    PAVISTREAM video = avi.stream(streamtypeVIDEO);
    ASSERT_NE(video, nullptr);
    AVISTREAMINFOA vi{};
    AVIStreamInfoA(video, &vi, sizeof vi);
    EXPECT_EQ(fourcc(vi.fccHandler), "DIB ");
    EXPECT_EQ(vi.dwLength, 3u);
    std::vector<uint8_t> vf = format(video);
    EXPECT_EQ(reinterpret_cast<const BITMAPINFOHEADER*>(vf.data())->biBitCount, 24);
}

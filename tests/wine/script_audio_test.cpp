// Scripts reach the export and the clip properties through AviSynth's AVIFile handler (the
// stand-in, registered in the test prefix): the samples written must be those the handler
// delivers.
#include <gtest/gtest.h>
#include <windows.h>
#include <vfw.h>

#include <string>

#include "audio/wave_export.h"
#include "riff_media.h"
#include "support/channel_samples.h"
#include "support/message_box_recorder.h"
#include "support/temp_folder.h"
#include "viewer/clip_info.h"

namespace {
WindowHandle const owner = reinterpret_cast<WindowHandle>(0x7170);

// Every sample of the script's audio, read straight from the handler.
std::string handlerSamples(const std::string& path) {
    std::string all;
    AVIFileInit();
    PAVIFILE file = nullptr;
    if (AVIFileOpenA(&file, path.c_str(), OF_READ, nullptr) == AVIERR_OK) {
        PAVISTREAM stream = nullptr;
        if (AVIFileGetStream(file, &stream, streamtypeAUDIO, 0) == AVIERR_OK) {
            AVISTREAMINFOA info{};
            AVIStreamInfoA(stream, &info, sizeof info);
            all.resize(size_t(info.dwLength) * info.dwSampleSize);
            LONG bytes = 0, samples = 0;
            if (AVIStreamRead(stream, 0, LONG(info.dwLength), all.data(), LONG(all.size()), &bytes, &samples) !=
                    AVIERR_OK ||
                size_t(bytes) != all.size())
                all.clear();
            AVIStreamRelease(stream);
        }
        AVIFileRelease(file);
    }
    AVIFileExit();
    return all;
}

// COM keeps the handler's DLL loaded after the calls; unload it again so that later tests
// find the process as it was.
struct ScriptAudio : ::testing::Test {
    void SetUp() override { CoInitialize(nullptr); }
    void TearDown() override {
        CoFreeUnusedLibrariesEx(0, 0);
        CoUninitialize();
        EXPECT_EQ(GetModuleHandleA("avisynth.dll"), nullptr);
    }
};
}  // namespace

TEST_F(ScriptAudio, SixChannelScriptReportSingleFileAndChannels) {
    TempFolder dir;
    dir.write("six.avs",
              "BlankClip(length=50, width=320, height=240, fps=25, pixel_type=\"YV12\", audio_rate=48000, "
              "channels=6)\r\n");
    std::string path = dir.file("six.avs");
    std::string samples = handlerSamples(path);
    ASSERT_EQ(samples.size(), 96000u * 12);

    boxes::reset();
    AviClip clip;
    EXPECT_EQ(exportAudio(clip, path.c_str(), nullptr, owner, nullptr, exportModeReport, false), waveWritten);
    EXPECT_STREQ(clip.audioReport, "6 1 16 48000 576000 2 1152044");
    EXPECT_TRUE(boxes::shown().empty());

    std::string out = dir.file("six.wav");
    EXPECT_EQ(exportAudio(clip, path.c_str(), out.c_str(), owner, nullptr, exportModeSingle, true), waveWritten);
    EXPECT_TRUE(dir.read("six.wav") == waveFile(waveFormatRecord(1, 6, 48000, 16), samples));

    EXPECT_EQ(exportAudio(clip, path.c_str(), out.c_str(), owner, nullptr, exportModeChannels, true), waveWritten);
    for (unsigned c = 0; c < 6; ++c)
        EXPECT_TRUE(dir.read(std::string("six") + channelNames[c]) ==
                    waveFile(waveFormatRecord(1, 1, 48000, 16), channelOf(samples, 6, 2, c)))
            << channelNames[c];
    EXPECT_TRUE(boxes::shown().empty());
}

TEST_F(ScriptAudio, ExtensibleFloatScriptIsWrittenAsFloat) {
    TempFolder dir;
    dir.write("float.avs",
              "global OPT_AllowFloatAudio = true\r\nglobal OPT_UseWaveExtensible = true\r\n"
              "BlankClip(length=10, fps=25, audio_rate=44100, channels=2, sample_type=\"float\")\r\n");
    std::string path = dir.file("float.avs");
    std::string samples = handlerSamples(path);
    ASSERT_EQ(samples.size(), 17640u * 8);

    boxes::reset();
    AviClip clip;
    EXPECT_EQ(exportAudio(clip, path.c_str(), nullptr, owner, nullptr, exportModeReport, false), waveWritten);
    EXPECT_STREQ(clip.audioReport, "2 3 32 44100 352800 0 141164");
    std::string out = dir.file("float.wav");
    EXPECT_EQ(exportAudio(clip, path.c_str(), out.c_str(), owner, nullptr, exportModeSingle, true), waveWritten);
    EXPECT_TRUE(dir.read("float.wav") == waveFile(waveFormatRecord(3, 2, 44100, 32), samples));
    EXPECT_TRUE(boxes::shown().empty());
}

TEST_F(ScriptAudio, ClipPropertiesOfAScriptWithVideoAndAudio) {
    TempFolder dir;
    dir.write("both.avs",
              "BlankClip(length=50, width=320, height=240, fps=25, pixel_type=\"YV12\", audio_rate=48000, "
              "channels=2)\r\n");
    std::string path = dir.file("both.avs");
    boxes::reset();
    AviClip clip;
    EXPECT_EQ(readClipInfo(clip, path.c_str(), owner, true), 0);
    ASSERT_EQ(boxes::shown().size(), 1u);
    EXPECT_EQ(boxes::shown()[0].text,
              path +
                  "\nNumber of output streams:  2\n\nVideo Stream\n        Width:\t320 pixels\n       Height:\t240 "
                  "pixels\n            fps:\t25.000000 fps\n       Length:\t50 frames\n   FOURCC:\t\" YV12 "
                  "\"\n\nInfo:\nAvisynth video #1\n\nAudio Stream\n              Channels:\t2     \n         Sample "
                  "Rate:\t48 kHz\nAudio Sample Size:\t16 bit\n                Bit Rate:\t192 kByte/sec");
    EXPECT_EQ(boxes::shown()[0].flags, unsigned(mbOk));

    // Quietly, for the encoder's colour-space test.
    AviClip quiet;
    EXPECT_EQ(readClipInfo(quiet, path.c_str(), owner, false), 1);
    EXPECT_EQ(quiet.handlerCode, 0x32315659u);  // "YV12"
    EXPECT_EQ(quiet.clipWidth, 320);
    EXPECT_FLOAT_EQ(quiet.framesPerSecond, 25.0f);
}

TEST_F(ScriptAudio, AFailingScriptShowsTheErrorPicture) {
    TempFolder dir;
    dir.write("broken.avs", "BlankClip(length=\r\n");
    std::string path = dir.file("broken.avs");
    for (int answer : {answerOk, answerCancel}) {
        boxes::reset();
        boxes::answer(answer);
        AviClip clip;
        EXPECT_EQ(readClipInfo(clip, path.c_str(), owner, true), answer == answerOk ? 1 : 0);
        ASSERT_EQ(boxes::shown().size(), 1u);
        EXPECT_EQ(boxes::shown()[0].flags, unsigned(mbOkCancel));
        // The picture is as wide as AviSynth's message needs, and at least 392 pixels.
        uint32_t width = clip.fileInfo.width;
        EXPECT_GE(width, 392u);
        std::string w = std::to_string(width);
        EXPECT_EQ(boxes::shown()[0].text,
                  path + "\nNumber of output streams:  1\n\nVideo stream:\n\n   Width:           " + w +
                      "\n   Height:          58\n   fps:            24.00000000\n   Length:\t     240 frames\n"
                      "   FOURCC:\t\" DIB  \"\n   Buffer:      " +
                      std::to_string(width * 58 * 4) +
                      " bytes\n\nZandolin believes that AviSnyth is outputting an error message.\nClick OK to view "
                      "the details.");
        EXPECT_EQ(clip.clipHeight, answer == answerOk ? 58 : 0);
    }
}

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "riff_media.h"
#include "support/box_expect.h"
#include "support/message_box_recorder.h"
#include "support/temp_folder.h"
#include "viewer/clip_info.h"

namespace {
const char* const reportTitle = "Media Clip Properties....  ";

AviAudio stereoAudio(uint32_t frames) {
    AviAudio audio;
    audio.samples = sampleBytes(size_t(frames) * 4, 3);
    return audio;
}

std::string videoReport(const std::string& path, uint32_t width, uint32_t height, const std::string& closing) {
    return path + "\nNumber of output streams:  1\n\nVideo stream:\n\n   Width:           " + std::to_string(width) +
           "\n   Height:          " + std::to_string(height) +
           "\n   fps:            25.00000000\n   Length:\t     10 frames\n   FOURCC:\t\" DIB  \"\n   Buffer:      " +
           std::to_string(width * height * 3) + " bytes\n\n" + closing;
}

WindowHandle const owner = reinterpret_cast<WindowHandle>(0x5150);
}  // namespace

TEST(ClipInfo, VideoAndAudioAvi) {
    TempFolder dir;
    AviVideo video;
    AviAudio audio = stereoAudio(20000);
    dir.write("both.avi", aviFile(&video, &audio));
    std::string path = dir.file("both.avi");
    boxes::reset();
    AviClip clip;
    EXPECT_EQ(readClipInfo(clip, path.c_str(), owner, true), 0);
    ASSERT_EQ(boxes::shown().size(), 1u);
    EXPECT_EQ(boxes::shown()[0].title, reportTitle);
    EXPECT_EQ(boxes::shown()[0].owner, owner);
    EXPECT_EQ(boxes::shown()[0].flags, unsigned(mbOk));
    EXPECT_EQ(boxes::shown()[0].text,
              path +
                  "\nNumber of output streams:  2\n\nVideo Stream\n        Width:\t8 pixels\n       Height:\t6 "
                  "pixels\n            fps:\t25.000000 fps\n       Length:\t10 frames\n   FOURCC:\t\" DIB  "
                  "\"\n\nInfo:\nTest video\n\nAudio Stream\n              Channels:\t2     \n         Sample "
                  "Rate:\t48 kHz\nAudio Sample Size:\t16 bit\n                Bit Rate:\t192 kByte/sec");
    EXPECT_EQ(clip.clipWidth, 8);
    EXPECT_EQ(clip.clipHeight, 6);
    EXPECT_EQ(clip.handlerCode, 0x20424944u);  // "DIB "
    // Everything was released: the file can be replaced at once.
    EXPECT_TRUE(DeleteFileA(path.c_str()));
}

TEST(ClipInfo, VideoOnlyAviAndQuietMode) {
    TempFolder dir;
    AviVideo video;
    video.width = 64;
    video.height = 48;
    dir.write("video.avi", aviFile(&video, nullptr));
    std::string path = dir.file("video.avi");
    boxes::reset();
    AviClip clip;
    EXPECT_EQ(readClipInfo(clip, path.c_str(), owner, true), 0);
    ASSERT_TRUE(onlyBoxSaying(videoReport(path, 64, 48, "")));

    boxes::reset();
    AviClip quiet;
    EXPECT_EQ(readClipInfo(quiet, path.c_str(), owner, false), 1);
    EXPECT_TRUE(boxes::shown().empty());
    EXPECT_EQ(quiet.clipWidth, 64);
    EXPECT_EQ(quiet.clipHeight, 48);
    EXPECT_FLOAT_EQ(quiet.framesPerSecond, 25.0f);
    EXPECT_STREQ(quiet.handlerText, "\" DIB  \"");
}

TEST(ClipInfo, AudioOnlyWave) {
    TempFolder dir;
    dir.write("audio.wav", waveFile(waveFormatRecord(1, 6, 44100, 24), sampleBytes(18 * 1000, 9)));
    std::string path = dir.file("audio.wav");
    boxes::reset();
    AviClip clip;
    EXPECT_EQ(readClipInfo(clip, path.c_str(), owner, true), 0);
    ASSERT_TRUE(onlyBoxSaying(
            path + "\nNumber of output streams:  1\n\nAudio stream:\n\n              Channels:\t6     \n         "
            "Sample Rate:\t44 kHz\nAudio Sample Size:\t24 bit\n                Bit Rate:\t793 kByte/sec"));
    EXPECT_EQ(clip.clipWidth, 1);
    EXPECT_EQ(clip.clipHeight, 1);
}

TEST(ClipInfo, OpenFailuresAsAVIFileReportsThem) {
    TempFolder dir;
    dir.write("notes.txt", "just some text, not a clip\r\n");
    struct Case {
        std::string path;
        const char* text;
    };
    const Case cases[] = {
        {dir.file("missing.avi"), "Disk error while opening file"},
        {dir.file("notes.txt"), "Disk error while reading file"},
    };
    for (const Case& c : cases) {
        boxes::reset();
        AviClip clip;
        EXPECT_EQ(readClipInfo(clip, c.path.c_str(), owner, true), 0);
        ASSERT_TRUE(onlyBox(c.text, c.path));
        EXPECT_EQ(clip.file, nullptr);
        EXPECT_EQ(clip.streamTable, nullptr);
    }
}

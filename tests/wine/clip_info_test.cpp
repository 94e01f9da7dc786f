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

WindowHandle const owner = reinterpret_cast<WindowHandle>(0x5150);
}  // namespace

// The report's layout for video and audio is checked word for word in clip_report_test and,
// through a script, in script_audio_test; here an AVI file read and let go.
TEST(ClipInfo, VideoAndAudioAviIsReadAndReleased) {
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
    EXPECT_NE(boxes::shown()[0].text.find("Number of output streams:  2\n\nVideo Stream\n        Width:\t8 pixels"),
              std::string::npos);
    EXPECT_NE(boxes::shown()[0].text.find("Rate:\t48 kHz\nAudio Sample Size:\t16 bit\n                Bit Rate:\t192"),
              std::string::npos);
    EXPECT_EQ(clip.clipHeight, 6);
    EXPECT_EQ(clip.handlerCode, 0x20424944u);  // "DIB "
    // Everything was released: the file can be replaced at once.
    EXPECT_TRUE(DeleteFileA(path.c_str()));
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

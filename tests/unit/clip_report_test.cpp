#include <gtest/gtest.h>

#include <string>

#include "base/bounded_text.h"
#include "audio/avifile_codes.h"
#include "support/box_expect.h"
#include "support/message_box_recorder.h"
#include "viewer/clip_report.h"

namespace {
WindowHandle const owner = reinterpret_cast<WindowHandle>(0x99);
const char* const path = "D:\\v\\clip.avi";
const char* const title = "Media Clip Properties....  ";

constexpr uint32_t fourcc(const char (&c)[5]) {
    return uint32_t(uint8_t(c[0])) | uint32_t(uint8_t(c[1])) << 8 | uint32_t(uint8_t(c[2])) << 16 |
           uint32_t(uint8_t(c[3])) << 24;
}

void addVideo(AviClip& clip, uint32_t width, uint32_t height) {
    clip.fileInfo.width = width;
    clip.fileInfo.height = height;
    clip.fileInfo.rate = 30000;
    clip.fileInfo.scale = 1001;
    clip.videoIndex = 0;
    clip.videoCount = 1;
    clip.videoInfo.type = aviStreamVideo;
    clip.videoInfo.handler = fourcc("YV12");
    clip.videoInfo.rate = 30000;
    clip.videoInfo.scale = 1001;
    clip.videoInfo.length = 240;
    clip.videoInfo.suggestedBufferSize = 115200;
    clip.videoInfo.frameRight = int32_t(width);
    clip.videoInfo.frameBottom = int32_t(height);
    copyText(clip.videoInfo.name, "Avisynth video #1");
}

void addAudio(AviClip& clip) {
    clip.audioIndex = clip.videoCount;
    clip.audioCount = 1;
    clip.audioFormat.formatTag = 1;
    clip.audioFormat.channels = 6;
    clip.audioFormat.samplesPerSec = 44100;
    clip.audioFormat.avgBytesPerSec = 529200;
    clip.audioFormat.blockAlign = 12;
    clip.audioFormat.bitsPerSample = 16;
}

ClipFacts readOk() {
    ClipFacts facts;
    facts.infoRead = true;
    return facts;
}

const char* const twoStreamText =
    "D:\\v\\clip.avi\nNumber of output streams:  2\n\nVideo Stream\n        Width:\t640 pixels\n       Height:\t360 "
    "pixels\n            fps:\t29.970030 fps\n       Length:\t240 frames\n   FOURCC:\t\" YV12 \"\n\nInfo:\nAvisynth "
    "video #1\n\nAudio Stream\n              Channels:\t6     \n         Sample Rate:\t44 kHz\nAudio Sample Size:\t16 "
    "bit\n                Bit Rate:\t529 kByte/sec";
const char* const errorPictureText =
    "Zandolin believes that AviSnyth is outputting an error message.\nClick OK to view the details.";
}  // namespace

TEST(ClipReport, MoreStreamsAreDescribedByTheLastOfEachKind) {
    boxes::reset();
    AviClip clip;
    clip.fileInfo.streams = 3;
    addVideo(clip, 640, 360);
    addAudio(clip);
    clip.audioCount = 2;
    finishClipInfo(clip, readOk(), path, owner, true);
    ASSERT_EQ(boxes::shown().size(), 1u);
    std::string expected = twoStreamText;
    expected.replace(expected.find("streams:  2"), 11, "streams:  3");
    EXPECT_EQ(boxes::shown()[0].text, expected);

    boxes::reset();
    AviClip none;
    none.fileInfo.streams = 1;
    finishClipInfo(none, readOk(), path, owner, true);
    ASSERT_TRUE(onlyBoxSaying("D:\\v\\clip.avi\nNumber of output streams:  1\n\n"));
}

TEST(ClipReport, ErrorPictureRatioBoundary) {
    struct Case {
        uint32_t width, height;
        bool errorPicture;
    };
    const Case cases[] = {{399, 100, false}, {400, 100, true}, {1920, 1080, false}, {640, 0, false}, {0, 0, false}};
    for (const Case& c : cases) {
        ClipFileInfo info;
        info.width = c.width;
        info.height = c.height;
        EXPECT_EQ(looksLikeErrorPicture(info), c.errorPicture) << c.width << "x" << c.height;
    }
    // The two-stream report ends with the same closing text.
    boxes::reset();
    AviClip clip;
    clip.fileInfo.streams = 2;
    addVideo(clip, 800, 100);
    addAudio(clip);
    finishClipInfo(clip, readOk(), path, owner, true);
    ASSERT_EQ(boxes::shown().size(), 1u);
    const std::string& text = boxes::shown()[0].text;
    EXPECT_EQ(text.substr(text.size() - std::string(errorPictureText).size()), errorPictureText);
    EXPECT_NE(text.find("kByte/secZandolin believes"), std::string::npos);
}

// Size, rate and handler of a quiet read with video: script_audio_test.
TEST(ClipReport, QuietModeWithoutVideoHasNoHandler) {
    boxes::reset();
    AviClip audioOnly;
    audioOnly.fileInfo.streams = 1;
    addAudio(audioOnly);
    EXPECT_EQ(finishClipInfo(audioOnly, readOk(), path, owner, false), 0);
    EXPECT_EQ(audioOnly.handlerCode, 0u);
    EXPECT_TRUE(boxes::shown().empty());
}

TEST(ClipReport, FailuresAreTitledWithThePath) {
    struct Case {
        int32_t code;
        const char* text;
    };
    const Case cases[] = {
        {aviErrBadFormat, "Bad format"},
        {aviErrMemory, "Insufficient memory"},
        {aviErrFileRead, "Disk error while reading file"},
        {aviErrFileOpen, "Disk error while opening file"},
        {regdbErrClassNotReg,
         "According to the registry, the type of file\nspecified in AVIFileOpen does not have a\nhandler to process it.\n"},
        {int32_t(0x80004005u), "AVIFileOpen failed 0x80004005"},
    };
    for (bool report : {true, false}) {
        for (const Case& c : cases) {
            boxes::reset();
            AviClip clip;
            ClipFacts facts;
            facts.openResult = c.code;
            EXPECT_EQ(finishClipInfo(clip, facts, path, owner, report), 0);
            ASSERT_TRUE(onlyBox(c.text, path));
            EXPECT_EQ(boxes::shown()[0].owner, owner);
        }
        boxes::reset();
        AviClip clip;
        EXPECT_EQ(finishClipInfo(clip, ClipFacts{}, path, owner, report), 0);
        ASSERT_TRUE(onlyBox("SomeThingWrong", path));
    }
}

TEST(ClipReport, UnreadableAudioFormatIsToldWithoutOwnerAndTheReportFollows) {
    boxes::reset();
    AviClip clip;
    clip.fileInfo.streams = 1;
    addVideo(clip, 640, 360);
    ClipFacts facts = readOk();
    facts.formatReadFailed = true;
    finishClipInfo(clip, facts, path, owner, true);
    ASSERT_EQ(boxes::shown().size(), 2u);
    EXPECT_EQ(boxes::shown()[0].text, "format read fail");
    EXPECT_EQ(boxes::shown()[0].title, "AVIStreamReadFormat");
    EXPECT_EQ(boxes::shown()[0].owner, nullptr);
    EXPECT_EQ(boxes::shown()[1].title, title);
}

TEST(ClipReport, ANewReadForgetsTheLastFile) {
    AviClip clip;
    addVideo(clip, 640, 360);
    addAudio(clip);
    beginClipRead(clip);
    EXPECT_EQ(clip.videoCount, 0);
    EXPECT_EQ(clip.audioCount, 0);
    EXPECT_EQ(clip.videoInfo.handler, 0u);
    EXPECT_EQ(clip.videoIndex, -1);
    EXPECT_EQ(clip.fileInfo.width, 0u);
}

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "audio/wave_header.h"
#include "audio/wave_writer.h"
#include "support/box_expect.h"
#include "support/channel_samples.h"
#include "support/message_box_recorder.h"
#include "support/pcm_format.h"
#include "support/temp_folder.h"

namespace {
// Audio held in memory, delivered as a stream handler would: never more than fits.
struct MemoryAudio {
    std::string samples;
    uint32_t sampleSize = 1;
    int failOnRead = -1;   // this read (0-based) returns an error
    int emptyOnRead = -1;  // this read delivers nothing
    int reads = 0;
    std::vector<uint32_t> asked;

    static int read(void* context, uint32_t start, uint32_t frames, unsigned char* buffer,
                    uint32_t bufferSize, uint32_t* framesRead, uint32_t* bytesRead) {
        auto* self = static_cast<MemoryAudio*>(context);
        int index = self->reads++;
        self->asked.push_back(frames);
        if (index == self->failOnRead) return 1;
        uint32_t available = uint32_t(self->samples.size() / self->sampleSize) - start;
        uint32_t n = std::min({frames, available, bufferSize / self->sampleSize});
        if (index == self->emptyOnRead) n = 0;
        std::memcpy(buffer, self->samples.data() + size_t(start) * self->sampleSize, size_t(n) * self->sampleSize);
        *framesRead = n;
        *bytesRead = n * self->sampleSize;
        return 0;
    }
    AudioSource source() {
        AudioSource s;
        s.context = this;
        s.read = read;
        return s;
    }
};

// The panel as the loop sees it: the progress values set and a pause press on chosen blocks.
struct FakePanel {
    std::vector<int> progress;
    std::vector<int> pressOnBlock;
    int blocks = 0;

    ExportControls controls() {
        ExportControls c;
        c.context = this;
        c.setProgress = [](void* p, int percent) { static_cast<FakePanel*>(p)->progress.push_back(percent); };
        c.pausePressed = [](void* p) {
            auto* self = static_cast<FakePanel*>(p);
            int block = self->blocks++;
            for (int b : self->pressOnBlock)
                if (b == block) return true;
            return false;
        };
        return c;
    }
};

std::string pattern(size_t size, unsigned seed = 1) {
    std::string s(size, '\0');
    uint32_t x = seed * 2654435761u + 12345;
    for (char& c : s) {
        x = x * 1664525u + 1013904223u;
        c = char(x >> 24);
    }
    return s;
}

// One export: audio of `frames` frames in the given PCM format, written to `name`.
struct Export {
    TempFolder dir;
    MemoryAudio audio;
    FakePanel panel;
    std::string out;
    WaveJob job;

    Export(const char* name, uint16_t channels, uint32_t rate, uint16_t bits, size_t frames, unsigned seed = 1) {
        boxes::reset();
        job.format = pcmFormat(channels, rate, bits);
        audio.sampleSize = job.format.blockAlign;
        audio.samples = pattern(frames * audio.sampleSize, seed);
        out = dir.file(name);
        job.formatCode = waveCodePcm;
        job.sampleSize = audio.sampleSize;
        job.lengthFrames = uint32_t(frames);
        job.outputName = out.c_str();
        job.owner = reinterpret_cast<WindowHandle>(0x1234);
    }
    int single() { return writeSingleWave(job, audio.source(), panel.controls()); }
    int perChannel() { return writeChannelWaves(job, audio.source(), panel.controls()); }
};

std::string singleHeader(const WaveFormat& f, uint64_t total) {
    unsigned char h[waveHeaderSize];
    singleWaveHeader(h, f, waveCodePcm, total);
    return std::string(reinterpret_cast<char*>(h), sizeof h);
}

std::string channelHeader(const WaveFormat& f, uint64_t total) {
    unsigned char h[waveHeaderSize];
    channelWaveHeader(h, f, waveCodePcm, total);
    return std::string(reinterpret_cast<char*>(h), sizeof h);
}

const char* const pausedSingle =
    "To continue saving the wave file click \" No \"\n\nTo Cancel click \" Yes \", the partial file will be deleted";
const char* const pausedChannels =
    "To continue saving the wave files click \" No \"\n\nTo Cancel click \" Yes \", the partial files will need "
    "to be deleted manually by you or you can overwrite them.";
}  // namespace

TEST(SingleWave, OddEightBitMonoGetsAPadByteAndTheDoneMessage) {
    Export e("mono.wav", 1, 8000, 8, 7);
    EXPECT_EQ(e.single(), waveWritten);
    EXPECT_EQ(e.dir.read("mono.wav"), singleHeader(e.job.format, 7) + e.audio.samples + std::string(1, '\0'));
    EXPECT_EQ(e.dir.read("mono.wav").size(), 52u);
    EXPECT_EQ(e.panel.progress, (std::vector<int>{0, 100}));
    ASSERT_TRUE(onlyBox("Done\n save time\n0 sec", "Save Wave", mbOk));
    EXPECT_EQ(boxes::shown()[0].owner, e.job.owner);
}

TEST(SingleWave, BlocksOfTheBufferSizeWithProgressBeforeEachBlock) {
    Export e("stereo.wav", 2, 44100, 16, 30000);  // three reads of 12,000 frames at most
    e.job.quiet = true;
    EXPECT_EQ(e.single(), waveWritten);
    EXPECT_EQ(e.dir.read("stereo.wav"), singleHeader(e.job.format, 120000) + e.audio.samples);
    EXPECT_EQ(e.audio.asked, (std::vector<uint32_t>{12000, 12000, 6000}));
    EXPECT_EQ(e.panel.progress, (std::vector<int>{0, 40, 80, 100}));
    EXPECT_EQ(e.panel.blocks, 3);
    EXPECT_TRUE(boxes::shown().empty());  // quiet: no "Done"
}

TEST(SingleWave, ExistingFileIsOverwrittenOnlyOnYesAndQuietlyWithoutAsking) {
    Export e("old.wav", 1, 8000, 8, 2);
    e.dir.write("old.wav", "keep me");
    boxes::answer(answerNo);
    EXPECT_EQ(e.single(), waveDeclined);
    EXPECT_EQ(e.dir.read("old.wav"), "keep me");
    ASSERT_TRUE(onlyBox("The file already exists.  Do you wish to overwrite the file", "Save Audio as Wave", mbYesNo));
    EXPECT_EQ(e.audio.reads, 0);

    boxes::reset();
    boxes::answer(answerYes);
    EXPECT_EQ(e.single(), waveWritten);
    EXPECT_EQ(e.dir.read("old.wav"), singleHeader(e.job.format, 2) + e.audio.samples);

    e.dir.write("old.wav", "keep me");
    boxes::reset();
    e.job.quiet = true;
    EXPECT_EQ(e.single(), waveWritten);
    EXPECT_EQ(e.dir.read("old.wav"), singleHeader(e.job.format, 2) + e.audio.samples);
    EXPECT_TRUE(boxes::shown().empty());
}

TEST(SingleWave, PauseAnsweredNoContinuesAndYesDeletesThePartialFile) {
    Export e("paused.wav", 1, 48000, 16, 60000);
    e.job.quiet = true;
    e.panel.pressOnBlock = {1};
    boxes::answer(answerNo);
    EXPECT_EQ(e.single(), waveWritten);
    EXPECT_EQ(e.dir.read("paused.wav"), singleHeader(e.job.format, 120000) + e.audio.samples);
    ASSERT_TRUE(onlyBox(pausedSingle, "Save Wave is Paused", mbYesNo | mbIconQuestion));

    e.panel = FakePanel{};
    e.panel.pressOnBlock = {1};
    e.audio.reads = 0;
    boxes::reset();
    boxes::answer(answerYes);
    e.dir.write("paused.wav", "older take");
    EXPECT_EQ(e.single(), waveCancelled);
    EXPECT_EQ(e.dir.read("paused.wav"), "older take");
    EXPECT_FALSE(e.dir.exists("paused.wav.part"));
    EXPECT_EQ(e.audio.reads, 2);
    EXPECT_EQ(e.panel.progress, (std::vector<int>{0, 40, 0}));
    EXPECT_EQ(boxes::shown().size(), 1u);
}

TEST(SingleWave, AFailedOrEmptyReadDeletesTheFileAndSaysWhere) {
    for (bool empty : {false, true}) {
        Export e("short.wav", 2, 44100, 16, 30000);
        (empty ? e.audio.emptyOnRead : e.audio.failOnRead) = 1;
        EXPECT_EQ(e.single(), waveReadFailed);
        EXPECT_FALSE(e.dir.exists("short.wav"));
        EXPECT_EQ(e.panel.progress.back(), 0);
        ASSERT_TRUE(onlyBox("Reading the audio failed at sample 12000 of 30000.\n\nThe partial file has been deleted.",
                            "Save Wave"));
    }
}

TEST(SingleWave, UncreatableFileAndVariableSizedSamplesAreReportedBeforeReading) {
    Export e("missing-folder/x.wav", 1, 8000, 8, 2);
    EXPECT_EQ(e.single(), waveCreateFailed);
    ASSERT_TRUE(onlyBox("Could not create the wave file\n\n" + e.out, "Save Wave"));

    Export v("x.wav", 2, 44100, 16, 100);
    v.job.sampleSize = 0;
    EXPECT_EQ(v.single(), waveUnsupported);
    EXPECT_FALSE(v.dir.exists("x.wav"));
    ASSERT_TRUE(onlyBox("Save audio will not work", " Unknow data format "));
    EXPECT_EQ(e.audio.reads + v.audio.reads, 0);
}

TEST(ChannelWaves, SampleWidthsAndChannelCounts) {
    struct Case {
        unsigned channels, bits, frames, files;
    };
    // 7 and 8 channels write the first six; 25,000 frames take several reads.
    const Case cases[] = {{1, 8, 25001, 1}, {2, 16, 25000, 2}, {3, 24, 999, 3}, {4, 32, 25000, 4},
                          {6, 24, 25000, 6}, {6, 16, 7, 6},    {7, 16, 12345, 6}, {8, 32, 3000, 6}};
    for (const Case& c : cases) {
        Export e("take.wav", uint16_t(c.channels), 48000, uint16_t(c.bits), c.frames, c.channels);
        e.job.quiet = true;
        SCOPED_TRACE(std::to_string(c.channels) + " channels, " + std::to_string(c.bits) + " bits");
        EXPECT_EQ(e.perChannel(), waveWritten);
        for (unsigned k = 0; k < 6; ++k) {
            std::string name = std::string("take") + channelNames[k];
            if (k >= c.files) {
                EXPECT_FALSE(e.dir.exists(name));
                continue;
            }
            std::string file = e.dir.read(name);
            EXPECT_EQ(file.substr(0, 44), channelHeader(e.job.format, e.audio.samples.size())) << name;
            EXPECT_TRUE(file.substr(44) == channelOf(e.audio.samples, c.channels, c.bits / 8, k)) << name;
        }
        EXPECT_FALSE(e.dir.exists("take.wav"));
        for (uint32_t asked : e.audio.asked) EXPECT_LE(asked, 10000u);
        EXPECT_EQ(e.panel.progress.back(), 100);
        EXPECT_TRUE(boxes::shown().empty());
    }
}

TEST(ChannelWaves, DoneMessageAndExistingFilesOverwrittenWithoutQuestion) {
    Export e("a.wav", 2, 44100, 16, 100);
    e.dir.write("a_FL.wav", "old");
    EXPECT_EQ(e.perChannel(), waveWritten);
    EXPECT_EQ(e.dir.read("a_FL.wav").size(), 44u + 200u);
    ASSERT_TRUE(onlyBox("Done\n save time\n0 sec", "Save Wave"));
}

// Cancel and a failed read leave the older files of those names as they were, and no
// partial file under any name.
TEST(ChannelWaves, CancelAndReadFailureKeepTheOldFilesAndLeaveNoPartialOnes) {
    for (bool cancel : {true, false}) {
        Export e("s.wav", 6, 48000, 16, 20000);  // 4,000 frames per 48,000-byte read
        e.dir.write("s_FL.wav", "older take");
        if (cancel) {
            boxes::answer(answerYes);
            e.panel.pressOnBlock = {1};
            EXPECT_EQ(e.perChannel(), waveCancelled);
            ASSERT_TRUE(onlyBox(pausedChannels, "Save Wave is Paused", mbYesNo | mbIconQuestion));
        } else {
            e.audio.failOnRead = 2;
            EXPECT_EQ(e.perChannel(), waveReadFailed);
            ASSERT_TRUE(onlyBox("Reading the audio failed at sample 8000 of 20000.\n\nThe partial files have been "
                                "deleted.",
                                "Save Wave"));
        }
        EXPECT_EQ(e.dir.read("s_FL.wav"), "older take");
        EXPECT_EQ(e.panel.progress.back(), 0);
        auto left = std::distance(std::filesystem::directory_iterator(e.dir.path()), {});
        EXPECT_EQ(left, 1);
    }
}

TEST(ChannelWaves, SamplesThatCannotBeSplitAreRefusedBeforeAnyFileIsMade) {
    struct Case {
        unsigned channels, bits, sampleSize;
    };
    // 12-bit samples, 40-bit samples, a sample frame that is not channels x width, no channels.
    const Case cases[] = {{2, 12, 4}, {1, 40, 5}, {2, 16, 6}, {0, 16, 2}};
    for (const Case& c : cases) {
        Export e("u.wav", uint16_t(c.channels), 8000, uint16_t(c.bits), 0);
        e.audio.sampleSize = e.job.sampleSize = c.sampleSize;
        e.audio.samples = pattern(c.sampleSize * 10);
        e.job.lengthFrames = 10;
        EXPECT_EQ(e.perChannel(), waveUnsupported);
        EXPECT_FALSE(e.dir.exists("u_FL.wav"));
        ASSERT_TRUE(onlyBox("Save audio will not work", " Unknow data format "));
    }
}

TEST(ChannelWaves, AFileThatCannotTakeItsNameIsReportedAndLeavesNoPartialFile) {
    Export e("b.wav", 2, 8000, 16, 10);
    std::string blocker = e.dir.file("b_FR.wav");
    std::filesystem::create_directory(blocker);  // a folder where the second file should go
    EXPECT_EQ(e.perChannel(), waveCreateFailed);
    EXPECT_FALSE(e.dir.exists("b_FR.wav.part"));
    EXPECT_FALSE(e.dir.exists("b_FL.wav.part"));
    ASSERT_TRUE(onlyBox("Could not create the wave file\n\n" + blocker, "Save Wave"));
}

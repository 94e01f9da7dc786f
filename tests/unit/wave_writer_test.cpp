#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "audio/wave_header.h"
#include "audio/wave_writer.h"
#include "support/message_box_recorder.h"
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

WaveFormat pcm(uint16_t channels, uint32_t rate, uint16_t bits) {
    WaveFormat f;
    f.formatTag = 1;
    f.channels = channels;
    f.samplesPerSec = rate;
    f.blockAlign = uint16_t(channels * bits / 8);
    f.avgBytesPerSec = rate * f.blockAlign;
    f.bitsPerSample = bits;
    return f;
}

std::string pattern(size_t size, unsigned seed = 1) {
    std::string s(size, '\0');
    uint32_t x = seed * 2654435761u + 12345;
    for (char& c : s) {
        x = x * 1664525u + 1013904223u;
        c = char(x >> 24);
    }
    return s;
}

WaveJob jobFor(const WaveFormat& format, const MemoryAudio& audio, const std::string& output) {
    WaveJob job;
    job.format = format;
    job.formatCode = waveCodePcm;
    job.sampleSize = audio.sampleSize;
    job.lengthFrames = uint32_t(audio.samples.size() / audio.sampleSize);
    job.outputName = output.c_str();
    job.owner = reinterpret_cast<WindowHandle>(0x1234);
    return job;
}

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

// The samples of channel c of interleaved audio.
std::string channelOf(const std::string& all, unsigned channels, unsigned width, unsigned c) {
    std::string out;
    for (size_t at = c * width; at < all.size(); at += channels * width) out += all.substr(at, width);
    return out;
}

const char* const pausedSingle =
    "To continue saving the wave file click \" No \"\n\nTo Cancel click \" Yes \", the partial file will be deleted";
const char* const pausedChannels =
    "To continue saving the wave files click \" No \"\n\nTo Cancel click \" Yes \", the partial files will need "
    "to be deleted manually by you or you can overwrite them.";
}  // namespace

TEST(SingleWave, OddEightBitMonoGetsAPadByteAndTheDoneMessage) {
    TempFolder dir;
    boxes::reset();
    MemoryAudio audio;
    audio.samples = "\x01\x02\x03\x04\x05\x06\x07";
    FakePanel panel;
    std::string out = dir.file("mono.wav");
    WaveJob job = jobFor(pcm(1, 8000, 8), audio, out);
    EXPECT_EQ(writeSingleWave(job, audio.source(), panel.controls()), waveWritten);
    EXPECT_EQ(dir.read("mono.wav"), singleHeader(job.format, 7) + audio.samples + std::string(1, '\0'));
    EXPECT_EQ(dir.read("mono.wav").size(), 52u);
    EXPECT_EQ(panel.progress, (std::vector<int>{0, 100}));
    ASSERT_EQ(boxes::shown().size(), 1u);
    EXPECT_EQ(boxes::shown()[0].text, "Done\n save time\n0 sec");
    EXPECT_EQ(boxes::shown()[0].title, "Save Wave");
    EXPECT_EQ(boxes::shown()[0].flags, unsigned(mbOk));
    EXPECT_EQ(boxes::shown()[0].owner, job.owner);
}

TEST(SingleWave, BlocksOfTheBufferSizeWithProgressBeforeEachBlock) {
    TempFolder dir;
    boxes::reset();
    MemoryAudio audio;
    audio.sampleSize = 4;
    audio.samples = pattern(30000 * 4);  // three reads of 12,000 frames at most
    FakePanel panel;
    std::string out = dir.file("stereo.wav");
    WaveJob job = jobFor(pcm(2, 44100, 16), audio, out);
    job.quiet = true;
    EXPECT_EQ(writeSingleWave(job, audio.source(), panel.controls()), waveWritten);
    EXPECT_EQ(dir.read("stereo.wav"), singleHeader(job.format, 120000) + audio.samples);
    EXPECT_EQ(audio.asked, (std::vector<uint32_t>{12000, 12000, 6000}));
    EXPECT_EQ(panel.progress, (std::vector<int>{0, 40, 80, 100}));
    EXPECT_EQ(panel.blocks, 3);
    EXPECT_TRUE(boxes::shown().empty());  // quiet: no "Done"
}

TEST(SingleWave, ExistingFileIsOverwrittenOnlyOnYesAndQuietlyWithoutAsking) {
    TempFolder dir;
    MemoryAudio audio;
    audio.samples = "ab";
    std::string out = dir.file("old.wav");
    WaveJob job = jobFor(pcm(1, 8000, 8), audio, out);
    FakePanel panel;

    dir.write("old.wav", "keep me");
    boxes::reset();
    boxes::answer(answerNo);
    EXPECT_EQ(writeSingleWave(job, audio.source(), panel.controls()), waveDeclined);
    EXPECT_EQ(dir.read("old.wav"), "keep me");
    ASSERT_EQ(boxes::shown().size(), 1u);
    EXPECT_EQ(boxes::shown()[0].text, "The file already exists.  Do you wish to overwrite the file");
    EXPECT_EQ(boxes::shown()[0].title, "Save Audio as Wave");
    EXPECT_EQ(boxes::shown()[0].flags, unsigned(mbYesNo));
    EXPECT_EQ(audio.reads, 0);

    boxes::reset();
    boxes::answer(answerYes);
    EXPECT_EQ(writeSingleWave(job, audio.source(), panel.controls()), waveWritten);
    EXPECT_EQ(dir.read("old.wav"), singleHeader(job.format, 2) + "ab");

    dir.write("old.wav", "keep me");
    boxes::reset();
    job.quiet = true;
    EXPECT_EQ(writeSingleWave(job, audio.source(), panel.controls()), waveWritten);
    EXPECT_EQ(dir.read("old.wav"), singleHeader(job.format, 2) + "ab");
    EXPECT_TRUE(boxes::shown().empty());
}

TEST(SingleWave, PauseAnsweredNoContinuesAndYesDeletesThePartialFile) {
    TempFolder dir;
    MemoryAudio audio;
    audio.sampleSize = 2;
    audio.samples = pattern(60000 * 2);
    std::string out = dir.file("paused.wav");
    WaveJob job = jobFor(pcm(1, 48000, 16), audio, out);
    job.quiet = true;

    FakePanel goOn;
    goOn.pressOnBlock = {1};
    boxes::reset();
    boxes::answer(answerNo);
    EXPECT_EQ(writeSingleWave(job, audio.source(), goOn.controls()), waveWritten);
    EXPECT_EQ(dir.read("paused.wav"), singleHeader(job.format, 120000) + audio.samples);
    ASSERT_EQ(boxes::shown().size(), 1u);
    EXPECT_EQ(boxes::shown()[0].text, pausedSingle);
    EXPECT_EQ(boxes::shown()[0].title, "Save Wave is Paused");
    EXPECT_EQ(boxes::shown()[0].flags, unsigned(mbYesNo | mbIconQuestion));

    FakePanel cancel;
    cancel.pressOnBlock = {1};
    audio.reads = 0;
    boxes::reset();
    boxes::answer(answerYes);
    EXPECT_EQ(writeSingleWave(job, audio.source(), cancel.controls()), waveCancelled);
    EXPECT_FALSE(dir.exists("paused.wav"));
    EXPECT_EQ(audio.reads, 2);
    EXPECT_EQ(cancel.progress, (std::vector<int>{0, 40, 0}));
    EXPECT_EQ(boxes::shown().size(), 1u);
}

TEST(SingleWave, AFailedOrEmptyReadDeletesTheFileAndSaysWhere) {
    for (bool empty : {false, true}) {
        TempFolder dir;
        boxes::reset();
        MemoryAudio audio;
        audio.sampleSize = 4;
        audio.samples = pattern(30000 * 4);
        (empty ? audio.emptyOnRead : audio.failOnRead) = 1;
        FakePanel panel;
        std::string out = dir.file("short.wav");
        WaveJob job = jobFor(pcm(2, 44100, 16), audio, out);
        EXPECT_EQ(writeSingleWave(job, audio.source(), panel.controls()), waveReadFailed);
        EXPECT_FALSE(dir.exists("short.wav"));
        EXPECT_EQ(panel.progress.back(), 0);
        ASSERT_EQ(boxes::shown().size(), 1u);
        EXPECT_EQ(boxes::shown()[0].text,
                  "Reading the audio failed at sample 12000 of 30000.\n\nThe partial file has been deleted.");
        EXPECT_EQ(boxes::shown()[0].title, "Save Wave");
    }
}

TEST(SingleWave, AnUncreatableFileIsReported) {
    TempFolder dir;
    boxes::reset();
    MemoryAudio audio;
    audio.samples = "ab";
    FakePanel panel;
    std::string out = dir.file("missing-folder/x.wav");
    WaveJob job = jobFor(pcm(1, 8000, 8), audio, out);
    EXPECT_EQ(writeSingleWave(job, audio.source(), panel.controls()), waveCreateFailed);
    ASSERT_EQ(boxes::shown().size(), 1u);
    EXPECT_EQ(boxes::shown()[0].text, "Could not create the wave file\n\n" + out);
    EXPECT_EQ(boxes::shown()[0].title, "Save Wave");
    EXPECT_EQ(audio.reads, 0);
}

TEST(SingleWave, VariableSizedSamplesAreRefused) {
    TempFolder dir;
    boxes::reset();
    MemoryAudio audio;
    FakePanel panel;
    std::string out = dir.file("x.wav");
    WaveJob job = jobFor(pcm(2, 44100, 16), audio, out);
    job.sampleSize = 0;
    job.lengthFrames = 100;
    EXPECT_EQ(writeSingleWave(job, audio.source(), panel.controls()), waveUnsupported);
    EXPECT_FALSE(dir.exists("x.wav"));
    ASSERT_EQ(boxes::shown().size(), 1u);
    EXPECT_EQ(boxes::shown()[0].text, "Save audio will not work");
    EXPECT_EQ(boxes::shown()[0].title, " Unknow data format ");
}

TEST(ChannelWaves, SampleWidthsAndChannelCounts) {
    struct Case {
        unsigned channels, bits, frames, files;
    };
    // 7 and 8 channels write the first six; 25,000 frames take several reads.
    const Case cases[] = {{1, 8, 25001, 1}, {2, 16, 25000, 2}, {3, 24, 999, 3}, {4, 32, 25000, 4},
                          {6, 24, 25000, 6}, {6, 16, 7, 6},    {7, 16, 12345, 6}, {8, 32, 3000, 6}};
    const char* names[6] = {"take_FL.wav", "take_FR.wav", "take_C.wav", "take_LFE.wav", "take_SL.wav", "take_SR.wav"};
    for (const Case& c : cases) {
        TempFolder dir;
        boxes::reset();
        MemoryAudio audio;
        unsigned width = c.bits / 8;
        audio.sampleSize = c.channels * width;
        audio.samples = pattern(size_t(c.frames) * audio.sampleSize, c.channels);
        FakePanel panel;
        std::string out = dir.file("take.wav");
        WaveJob job = jobFor(pcm(uint16_t(c.channels), 48000, uint16_t(c.bits)), audio, out);
        job.quiet = true;
        SCOPED_TRACE(std::to_string(c.channels) + " channels, " + std::to_string(c.bits) + " bits");
        EXPECT_EQ(writeChannelWaves(job, audio.source(), panel.controls()), waveWritten);
        uint64_t total = audio.samples.size();
        for (unsigned k = 0; k < 6; ++k) {
            if (k >= c.files) {
                EXPECT_FALSE(dir.exists(names[k]));
                continue;
            }
            std::string file = dir.read(names[k]);
            EXPECT_EQ(file.substr(0, 44), channelHeader(job.format, total)) << names[k];
            EXPECT_TRUE(file.substr(44) == channelOf(audio.samples, c.channels, width, k)) << names[k];
        }
        EXPECT_FALSE(dir.exists("take.wav"));
        for (uint32_t asked : audio.asked) EXPECT_LE(asked, 10000u);
        EXPECT_EQ(panel.progress.back(), 100);
        EXPECT_TRUE(boxes::shown().empty());
    }
}

TEST(ChannelWaves, DoneMessageAndExistingFilesOverwrittenWithoutQuestion) {
    TempFolder dir;
    boxes::reset();
    dir.write("a_FL.wav", "old");
    MemoryAudio audio;
    audio.sampleSize = 4;
    audio.samples = pattern(400);
    FakePanel panel;
    std::string out = dir.file("a.wav");
    WaveJob job = jobFor(pcm(2, 44100, 16), audio, out);
    EXPECT_EQ(writeChannelWaves(job, audio.source(), panel.controls()), waveWritten);
    EXPECT_EQ(dir.read("a_FL.wav").size(), 44u + 200u);
    ASSERT_EQ(boxes::shown().size(), 1u);
    EXPECT_EQ(boxes::shown()[0].text, "Done\n save time\n0 sec");
    EXPECT_EQ(boxes::shown()[0].title, "Save Wave");
}

TEST(ChannelWaves, CancelKeepsThePartialFiles) {
    TempFolder dir;
    boxes::reset();
    boxes::answer(answerYes);
    MemoryAudio audio;
    audio.sampleSize = 12;
    audio.samples = pattern(20000 * 12);  // 4,000 frames per 48,000-byte read
    FakePanel panel;
    panel.pressOnBlock = {0};
    std::string out = dir.file("s.wav");
    WaveJob job = jobFor(pcm(6, 48000, 16), audio, out);
    EXPECT_EQ(writeChannelWaves(job, audio.source(), panel.controls()), waveCancelled);
    ASSERT_EQ(boxes::shown().size(), 1u);
    EXPECT_EQ(boxes::shown()[0].text, pausedChannels);
    EXPECT_EQ(boxes::shown()[0].title, "Save Wave is Paused");
    EXPECT_EQ(boxes::shown()[0].flags, unsigned(mbYesNo | mbIconQuestion));
    EXPECT_EQ(dir.read("s_SR.wav").size(), 44u + 4000u * 2);
    EXPECT_EQ(panel.progress, (std::vector<int>{0, 0}));
}

TEST(ChannelWaves, ReadFailureKeepsTheFilesAndSaysTheyAreIncomplete) {
    TempFolder dir;
    boxes::reset();
    MemoryAudio audio;
    audio.sampleSize = 4;
    audio.samples = pattern(30000 * 4);
    audio.failOnRead = 2;
    FakePanel panel;
    std::string out = dir.file("r.wav");
    WaveJob job = jobFor(pcm(2, 44100, 16), audio, out);
    EXPECT_EQ(writeChannelWaves(job, audio.source(), panel.controls()), waveReadFailed);
    EXPECT_EQ(dir.read("r_FR.wav").size(), 44u + 20000u * 2);
    ASSERT_EQ(boxes::shown().size(), 1u);
    EXPECT_EQ(boxes::shown()[0].text,
              "Reading the audio failed at sample 20000 of 30000.\n\nThe partial files are incomplete.");
    EXPECT_EQ(boxes::shown()[0].title, "Save Wave");
}

TEST(ChannelWaves, SamplesThatCannotBeSplitAreRefusedBeforeAnyFileIsMade) {
    struct Case {
        unsigned channels, bits, sampleSize;
    };
    // 12-bit samples, 40-bit samples, a sample frame that is not channels x width, no channels.
    const Case cases[] = {{2, 12, 4}, {1, 40, 5}, {2, 16, 6}, {0, 16, 2}};
    for (const Case& c : cases) {
        TempFolder dir;
        boxes::reset();
        MemoryAudio audio;
        audio.sampleSize = c.sampleSize;
        audio.samples = pattern(c.sampleSize * 10);
        FakePanel panel;
        std::string out = dir.file("u.wav");
        WaveJob job = jobFor(pcm(uint16_t(c.channels), 8000, uint16_t(c.bits)), audio, out);
        EXPECT_EQ(writeChannelWaves(job, audio.source(), panel.controls()), waveUnsupported);
        EXPECT_FALSE(dir.exists("u_FL.wav"));
        ASSERT_EQ(boxes::shown().size(), 1u);
        EXPECT_EQ(boxes::shown()[0].text, "Save audio will not work");
        EXPECT_EQ(boxes::shown()[0].title, " Unknow data format ");
    }
}

TEST(ChannelWaves, AnUncreatableFileRemovesTheOnesAlreadyMade) {
    TempFolder dir;
    boxes::reset();
    std::string blocker = dir.file("b_FR.wav");
    std::filesystem::create_directory(blocker);  // a folder where the second file should go
    MemoryAudio audio;
    audio.sampleSize = 4;
    audio.samples = pattern(40);
    FakePanel panel;
    std::string out = dir.file("b.wav");
    WaveJob job = jobFor(pcm(2, 8000, 16), audio, out);
    EXPECT_EQ(writeChannelWaves(job, audio.source(), panel.controls()), waveCreateFailed);
    EXPECT_FALSE(dir.exists("b_FL.wav"));
    ASSERT_EQ(boxes::shown().size(), 1u);
    EXPECT_EQ(boxes::shown()[0].text, "Could not create the wave file\n\n" + blocker);
}

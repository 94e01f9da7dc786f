#include <gtest/gtest.h>

#include <string>

#include "audio/audio_report.h"
#include "audio/wave_format.h"
#include "audio/wave_header.h"
#include "support/pcm_format.h"

namespace {
std::string bytes(const unsigned char (&header)[waveHeaderSize]) {
    return std::string(reinterpret_cast<const char*>(header), waveHeaderSize);
}

// A 40-byte extensible format block with the given sub-format tag.
std::string extensibleBlock(uint8_t subTag, size_t size = 40) {
    std::string b("\xFE\xFF\x02\x00\x80\xBB\x00\x00\x00\xDC\x05\x00\x08\x00\x20\x00"
                  "\x16\x00\x20\x00\x03\x00\x00\x00",
                  24);
    b += std::string(1, char(subTag)) + std::string("\x00\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71", 15);
    return b.substr(0, size);
}

int parse(const std::string& block, WaveFormat* f) {
    return readWaveFormat(reinterpret_cast<const unsigned char*>(block.data()), block.size(), f);
}
}  // namespace

// Whole 16-bit files are compared in the Wine export tests; here odd sizes and one channel.
TEST(WaveHeader, Layouts) {
    struct Case {
        const char* name;
        bool perChannel;
        WaveFormat format;
        uint64_t total;
        std::string bytes;
    } cases[] = {
        {"odd 8-bit mono, padded to an even size", false, pcmFormat(1, 8000, 8), 7,
         std::string("RIFF\x2C\x00\x00\x00WAVEfmt \x10\x00\x00\x00\x01\x00\x01\x00"
                     "\x40\x1F\x00\x00\x40\x1F\x00\x00\x01\x00\x08\x00"
                     "data\x08\x00\x00\x00",
                     44)},
        // 1000 frames of 18 bytes: each mono file holds 3000 bytes.
        {"one channel of 24-bit 5.1", true, pcmFormat(6, 48000, 24), 18000,
         std::string("RIFF\xDC\x0B\x00\x00WAVEfmt \x10\x00\x00\x00\x01\x00\x01\x00"
                     "\x80\xBB\x00\x00\x80\x32\x02\x00\x03\x00\x18\x00"
                     "data\xB8\x0B\x00\x00",
                     44)},
    };
    for (const Case& c : cases) {
        unsigned char h[waveHeaderSize];
        if (c.perChannel)
            channelWaveHeader(h, c.format, waveCodePcm, c.total);
        else
            singleWaveHeader(h, c.format, waveCodePcm, c.total);
        EXPECT_EQ(bytes(h), c.bytes) << c.name;
    }
}

TEST(WaveHeader, SingleFileKeepsTheStreamsByteRateAndBlockAlign) {
    WaveFormat f = pcmFormat(2, 48000, 16);
    f.avgBytesPerSec = 123456;
    f.blockAlign = 6;
    unsigned char h[waveHeaderSize];
    singleWaveHeader(h, f, waveCodePcm, 0);
    EXPECT_EQ(bytes(h).substr(28, 6), std::string("\x40\xE2\x01\x00\x06\x00", 6));
    EXPECT_EQ(bytes(h).substr(4, 4), std::string("\x24\x00\x00\x00", 4));
}

TEST(WaveFormatBlock, ExtensibleFloatIsWrittenAsCodeThreeWithSixteenByteFmt) {
    WaveFormat f;
    ASSERT_EQ(parse(extensibleBlock(3), &f), waveCodeFloat);
    EXPECT_EQ(f.channels, 2);
    EXPECT_EQ(f.samplesPerSec, 48000u);
    EXPECT_EQ(f.avgBytesPerSec, 384000u);
    EXPECT_EQ(f.blockAlign, 8);
    EXPECT_EQ(f.bitsPerSample, 32);
    unsigned char h[waveHeaderSize];
    singleWaveHeader(h, f, waveCodeFloat, 8);
    EXPECT_EQ(bytes(h), std::string("RIFF\x2C\x00\x00\x00WAVEfmt \x10\x00\x00\x00\x03\x00\x02\x00"
                                    "\x80\xBB\x00\x00\x00\xDC\x05\x00\x08\x00\x20\x00"
                                    "data\x08\x00\x00\x00",
                                    44));
}

TEST(WaveFormatBlock, TagsAndSubFormats) {
    struct Case {
        const char* name;
        std::string block;
        int code;
    };
    std::string plainPcm("\x01\x00\x01\x00\x40\x1F\x00\x00\x80\x3E\x00\x00\x02\x00\x10\x00\x00\x00", 18);
    std::string plainFloat = plainPcm;
    plainFloat[0] = 3;
    std::string adpcm = plainPcm;
    adpcm[0] = 2;
    std::string guidOther = extensibleBlock(1);
    guidOther[39] = 0x72;
    const Case cases[] = {
        {"plain PCM", plainPcm, waveCodePcm},
        {"plain PCM, 16-byte record", plainPcm.substr(0, 16), waveCodePcm},
        {"plain float", plainFloat, waveCodeFloat},
        {"ADPCM refused", adpcm, waveCodeRefused},
        {"extensible PCM", extensibleBlock(1), waveCodePcm},
        {"extensible float", extensibleBlock(3), waveCodeFloat},
        {"extensible other sub-format", extensibleBlock(2), waveCodeRefused},
        {"extensible foreign GUID", guidOther, waveCodeRefused},
        {"extensible cut before its GUID", extensibleBlock(3, 39), waveCodeRefused},
        {"too short for the plain fields", plainPcm.substr(0, 15), waveCodeRefused},
        {"empty", std::string(), waveCodeRefused},
    };
    for (const Case& c : cases) {
        WaveFormat f;
        EXPECT_EQ(parse(c.block, &f), c.code) << c.name;
    }
    WaveFormat f;
    parse(plainPcm, &f);
    EXPECT_EQ(f.formatTag, 1);
    EXPECT_EQ(f.channels, 1);
    EXPECT_EQ(f.samplesPerSec, 8000u);
    EXPECT_EQ(f.avgBytesPerSec, 16000u);
    EXPECT_EQ(f.blockAlign, 2);
    EXPECT_EQ(f.bitsPerSample, 16);
}

TEST(WaveSizes, OneFileHoldsAtMostTheLargestDataSize) {
    EXPECT_FALSE(audioTooBigForOneFile(4294967251u));
    EXPECT_TRUE(audioTooBigForOneFile(4294967252u));
    EXPECT_EQ(singleWaveFileSize(4294967250u), 4294967294u);
    // An odd largest size pads past 32 bits: the reported file size is then 0.
    EXPECT_EQ(singleWaveFileSize(4294967251u), 0u);
    EXPECT_EQ(singleWaveFileSize(7), 52u);
}

TEST(AudioReport, FieldsInOrder) {
    char report[128];
    // 3 seconds and 5 frames of 16-bit stereo: 529,220 bytes, a 529,264-byte file.
    formatAudioReport(report, sizeof report, pcmFormat(2, 44100, 16), waveCodePcm, 44100 * 3 + 5, 529220);
    EXPECT_STREQ(report, "2 1 16 44100 176400 3 529264");
    formatAudioReport(report, sizeof report, pcmFormat(6, 48000, 32), waveCodeFloat, 48000 * 5000,
                      48000ull * 5000 * 24);
    EXPECT_STREQ(report, "6 3 32 48000 1152000 5000 0");
    // Between 2 and 4 GB the size stays positive.
    formatAudioReport(report, sizeof report, pcmFormat(2, 48000, 16), waveCodePcm, 700000000, 2800000000ull);
    EXPECT_STREQ(report, "2 1 16 48000 192000 14583 2800000044");
    formatAudioReport(report, sizeof report, pcmFormat(1, 8000, 8), waveCodePcm, 4294967251u, 4294967251ull);
    EXPECT_STREQ(report, "1 1 8 8000 8000 536870 0");
}


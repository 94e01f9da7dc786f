#include <gtest/gtest.h>

#include <string>

#include "audio/audio_report.h"
#include "audio/save_wave_panel.h"

namespace {
std::string lineOf(const char* report, int index) {
    SaveWaveInfoLine lines[saveWaveInfoLineCount];
    buildSaveWaveInfoLines(parseSaveWaveReport(report), lines);
    return lines[index].text;
}
}  // namespace

TEST(SaveWavePanel, SizeLines) {
    const std::pair<uint32_t, const char*> cases[] = {
        {0, "FileSize > 4 gig"}, {1, "No File"}, {2, "No audio stream"}, {44, "FileSize = 44 bytes"},
        {999, "FileSize = 999 bytes"}, {1000, "FileSize = 1,000 bytes"}, {45044, "FileSize = 45,044 bytes"},
        {1000000, "FileSize = 1,000,000 bytes"}, {1234567890, "FileSize = 1,234,567,890 bytes"},
    };
    for (const auto& [size, line] : cases) {
        char text[64];
        formatSaveWaveSize(text, sizeof text, size);
        EXPECT_STREQ(text, line) << size;
    }
}

TEST(SaveWavePanel, InfoLinesOfUnusualReports) {
    EXPECT_EQ(lineOf("6 1 16 48000 576000 3725 45044", 5), "TotalTime = 1:02:05");
    EXPECT_EQ(lineOf(audioReportNoAudio, 1), "Audio Format = NONE");
    EXPECT_EQ(lineOf(audioReportNoAudio, 6), "No audio stream");
    EXPECT_EQ(lineOf("", 6), "No File");
    EXPECT_EQ(lineOf("2 3 32 44100 352800 0 141164", 1), "Audio Format = IEEE Float");
    // The engine's report of a 3,000,000,044-byte file: above 2 GB it must not turn negative.
    WaveFormat format;
    format.channels = 2;
    format.samplesPerSec = 48000;
    format.bitsPerSample = 16;
    char report[128];
    formatAudioReport(report, sizeof report, format, 1, 750000000u, 3000000000ull);
    EXPECT_EQ(lineOf(report, 6), "FileSize = 3,000,000,044 bytes");
    EXPECT_EQ(lineOf(report, 5), "TotalTime = 4:20:25");
}

TEST(SaveWavePanel, OutputNamesOfOddScriptNames) {
    char out[saveWaveNameSize];
    waveNameFromScript(out, sizeof out, "C:\\clips\\take.avsi");  // not ".xyz": kept as it is
    EXPECT_STREQ(out, "C:\\clips\\take.avsi");
    waveNameReplacingEnd(out, sizeof out, "ab");
    EXPECT_STREQ(out, "ab.wav");
}

#include <gtest/gtest.h>

#include <string>

#include "audio/audio_report.h"
#include "audio/save_wave_panel.h"

namespace {
std::string sizeLine(uint32_t size) {
    char text[64];
    formatSaveWaveSize(text, sizeof text, size);
    return text;
}

std::string lineOf(const char* report, int index) {
    SaveWaveInfoLine lines[saveWaveInfoLineCount];
    buildSaveWaveInfoLines(parseSaveWaveReport(report), lines);
    return lines[index].text;
}
}  // namespace

TEST(SaveWavePanel, SizeLines) {
    const struct {
        uint32_t size;
        const char* line;
    } cases[] = {
        {0, "FileSize > 4 gig"},
        {1, "No File"},
        {2, "No audio stream"},
        {44, "FileSize = 44 bytes"},
        {999, "FileSize = 999 bytes"},
        {1000, "FileSize = 1,000 bytes"},
        {45044, "FileSize = 45,044 bytes"},
        {1000000, "FileSize = 1,000,000 bytes"},
        {999999999, "FileSize = 999,999,999 bytes"},
        {1234567890, "FileSize = 1,234,567,890 bytes"},
        {4294967295u, "FileSize = 4,294,967,295 bytes"},
    };
    for (const auto& c : cases) EXPECT_EQ(sizeLine(c.size), c.line) << c.size;
}

TEST(SaveWavePanel, InfoLinesFromReports) {
    SaveWaveInfoLine lines[saveWaveInfoLineCount];
    buildSaveWaveInfoLines(parseSaveWaveReport("6 1 16 48000 576000 3725 45044"), lines);
    const char* expected[] = {"nChannels = 6",     "Audio Format = PCM",    "nBitsPerSample = 16",
                              "nSamplesPerSec = 48000", "nAvgBytesPerSec = 576000", "TotalTime = 1:02:05",
                              "FileSize = 45,044 bytes"};
    const int fromBottom[] = {330, 310, 290, 270, 250, 230, 210};
    const int widths[] = {100, 100, 100, 150, 180, 180, 180};
    for (int i = 0; i < saveWaveInfoLineCount; ++i) {
        EXPECT_STREQ(lines[i].text, expected[i]);
        EXPECT_EQ(lines[i].fromBottom, fromBottom[i]);
        EXPECT_EQ(lines[i].width, widths[i]);
    }
    EXPECT_EQ(lines[6].height, 50);

    EXPECT_EQ(lineOf(audioReportNoAudio, 1), "Audio Format = NONE");
    EXPECT_EQ(lineOf(audioReportNoAudio, 6), "No audio stream");
    EXPECT_EQ(lineOf(audioReportNoFile, 6), "No File");
    EXPECT_EQ(lineOf("", 6), "No File");
    EXPECT_EQ(lineOf("2 3 32 44100 352800 0 141164", 1), "Audio Format = IEEE Float");
    EXPECT_EQ(lineOf("2 3 32 44100 352800 0 141164", 5), "TotalTime = 0:00:00");
}

TEST(SaveWavePanel, ReportAndPanelAgreeAboveTwoGigabytes) {
    // 3,000,000,000 bytes of 16-bit stereo audio: the file is 3,000,000,044 bytes.
    WaveFormat format;
    format.channels = 2;
    format.samplesPerSec = 48000;
    format.avgBytesPerSec = 192000;
    format.bitsPerSample = 16;
    char report[128];
    formatAudioReport(report, sizeof report, format, 1, 750000000u, 3000000000ull);
    SaveWaveReport parsed = parseSaveWaveReport(report);
    EXPECT_EQ(parsed.size, 3000000044u);
    EXPECT_EQ(parsed.seconds, 15625u);
    EXPECT_EQ(lineOf(report, 6), "FileSize = 3,000,000,044 bytes");
    EXPECT_EQ(lineOf(report, 5), "TotalTime = 4:20:25");
}

TEST(SaveWavePanel, OutputNames) {
    const struct {
        const char* script;
        const char* fromScript;
        const char* replacingEnd;
    } cases[] = {
        {"C:\\clips\\take.avs", "C:\\clips\\take.wav", "C:\\clips\\take.wav"},
        {"C:\\clips\\take.avsi", "C:\\clips\\take.avsi", "C:\\clips\\take..wav"},
        {"C:\\out\\movie.mpg", "C:\\out\\movie.wav", "C:\\out\\movie.wav"},
        {"ab", "ab", "ab.wav"},
        {"", "", ".wav"},
    };
    for (const auto& c : cases) {
        char out[saveWaveNameSize];
        waveNameFromScript(out, sizeof out, c.script);
        EXPECT_STREQ(out, c.fromScript);
        waveNameReplacingEnd(out, sizeof out, c.script);
        EXPECT_STREQ(out, c.replacingEnd);
    }
}

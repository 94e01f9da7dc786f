#pragma once
// The save-wave panel's texts: the info lines built from the engine's audio report and the
// output name derived from a script or encoder output name.
#include <cstddef>
#include <cstdint>

constexpr size_t saveWaveNameSize = 270;

// The audio report as the panel reads it. Seconds and size are unsigned: a WAV file between
// 2 and 4 GB must not come out negative.
struct SaveWaveReport {
    char channels[16] = {};
    int formatCode = 0;
    char bits[16] = {};
    char rate[16] = {};
    char byteRate[16] = {};
    uint32_t seconds = 0;
    uint32_t size = 0;
};

// The size codes the engine puts in place of a size.
enum SaveWaveSizeCode : uint32_t { sizeTooBig = 0, sizeNoFile = 1, sizeNoAudio = 2 };

// Reads "channels format bits rate byteRate seconds size"; missing or broken fields stay as
// they are in a fresh record (the "no file" report is then shown for an empty report).
SaveWaveReport parseSaveWaveReport(const char* report);

// One info label of the panel: text, its place relative to the bottom of the frame's client
// area (y = client height - fromBottom), width and height. x is always saveWaveInfoX.
struct SaveWaveInfoLine {
    char text[64] = {};
    int fromBottom = 0;
    // As wide as the longest line: narrower labels wrapped "Audio Format = NONE".
    int width = 180;
    int height = 20;
};
constexpr int saveWaveInfoX = 410;
constexpr int saveWaveInfoLineCount = 7;

void buildSaveWaveInfoLines(const SaveWaveReport& report, SaveWaveInfoLine (&lines)[saveWaveInfoLineCount]);
// "FileSize = 1,234,567,890 bytes", "FileSize > 4 gig", "No File", "No audio stream".
void formatSaveWaveSize(char* out, size_t cap, uint32_t size);

// The script path with ".wav" in place of its last four characters when they begin with
// "."; otherwise the path unchanged.
void waveNameFromScript(char* out, size_t cap, const char* scriptPath);
// name with ".wav" in place of its last four characters (a shorter name gets ".wav" added).
void waveNameReplacingEnd(char* out, size_t cap, const char* name);

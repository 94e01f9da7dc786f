#include "audio/save_wave_panel.h"

#include <cstdlib>
#include <cstring>

#include "base/bounded_text.h"

namespace {

// Copies the next blank-separated word of *text into out; false when there is none.
bool nextWord(const char*& text, char* out, size_t cap) {
    while (*text == ' ') ++text;
    if (!*text) return false;
    size_t n = 0;
    while (text[n] && text[n] != ' ') ++n;
    copyTextN(out, cap, text, n);
    text += n;
    return true;
}

uint32_t unsignedWord(const char* word) {
    char* end = nullptr;
    unsigned long long value = strtoull(word, &end, 10);
    if (end == word || *word == '-' || value > 0xFFFFFFFFull) return 0;
    return uint32_t(value);
}

}  // namespace

SaveWaveReport parseSaveWaveReport(const char* report) {
    SaveWaveReport r;
    r.size = sizeNoFile;
    const char* p = report ? report : "";
    char word[32];
    if (!nextWord(p, r.channels, sizeof r.channels)) return r;
    if (!nextWord(p, word, sizeof word)) return r;
    r.formatCode = atoi(word);
    if (!nextWord(p, r.bits, sizeof r.bits) || !nextWord(p, r.rate, sizeof r.rate) ||
        !nextWord(p, r.byteRate, sizeof r.byteRate) || !nextWord(p, word, sizeof word))
        return r;
    r.seconds = unsignedWord(word);
    if (nextWord(p, word, sizeof word)) r.size = unsignedWord(word);
    return r;
}

void formatSaveWaveSize(char* out, size_t cap, uint32_t size) {
    switch (size) {
    case sizeTooBig: copyText(out, cap, "FileSize > 4 gig"); return;
    case sizeNoFile: copyText(out, cap, "No File"); return;
    case sizeNoAudio: copyText(out, cap, "No audio stream"); return;
    default: break;
    }
    unsigned billions = size / 1000000000u, millions = size / 1000000u % 1000u;
    unsigned thousands = size / 1000u % 1000u, units = size % 1000u;
    if (size >= 1000000000u)
        formatText(out, cap, "FileSize = %u,%03u,%03u,%03u bytes", billions, millions, thousands, units);
    else if (size >= 1000000u)
        formatText(out, cap, "FileSize = %u,%03u,%03u bytes", millions, thousands, units);
    else if (size >= 1000u)
        formatText(out, cap, "FileSize = %u,%03u bytes", thousands, units);
    else
        formatText(out, cap, "FileSize = %u bytes", units);
}

void buildSaveWaveInfoLines(const SaveWaveReport& r, SaveWaveInfoLine (&lines)[saveWaveInfoLineCount]) {
    formatText(lines[0].text, sizeof lines[0].text, "nChannels = %s", r.channels);

    switch (r.formatCode) {
    case 1: copyText(lines[1].text, "Audio Format = PCM"); break;
    case 3: copyText(lines[1].text, "Audio Format = IEEE Float"); break;
    default: copyText(lines[1].text, "Audio Format = NONE"); break;
    }

    formatText(lines[2].text, sizeof lines[2].text, "nBitsPerSample = %s", r.bits);
    formatText(lines[3].text, sizeof lines[3].text, "nSamplesPerSec = %s", r.rate);
    formatText(lines[4].text, sizeof lines[4].text, "nAvgBytesPerSec = %s", r.byteRate);
    formatText(lines[5].text, sizeof lines[5].text, "TotalTime = %u:%02u:%02u", unsigned(r.seconds / 3600),
               unsigned(r.seconds / 60 % 60), unsigned(r.seconds % 60));
    formatSaveWaveSize(lines[6].text, sizeof lines[6].text, r.size);
    for (int i = 0; i < saveWaveInfoLineCount; ++i) lines[i].fromBottom = 330 - 20 * i;
    lines[6].height = 50;
}

void waveNameFromScript(char* out, size_t cap, const char* scriptPath) {
    const char* path = scriptPath ? scriptPath : "";
    size_t n = strlen(path);
    if (n >= 4 && path[n - 4] == '.') waveNameReplacingEnd(out, cap, path);
    else copyText(out, cap, path);
}

void waveNameReplacingEnd(char* out, size_t cap, const char* name) {
    const char* text = name ? name : "";
    size_t n = strlen(text);
    copyTextN(out, cap, text, n >= 4 ? n - 4 : n);
    appendText(out, cap, ".wav");
}

#include "storage/encoder_entry.h"

#include <cstdio>
#include <cstring>

#include "base/bounded_text.h"

size_t formatEncoderFileLine(char* out, size_t cap, const char* description, int colourSpace,
                             bool saveWave, const char* pairedEncoder) {
    const char* waveWord = saveWave ? "Wave " : "N ";
    if (pairedEncoder && *pairedEncoder)
        return formatText(out, cap, "%s %i %sAudio %s", description ? description : "", colourSpace,
                          waveWord, pairedEncoder);
    return formatText(out, cap, "%s %i %s", description ? description : "", colourSpace, waveWord);
}

void parseEncoderFileLine(const char* line, EncoderEntry* entry) {
    if (!line || !entry) return;
    char description[128] = {};
    char waveWord[128] = {};
    char fourth[128] = {};
    char paired[128] = {};
    int code = 0;
    int fields = sscanf(line, "%127s%i%127s%127s%127s", description, &code, waveWord, fourth, paired);
    if (fields >= 1) copyText(entry->description, description);
    if (fields >= 2) entry->colourSpace = code;
    if (fields >= 3 && strcmp(waveWord, "Wave") == 0) entry->saveWave = true;
    entry->pairedEncoder[0] = '\0';
    if (fields >= 5 && strcmp(fourth, "Audio") == 0) copyText(entry->pairedEncoder, paired);
}

bool firstWord(const char* line, char* out, size_t cap) {
    if (!out || cap == 0) return false;
    out[0] = '\0';
    if (!line) return false;
    while (*line == ' ' || *line == '\t' || *line == '\r' || *line == '\n' || *line == '\v' || *line == '\f')
        ++line;
    size_t n = 0;
    while (line[n] && line[n] != ' ' && line[n] != '\t' && line[n] != '\r' && line[n] != '\n' &&
           line[n] != '\v' && line[n] != '\f')
        ++n;
    copyTextN(out, cap, line, n);
    return n > 0;
}

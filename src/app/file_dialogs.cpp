#include "app/file_dialogs.h"

#include <cstdio>
#include <cstring>

#include "base/bounded_text.h"

namespace {

const char* const sourcePairs[] = {"Source files (avi, avs, d2v, mpa, ac3, wav)", "*.avi;*.avs;*.d2v;*.mpa;*.ac3;*.wav",
                                   "All Files (*.*)", "*.*"};
const char* const toolPairs[] = {"Tool (*.exe)", "*.exe"};
const char* const imagePairs[] = {"Bitmap (.bmp)", "*.bmp", "Jpeg (.jpg)", "*.jpg"};
const char* const mediaPairs[] = {"Mpeg video and audio (.mpg)", "*.mpg", "Mpeg 2 video (.m2v)", "*.m2v",
                                  "Mpeg 1 video (.m1v)", "*.m1v", "Mpeg audio (.mp2)", "*.mp2",
                                  "Audio ac3 (.ac3)", "*.ac3", "Wav audio (.wav)", "*.wav",
                                  "All Files (*.*)", "*.*"};
const char* const allPairs[] = {"All Files (*.*)", "*.*"};

template <size_t N>
DialogFilter pairs(const char* const (&list)[N]) { return filterFromPairs(list, static_cast<int>(N)); }

}  // namespace

DialogFilter filterFromPairs(const char* const* list, int count) {
    DialogFilter f;
    size_t at = 0;
    for (int i = 0; i < count; ++i) {
        size_t n = strlen(list[i]);
        if (at + n + 2 > sizeof f.text) break;  // room for this zero and the list's last one
        memcpy(f.text + at, list[i], n);
        at += n;
        f.text[at++] = '\0';
    }
    f.text[at++] = '\0';
    f.length = at;
    return f;
}

DialogFilter generalDialogFilter(const char* key, size_t length) {
    if (!key || length == 0 || key[0] == '\0') return pairs(allPairs);
    if (strcmp(key, "mpgMedia") == 0) return pairs(mediaPairs);
    if (strcmp(key, "Image") == 0) return pairs(imagePairs);
    if (strcmp(key, "tool") == 0) return pairs(toolPairs);
    if (strcmp(key, "Insert") == 0) return pairs(sourcePairs);
    // A text with no zero byte inside is one entry with an empty pattern.
    if (strlen(key) >= length) {
        const char* entry[2] = {key, ""};
        return filterFromPairs(entry, 2);
    }
    // A complete list is used as given; it is copied up to its double zero, bounded.
    DialogFilter f;
    size_t n = length < sizeof f.text - 2 ? length : sizeof f.text - 2;
    memcpy(f.text, key, n);
    f.text[n] = '\0';
    f.text[n + 1] = '\0';
    f.length = n + 2;
    // Trim to the first double zero so the length is the list's own.
    for (size_t i = 0; i + 1 < f.length; ++i) {
        if (f.text[i] == '\0' && f.text[i + 1] == '\0') {
            f.length = i + 2;
            break;
        }
    }
    return f;
}

int startingFilterIndex(const char* ext) {
    static const char* const known[] = {"mpg", "m2v", "m1v", "mp2", "ac3", "wav"};
    for (int i = 0; i < 6; ++i)
        if (ext && strcmp(ext, known[i]) == 0) return i + 1;
    return 0;
}

void formatFontDescription(char* out, size_t cap, const FontDescription& f) {
    formatText(out, cap, "%i %i %i %i %i %x %x %x %x %x %x %x %x %s", f.height, f.width, f.escapement,
               f.orientation, f.weight, f.italic, f.underline, f.strikeOut, f.charSet, f.outPrecision,
               f.clipPrecision, f.quality, f.pitchAndFamily, f.faceName);
}

bool parseFontDescription(const char* text, const char* face, FontDescription& f) {
    f = FontDescription{};
    if (!text || !text[0]) return false;
    unsigned bytes[8] = {};
    char firstWord[32] = {};
    int read = sscanf(text, "%i %i %i %i %i %x %x %x %x %x %x %x %x %31s", &f.height, &f.width, &f.escapement,
                      &f.orientation, &f.weight, &bytes[0], &bytes[1], &bytes[2], &bytes[3], &bytes[4],
                      &bytes[5], &bytes[6], &bytes[7], firstWord);
    if (read < 13) {
        f = FontDescription{};
        return false;
    }
    unsigned char* fields[8] = {&f.italic, &f.underline, &f.strikeOut, &f.charSet,
                                &f.outPrecision, &f.clipPrecision, &f.quality, &f.pitchAndFamily};
    for (int i = 0; i < 8; ++i) *fields[i] = static_cast<unsigned char>(bytes[i]);
    copyText(f.faceName, face && face[0] ? face : firstWord);
    return true;
}

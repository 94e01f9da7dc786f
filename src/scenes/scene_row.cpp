#include "scenes/scene_row.h"

#include <climits>
#include <cstring>

#include "base/bounded_text.h"

static bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

// Copies the next word of *text into word and moves *text past it.
static void nextWord(const char** text, char* word, size_t cap) {
    const char* p = *text;
    while (*p && isBlank(*p)) ++p;
    const char* begin = p;
    while (*p && !isBlank(*p)) ++p;
    copyTextN(word, cap, begin, static_cast<size_t>(p - begin));
    *text = p;
}

void splitRowLine(const char* line, SceneRow& row) {
    const char* p = line ? line : "";
    nextWord(&p, row.number, sizeof row.number);
    nextWord(&p, row.transition, sizeof row.transition);
    nextWord(&p, row.frames, sizeof row.frames);
    nextWord(&p, row.start, sizeof row.start);
    nextWord(&p, row.end, sizeof row.end);
}

bool isDissolve(const char* transition) { return transition && strcmp(transition, "Dissolve") == 0; }

bool parseFrameNumber(const char* word, long long& value) {
    if (!word) return false;
    const char* p = word;
    while (*p && isBlank(*p)) ++p;
    bool negative = false;
    if (*p == '+' || *p == '-') negative = *p++ == '-';
    if (*p < '0' || *p > '9') return false;
    long long n = 0;
    for (; *p >= '0' && *p <= '9'; ++p) {
        n = n * 10 + (*p - '0');
        if (n > static_cast<long long>(INT_MAX) + 1) return false;  // no frame number this big
    }
    if (negative) n = -n;
    if (n > INT_MAX || n < INT_MIN) return false;
    value = n;
    return true;
}

// The text up to its first blank, cut to cap - 1 characters; "-" when nothing is left.
static void rowWord(char* out, size_t cap, const char* text) {
    const char* p = text ? text : "";
    while (*p && isBlank(*p)) ++p;
    nextWord(&p, out, cap);
    if (!out[0]) copyText(out, cap, "-");
}

size_t buildRowLine(char* out, size_t cap, int number, const char* transition, const char* frames,
                    const char* start, const char* end) {
    char name[16], count[8], first[8], last[8];
    rowWord(name, sizeof name, transition);
    rowWord(count, sizeof count, frames);
    if (strcmp(name, "-") == 0) copyText(count, "-");
    char startBox[8], endBox[8];  // the frame boxes hold 7 characters
    copyText(startBox, start);
    copyText(endBox, end);
    rowWord(first, sizeof first, startBox);
    rowWord(last, sizeof last, endBox);
    return formatText(out, cap, "r%02i %s %s %s %s", number, name, count, first, last);
}

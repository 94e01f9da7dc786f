#include <cstring>
#include <string>
#include <vector>

#include "base/bounded_text.h"
#include "encoding/command_template.h"

namespace {
bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

std::vector<std::string> splitWords(const char* s) {
    std::vector<std::string> words;
    while (s && *s) {
        while (*s && isBlank(*s)) ++s;
        const char* start = s;
        while (*s && !isBlank(*s)) ++s;
        if (s > start) words.emplace_back(start, s);
    }
    return words;
}

// Joins words [from, to) with single blanks, adding one more when any word follows them.
void joinWords(const std::vector<std::string>& words, size_t from, size_t to, char (&out)[128]) {
    out[0] = '\0';
    for (size_t i = from; i < to; ++i) {
        appendText(out, words[i].c_str());
        if (i + 1 < words.size()) appendText(out, " ");
    }
}

// Replaces the last count characters of name with ending.
void replaceEnding(char (&name)[256], size_t count, const char* ending) {
    size_t length = strlen(name);
    name[length > count ? length - count : 0] = '\0';
    appendText(name, ending);
}

void expand(const char* word, const char* inputScript, char (&outputName)[256], char* out, size_t cap) {
    size_t length = strlen(word);
    if (strcmp(word, "%filename") == 0) {
        appendText(out, cap, "\"");
        appendText(out, cap, inputScript);
        appendText(out, cap, "\" ");
    } else if (strcmp(word, "%ofilename") == 0) {
        replaceEnding(outputName, 4, "_Audio.mpa");
        appendText(out, cap, "\"");
        appendText(out, cap, outputName);
        appendText(out, cap, "\" ");
    } else if (length == 10 && strncmp(word, "%ofile.", 7) == 0) {
        replaceEnding(outputName, 3, word + 7);
        appendText(out, cap, "\"");
        appendText(out, cap, outputName);
        appendText(out, cap, "\" ");
    }
}
}  // namespace

size_t buildPairedAudioCommandLine(char* out, size_t cap, const char* programPath,
                                   const char* commandTemplate, const char* inputScript,
                                   const char* outputFile) {
    if (!out || cap == 0) return 0;
    std::vector<std::string> words = splitWords(commandTemplate);
    size_t count = words.size();
    auto nextPlaceholder = [&](size_t from) {
        while (from < count && words[from][0] != '%') ++from;
        return from;
    };
    char head[128], middle[128], tail[128];
    char placeholder1[16] = {}, placeholder2[16] = {};
    size_t first = nextPlaceholder(0);
    joinWords(words, 0, first, head);
    size_t second = count;
    if (first < count) {
        copyText(placeholder1, words[first].c_str());
        second = nextPlaceholder(first + 1);
        joinWords(words, first + 1, second, middle);
    } else {
        middle[0] = '\0';
    }
    if (second < count) {
        copyText(placeholder2, words[second].c_str());
        joinWords(words, second + 1, count, tail);
    } else {
        tail[0] = '\0';
    }
    char outputName[256];
    copyText(outputName, outputFile);
    const char* input = inputScript ? inputScript : "";
    out[0] = '\0';
    appendText(out, cap, "\"");
    appendText(out, cap, programPath);
    appendText(out, cap, "\" ");
    appendText(out, cap, head);
    expand(placeholder1, input, outputName, out, cap);
    appendText(out, cap, middle);
    appendText(out, cap, " ");
    expand(placeholder2, input, outputName, out, cap);
    appendText(out, cap, tail);
    return appendText(out, cap, " ");
}

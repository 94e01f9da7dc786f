#include "storage/encoder_list_lines.h"

#include <cstdio>
#include <cstring>

#include "base/bounded_text.h"
#include "storage/encoder_entry.h"
#include "base/line_file.h"

namespace {
void scanEntries(EncoderFileLines* file) {
    const auto& lines = file->lines;
    int count = static_cast<int>(lines.size());
    auto is = [&](int i, const char* key) { return i < count && lines[i] == key; };
    int i = 0;
    while (i < count) {
        if (is(i, "end encoder.ini")) {
            file->endLine = i;
            return;
        }
        if (file->defaultLine < 0 && is(i, "default encoder") && i + 1 < count) {
            file->defaultLine = i + 1;
            i += 2;
            continue;
        }
        if (is(i, "encoder")) {
            EncoderFileEntry entry;
            entry.keyLine = i;
            int j = i + 1;
            if (j < count) entry.numberLine = j++;
            if (is(j, "path") && j + 1 < count) {
                entry.pathLine = j + 1;
                j += 2;
            }
            if (is(j, "file") && j + 1 < count) {
                entry.fileLine = j + 1;
                j += 2;
            }
            if (is(j, "command line") && j + 1 < count) {
                entry.commandLine = j + 1;
                j += 2;
            }
            entry.afterLine = j;
            file->entries.push_back(entry);
            i = j;
            continue;
        }
        ++i;
    }
}
}  // namespace

bool loadEncoderFile(const char* path, EncoderFileLines* file, bool* opened) {
    *file = EncoderFileLines{};
    FILE* in = openForReading(path);
    if (opened) *opened = in != nullptr;
    if (!in) return false;
    char line[encoderLineCap];
    for (;;) {
        long offset = ftell(in);
        if (!readLine(in, line)) break;
        file->lines.emplace_back(line);
        file->offsets.push_back(offset);
    }
    bool good = !ferror(in);
    fclose(in);
    scanEntries(file);
    return good;
}

bool rewriteEncoderFile(const char* tempPath, const char* targetPath,
                        const std::vector<std::string>& lines) {
    FileRewrite rewrite;
    if (!rewrite.open(tempPath, targetPath)) return false;
    for (const auto& line : lines)
        if (!rewrite.line(line.c_str())) return false;
    return rewrite.commit();
}

int findEntryByDescription(const EncoderFileLines& file, const char* description, size_t limit) {
    char wanted[256];
    copyTextN(wanted, sizeof wanted, description ? description : "", limit);
    if (!wanted[0]) return -1;
    for (size_t k = 0; k < file.entries.size(); ++k) {
        int fileLine = file.entries[k].fileLine;
        if (fileLine < 0) continue;
        char word[256];
        firstWord(file.lines[fileLine].c_str(), word, limit + 1 < sizeof word ? limit + 1 : sizeof word);
        if (strcmp(word, wanted) == 0) return static_cast<int>(k);
    }
    return -1;
}

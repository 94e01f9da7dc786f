#include "scenes/chapter_list.h"

#include <cmath>
#include <cstring>

#include "base/bounded_text.h"
#include "base/line_file.h"
#include "scenes/scene_row.h"

namespace {
bool endsWithAvs(const char* path, size_t length) {
    if (length < 4) return false;
    const char* tail = path + length - 4;
    return tail[0] == '.' && (tail[1] | 0x20) == 'a' && (tail[2] | 0x20) == 'v' && (tail[3] | 0x20) == 's';
}

long long fadeExtraFrames(const char* transition) {
    // The fades add a black frame at the faded end.
    if (strcmp(transition, "FadeIn") == 0 || strcmp(transition, "FadeOut") == 0) return 1;
    if (strcmp(transition, "FadeIO") == 0) return 2;
    return 0;
}
}  // namespace

long long trimFrameCount(long long start, long long end) {
    if (start < 0 || end == 0) return -1;  // a trim to the source's end, or a clamped start
    if (end < 0) return -end;              // a negative end counts frames
    if (end < start) return 1;             // the end is clamped to the start
    return end - start + 1;
}

void ChapterPlan::addPiece(const char* transition, long long frames, long long start, long long end) {
    if (lengthUnknown) return;
    if (isDissolve(transition)) {
        // Dissolve(trim(start, start+10+F), trim(end-F-10, end), F): the second clip, the next
        // scene's first frames, begins F frames before the first one ends.
        long long first = trimFrameCount(start, start + 10 + frames);
        long long second = trimFrameCount(end - frames - 10, end);
        if (first < 0 || second < 0 || frames < 0 || frames > first || frames > second) {
            lengthUnknown = true;
            return;
        }
        starts.push_back(position + first - frames);
        position += first + second - frames;
        afterDissolve = true;
        return;
    }
    long long length = trimFrameCount(start, end);
    if (!afterDissolve) starts.push_back(position);
    afterDissolve = false;
    if (length < 0) {
        lengthUnknown = true;
        return;
    }
    position += length + fadeExtraFrames(transition);
}

void chapterTime(char* out, unsigned long cap, long long frame, double framesPerSecond) {
    long long ms = framesPerSecond > 0 ? std::llround(double(frame) * 1000.0 / framesPerSecond) : 0;
    if (ms < 0) ms = 0;
    formatText(out, cap, "%02lld:%02d:%02d.%03d", ms / 3600000, int(ms / 60000 % 60), int(ms / 1000 % 60),
               int(ms % 1000));
}

bool chapterFilePath(char* out, unsigned long cap, const char* projectScriptPath) {
    if (!projectScriptPath || !projectScriptPath[0]) return false;
    size_t length = strlen(projectScriptPath);
    if (endsWithAvs(projectScriptPath, length)) length -= 4;
    char base[300];
    if (length >= sizeof base) return false;
    copyTextN(base, sizeof base, projectScriptPath, length);
    return formatText(out, cap, "%s_chapters.txt", base) == length + strlen("_chapters.txt");
}

bool writeChapterFile(const char* projectScriptPath, const ChapterPlan& plan, float framesPerSecond,
                      WindowHandle owner) {
    char path[300], temp[310];
    bool named = chapterFilePath(path, sizeof path, projectScriptPath);
    if (named && plan.sceneStarts().empty()) {
        removeFile(path);
        return true;
    }
    FileRewrite file;
    bool good = named && formatText(temp, sizeof temp, "%s.tmp", path) > 0 && file.open(temp, path);
    const auto& starts = plan.sceneStarts();
    for (size_t i = 0; good && i < starts.size(); ++i) {
        char time[32], line[64];
        chapterTime(time, sizeof time, starts[i], framesPerSecond);
        formatText(line, sizeof line, "CHAPTER%02zu=%s", i + 1, time);
        good = file.line(line);
        formatText(line, sizeof line, "CHAPTER%02zuNAME=Scene %02zu", i + 1, i + 1);
        good = good && file.line(line);
    }
    if (good && file.commit()) return true;
    file.abandon();
    char text[400];
    formatText(text, sizeof text, "Could not write the chapters file\n\n%s", named ? path : projectScriptPath);
    showMessageBox(owner, text, "Project Script File", mbOk);
    return false;
}

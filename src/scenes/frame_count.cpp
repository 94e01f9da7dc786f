#include <algorithm>
#include "scenes/frame_count.h"

#include <climits>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "base/bounded_text.h"
#include "scenes/row_file.h"
#include "base/line_file.h"

long long rowFrames(const SceneRow& row) {
    long long start = 0, end = 0;
    if (!parseFrameNumber(row.start, start) || !parseFrameNumber(row.end, end)) return 0;
    // A scene whose end is its start is one frame, as trim gives it.
    if (end < start) return 0;
    long long frames = end - start + 1;
    if (strcmp(row.transition, "FadeIn") == 0 || strcmp(row.transition, "FadeOut") == 0) frames += 1;
    if (strcmp(row.transition, "FadeIO") == 0) frames += 2;
    return frames;
}

int totalFrames(const char* programFolder) {
    char path[300];
    FILE* in = folderFilePath(path, sizeof path, programFolder, "rowdat.vlr") ? openForReading(path)
                                                                              : nullptr;
    if (!in) return 0;
    long long total = 0;  // each row adds at most about 2^32, so this cannot overflow in practice
    char line[rowLineReadSize];
    SceneRow row;
    while (readLine(in, line)) {
        splitRowLine(line, row);
        if (isDissolve(row)) {
            long long frames = 0;
            if (parseFrameNumber(row.frames, frames)) total -= frames;
        } else {
            total += rowFrames(row);
        }
        if (total > LLONG_MAX / 4 || total < LLONG_MIN / 4) break;
    }
    fclose(in);
    if (total > INT_MAX) return INT_MAX;
    if (total < INT_MIN) return INT_MIN;
    return static_cast<int>(total);
}

static long long cutToInteger(double value) {
    // Frame counts are within the int range, so only a broken rate could leave this range.
    if (!(value > -9.0e18 && value < 9.0e18)) return 0;
    return static_cast<long long>(value);
}

size_t timeText(char* out, size_t cap, long long frames, float framesPerSecond) {
    double rate = framesPerSecond;
    long long perHour = 0, perMinute = 0;
    if (std::isfinite(rate) && rate > 0 && rate < 1.0e9) {
        perHour = cutToInteger(rate * 3600.0);
        perMinute = cutToInteger(rate * 60.0);
    }
    long long hours = 0, minutes = 0, seconds = 0, rest = 0;
    if (perMinute >= 1) {
        long long allSeconds = cutToInteger(static_cast<double>(frames) / rate);
        // A whole minute (hour) of frames is cut to whole frames, so at rates such as 29.97 it
        // is reached a little before 60 seconds (60 minutes) are; the count never runs ahead
        // of the seconds, or the seconds would show -1.
        long long allMinutes = std::min(frames / perMinute, allSeconds / 60);
        hours = std::min(frames / perHour, allMinutes / 60);
        minutes = allMinutes - hours * 60;
        seconds = allSeconds - allMinutes * 60;
        rest = frames - cutToInteger(static_cast<double>(allSeconds) * rate);
    }
    return formatText(out, cap, "%02lli:%02lli:%02lli.%02lli", hours, minutes, seconds, rest);
}

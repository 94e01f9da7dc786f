#include "viewer/player_timing.h"

#include <cmath>
#include <cstring>

#include "base/bounded_text.h"

long long frameDuration100ns(double seconds) {
    long long d = static_cast<long long>(seconds * 10000000.0) + 1;
    if (d >= 333665 && d <= 333667) d = 333667;
    return d;
}

double scriptFrameSeconds(float framesPerSecond) {
    double d = framesPerSecond != 0.0f ? 1.0 / framesPerSecond : 0.0;
    return d == 0.0 || !std::isfinite(d) ? 1.0 : d;
}

double mediaFrameSeconds(double reportedAverage, double current) {
    // Anything under a tenth of a millisecond or above ten seconds is not a frame rate.
    if (std::isfinite(reportedAverage) && reportedAverage > 0.0001 && reportedAverage < 10.0) return reportedAverage;
    return current;
}

long long clampFrame(long long frame, long long lastFrame) {
    if (frame > lastFrame) frame = lastFrame;
    return frame < 0 ? 0 : frame;
}

long long frameToPosition(long long frame, long long duration100ns) { return frame * duration100ns; }

long long positionToFrame(long long position, long long duration100ns) {
    return duration100ns > 0 ? position / duration100ns : 0;
}

long long neighbourPosition(long long frame, int offset, long long duration100ns, long long stop) {
    long long p = (frame + offset) * duration100ns;
    if (p > stop - duration100ns) p = stop - duration100ns;
    return p < 0 ? 0 : p;
}

void clockText(char* out, size_t cap, long long frames, double framesPerSecond) {
    long long seconds = framesPerSecond > 0 ? static_cast<long long>(frames / framesPerSecond) : 0;
    formatText(out, cap, "%02i:%02i:%02i", static_cast<int>(seconds / 3600), static_cast<int>(seconds / 60 % 60),
               static_cast<int>(seconds % 60));
}

void frameInfoTexts(FrameInfoTexts& out, bool hasVideo, long long current, long long last, double frameSeconds) {
    double fps = frameSeconds > 0 ? 1.0 / frameSeconds : 0.0;
    char now[32], total[32];
    if (hasVideo) {
        formatText(out.frames, sizeof out.frames, "Frame %6i / %6i", static_cast<int>(current), static_cast<int>(last));
        clockText(now, sizeof now, current, fps);
        clockText(total, sizeof total, last, fps);
        formatText(out.times, sizeof out.times, "%s / %s", now, total);
        formatText(out.rate, sizeof out.rate, "fps = %.3f", fps);
    } else {
        out.frames[0] = '\0';
        out.rate[0] = '\0';
        clockText(now, sizeof now, current, 10.0);
        clockText(total, sizeof total, last, 10.0);
        formatText(out.times, sizeof out.times, "Time  %s / %s", now, total);
    }
}

void grabBitmapName(char* out, size_t cap, const char* mediaPath, long frame) {
    char base[270];
    copyText(base, mediaPath);
    size_t n = std::strlen(base);
    if (n >= 4 && base[n - 4] == '.') base[n - 4] = '\0';
    formatText(out, cap, "%s_F_%li.bmp", base, frame);
}

void graphItemName(char* out, size_t cap, uintptr_t graphAddress, unsigned long processId) {
    formatText(out, cap, "FilterGraph %08x pid %08x", static_cast<unsigned>(graphAddress),
               static_cast<unsigned>(processId));
}

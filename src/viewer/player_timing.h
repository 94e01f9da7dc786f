#pragma once
// Frame arithmetic of the player: it positions by time only, so every frame number is a
// position divided by one frame duration in 100-ns units, and every text the status area
// shows is made here.
#include <cstddef>
#include <cstdint>

constexpr long long defaultFrameDuration100ns = 333667;
constexpr double defaultFrameSeconds = 0.0333667;

// trunc(seconds x 10,000,000) + 1; results from 333,665 to 333,667 become 333,667 so a
// 29.97 fps clip steps evenly.
long long frameDuration100ns(double seconds);
// A script's frame duration in seconds: 1 / fps, and 1.0 when that is 0 or not finite.
double scriptFrameSeconds(float framesPerSecond);
// A media file's frame duration: the stream's own average (seconds) when the graph reports
// one, else the duration the player already holds.
double mediaFrameSeconds(double reportedAverage, double current);

long long clampFrame(long long frame, long long lastFrame);
long long frameToPosition(long long frame, long long duration100ns);
long long positionToFrame(long long position, long long duration100ns);
// Where a neighbour graph goes for main frame `frame`: offset -1 for Alpha, +1 for Beta,
// 0 in alpha-only mode; never below 0 nor past one duration before the stop position.
long long neighbourPosition(long long frame, int offset, long long duration100ns, long long stop);

// "%02i:%02i:%02i" of a frame count at the frame rate.
void clockText(char* out, size_t cap, long long frames, double framesPerSecond);

struct FrameInfoTexts {
    char frames[64];  // "Frame %6i / %6i"
    char times[64];   // "%s / %s", or "Time  %s / %s" without video
    char rate[32];    // "fps = %.3f"
};
// The Media Viewer's status texts; without video the positions count tenths of a second.
void frameInfoTexts(FrameInfoTexts& out, bool hasVideo, long long current, long long last,
                    double frameSeconds);

// "%s_F_%li.bmp": the media path without a four-character extension starting with ".".
void grabBitmapName(char* out, size_t cap, const char* mediaPath, long frame);

// The running-object-table item name "FilterGraph %08x pid %08x".
void graphItemName(char* out, size_t cap, uintptr_t graphAddress, unsigned long processId);

#pragma once
// Pictures and sound of a stand-in clip, made from its properties: every frame shows its
// frame number and a bar that moves with it; the audio is a test tone (440 Hz on the first
// channel, 880 Hz on the second, ...).
#include <cstddef>
#include <cstdint>

#include "script_value.h"

namespace standin {

struct VideoFormat {
    uint32_t compression = 0;  // fourcc, 0 for RGB
    uint32_t handler = 0;      // fccHandler of the AVI stream
    int bitCount = 0;
    size_t frameBytes = 0;
};

VideoFormat videoFormatOf(const ClipInfo& clip);
void renderFrame(const ClipInfo& clip, int frame, uint8_t* dst, size_t size);

// The sample type delivered: float becomes 16-bit unless float output was allowed.
int deliveredSampleType(const ClipInfo& clip, bool allowFloat);
int bytesPerSample(int sampleType);
// Writes count interleaved sample frames starting at sample frame start.
void renderAudio(const ClipInfo& clip, int sampleType, int64_t start, int64_t count, uint8_t* dst);

}  // namespace standin

#pragma once
// A plain PCM format record as a stream of these samples reports it.
#include <cstdint>

#include "audio/wave_format.h"

inline WaveFormat pcmFormat(uint16_t channels, uint32_t rate, uint16_t bits) {
    WaveFormat f;
    f.formatTag = 1;
    f.channels = channels;
    f.samplesPerSec = rate;
    f.blockAlign = uint16_t(channels * bits / 8);
    f.avgBytesPerSec = rate * f.blockAlign;
    f.bitsPerSample = bits;
    return f;
}

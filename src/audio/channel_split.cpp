#include "audio/channel_split.h"

#include <cstring>

const char* const channelFileSuffixes[channelFileCount] = {"_FL", "_FR", "_C", "_LFE", "_SL", "_SR"};

namespace {
// One loop per sample width, so the copy has a constant size the compiler can inline.
template <unsigned Width>
void splitFixed(const unsigned char* in, size_t frames, size_t frameSize, unsigned written,
                unsigned char* const* outputs) {
    for (unsigned c = 0; c < written; ++c) {
        const unsigned char* src = in + c * Width;
        unsigned char* dst = outputs[c];
        for (size_t f = 0; f < frames; ++f) {
            std::memcpy(dst, src, Width);
            dst += Width;
            src += frameSize;
        }
    }
}
}  // namespace

void splitChannels(const unsigned char* interleaved, size_t frames, size_t frameSize,
                   unsigned bytesPerSample, unsigned written, unsigned char* const* outputs) {
    switch (bytesPerSample) {
    case 1: splitFixed<1>(interleaved, frames, frameSize, written, outputs); break;
    case 2: splitFixed<2>(interleaved, frames, frameSize, written, outputs); break;
    case 3: splitFixed<3>(interleaved, frames, frameSize, written, outputs); break;
    case 4: splitFixed<4>(interleaved, frames, frameSize, written, outputs); break;
    default: break;
    }
}

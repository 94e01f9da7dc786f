#pragma once
// Splitting interleaved sample frames into one run of samples per channel.
#include <cstddef>

// Names of the per-channel files, in channel order; a stream with more channels than
// names writes only these.
constexpr unsigned channelFileCount = 6;
extern const char* const channelFileSuffixes[channelFileCount];

// Copies `frames` frames of `frameSize` bytes from `interleaved` into outputs[0..written):
// output c receives, for each frame, the bytesPerSample bytes at c * bytesPerSample.
// bytesPerSample must be 1 to 4; each output must hold frames * bytesPerSample bytes.
void splitChannels(const unsigned char* interleaved, size_t frames, size_t frameSize,
                   unsigned bytesPerSample, unsigned written, unsigned char* const* outputs);

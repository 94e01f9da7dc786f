#pragma once
// What the per-channel wave files must hold: each channel's samples taken out of
// interleaved audio, in files whose names end in these, channel by channel.
#include <string>

inline std::string channelOf(const std::string& all, unsigned channels, unsigned width, unsigned c) {
    std::string out;
    for (size_t at = c * width; at < all.size(); at += channels * width) out += all.substr(at, width);
    return out;
}

inline const char* const channelNames[6] = {"_FL.wav", "_FR.wav", "_C.wav", "_LFE.wav", "_SL.wav", "_SR.wav"};

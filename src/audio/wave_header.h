#pragma once
// The two WAV file layouts the export writes: one file with every channel, or one mono
// file per channel. Both have a fixed 44-byte header, numbers little-endian.
#include <cstdint>

#include "audio/wave_format.h"

constexpr unsigned waveHeaderSize = 44;
// The most audio data one WAV file can describe: 2^32 - 1 minus the header.
constexpr uint64_t largestSingleWaveData = 4294967251u;

// Audio data is padded to an even length inside a RIFF file.
inline uint64_t paddedBytes(uint64_t totalBytes) { return totalBytes + (totalBytes & 1); }
inline bool audioTooBigForOneFile(uint64_t totalBytes) { return totalBytes > largestSingleWaveData; }
// The size of the single WAV file, or 0 when it does not fit in 32 bits.
uint32_t singleWaveFileSize(uint64_t totalBytes);

// Header of the file holding every channel: sizes from the padded data length, average
// bytes per second and block align as the stream reports them.
void singleWaveHeader(unsigned char (&header)[waveHeaderSize], const WaveFormat& format,
                      int formatCode, uint64_t totalBytes);
// Header of one channel's mono file: its data is totalBytes / channels, never padded.
void channelWaveHeader(unsigned char (&header)[waveHeaderSize], const WaveFormat& format,
                       int formatCode, uint64_t totalBytes);

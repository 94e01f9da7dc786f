#include "audio/wave_header.h"

#include <cstring>

namespace {
void put16(unsigned char* p, uint32_t v) {
    p[0] = static_cast<unsigned char>(v);
    p[1] = static_cast<unsigned char>(v >> 8);
}
void put32(unsigned char* p, uint32_t v) {
    put16(p, v & 0xFFFF);
    put16(p + 2, v >> 16);
}

void buildHeader(unsigned char* h, int formatCode, uint32_t channels, uint32_t rate,
                 uint32_t avgBytes, uint32_t blockAlign, uint32_t bits, uint32_t dataSize) {
    std::memcpy(h, "RIFF", 4);
    put32(h + 4, dataSize + 36);
    std::memcpy(h + 8, "WAVEfmt ", 8);
    put32(h + 16, 16);
    put16(h + 20, static_cast<uint32_t>(formatCode));
    put16(h + 22, channels);
    put32(h + 24, rate);
    put32(h + 28, avgBytes);
    put16(h + 32, blockAlign);
    put16(h + 34, bits);
    std::memcpy(h + 36, "data", 4);
    put32(h + 40, dataSize);
}
}  // namespace

uint32_t singleWaveFileSize(uint64_t totalBytes) {
    uint64_t size = paddedBytes(totalBytes) + waveHeaderSize;
    return size > 0xFFFFFFFFu ? 0 : static_cast<uint32_t>(size);
}

void singleWaveHeader(unsigned char (&header)[waveHeaderSize], const WaveFormat& format,
                      int formatCode, uint64_t totalBytes) {
    buildHeader(header, formatCode, format.channels, format.samplesPerSec, format.avgBytesPerSec,
                format.blockAlign, format.bitsPerSample,
                static_cast<uint32_t>(paddedBytes(totalBytes)));
}

void channelWaveHeader(unsigned char (&header)[waveHeaderSize], const WaveFormat& format,
                       int formatCode, uint64_t totalBytes) {
    uint32_t bits = format.bitsPerSample;
    uint64_t perChannel = format.channels ? totalBytes / format.channels : 0;
    buildHeader(header, formatCode, 1, format.samplesPerSec,
                static_cast<uint32_t>(uint64_t(format.samplesPerSec) * bits / 8), bits / 8, bits,
                static_cast<uint32_t>(perChannel));
}

#include "audio/wave_format.h"

#include <cstring>

namespace {
constexpr uint16_t tagPcm = 1;
constexpr uint16_t tagFloat = 3;
constexpr uint16_t tagExtensible = 0xFFFE;

// The plain record's fields end at byte 16; the extensible record's sub-format GUID
// occupies bytes 24..39.
constexpr size_t plainFieldsSize = 16;
constexpr size_t extensibleSize = 40;
constexpr size_t subFormatOffset = 24;

// KSDATAFORMAT_SUBTYPE_PCM and _IEEE_FLOAT as stored: the first four bytes hold the
// format tag, the remaining twelve are the same for both.
constexpr unsigned char subFormatTail[12] = {0x00, 0x00, 0x10, 0x00, 0x80, 0x00,
                                             0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};

uint16_t read16(const unsigned char* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }
uint32_t read32(const unsigned char* p) {
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
           static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}
}  // namespace

int readWaveFormat(const unsigned char* block, size_t size, WaveFormat* format) {
    WaveFormat read;
    if (!block || size < plainFieldsSize) {
        if (format) *format = read;
        return waveCodeRefused;
    }
    read.formatTag = read16(block);
    read.channels = read16(block + 2);
    read.samplesPerSec = read32(block + 4);
    read.avgBytesPerSec = read32(block + 8);
    read.blockAlign = read16(block + 12);
    read.bitsPerSample = read16(block + 14);
    if (format) *format = read;

    if (read.formatTag == tagPcm) return waveCodePcm;
    if (read.formatTag == tagFloat) return waveCodeFloat;
    if (read.formatTag != tagExtensible || size < extensibleSize) return waveCodeRefused;
    const unsigned char* sub = block + subFormatOffset;
    if (std::memcmp(sub + 4, subFormatTail, sizeof subFormatTail) != 0) return waveCodeRefused;
    uint32_t subTag = read32(sub);
    if (subTag == tagPcm) return waveCodePcm;
    if (subTag == tagFloat) return waveCodeFloat;
    return waveCodeRefused;
}

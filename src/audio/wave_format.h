#pragma once
// The audio format of a stream, read from the format block the stream hands out: a plain
// wave format record or its extensible form.
#include <cstddef>
#include <cstdint>

struct WaveFormat {
    uint16_t formatTag = 0;
    uint16_t channels = 0;
    uint32_t samplesPerSec = 0;
    uint32_t avgBytesPerSec = 0;
    uint16_t blockAlign = 0;
    uint16_t bitsPerSample = 0;
};

// Format codes written into the files.
enum WaveFormatCode { waveCodeRefused = 0, waveCodePcm = 1, waveCodeFloat = 3 };

// Reads the leading fields of the block into format (whatever the tag) and returns the
// format code to write: PCM, IEEE float, or refused. An extensible block is judged by its
// sub-format; one too short to hold the sub-format is refused, as is a block too short to
// hold the plain fields.
int readWaveFormat(const unsigned char* block, size_t size, WaveFormat* format);

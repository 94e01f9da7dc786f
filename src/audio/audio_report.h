#pragma once
// The one-line description of a script's audio that the save-wave panel parses:
// channels, format code, bits, rate, byte rate, seconds, single WAV file size.
#include <cstddef>
#include <cstdint>

#include "audio/wave_format.h"

// Reports for the two early failures: the file could not be opened, it has no audio.
extern const char* const audioReportNoFile;
extern const char* const audioReportNoAudio;

// Seconds are whole seconds of the length; the size is that of the single WAV file, 0 when
// it does not fit in 32 bits.
size_t formatAudioReport(char* out, size_t cap, const WaveFormat& format, int formatCode,
                         uint32_t lengthFrames, uint64_t totalBytes);

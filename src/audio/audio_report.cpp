#include "audio/audio_report.h"

#include "base/bounded_text.h"
#include "audio/wave_header.h"

const char* const audioReportNoFile = "0 0 0 0 0 0 1";
const char* const audioReportNoAudio = "0 0 0 0 0 0 2";

size_t formatAudioReport(char* out, size_t cap, const WaveFormat& format, int formatCode,
                         uint32_t lengthFrames, uint64_t totalBytes) {
    uint32_t seconds = format.samplesPerSec ? lengthFrames / format.samplesPerSec : 0;
    // The size is unsigned: sizes between 2 and 4 GB would print negative as signed.
    return formatText(out, cap, "%i %i %i %u %u %u %u", int(format.channels), formatCode,
                      int(format.bitsPerSample), unsigned(format.samplesPerSec),
                      unsigned(format.avgBytesPerSec), unsigned(seconds),
                      unsigned(singleWaveFileSize(totalBytes)));
}

#pragma once
// Writing a stream's audio as WAV: the read loop with its progress and pause question, for
// one file with every channel or one mono file per channel. Where the samples come from
// and how the progress bar and pause button are reached is the caller's business.
#include <cstdint>

#include "base/message_box.h"
#include "audio/wave_format.h"

// Audio is read in blocks of at most this many bytes.
constexpr uint32_t waveReadBufferSize = 48000;
// Sample frames asked for per read in per-channel mode (the buffer may deliver fewer).
constexpr uint32_t channelFramesPerRead = 10000;

struct AudioSource {
    void* context = nullptr;
    // Reads up to `frames` sample frames from frame `start` into buffer; returns 0 with
    // the counts delivered, or non-zero on a read error.
    int (*read)(void* context, uint32_t start, uint32_t frames, unsigned char* buffer,
                uint32_t bufferSize, uint32_t* framesRead, uint32_t* bytesRead) = nullptr;
};

// The panel's progress bar and pause button; either function may be null.
struct ExportControls {
    void* context = nullptr;
    void (*setProgress)(void* context, int percent) = nullptr;
    // Takes at most one pending message; true when it was a press on the pause button.
    bool (*pausePressed)(void* context) = nullptr;
};

struct WaveJob {
    WaveFormat format;
    int formatCode = waveCodePcm;
    uint32_t lengthFrames = 0;
    uint32_t sampleSize = 0;  // bytes per sample frame as the stream reports it
    const char* outputName = nullptr;
    WindowHandle owner = nullptr;
    bool quiet = false;  // no overwrite question, no "Done" message
};

enum WaveWriteResult {
    waveWritten = 0,
    waveDeclined = 1,    // the user chose not to overwrite
    waveCancelled = 2,   // cancelled from the pause question
    waveReadFailed = 3,  // the stream failed or ended early
    waveCreateFailed = 4,
    waveWriteFailed = 5,
    waveUnsupported = 6,  // samples this mode cannot split
    waveNotOpened = 7,    // opening ended the export (its message was shown)
};

// Messages of failures the export reports on its own.
extern const char* const waveCreateFailedText;   // %s: file name
extern const char* const waveReadFailedText;     // %u, %u: position and length, single file
extern const char* const channelReadFailedText;  // the same, per-channel files
extern const char* const waveWriteFailedText;    // %s: file name, single file
extern const char* const channelWriteFailedText; // %s: file name, per-channel files

// Each file is written as "<name>.part" beside its final name and renamed when complete, so
// an older file of the final name stays as it was until then.
// One WAV file with every channel. A partial file is deleted on cancel and on failure.
int writeSingleWave(const WaveJob& job, const AudioSource& source, const ExportControls& controls);
// One mono WAV file per channel (at most six), named from outputName without its last four
// characters. Partial files are deleted on cancel and on failure.
int writeChannelWaves(const WaveJob& job, const AudioSource& source, const ExportControls& controls);

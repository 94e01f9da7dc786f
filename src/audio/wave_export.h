#pragma once
// Saving a script's audio as WAV, read through AVIFile (which hands .avs scripts to
// AviSynth's file handler). Runs on the user-interface thread and blocks it.
#include "base/message_box.h"
#include "audio/avi_clip.h"
#include "audio/wave_export_plan.h"
#include "audio/wave_writer.h"

// The save-wave panel's "Pause or Cancel Wave Save" button and its progress bar (0..100);
// either may be null.
struct WaveProgressControls {
    WindowHandle pauseButton = nullptr;
    WindowHandle progressBar = nullptr;
};

// mode: exportModeReport fills clip.audioReport (and clip.tooBig); exportModeSingle writes
// outputName with every channel; exportModeChannels writes one mono file per channel named
// from outputName without its last four characters plus "_FL.wav" ... "_SR.wav".
// owner owns every message box; while writing, the pause button's presses are taken from
// owner's queue. quiet (the encode flow) skips the overwrite question and the "Done" box.
// Returns waveWritten (0) when the report was made or the files were written, otherwise a
// WaveWriteResult saying why not.
int exportAudio(AviClip& clip, const char* scriptPath, const char* outputName, WindowHandle owner,
                const WaveProgressControls* controls, int mode, bool quiet);

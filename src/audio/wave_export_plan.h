#pragma once
// The decisions of the wave export between opening the script and writing: every opening
// message, the too-big test, the format check and the report. The AVIFile side gathers the
// facts into the clip record and then asks here what to do.
#include <cstdint>

#include "base/message_box.h"
#include "audio/avi_clip.h"

enum ExportMode { exportModeSingle = 0, exportModeReport = 1, exportModeChannels = 2 };
enum ExportStep {
    exportStepNone = 0,  // the export ended with a message
    exportStepSingleFile = 1,
    exportStepChannelFiles = 2,
    exportStepReportMade = 3,
};

// How far opening got. Later facts are only looked at when the earlier ones succeeded.
struct ExportFacts {
    int32_t openResult = 0;  // AVIFileOpen's result
    bool infoRead = false;   // the file info (clip.fileInfo) was read
    bool audioFound = false; // an audio stream was found and clip.audioInfo read
    int formatCode = 0;      // from the audio format block (clip.audioFormat); 0 when refused
};

// The stream table entry that holds the audio stream.
inline int exportAudioStreamIndex(uint32_t streams) { return streams < 2 ? 0 : 1; }

// The message shown when AVIFileOpen fails with code.
void exportOpenErrorText(char* out, unsigned cap, int32_t code);

// Shows the messages of the opening steps in order, sets clip.tooBig and clip.audioReport
// (made in report mode; the writing modes change it only when the file cannot be opened or
// has no audio), and returns which file writing is left to do. Single-file mode asked for audio too big
// for one file writes per-channel files instead.
int planExport(AviClip& clip, const ExportFacts& facts, const char* scriptPath, WindowHandle owner,
               int mode);

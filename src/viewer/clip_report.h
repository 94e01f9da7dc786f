#pragma once
// The clip properties of a media file or script as read through AVIFile: the report the
// user sees, and in quiet mode the clip size, frame rate and pixel-format code for the
// encoder. The AVIFile side fills the clip record and the facts, then calls finishClipInfo.
#include <cstddef>
#include <cstdint>

#include "base/message_box.h"
#include "audio/avi_clip.h"

struct ClipFacts {
    int32_t openResult = 0;         // AVIFileOpen's result
    bool infoRead = false;          // clip.fileInfo was read
    bool formatReadFailed = false;  // the audio stream's format could not be read
};

// Clears what one call reads, so nothing of an earlier file is reported for this one.
void beginClipRead(AviClip& clip);

// The message for a failed open, shown titled with the path.
void clipOpenErrorText(char* out, size_t cap, int32_t code);

// The handler code as text: a quote, a blank, the four characters, a blank, a quote.
void makeHandlerText(char (&text)[16], uint32_t code);

// True when the file info looks like AviSynth's error picture (wide and short).
bool looksLikeErrorPicture(const ClipFileInfo& info);

// The report body for the streams found, ending with `closing`.
size_t formatClipReport(char* out, size_t cap, const AviClip& clip, const char* path,
                        const char* closing);

// Steps after the stream scan: messages, handler code and text, the report in report mode
// or the clip size and frame rate in quiet mode. Returns in report mode 1 when the clip
// looks like the error picture and the user chose OK, else 0; in quiet mode 1 when a video
// stream was read, else 0.
int finishClipInfo(AviClip& clip, const ClipFacts& facts, const char* path, WindowHandle owner,
                   bool report);

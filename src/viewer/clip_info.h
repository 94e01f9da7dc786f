#pragma once
// Reading a media file's or script's streams through AVIFile: the "Media Clip Properties"
// report, or quietly the clip size, frame rate and the video stream's pixel-format code
// (clip.handlerCode) that the encoder's colour-space test compares.
#include "base/message_box.h"
#include "audio/avi_clip.h"

// report true shows the report owned by owner; false only fills the clip fields.
// Returns in report mode 1 when the clip looks like AviSynth's error picture and the user
// chose OK, else 0; in quiet mode 1 when a video stream was read, else 0.
int readClipInfo(AviClip& clip, const char* path, WindowHandle owner, bool report);

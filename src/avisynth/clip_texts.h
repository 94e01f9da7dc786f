#pragma once
// The two texts made from a script's output clip: the clip data text (values only, one per
// line, read by the Media Viewer) and the clip report text shown to the user.
#include <cstddef>

#include "avisynth/avs_c_api.h"

constexpr size_t clipDataSize = 256;
constexpr size_t clipReportSize = 1032;

// What the script left in the global "OPT_AllowFloatAudio".
enum FloatAudioOption { floatOptionUndefined, floatOptionFalse, floatOptionTrue };

void buildClipData(const AVS_VideoInfo& vi, char* dst, size_t cap);
void buildClipReport(const char* path, const AVS_VideoInfo& vi, float versionNumber, int supportLevel,
                     FloatAudioOption floatOption, char* dst, size_t cap);

#pragma once
// Frame and time arithmetic of the scene list.
#include <cstddef>

#include "scenes/scene_row.h"

// Frames a row adds to the project: 0 when end - start is less than 1 (or either is not a
// number); otherwise end - start + 1, plus 1 for FadeIn or FadeOut and 2 for FadeIO, whose
// filters add frames. Not meant for Dissolve rows.
long long rowFrames(const SceneRow& row);

// Length of the project the rows describe: every row's frames, less the frames of every
// Dissolve (the two scenes overlap by that much). Cut to the int range.
int totalFrames(const char* programFolder);

// "%02i:%02i:%02i.%02i" of hours, minutes, seconds and the frames left over, for frames at
// framesPerSecond. The rate is taken as the float it is and each product or quotient is worked
// out in double and cut toward zero. A rate too small to make a whole frame per minute (0
// included), or not finite, gives 00:00:00.00.
size_t timeText(char* out, size_t cap, long long frames, float framesPerSecond);

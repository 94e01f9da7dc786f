#pragma once
// The common open and save dialogs as the encoder and tool panels and the encode click use
// them: a title, a default extension and a filter list in the dialogs' pair form.
#include <windows.h>

#include <cstddef>

// Filters: description and pattern pairs, each ended by a zero byte, one more zero at the end.
inline constexpr char encoderProgramFilter[] = "Encoder (*.exe)\0*.exe\0";
inline constexpr char toolProgramFilter[] = "Tool (*.exe)\0*.exe\0";
inline constexpr char mediaOutputFilter[] =
    "Mpeg video and audio (.mpg)\0*.mpg\0Mpeg 2 video (.m2v)\0*.m2v\0Mpeg 1 video (.m1v)\0*.m1v\0"
    "Mpeg audio (.mp2)\0*.mp2\0Audio ac3 (.ac3)\0*.ac3\0Wav audio (.wav)\0*.wav\0All Files (*.*)\0*.*\0";

// Shows the dialog; initialName (may be empty) is the starting name. Returns true with the
// chosen path in out, false (out empty) when cancelled.
bool pickFile(HWND owner, const char* title, const char* defaultExtension, const char* filter,
              int filterIndex, const char* initialName, bool save, char* out, size_t cap);

#pragma once
// The common open and save dialogs as the encoder and tool panels and the encode click use
// them: a title, a default extension and a filter list in the dialogs' pair form.
#include <windows.h>

#include <cstddef>

// Filters: description and pattern pairs, each ended by a zero byte, one more zero at the end.
extern const char encoderProgramFilter[];
extern const char toolProgramFilter[];
extern const char mediaOutputFilter[];

// Shows the dialog; initialName (may be empty) is the starting name. Returns true with the
// chosen path in out, false (out empty) when cancelled.
bool pickFile(HWND owner, const char* title, const char* defaultExtension, const char* filter,
              int filterIndex, const char* initialName, bool save, char* out, size_t cap);

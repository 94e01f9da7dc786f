#pragma once
// The script a command line names. A quoted path loses its quotes; an unquoted one (from a
// shell, or "wine Zandolin.exe clip.avs") is taken whole, blanks around it trimmed; a relative
// path is joined to the current folder.
#include <cstddef>

// False when there is no path or it does not fit; out is then empty.
bool commandLinePath(char* out, size_t cap, const char* arguments, const char* currentFolder);
// True for the extensions a command line opens in the editor: "avs" and "avsi" (any case).
bool isScriptExtension(const char* path);

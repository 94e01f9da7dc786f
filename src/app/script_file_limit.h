#pragma once
// A script is a few kilobytes of text; a file many megabytes long was picked by mistake (a
// video, say) and would only fill the memory, so it is refused before loading.
#include <cstddef>

constexpr long long scriptFileLimit = 32LL * 1024 * 1024;

inline bool scriptFileTooLarge(long long size) { return size > scriptFileLimit; }

// "The file:\n<path>\nis <size> bytes long, too large for a script.\nIt was not opened."
void formatTooLargeText(char* out, size_t cap, const char* path, long long size);

#include "app/script_file_limit.h"

#include "base/bounded_text.h"

void formatTooLargeText(char* out, size_t cap, const char* path, long long size) {
    formatText(out, cap, "The file:\n%s\nis %lld bytes long, too large for a script.\nIt was not opened.", path, size);
}

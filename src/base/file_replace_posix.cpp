#include <cstdio>

#include "base/line_file.h"

// rename() replaces the target atomically on POSIX file systems.
bool replaceFile(const char* source, const char* target) {
    return source && target && rename(source, target) == 0;
}

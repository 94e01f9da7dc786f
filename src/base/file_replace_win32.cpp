#include <windows.h>

#include "base/line_file.h"

bool replaceFile(const char* source, const char* target) {
    if (!source || !target) return false;
    return MoveFileExA(source, target, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

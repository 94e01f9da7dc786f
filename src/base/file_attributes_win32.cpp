#include "base/file_attributes.h"

#include <windows.h>

bool fileAttributesExist(const char* path) {
    return path && path[0] && GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
}

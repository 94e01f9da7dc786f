#include "base/file_attributes.h"

#include <sys/stat.h>

bool fileAttributesExist(const char* path) {
    struct stat info;
    return path && path[0] && stat(path, &info) == 0;
}

#include "app/project_probe.h"

#include <cstdio>
#include <cstring>

bool looksLikeProjectFile(const char* path) {
    FILE* file = path && path[0] ? fopen(path, "rb") : nullptr;
    if (!file) return false;
    char line[1024];
    bool found = false;
    // The rows follow the three name sections, so the marker stands near the top; a long
    // file without it is read no further than needed.
    for (int i = 0; i < 64 && !found && fgets(line, sizeof line, file); ++i) {
        line[strcspn(line, "\r\n")] = '\0';
        found = strcmp(line, "Frame Editor Data") == 0;
    }
    fclose(file);
    return found;
}

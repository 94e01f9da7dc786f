#include "editor/source_path.h"

#include <cstring>

#include "base/bounded_text.h"

const char* fileTitleOf(const char* path) {
    if (!path) return "";
    const char* title = path;
    for (const char* p = path; *p; ++p)
        if (*p == '\\' || *p == '/' || *p == ':') title = p + 1;
    return title;
}

void setSourcePath(SourcePath& source, const char* path) {
    copyText(source.path, path);
    const char* title = fileTitleOf(source.path);
    copyText(source.title, title);
    copyTextN(source.folder, sizeof source.folder, source.path, static_cast<size_t>(title - source.path));
}


#include "editor/source_path.h"

#include <cstring>

#include "app/bounded_text.h"

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

void programFolderFromCommandLine(char* out, size_t cap, const char* commandLine, const char* arguments) {
    char program[1024];
    copyText(program, commandLine);
    size_t length = std::strlen(program);
    size_t cut = std::strlen(arguments ? arguments : "") + 1;
    length = cut < length ? length - cut : 0;
    program[length] = '\0';
    const char* start = program;
    if (*start == '"') ++start;
    size_t n = std::strlen(start);
    for (size_t back = 1; back <= 3 && back <= n; ++back) {
        if (start[n - back] == '"') {
            const_cast<char*>(start)[n - back] = '\0';
            break;
        }
    }
    const char* title = fileTitleOf(start);
    copyTextN(out, cap, start, static_cast<size_t>(title - start));
}

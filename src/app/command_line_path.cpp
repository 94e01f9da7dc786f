#include "app/command_line_path.h"

#include <cctype>
#include <cstring>

#include "base/bounded_text.h"

namespace {

bool isAbsolute(const char* p, size_t n) {
    if (n >= 2 && std::isalpha(static_cast<unsigned char>(p[0])) && p[1] == ':') return true;
    return n >= 1 && (p[0] == '\\' || p[0] == '/');
}

bool sameText(const char* a, const char* b) {
    for (; *a && *b; ++a, ++b)
        if (std::tolower(static_cast<unsigned char>(*a)) != std::tolower(static_cast<unsigned char>(*b))) return false;
    return *a == *b;
}

}  // namespace

bool commandLinePath(char* out, size_t cap, const char* arguments, const char* currentFolder) {
    if (cap) out[0] = '\0';
    if (!arguments || cap == 0) return false;
    const char* start = arguments;
    const char* end = arguments + strlen(arguments);
    while (start < end && (*start == ' ' || *start == '\t')) ++start;
    while (end > start && (end[-1] == ' ' || end[-1] == '\t')) --end;
    if (end - start >= 2 && *start == '"' && end[-1] == '"') {
        ++start;
        --end;
    }
    const size_t n = static_cast<size_t>(end - start);
    if (n == 0) return false;
    size_t need = n;
    size_t folderLength = 0;
    const bool joined = !isAbsolute(start, n) && currentFolder && currentFolder[0];
    if (joined) {
        folderLength = strlen(currentFolder);
        const char last = currentFolder[folderLength - 1];
        need += folderLength + (last == '\\' || last == '/' ? 0 : 1);
    }
    // A cut path would name some other file: refuse it instead.
    if (need >= cap) return false;
    size_t at = 0;
    if (joined) {
        at = copyText(out, cap, currentFolder);
        if (out[at - 1] != '\\' && out[at - 1] != '/') out[at++] = '\\';
    }
    memcpy(out + at, start, n);
    out[at + n] = '\0';
    return true;
}

bool isScriptExtension(const char* path) {
    if (!path) return false;
    const char* name = path;
    for (const char* p = path; *p; ++p)
        if (*p == '\\' || *p == '/') name = p + 1;
    const char* dot = strrchr(name, '.');
    return dot && (sameText(dot + 1, "avs") || sameText(dot + 1, "avsi"));
}

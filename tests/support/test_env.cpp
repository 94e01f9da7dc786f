#include "support/test_env.h"

#include <cstdlib>

std::string testFolderFromEnv(const char* name) {
    const char* value = std::getenv(name);
    if (!value || !*value) return {};
    std::string path = value;
#ifdef _WIN32
    if (path[0] == '/') path = "Z:" + path;
    for (char& c : path)
        if (c == '/') c = '\\';
    if (path.back() != '\\') path += '\\';
#else
    if (path.back() != '/') path += '/';
#endif
    return path;
}

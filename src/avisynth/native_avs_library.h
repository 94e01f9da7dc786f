#pragma once
// Native build only: there is no avisynth.dll, so tests install the exports a "loaded"
// library offers (or none, for a failed load).
#include <utility>
#include <vector>

namespace nativeavs {
// Makes the next getlib load succeed and offer these exports.
void install(const std::vector<std::pair<const char*, void*>>& exports);
// Makes the next getlib load fail.
void uninstall();
// How often a loaded library was freed; a test can make freeing fail.
int freeCount();
void failFree(bool fail);
}  // namespace nativeavs

#include <cstring>
#include <string>
#include <vector>

#include "avisynth/avs_library.h"
#include "avisynth/native_avs_library.h"

namespace {
bool present = false;
std::vector<std::pair<std::string, void*>> exportTable;
int frees = 0;
bool freeFails = false;
int moduleToken = 0;
}  // namespace

namespace nativeavs {
void install(const std::vector<std::pair<const char*, void*>>& exports) {
    present = true;
    exportTable.clear();
    for (const auto& e : exports) exportTable.emplace_back(e.first, e.second);
    frees = 0;
    freeFails = false;
}
void uninstall() {
    present = false;
    exportTable.clear();
    frees = 0;
    freeFails = false;
}
int freeCount() { return frees; }
void failFree(bool fail) { freeFails = fail; }
}  // namespace nativeavs

void startLoadingAvisynth() {}

getlib::getlib(WindowHandle* ownerWindow) : owner(ownerWindow) {
    module = present ? &moduleToken : nullptr;
    loadFailed = module == nullptr;
}

getlib::~getlib() {
    if (!module) return;
    ++frees;
    if (freeFails) showMessageBox(owner ? *owner : nullptr, "free library failed", "~getlib()", mbOk);
}

void* getlib::symbol(const char* name) const {
    if (!module) return nullptr;
    for (const auto& e : exportTable)
        if (e.first == name) return e.second;
    return nullptr;
}

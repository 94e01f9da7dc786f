#include <windows.h>

#include "avisynth/avs_library.h"

getlib::getlib(WindowHandle* ownerWindow) : owner(ownerWindow) {
    module = LoadLibraryA("avisynth.dll");
    loadFailed = module == nullptr;
}

getlib::~getlib() {
    if (module && !FreeLibrary(static_cast<HMODULE>(module)))
        showMessageBox(owner ? *owner : nullptr, "free library failed", "~getlib()", mbOk);
}

void* getlib::symbol(const char* name) const {
    if (!module) return nullptr;
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(module), name));
}

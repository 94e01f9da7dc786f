#include <windows.h>

#include "avisynth/avs_library.h"

namespace {
HANDLE loaderThread = nullptr;
HMODULE earlyModule = nullptr;

DWORD WINAPI loadEarly(void*) {
    earlyModule = LoadLibraryA("avisynth.dll");
    return 0;
}

// Waits for the early load to end.
void joinEarlyLoad() {
    if (!loaderThread) return;
    WaitForSingleObject(loaderThread, INFINITE);
    CloseHandle(loaderThread);
    loaderThread = nullptr;
}
}  // namespace

void startLoadingAvisynth() {
    if (!loaderThread) loaderThread = CreateThread(nullptr, 0, loadEarly, nullptr, 0, nullptr);
}

getlib::getlib(WindowHandle* ownerWindow) : owner(ownerWindow) {
    joinEarlyLoad();
    module = LoadLibraryA("avisynth.dll");
    // The holder has its own reference now; the early one is given back.
    if (earlyModule) FreeLibrary(earlyModule);
    earlyModule = nullptr;
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

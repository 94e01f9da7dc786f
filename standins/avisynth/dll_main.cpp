// The DLL's entry points: the module handle (to find the version file beside the DLL) and
// the COM class object of the AVIFile handler for .avs files.
#include <windows.h>

#include <atomic>
#include <string>

#include "avifile_handler.h"
#include "script_engine.h"
#include "standin_version.h"

namespace {
HMODULE thisModule = nullptr;

class HandlerFactory : public IClassFactory {
public:
    STDMETHODIMP QueryInterface(REFIID riid, void** out) override {
        if (!out) return E_POINTER;
        if (IsEqualIID(riid, standin::iidUnknown) || IsEqualIID(riid, standin::iidClassFactory)) {
            *out = static_cast<IClassFactory*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }  // static object
    STDMETHODIMP_(ULONG) Release() override { return 1; }
    STDMETHODIMP CreateInstance(IUnknown* outer, REFIID riid, void** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (outer) return CLASS_E_NOAGGREGATION;
        return standin::createAviFile(riid, out);
    }
    STDMETHODIMP LockServer(BOOL lock) override {
        standin::objectCount += lock ? 1 : -1;
        return S_OK;
    }
};

HandlerFactory factory;
}  // namespace

namespace standin {
std::string currentVersionText() {
    char path[MAX_PATH] = {};
    std::string contents;
    DWORD n = GetModuleFileNameA(thisModule, path, MAX_PATH);
    if (n > 0 && n < MAX_PATH) {
        std::string file(path);
        size_t cut = file.find_last_of("\\/");
        file = (cut == std::string::npos ? std::string() : file.substr(0, cut + 1)) + "avisynth-version.txt";
        if (!readWholeFile(file, contents)) contents.clear();
    }
    return versionTextFrom(contents);
}
}  // namespace standin

extern "C" {

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        thisModule = instance;
        DisableThreadLibraryCalls(instance);
    }
    return TRUE;
}

STDAPI DllGetClassObject(REFCLSID clsid, REFIID riid, LPVOID* out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (!IsEqualCLSID(clsid, standin::handlerClsid)) return CLASS_E_CLASSNOTAVAILABLE;
    return factory.QueryInterface(riid, out);
}

STDAPI DllCanUnloadNow() { return standin::objectCount == 0 ? S_OK : S_FALSE; }

}  // extern "C"

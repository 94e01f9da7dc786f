// Writes the display names of the running object table's entries, one a line, into the
// file named by its argument. Reaches ole32 at run time: test programs link only the basics.
#include <windows.h>
#include <objbase.h>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    HMODULE ole = LoadLibraryA("ole32.dll");
    if (!ole) return 3;
    auto init = reinterpret_cast<HRESULT(WINAPI*)(void*)>(reinterpret_cast<void*>(GetProcAddress(ole, "CoInitialize")));
    auto table = reinterpret_cast<HRESULT(WINAPI*)(DWORD, IRunningObjectTable**)>(
        reinterpret_cast<void*>(GetProcAddress(ole, "GetRunningObjectTable")));
    auto bind = reinterpret_cast<HRESULT(WINAPI*)(DWORD, IBindCtx**)>(reinterpret_cast<void*>(GetProcAddress(ole, "CreateBindCtx")));
    auto free = reinterpret_cast<void(WINAPI*)(void*)>(reinterpret_cast<void*>(GetProcAddress(ole, "CoTaskMemFree")));
    if (!init || !table || !bind || !free) return 4;
    init(nullptr);
    IRunningObjectTable* rot = nullptr;
    IBindCtx* ctx = nullptr;
    IEnumMoniker* list = nullptr;
    if (FAILED(table(0, &rot)) || FAILED(bind(0, &ctx)) || FAILED(rot->EnumRunning(&list))) return 5;
    FILE* out = fopen(argv[1], "w");
    if (!out) return 6;
    IMoniker* moniker = nullptr;
    while (list->Next(1, &moniker, nullptr) == S_OK) {
        LPOLESTR name = nullptr;
        if (SUCCEEDED(moniker->GetDisplayName(ctx, nullptr, &name)) && name) {
            fprintf(out, "%ls\n", name);
            free(name);
        }
        moniker->Release();
    }
    fclose(out);
    list->Release();
    ctx->Release();
    rot->Release();
    return 0;
}

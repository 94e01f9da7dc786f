#pragma once
// The loaded avisynth.dll: the library holder and the table of C interface calls resolved
// from it.
#include "base/message_box.h"
#include "avisynth/avs_c_api.h"

// Holds the module handle of avisynth.dll for the whole run. The destructor frees the
// library and tells the owner window when that fails.
class getlib {
public:
    explicit getlib(WindowHandle* ownerWindow);
    ~getlib();
    getlib(const getlib&) = delete;
    getlib& operator=(const getlib&) = delete;

    // Address of an export, or null.
    void* symbol(const char* name) const;

    void* module = nullptr;
    WindowHandle* owner = nullptr;
    bool loadFailed = true;
};

// Starts loading avisynth.dll on a thread of its own, so that the loading (large for a real
// AviSynth+: relocation, static set-up, its own libraries) overlaps the building of the
// windows. The library holder then finds it loaded; nothing else is called on that thread.
// The program calls it first thing at start-up; without it the holder loads as usual.
void startLoadingAvisynth();

// The calls of the C interface the binding makes.
struct AvsApi {
    AvsCreateScriptEnvironment createScriptEnvironment = nullptr;
    AvsDeleteScriptEnvironment deleteScriptEnvironment = nullptr;
    AvsFunctionExists functionExists = nullptr;
    AvsInvoke invoke = nullptr;
    AvsGetVar getVar = nullptr;
    AvsTakeClip takeClip = nullptr;
    AvsGetVideoInfo getVideoInfo = nullptr;
    AvsReleaseClip releaseClip = nullptr;
    AvsReleaseValue releaseValue = nullptr;
    // Optional: how a failed creation shows in AviSynth+ (it never returns null).
    AvsGetError getError = nullptr;
};

// Fills api from the library; false (and api left empty) when any call but avs_get_error is
// missing.
bool resolveAvsApi(const getlib& library, AvsApi& api);

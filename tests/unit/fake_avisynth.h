#pragma once
// A scriptable avisynth.dll for native tests of the binding: the exports of the C interface,
// answering from the record `fakeAvs`, counting environments and clips.
#include <map>
#include <string>
#include <vector>

#include "avisynth/avs_c_api.h"
#include "avisynth/native_avs_library.h"

struct FakeVar {
    char type = 's';  // 's', 'i', 'b' or 'e'
    std::string text;
    int number = 0;
};

struct FakeAvs {
    bool createFails = false;  // classic AviSynth: no environment at all
    std::string createError;   // AviSynth+: an environment whose error says why it is unusable
    std::map<std::string, FakeVar> functions;  // invoke results by name (args ignored)
    std::map<std::string, FakeVar> vars;       // get_var results; missing gives type 0, as AviSynth+
    bool importGivesClip = true;
    AVS_VideoInfo clip{};
    int created = 0, deleted = 0, taken = 0, released = 0;
    std::string lastImportPath;
};

inline FakeAvs fakeAvs;
inline int fakeEnvToken;
inline int fakeClipToken;

inline AVS_Value fakeValue(const FakeVar& v) {
    AVS_Value r = avsVoid();
    r.type = v.type;
    if (v.type == 's' || v.type == 'e') r.d.string = v.text.c_str();
    if (v.type == 'i') r.d.integer = v.number;
    if (v.type == 'b') r.d.boolean = static_cast<char>(v.number != 0);
    return r;
}

extern "C" {
inline AVS_ScriptEnvironment* AVSC_CC fakeCreate(int) {
    if (fakeAvs.createFails) return nullptr;
    ++fakeAvs.created;
    return reinterpret_cast<AVS_ScriptEnvironment*>(&fakeEnvToken);
}
inline void AVSC_CC fakeDelete(AVS_ScriptEnvironment*) { ++fakeAvs.deleted; }
inline const char* AVSC_CC fakeGetError(AVS_ScriptEnvironment*) {
    return fakeAvs.createError.empty() ? nullptr : fakeAvs.createError.c_str();
}
inline int AVSC_CC fakeExists(AVS_ScriptEnvironment*, const char* name) {
    return fakeAvs.functions.count(name) || std::string(name) == "Import";
}
inline AVS_Value AVSC_CC fakeInvoke(AVS_ScriptEnvironment*, const char* name, AVS_Value args, const char**) {
    if (std::string(name) == "Import") {
        if (args.type == 'a' && args.array_size == 1 && args.d.array[0].type == 's')
            fakeAvs.lastImportPath = args.d.array[0].d.string;
        auto it = fakeAvs.functions.find("Import");
        if (it != fakeAvs.functions.end()) return fakeValue(it->second);
        AVS_Value clip = avsVoid();
        clip.type = 'c';
        clip.d.clip = &fakeClipToken;
        return clip;
    }
    return fakeValue(fakeAvs.functions.at(name));
}
inline AVS_Value AVSC_CC fakeGetVar(AVS_ScriptEnvironment*, const char* name) {
    auto it = fakeAvs.vars.find(name);
    return it == fakeAvs.vars.end() ? AVS_Value{} : fakeValue(it->second);
}
inline AVS_Clip* AVSC_CC fakeTake(AVS_Value v, AVS_ScriptEnvironment*) {
    ++fakeAvs.taken;
    return static_cast<AVS_Clip*>(v.d.clip);
}
inline const AVS_VideoInfo* AVSC_CC fakeInfo(AVS_Clip*) { return &fakeAvs.clip; }
inline void AVSC_CC fakeReleaseClip(AVS_Clip*) { ++fakeAvs.released; }
inline void AVSC_CC fakeReleaseValue(AVS_Value) {}
}

// A library with every export; `without` names one to leave out.
inline void installFakeAvs(const std::string& version, const char* without = "") {
    fakeAvs = FakeAvs{};
    fakeAvs.functions["VersionString"] = FakeVar{'s', version};
    std::pair<const char*, void*> all[] = {
        {"CreateScriptEnvironment", reinterpret_cast<void*>(&fakeCreate)},
        {"avs_create_script_environment", reinterpret_cast<void*>(&fakeCreate)},
        {"avs_delete_script_environment", reinterpret_cast<void*>(&fakeDelete)},
        {"avs_function_exists", reinterpret_cast<void*>(&fakeExists)},
        {"avs_invoke", reinterpret_cast<void*>(&fakeInvoke)},
        {"avs_get_var", reinterpret_cast<void*>(&fakeGetVar)},
        {"avs_take_clip", reinterpret_cast<void*>(&fakeTake)},
        {"avs_get_video_info", reinterpret_cast<void*>(&fakeInfo)},
        {"avs_release_clip", reinterpret_cast<void*>(&fakeReleaseClip)},
        {"avs_release_value", reinterpret_cast<void*>(&fakeReleaseValue)},
        {"avs_get_error", reinterpret_cast<void*>(&fakeGetError)},
    };
    std::vector<std::pair<const char*, void*>> kept;
    for (auto& e : all)
        if (std::string(e.first) != without) kept.push_back(e);
    nativeavs::install(kept);
}

// AviSynth's C interface, as far as Zandolin uses it: environments, Invoke, GetVar, clips and
// their video information, value release. The C++ factory is exported for the start-up check
// only; it offers no C++ environment.
#include <atomic>
#include <deque>
#include <string>
#include <vector>

#include "avisynth/avs_c_api.h"
#include "frame_source.h"
#include "script_engine.h"
#include "standin_version.h"

struct AVS_ScriptEnvironment {
    standin::ScriptEngine engine;
    std::deque<std::string> strings;  // texts handed out stay valid while the environment lives
    std::string error;
};

struct AVS_Clip {
    std::atomic<int> references{1};
    standin::ClipInfo info;
    AVS_VideoInfo vi{};
};

namespace {

const char* keep(AVS_ScriptEnvironment* env, const std::string& text) {
    env->strings.push_back(text);
    return env->strings.back().c_str();
}

AVS_Clip* newClip(const standin::ClipInfo& info) {
    AVS_Clip* clip = new AVS_Clip;
    clip->info = info;
    AVS_VideoInfo& vi = clip->vi;
    vi.width = info.width;
    vi.height = info.height;
    vi.fps_numerator = info.fpsNumerator;
    vi.fps_denominator = info.fpsDenominator;
    vi.num_frames = info.frameCount;
    vi.pixel_type = static_cast<int>(info.pixelType);
    vi.audio_samples_per_second = info.audioRate;
    vi.sample_type = info.hasAudio() ? info.sampleType : 0;
    vi.num_audio_samples = info.audioSamples;
    vi.nchannels = info.channels;
    vi.image_type = info.imageType;
    return clip;
}

void release(AVS_Clip* clip) {
    if (clip && --clip->references == 0) delete clip;
}

AVS_Value toAvs(AVS_ScriptEnvironment* env, const standin::Value& v) {
    AVS_Value out = avsVoid();
    switch (v.type) {
    case standin::ValueType::Clip: out.type = 'c'; out.d.clip = newClip(*v.clip); break;
    case standin::ValueType::Bool: out.type = 'b'; out.d.boolean = v.boolean; break;
    case standin::ValueType::Int: out.type = 'i'; out.d.integer = v.integer; break;
    case standin::ValueType::Float: out.type = 'f'; out.d.floating_pt = v.floating; break;
    case standin::ValueType::String: out.type = 's'; out.d.string = keep(env, v.text); break;
    default: break;
    }
    return out;
}

standin::Value fromAvs(const AVS_Value& v) {
    switch (v.type) {
    case 'c': return v.d.clip ? standin::Value::ofClip(static_cast<AVS_Clip*>(v.d.clip)->info) : standin::Value();
    case 'b': return standin::Value::ofBool(v.d.boolean != 0);
    case 'i': return standin::Value::ofInt(v.d.integer);
    case 'f': return standin::Value::ofFloat(v.d.floating_pt);
    case 's': return standin::Value::ofString(v.d.string ? v.d.string : "");
    default: return standin::Value();
    }
}

AVS_Value errorValue(AVS_ScriptEnvironment* env, const std::string& message) {
    env->error = message;
    AVS_Value out = avsVoid();
    out.type = 'e';
    out.d.string = keep(env, message);
    return out;
}

}  // namespace

extern "C" {

void* AVSC_CC CreateScriptEnvironment(int) { return nullptr; }

// Never null, as with AviSynth+: a creation that fails gives an environment whose only use is
// avs_get_error.
AVS_ScriptEnvironment* AVSC_CC avs_create_script_environment(int) {
    AVS_ScriptEnvironment* env = new AVS_ScriptEnvironment;
    env->engine.versionText = standin::currentVersionText();
    return env;
}

void AVSC_CC avs_delete_script_environment(AVS_ScriptEnvironment* env) { delete env; }

const char* AVSC_CC avs_get_error(AVS_ScriptEnvironment* env) {
    return env && !env->error.empty() ? env->error.c_str() : nullptr;
}

int AVSC_CC avs_function_exists(AVS_ScriptEnvironment* env, const char* name) {
    return env && name && env->engine.functionExists(name) ? 1 : 0;
}

AVS_Value AVSC_CC avs_invoke(AVS_ScriptEnvironment* env, const char* name, AVS_Value args, const char** argNames) {
    if (!env || !name) return avsVoid();
    env->error.clear();  // the error of an earlier call is not this call's
    std::vector<standin::Argument> arguments;
    if (args.type == 'a') {
        for (int i = 0; i < args.array_size; ++i) {
            standin::Argument a;
            if (argNames && argNames[i]) a.name = argNames[i];
            a.value = fromAvs(args.d.array[i]);
            arguments.push_back(a);
        }
    } else if (args.type != 'v') {
        arguments.push_back(standin::Argument{"", fromAvs(args)});
    }
    standin::Value result;
    if (!env->engine.call(name, arguments, nullptr, result)) return errorValue(env, env->engine.error);
    return toAvs(env, result);
}

// An unknown name gives an all-zero value (type 0), not a void one.
AVS_Value AVSC_CC avs_get_var(AVS_ScriptEnvironment* env, const char* name) {
    standin::Value value;
    if (!env || !name || !env->engine.getVariable(name, value)) return AVS_Value{};
    return toAvs(env, value);
}

AVS_Clip* AVSC_CC avs_take_clip(AVS_Value value, AVS_ScriptEnvironment*) {
    if (value.type != 'c' || !value.d.clip) return nullptr;
    AVS_Clip* clip = static_cast<AVS_Clip*>(value.d.clip);
    ++clip->references;
    return clip;
}

const AVS_VideoInfo* AVSC_CC avs_get_video_info(AVS_Clip* clip) { return clip ? &clip->vi : nullptr; }

// The clip's own samples, in its own sample type (AVIFile may deliver float as 16-bit).
int AVSC_CC avs_get_audio(AVS_Clip* clip, void* buffer, int64_t start, int64_t count) {
    if (!clip || !buffer || start < 0 || count < 0 || !clip->info.hasAudio()) return -1;
    standin::renderAudio(clip->info, clip->info.sampleType, start, count, static_cast<uint8_t*>(buffer));
    return 0;
}

void AVSC_CC avs_release_clip(AVS_Clip* clip) { release(clip); }

void AVSC_CC avs_release_value(AVS_Value value) {
    if (value.type == 'c') release(static_cast<AVS_Clip*>(value.d.clip));
}

}  // extern "C"

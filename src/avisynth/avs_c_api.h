#pragma once
// AviSynth's C interface as its public documentation describes it: the tagged value, the
// clip's video information record and the exported avs_* calls. We talk to avisynth.dll only
// through this interface, because its C++ object interface is not safe to call from code
// built by another compiler (vtable layout and exceptions differ).
#include <cstdint>

#if defined(_WIN32) && !defined(_WIN64)
#define AVSC_CC __stdcall
#else
#define AVSC_CC
#endif

extern "C" {

struct AVS_ScriptEnvironment;
struct AVS_Clip;
struct AVS_Value;

// 16 bytes on 64-bit builds: two shorts, padding, then an 8-byte union.
struct AVS_Value {
    short type;        // 'v' void, 'c' clip, 'b' bool, 'i' int, 'f' float, 's' string, 'a' array, 'e' error
    short array_size;
    union {
        void* clip;
        char boolean;
        int integer;
        float floating_pt;
        const char* string;
        const AVS_Value* array;
        int64_t longlong;  // widest member; keeps the union 8 bytes everywhere
    } d;
};

struct AVS_VideoInfo {
    int width, height;
    unsigned fps_numerator, fps_denominator;
    int num_frames;
    int pixel_type;
    int audio_samples_per_second;
    int sample_type;
    int64_t num_audio_samples;
    int nchannels;
    int image_type;
};

}  // extern "C"

static_assert(sizeof(void*) != 8 || sizeof(AVS_Value) == 16, "AVS_Value must match AviSynth's layout");
static_assert(sizeof(AVS_VideoInfo) == 48, "AVS_VideoInfo must match AviSynth's layout");

// Colour-space bits of pixel_type (the 2.5 series values).
enum : unsigned {
    avsCsBgr = 1u << 28,
    avsCsYuv = 1u << 29,
    avsCsInterleaved = 1u << 30,
    avsCsPlanar = 1u << 31,
    avsCsBgr24 = (1u << 0) | avsCsBgr | avsCsInterleaved,
    avsCsBgr32 = (1u << 1) | avsCsBgr | avsCsInterleaved,
    avsCsYuy2 = (1u << 2) | avsCsYuv | avsCsInterleaved,
    avsCsYv12 = (1u << 3) | avsCsYuv | avsCsPlanar,
    avsCsI420 = (1u << 4) | avsCsYuv | avsCsPlanar,
};

// image_type bits.
enum : int { avsItBff = 1 << 0, avsItTff = 1 << 1, avsItFieldBased = 1 << 2 };

// sample_type codes.
enum : int { avsSampleInt8 = 1, avsSampleInt16 = 2, avsSampleInt24 = 4, avsSampleInt32 = 8, avsSampleFloat = 16 };

// The published inline tests on the video information record.
inline bool avsHasVideo(const AVS_VideoInfo& vi) { return vi.width != 0; }
inline bool avsHasAudio(const AVS_VideoInfo& vi) { return vi.audio_samples_per_second != 0; }
inline unsigned avsPixelBits(const AVS_VideoInfo& vi) { return static_cast<unsigned>(vi.pixel_type); }
inline bool avsIsRgb(const AVS_VideoInfo& vi) { return (avsPixelBits(vi) & avsCsBgr) != 0; }
inline bool avsIsRgb24(const AVS_VideoInfo& vi) { return (avsPixelBits(vi) & avsCsBgr24) == avsCsBgr24; }
inline bool avsIsRgb32(const AVS_VideoInfo& vi) { return (avsPixelBits(vi) & avsCsBgr32) == avsCsBgr32; }
inline bool avsIsYuv(const AVS_VideoInfo& vi) { return (avsPixelBits(vi) & avsCsYuv) != 0; }
inline bool avsIsYuy2(const AVS_VideoInfo& vi) { return (avsPixelBits(vi) & avsCsYuy2) == avsCsYuy2; }
inline bool avsIsYv12(const AVS_VideoInfo& vi) {
    return (avsPixelBits(vi) & avsCsYv12) == avsCsYv12 || (avsPixelBits(vi) & avsCsI420) == avsCsI420;
}
inline bool avsIsFieldBased(const AVS_VideoInfo& vi) { return (vi.image_type & avsItFieldBased) != 0; }
inline bool avsIsBff(const AVS_VideoInfo& vi) { return (vi.image_type & avsItBff) != 0; }
inline bool avsIsTff(const AVS_VideoInfo& vi) { return (vi.image_type & avsItTff) != 0; }

// Value helpers, as the published inline constructors build them.
inline AVS_Value avsVoid() { AVS_Value v{}; v.type = 'v'; return v; }
inline AVS_Value avsString(const char* s) { AVS_Value v{}; v.type = 's'; v.d.string = s; return v; }
inline AVS_Value avsArray(const AVS_Value* items, int count) {
    AVS_Value v{}; v.type = 'a'; v.array_size = static_cast<short>(count); v.d.array = items; return v;
}

// Signatures of the exported calls we use.
using AvsCreateScriptEnvironment = AVS_ScriptEnvironment*(AVSC_CC*)(int version);
using AvsDeleteScriptEnvironment = void(AVSC_CC*)(AVS_ScriptEnvironment*);
using AvsFunctionExists = int(AVSC_CC*)(AVS_ScriptEnvironment*, const char* name);
using AvsInvoke = AVS_Value(AVSC_CC*)(AVS_ScriptEnvironment*, const char* name, AVS_Value args,
                                      const char** argNames);
using AvsGetVar = AVS_Value(AVSC_CC*)(AVS_ScriptEnvironment*, const char* name);
using AvsTakeClip = AVS_Clip*(AVSC_CC*)(AVS_Value, AVS_ScriptEnvironment*);
using AvsGetVideoInfo = const AVS_VideoInfo*(AVSC_CC*)(AVS_Clip*);
using AvsReleaseClip = void(AVSC_CC*)(AVS_Clip*);
using AvsReleaseValue = void(AVSC_CC*)(AVS_Value);
using AvsGetError = const char*(AVSC_CC*)(AVS_ScriptEnvironment*);

#pragma once
// Values of the stand-in's script language: the clip is described by its properties only;
// its pictures and sound are made on demand from them (frame_source.h).
#include <cstdint>
#include <memory>
#include <string>

namespace standin {

struct ClipInfo {
    int width = 0;
    int height = 0;
    unsigned fpsNumerator = 24;
    unsigned fpsDenominator = 1;
    int frameCount = 0;
    unsigned pixelType = 0;  // AviSynth colour-space bits; 0 without video
    int audioRate = 0;       // 0 without audio
    int channels = 0;
    int sampleType = 0;      // 1, 2, 4, 8 or 16
    int64_t audioSamples = 0;
    int imageType = 0;

    bool hasVideo() const { return width != 0 && height != 0; }
    bool hasAudio() const { return audioRate != 0 && channels != 0; }
};

enum class ValueType { Void, Clip, Bool, Int, Float, String };

struct Value {
    ValueType type = ValueType::Void;
    bool boolean = false;
    int integer = 0;
    float floating = 0.0f;
    double precise = 0.0;  // a float literal as written, for frame rates
    std::string text;
    std::shared_ptr<const ClipInfo> clip;

    static Value ofClip(const ClipInfo& info) {
        Value v;
        v.type = ValueType::Clip;
        v.clip = std::make_shared<const ClipInfo>(info);
        return v;
    }
    static Value ofInt(int i) {
        Value v;
        v.type = ValueType::Int;
        v.integer = i;
        return v;
    }
    static Value ofFloat(double f) {
        Value v;
        v.type = ValueType::Float;
        v.floating = static_cast<float>(f);
        v.precise = f;
        return v;
    }
    static Value ofBool(bool b) {
        Value v;
        v.type = ValueType::Bool;
        v.boolean = b;
        return v;
    }
    static Value ofString(std::string s) {
        Value v;
        v.type = ValueType::String;
        v.text = std::move(s);
        return v;
    }
    bool isNumber() const { return type == ValueType::Int || type == ValueType::Float; }
    float asFloat() const { return type == ValueType::Int ? static_cast<float>(integer) : floating; }
    double asDouble() const { return type == ValueType::Int ? integer : precise; }
};

}  // namespace standin

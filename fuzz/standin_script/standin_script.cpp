// Fuzzes the stand-in frame server's script parser and evaluator: users' scripts reach it
// through Import and the AVIFile handler. The engine is compiled here by path.
#include <cstddef>
#include <cstdint>
#include <string>

#include "../../standins/avisynth/frame_source.cpp"
#include "../../standins/avisynth/function_table.cpp"
#include "../../standins/avisynth/script_engine.cpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    standin::ScriptEngine engine;
    // One in-memory script may import itself (or anything else named): no disk access.
    engine.readFile = [&text](const std::string& path, std::string& out) {
        if (path != "self.avs") return false;
        out = text;
        return true;
    };
    standin::Value result;
    if (engine.importFile("self.avs", result) && result.type == standin::ValueType::Clip) {
        const standin::ClipInfo& clip = *result.clip;
        // Touch the sizes the AVIFile handler derives from the clip (no large allocations).
        standin::VideoFormat f = standin::videoFormatOf(clip);
        if (clip.hasVideo() && f.frameBytes <= (1u << 16)) {
            std::string frame(f.frameBytes, '\0');
            standin::renderFrame(clip, clip.frameCount > 0 ? clip.frameCount - 1 : 0,
                                 reinterpret_cast<uint8_t*>(frame.data()), frame.size());
        }
        if (clip.hasAudio()) {
            std::string samples(static_cast<size_t>(standin::bytesPerSample(clip.sampleType) * clip.channels) * 4, '\0');
            standin::renderAudio(clip, clip.sampleType, clip.audioSamples, 4, reinterpret_cast<uint8_t*>(samples.data()));
        }
    }
    standin::Value v;
    engine.getVariable("OPT_AllowFloatAudio", v);
    return 0;
}

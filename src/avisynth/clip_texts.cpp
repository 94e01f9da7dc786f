#include "avisynth/clip_texts.h"

#include "base/bounded_text.h"
#include "avisynth/avs_version.h"

namespace {
const char* dataPixelLine(const AVS_VideoInfo& vi) {
    if (avsIsYuv(vi)) return avsIsYuy2(vi) ? "YUY2\n" : avsIsYv12(vi) ? "YV12\n" : "UnknownYUV\n";
    if (avsIsRgb(vi)) return avsIsRgb24(vi) ? "RGB24\n" : avsIsRgb32(vi) ? "RGB32\n" : "UnknownRGB\n";
    return "Unknown\n";
}

const char* dataSampleLine(int sampleType) {
    switch (sampleType) {
    case avsSampleInt8: return "8\n";
    case avsSampleInt16: return "16\n";
    case avsSampleInt24: return "24\n";
    case avsSampleInt32: return "32\n";
    case avsSampleFloat: return "float 32\n";
    default: return "???\n";
    }
}

const char* reportPixelValue(const AVS_VideoInfo& vi) {
    if (avsIsYuy2(vi)) return "\" YUY2 \"\n";
    if (avsIsYv12(vi)) return "\" YV12 \"\n";
    if (avsIsRgb24(vi)) return "\" RGB24 \"\n";
    if (avsIsRgb32(vi)) return "\" RGB32 \"\n";
    return "\" Unknown \"\n";
}

float framesPerSecond(const AVS_VideoInfo& vi) {
    return vi.fps_denominator ? static_cast<float>(vi.fps_numerator) / static_cast<float>(vi.fps_denominator)
                              : 0.0f;
}

void appendFormatted(char* dst, size_t cap, const char* format, double value) {
    char line[64];
    formatText(line, sizeof line, format, value);
    appendText(dst, cap, line);
}

void appendFormatted(char* dst, size_t cap, const char* format, int value) {
    char line[64];
    formatText(line, sizeof line, format, value);
    appendText(dst, cap, line);
}
}  // namespace

void buildClipData(const AVS_VideoInfo& vi, char* dst, size_t cap) {
    if (!dst || cap == 0) return;
    dst[0] = 0;
    if (!avsHasVideo(vi)) {
        appendText(dst, cap, "No\n\n\n\n\n\n\n\n\n\n");
    } else {
        appendText(dst, cap, "\n");
        appendFormatted(dst, cap, "%i\n", vi.width);
        appendFormatted(dst, cap, "%i\n", vi.height);
        appendText(dst, cap, dataPixelLine(vi));
        appendFormatted(dst, cap, "%.3f\n", static_cast<double>(framesPerSecond(vi)));
        appendFormatted(dst, cap, "%i\n", vi.num_frames);
        appendText(dst, cap, avsIsFieldBased(vi) ? "\n\nField\n" : "\n\nFrame\n");
        appendText(dst, cap, avsIsBff(vi) ? "BFF\n" : avsIsTff(vi) ? "TFF\n" : "???\n");
    }
    appendText(dst, cap, "\n\n");
    if (avsHasAudio(vi)) {
        appendFormatted(dst, cap, "%i\n", vi.nchannels);
        appendFormatted(dst, cap, "%i\n", vi.audio_samples_per_second);
        appendText(dst, cap, dataSampleLine(vi.sample_type));
    }
}

void buildClipReport(const char* path, const AVS_VideoInfo& vi, float versionNumber, int supportLevel,
                     FloatAudioOption floatOption, char* dst, size_t cap) {
    if (!dst || cap == 0) return;
    dst[0] = 0;
    appendText(dst, cap, "File:\n");
    appendText(dst, cap, path);
    if (avsHasVideo(vi)) {
        appendText(dst, cap, "\n\nVideo Stream:\n");
        appendText(dst, cap, "Width\t\t\t");
        appendFormatted(dst, cap, "%i pixels\n", vi.width);
        appendText(dst, cap, "Height\t\t\t");
        appendFormatted(dst, cap, "%i pixels\n", vi.height);
        appendText(dst, cap, "Frames/sec\t\t");
        appendFormatted(dst, cap, "%.3f fps\n", static_cast<double>(framesPerSecond(vi)));
        appendText(dst, cap, "Total Frames\t\t");
        appendFormatted(dst, cap, "%i frames\n", vi.num_frames);
        appendText(dst, cap, "Pixel Type\t\t");
        appendText(dst, cap, reportPixelValue(vi));
        appendText(dst, cap, "Field Parity\t\t");
        appendText(dst, cap, avsIsBff(vi) ? "Bottom Field First\n" : avsIsTff(vi) ? "Top Field First\n" : "Not Defined\n");
        appendText(dst, cap, "Field or\nFrame-Based\t\t");
        appendText(dst, cap, avsIsFieldBased(vi) ? "Field\n" : "Frame\n");
    } else {
        appendText(dst, cap, "\n\nVideo:\n\t   No Video\n");
    }
    if (!avsHasAudio(vi)) {
        appendText(dst, cap, "\n\nAudio:\n\t   No Audio");
        return;
    }
    appendText(dst, cap, "\nAudio:\n");
    appendText(dst, cap, "nChannels\t\t");
    appendFormatted(dst, cap, "%i channels\n", vi.nchannels);
    appendText(dst, cap, "SamplesPerSecond\t\t");
    appendFormatted(dst, cap, "%i\n", vi.audio_samples_per_second);
    appendText(dst, cap, "nAudio Samples\t\t");
    appendFormatted(dst, cap, "%i\n", static_cast<int>(static_cast<uint32_t>(vi.num_audio_samples & 0xFFFFFFFF)));
    appendText(dst, cap, "Sample Type\t\t");
    switch (vi.sample_type) {
    case avsSampleInt8: appendText(dst, cap, "8 bit\n"); break;
    case avsSampleInt16: appendText(dst, cap, "16 bit\n"); break;
    case avsSampleInt24: appendText(dst, cap, "24 bit\n"); break;
    case avsSampleInt32: appendText(dst, cap, "32 bit\n"); break;
    case avsSampleFloat:
        if (!knowsFloatAudioOption(versionNumber)) {
            appendText(dst, cap, "16 bit\n");
            break;
        }
        appendText(dst, cap, floatOption == floatOptionTrue ? "32 bit float\n" : "16 bit\n");
        if (supportLevel > 1 && floatOption == floatOptionUndefined)
            appendText(dst, cap,
                       "\n\n32 bit float will output as 16 bit unless\n\" global OPT_AllowFloatAudio=True \" is "
                       "placed in the top of your script.");
        break;
    default: appendText(dst, cap, "Unknown\n"); break;
    }
}

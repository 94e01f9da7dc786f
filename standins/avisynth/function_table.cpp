#include "function_table.h"

#include <strings.h>

namespace standin {
namespace {
const FunctionEntry entries[] = {
    {"AddBorders", "ciiii[color]i", false},
    {"AlignedSplice", "cc+", false},
    {"Amplify", "cf+", false},
    {"AmplifydB", "cf+", false},
    {"AssumeBFF", "c", false},
    {"AssumeFieldBased", "c", false},
    {"AssumeFPS", "ci[]i[sync_audio]b", false},
    {"AssumeFrameBased", "c", false},
    {"AssumeTFF", "c", false},
    {"AudioDub", "cc", false},
    {"AVISource", "s+[audio]b[pixel_type]s[fourCC]s", false},
    {"BicubicResize", "cii[b]f[c]f[src_left]f[src_top]f[src_width]f[src_height]f", false},
    {"BilinearResize", "cii[src_left]f[src_top]f[src_width]f[src_height]f", false},
    {"BlankClip",
     "[]c*[length]i[width]i[height]i[pixel_type]s[fps]f[fps_denominator]i[audio_rate]i[channels]i[sample_type]s"
     "[color]i[color_yuv]i[clip]c",
     false},
    {"Blur", "cf[]f[mmx]b", false},
    {"ChangeFPS", "ci[]i[linear]b", false},
    {"ColorBars", "[width]i[height]i[pixel_type]s", false},
    {"ConvertAudioTo16bit", "c", false},
    {"ConvertAudioToFloat", "c", false},
    {"ConvertToRGB24", "c[matrix]s[interlaced]b", false},
    {"ConvertToRGB32", "c[matrix]s[interlaced]b", false},
    {"ConvertToYUY2", "c[interlaced]b[matrix]s", false},
    {"ConvertToYV12", "c[interlaced]b[matrix]s", false},
    {"Crop", "ciiii[align]b", false},
    {"DelayAudio", "cf", false},
    {"Dissolve", "c+i[fps]f", false},
    {"FadeIn", "ci[color]i[fps]f", false},
    {"FadeIn0", "ci[color]i[fps]f", false},
    {"FadeIn2", "ci[color]i[fps]f", false},
    {"FadeIO", "ci[color]i[fps]f", false},
    {"FadeIO0", "ci[color]i[fps]f", false},
    {"FadeIO2", "ci[color]i[fps]f", false},
    {"FadeOut", "ci[color]i[fps]f", false},
    {"FadeOut0", "ci[color]i[fps]f", false},
    {"FadeOut2", "ci[color]i[fps]f", false},
    {"FlipHorizontal", "c", false},
    {"FlipVertical", "c", false},
    {"GetChannel", "ci+", false},
    {"Import", "s+", false},
    {"Info", "c", false},
    {"KillAudio", "c", false},
    {"KillVideo", "c", false},
    {"LanczosResize", "cii[src_left]f[src_top]f[src_width]f[src_height]f[taps]i", false},
    {"Levels", "cifiii[coring]b", false},
    {"Loop", "c[times]i[start]i[end]i", false},
    {"MergeChannels", "c+", false},
    {"MessageClip", "s[width]i[height]i[shrink]b[text_color]i[halo_color]i[bg_color]i", false},
    {"Normalize", "c[volume]f[show]b", false},
    {"ResampleAudio", "ci[]i", false},
    {"Reverse", "c", false},
    {"SelectEven", "c", false},
    {"SelectOdd", "c", false},
    {"Sharpen", "cf[]f[mmx]b", false},
    {"StackHorizontal", "cc+", false},
    {"StackVertical", "cc+", false},
    {"Subtitle",
     "cs[x]f[y]f[first_frame]i[last_frame]i[font]s[size]f[text_color]i[halo_color]i[align]i[spc]i[lsp]i"
     "[font_width]f[font_angle]f[interlaced]b",
     false},
    {"Trim", "cii[pad]b", false},
    {"Tweak", "c[hue]f[sat]f[bright]f[cont]f[coring]b[sse]b", false},
    {"UnalignedSplice", "cc+", false},
    {"Version", "", false},
    {"VersionNumber", "", false},
    {"VersionString", "", false},
    {"WAVSource", "s+", false},
    // Plug-in functions are announced under their own name and prefixed with the plug-in's.
    {"DirectShowSource",
     "s[fps]f[seek]b[audio]b[video]b[convertfps]b[seekzero]b[timeout]i[pixel_type]s[framecount]i[logfile]s"
     "[logmask]i",
     true},
    {"DirectShowSource_DirectShowSource",
     "s[fps]f[seek]b[audio]b[video]b[convertfps]b[seekzero]b[timeout]i[pixel_type]s[framecount]i[logfile]s"
     "[logmask]i",
     true},
    {"TransAccord", "cci[dir]s[twin]b[open]b", true},
    {"TransAll_TransAccord", "cci[dir]s[twin]b[open]b", true},
    {nullptr, nullptr, false},
};
}  // namespace

const FunctionEntry* functionTable() { return entries; }

const FunctionEntry* findFunction(const std::string& name) {
    for (const FunctionEntry* e = entries; e->name; ++e)
        if (strcasecmp(e->name, name.c_str()) == 0) return e;
    return nullptr;
}

std::string functionList(bool plugins) {
    std::string list;
    for (const FunctionEntry* e = entries; e->name; ++e) {
        if (e->plugin != plugins) continue;
        if (!list.empty()) list += ' ';
        list += e->name;
    }
    return list;
}

}  // namespace standin

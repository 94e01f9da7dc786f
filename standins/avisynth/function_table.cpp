#include "function_table.h"

#include <strings.h>

namespace standin {
namespace {
const FunctionEntry entries[] = {
    {"AddBorders", "ciiii[color]i[color_yuv]i[resample]s[param1]f[param2]f[param3]f[r]i", false},
    {"AlignedSplice", "cci", false, "cc+"},
    {"Amplify", "cf+", false},
    {"AmplifydB", "cf+", false},
    {"AssumeBFF", "c", false},
    {"AssumeFieldBased", "c", false},
    {"AssumeFPS", "cc[sync_audio]b", false},
    {"AssumeFrameBased", "c", false},
    {"AssumeTFF", "c", false},
    {"AudioDub", "cc", false},
    {"AVISource", "s+[audio]b[pixel_type]s[fourCC]s[vtrack]i[atrack]i[utf8]b", false},
    {"BicubicResize",
     "cii[b]f[c]f[src_left]f[src_top]f[src_width]f[src_height]f[force]i[keep_center]b[placement]s",
     false},
    {"BilinearResize",
     "cii[src_left]f[src_top]f[src_width]f[src_height]f[force]i[keep_center]b[placement]s",
     false},
    {"BlankClip",
     "[]c*[length]i[width]i[height]i[pixel_type]s[fps]f[fps_denominator]i[audio_rate]i[channels]i[sample_t"
     "ype]s[color]i[color_yuv]i[clip]c[colors]f+",
     false,
     "[]c*[length]i[width]i[height]i[pixel_type]s[fps]f[fps_denominator]i[audio_rate]i[channels]i[sample_type]s"
     "[color]i[color_yuv]i[clip]c"},
    {"Blur", "cf[]f[mmx]b", false},
    {"ChangeFPS", "cc[linear]b", false},
    {"ColorBars", "[width]i[height]i[pixel_type]s[staticframes]b", false},
    {"ConvertAudioTo16bit", "c", false},
    {"ConvertAudioToFloat", "c", false},
    {"ConvertToRGB24",
     "c[matrix]s[interlaced]b[ChromaInPlacement]s[chromaresample]s[param1]f[param2]f[param3]f",
     false},
    {"ConvertToRGB32",
     "c[matrix]s[interlaced]b[ChromaInPlacement]s[chromaresample]s[param1]f[param2]f[param3]f",
     false},
    {"ConvertToYUY2",
     "c[interlaced]b[matrix]s[ChromaInPlacement]s[chromaresample]s[param1]f[param2]f[param3]f",
     false},
    {"ConvertToYV12",
     "c[interlaced]b[matrix]s[ChromaInPlacement]s[chromaresample]s[ChromaOutPlacement]s[param1]f[param2]f["
     "param3]f",
     false},
    {"Crop", "ciiii[align]b", false},
    {"DelayAudio", "cf", false},
    {"Dissolve", "cc+i[fps]f", false, "c+i[fps]f"},
    {"FadeIn", "ci[color]i[fps]f[color_yuv]i[colors]f+", false, "ci[color]i[fps]f"},
    {"FadeIn0", "ci[color]i[fps]f[color_yuv]i[colors]f+", false, "ci[color]i[fps]f"},
    {"FadeIn2", "ci[color]i[fps]f[color_yuv]i[colors]f+", false, "ci[color]i[fps]f"},
    {"FadeIO", "ci[color]i[fps]f[color_yuv]i[colors]f+", false, "ci[color]i[fps]f"},
    {"FadeIO0", "ci[color]i[fps]f[color_yuv]i[colors]f+", false, "ci[color]i[fps]f"},
    {"FadeIO2", "ci[color]i[fps]f[color_yuv]i[colors]f+", false, "ci[color]i[fps]f"},
    {"FadeOut", "ci[color]i[fps]f[color_yuv]i[colors]f+", false, "ci[color]i[fps]f"},
    {"FadeOut0", "ci[color]i[fps]f[color_yuv]i[colors]f+", false, "ci[color]i[fps]f"},
    {"FadeOut2", "ci[color]i[fps]f[color_yuv]i[colors]f+", false, "ci[color]i[fps]f"},
    {"FlipHorizontal", "c", false},
    {"FlipVertical", "c", false},
    {"GetChannel", "ci+", false},
    {"Import", "s+[utf8]b", false},
    {"Info",
     "c[font]s[size]f[text_color]i[halo_color]i[bold]b[italic]b[noaa]b[cpu]b[x]f[y]f[align]i",
     false},
    {"KillAudio", "c", false},
    {"KillVideo", "c", false},
    {"LanczosResize",
     "cii[src_left]f[src_top]f[src_width]f[src_height]f[taps]i[force]i[keep_center]b[placement]s",
     false},
    {"Levels", "cfffff[coring]b[dither]b", false},
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
     "cs[x]f[y]f[first_frame]i[last_frame]i[font]s[size]f[text_color]i[halo_color]i[align]i[spc]i[lsp]i[fo"
     "nt_width]f[font_angle]f[interlaced]b[font_filename]s[utf8]b[bold]b[italic]b[noaa]b",
     false},
    {"Trim", "ci[end]i[pad]b[cache]b", false, "cii[pad]b"},
    {"Tweak",
     "c[hue]f[sat]f[bright]f[cont]f[coring]b[sse]b[startHue]f[endHue]f[maxSat]f[minSat]f[interp]f[dither]b"
     "[realcalc]b[dither_strength]f",
     false},
    {"UnalignedSplice", "cci", false, "cc+"},
    {"Version", "[length]i[width]i[height]i[pixel_type]s[clip]c", false},
    {"VersionNumber", "", false},
    {"VersionString", "", false},
    {"WAVSource", "s+[utf8]b", false},
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

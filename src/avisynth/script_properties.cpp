// Script output properties: imports a script in a fresh environment and reads what it returns.
#include <cctype>
#include <cstring>

#include "base/bounded_text.h"
#include "avisynth/avs_binding.h"
#include "avisynth/avs_calls.h"
#include "avisynth/avs_version.h"

namespace {
// The last four characters when the fifth from the end is a full stop, else the last three.
bool hasAvsExtension(const char* path) {
    if (!path) return false;
    size_t length = std::strlen(path);
    if (length >= 5 && path[length - 5] == '.') return false;  // a four-letter extension is never "avs"
    if (length < 3) return false;
    const char* ext = path + length - 3;
    return std::tolower(static_cast<unsigned char>(ext[0])) == 'a' &&
           std::tolower(static_cast<unsigned char>(ext[1])) == 'v' &&
           std::tolower(static_cast<unsigned char>(ext[2])) == 's';
}

FloatAudioOption optionFrom(const AVS_Value& value) {
    if (value.type == 'b') return value.d.boolean ? floatOptionTrue : floatOptionFalse;
    if (value.type == 'i') return value.d.integer ? floatOptionTrue : floatOptionFalse;
    return floatOptionFalse;
}
}  // namespace

bool AvsBinding::examineScript(const char* path) {
    if (!hasAvsExtension(path)) return false;
    if (supportLevel == 0) return false;
    copyText(clipReport, "No Data or Error information to display");
    clipData[0] = 0;
    if (reportError(1)) return false;

    AVS_ScriptEnvironment* env = nullptr;
    int result = createEnvironment(api, interfaceVersion, &env, avsMessage, sizeof avsMessage);
    if (result != avsOk) {
        errorLevel = 10;
        supportLevel = 0;
        reportError(result);
        destroyEnvironment(api, env);
        return false;
    }

    AVS_Value pathValue = avsString(path);
    AVS_Value imported = avsVoid();
    result = invokeFunction(api, env, "Import", avsArray(&pathValue, 1), &imported, avsMessage, sizeof avsMessage);
    if (result != avsOk) {
        errorLevel = 11;
        reportError(result);
        destroyEnvironment(api, env);
        return false;
    }

    AVS_Value option = avsVoid();
    result = getVariable(api, env, "OPT_AllowFloatAudio", &option, nullptr, 0);
    if (result < 0) {
        errorLevel = 12;
        reportError(result);
        releaseValue(api, imported);
        destroyEnvironment(api, env);
        return false;
    }
    FloatAudioOption floatOption = floatOptionUndefined;
    if (result == avsOk) {
        floatOption = optionFrom(option);
        if (!knowsFloatAudioOption(versionNumber))
            showMessageBox(owner(), "Versions 2.57 and later", "global OPT_AllowFloatAudio", mbOk);
    }
    releaseValue(api, option);

    if (imported.type != 'c') {
        clipData[0] = 0;
        status.notAClip = true;
        if (lastReportedLevel == 0)
            showMessageBox(owner(), "The script's return value was not an audio, video or av clip",
                           "AviSynth Error \"Is Script a Clip\"", mbOk);
        releaseValue(api, imported);
        destroyEnvironment(api, env);
        return true;
    }
    status.notAClip = false;

    AVS_VideoInfo vi{};
    AVS_Clip* clip = api.takeClip(imported, env);
    if (clip) {
        if (const AVS_VideoInfo* info = api.getVideoInfo(clip)) vi = *info;
    }

    if (!avsHasVideo(vi)) {
        viewerWidth = 1;
        viewerHeight = 1;
        status.hasVideo = false;
    } else {
        video.width = vi.width;
        video.height = vi.height;
        video.aspectRatio = vi.height ? static_cast<float>(vi.width) / static_cast<float>(vi.height) : 0.0f;
        video.frameRate = vi.fps_denominator
                              ? static_cast<float>(vi.fps_numerator) / static_cast<float>(vi.fps_denominator)
                              : 0.0f;
        video.frameCount = vi.num_frames;
        viewerWidth = vi.width;
        viewerHeight = vi.height;
        viewerFrameRate = video.frameRate;
        status.hasVideo = true;
    }
    if (avsHasAudio(vi)) {
        audio.channelCount = vi.nchannels;
        audio.sampleRate = vi.audio_samples_per_second;
        audio.sampleCount = vi.num_audio_samples;
        audio.sampleType = vi.sample_type;
        status.hasAudio = true;
    } else {
        status.hasAudio = false;
    }
    buildClipData(vi, clipData, sizeof clipData);
    buildClipReport(path, vi, versionNumber, supportLevel, floatOption, clipReport, sizeof clipReport);

    if (clip) api.releaseClip(clip);
    releaseValue(api, imported);
    destroyEnvironment(api, env);
    return true;
}

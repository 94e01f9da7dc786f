#include "viewer/clip_report.h"

#include "base/bounded_text.h"
#include "audio/avifile_codes.h"

namespace {
const char* const reportTitle = "Media Clip Properties....  ";
const char* const errorPictureText =
    "Zandolin believes that AviSnyth is outputting an error message.\nClick OK to view the details.";

const char* const videoReport =
    "%s\nNumber of output streams:  %d\n\nVideo stream:\n\n   Width:           %d\n   Height:     "
    "     %d\n   fps:            %.8f\n   Length:\t     %d frames\n   FOURCC:\t%s\n   Buffer:      "
    "%i bytes\n\n%s";
const char* const audioReport =
    "%s\nNumber of output streams:  %d\n\nAudio stream:\n\n              Channels:\t%i     \n     "
    "    Sample Rate:\t%i kHz\nAudio Sample Size:\t%i bit\n                Bit Rate:\t%i "
    "kByte/sec%s";
const char* const twoStreamReport =
    "%s\nNumber of output streams:  %d\n\nVideo Stream\n        Width:\t%d pixels\n       "
    "Height:\t%d pixels\n            fps:\t%.6f fps\n       Length:\t%d frames\n   "
    "FOURCC:\t%s\n\nInfo:\n%s\n\nAudio Stream\n              Channels:\t%i     \n         "
    "Sample Rate:\t%i kHz\nAudio Sample Size:\t%i bit\n                Bit Rate:\t%i "
    "kByte/sec%s";
// A file with streams of neither kind: only what is known.
const char* const otherReport = "%s\nNumber of output streams:  %d\n\n%s";

double streamRate(const ClipStreamInfo& info) {
    return info.scale ? double(info.rate) / double(info.scale) : 0.0;
}
}  // namespace

void beginClipRead(AviClip& clip) {
    clip.fileInfo = {};
    clip.videoIndex = -1;
    clip.audioIndex = -1;
    clip.videoCount = 0;
    clip.audioCount = 0;
    clip.videoInfo = {};
    clip.audioInfo = {};
    clip.audioFormat = {};
}

void clipOpenErrorText(char* out, size_t cap, int32_t code) {
    switch (code) {
    case aviErrBadFormat: copyText(out, cap, "Bad format"); break;
    case aviErrMemory: copyText(out, cap, "Insufficient memory"); break;
    case aviErrFileRead: copyText(out, cap, "Disk error while reading file"); break;
    case aviErrFileOpen: copyText(out, cap, "Disk error while opening file"); break;
    case regdbErrClassNotReg:
        copyText(out, cap,
                 "According to the registry, the type of file\nspecified in AVIFileOpen does not "
                 "have a\nhandler to process it.\n");
        break;
    // A handler may fail with a code of its own; the user still learns that the open failed.
    default: formatText(out, cap, "AVIFileOpen failed 0x%08X", unsigned(code)); break;
    }
}

void makeHandlerText(char (&text)[16], uint32_t code) {
    formatText(text, sizeof text, "%c %c%c%c%c %c", '"', char(code & 0xFF), char(code >> 8 & 0xFF),
               char(code >> 16 & 0xFF), char(code >> 24 & 0xFF), '"');
}

bool looksLikeErrorPicture(const ClipFileInfo& info) {
    return info.height > 0 && info.width / info.height > 3;
}

size_t formatClipReport(char* out, size_t cap, const AviClip& clip, const char* path,
                        const char* closing) {
    const char* name = path ? path : "";
    int streams = int(clip.fileInfo.streams);
    const ClipStreamInfo& video = clip.videoInfo;
    const WaveFormat& audio = clip.audioFormat;
    bool hasVideo = clip.videoCount > 0;
    bool hasAudio = clip.audioCount > 0;
    // Two streams, one of each kind, is the usual case; more streams are described by the
    // last video and the last audio stream found.
    if (hasVideo && hasAudio)
        return formatText(out, cap, twoStreamReport, name, streams, int(video.frameRight),
                          int(video.frameBottom), streamRate(video), int(video.length),
                          clip.handlerText, video.name, int(audio.channels),
                          int(audio.samplesPerSec / 1000), int(audio.bitsPerSample),
                          int(audio.avgBytesPerSec / 1000), closing);
    if (hasVideo)
        return formatText(out, cap, videoReport, name, streams, int(video.frameRight),
                          int(video.frameBottom), streamRate(video), int(video.length),
                          clip.handlerText, int(video.suggestedBufferSize), closing);
    if (hasAudio)
        return formatText(out, cap, audioReport, name, streams, int(audio.channels),
                          int(audio.samplesPerSec / 1000), int(audio.bitsPerSample),
                          int(audio.avgBytesPerSec / 1000), closing);
    return formatText(out, cap, otherReport, name, streams, closing);
}

int finishClipInfo(AviClip& clip, const ClipFacts& facts, const char* path, WindowHandle owner,
                   bool report) {
    const char* title = path ? path : "";
    if (facts.openResult != 0) {
        char text[160];
        clipOpenErrorText(text, sizeof text, facts.openResult);
        showMessageBox(owner, text, title, mbOk);
        return 0;
    }
    if (!facts.infoRead) {
        showMessageBox(owner, "SomeThingWrong", title, mbOk);
        return 0;
    }
    bool hasVideo = clip.videoCount > 0;
    if (!hasVideo) {
        clip.fileInfo.width = 1;
        clip.fileInfo.height = 1;
    }
    if (facts.formatReadFailed) showMessageBox(nullptr, "format read fail", "AVIStreamReadFormat", mbOk);

    clip.handlerCode = clip.videoInfo.handler;
    makeHandlerText(clip.handlerText, clip.handlerCode);

    if (report) {
        bool errorPicture = looksLikeErrorPicture(clip.fileInfo);
        char text[512];
        formatClipReport(text, sizeof text, clip, path, errorPicture ? errorPictureText : "");
        int answer = showMessageBox(owner, text, reportTitle, errorPicture ? mbOkCancel : mbOk);
        if (answer != answerOk) return 0;
        clip.clipWidth = int(clip.fileInfo.width);
        clip.clipHeight = int(clip.fileInfo.height);
        return errorPicture ? 1 : 0;
    }
    if (!hasVideo) return 0;
    clip.clipWidth = int(clip.fileInfo.width);
    clip.clipHeight = int(clip.fileInfo.height);
    clip.framesPerSecond =
        clip.fileInfo.scale ? float(uint64_t(clip.fileInfo.rate) * 100 / clip.fileInfo.scale) / 100.0f : 0.0f;
    return 1;
}

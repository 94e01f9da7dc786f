#include "viewer/clip_info.h"

#include <windows.h>
#include <vfw.h>

#include "audio/avi_session_win32.h"
#include "audio/wave_format.h"
#include "viewer/clip_report.h"

int readClipInfo(AviClip& clip, const char* path, WindowHandle owner, bool report) {
    beginClipRead(clip);
    AviSession session(clip);
    ClipFacts facts;
    facts.openResult = session.open(path);
    if (facts.openResult == 0) facts.infoRead = session.readInfo();
    if (facts.infoRead && session.allocateTable(clip.fileInfo.streams + 1)) {
        // Video and audio streams alternate in the table, each taken by its own count,
        // until a pass finds neither.
        uint32_t i = 0;
        while (i < clip.fileInfo.streams) {
            bool found = false;
            if (session.getStream(i, streamtypeVIDEO, clip.videoCount)) {
                clip.videoIndex = int(i);
                ++clip.videoCount;
                ++i;
                found = true;
            }
            if (session.getStream(i, streamtypeAUDIO, clip.audioCount)) {
                clip.audioIndex = int(i);
                ++clip.audioCount;
                ++i;
                found = true;
            }
            if (!found) break;
        }
        if (clip.videoCount > 0 && !readStreamInfo(session.stream(clip.videoIndex), clip.videoInfo))
            clip.videoInfo = {};
        if (clip.audioCount > 0) {
            readStreamInfo(session.stream(clip.audioIndex), clip.audioInfo);
            unsigned char format[64];
            LONG size = readStreamFormat(session.stream(clip.audioIndex), format, sizeof format);
            if (size < 16)
                facts.formatReadFailed = true;
            else
                readWaveFormat(format, size_t(size), &clip.audioFormat);
        }
    }
    return finishClipInfo(clip, facts, path, owner, report);
}

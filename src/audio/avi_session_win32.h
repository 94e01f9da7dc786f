#pragma once
// One call's use of AVIFile: the library started, the file and the stream table held in the
// clip record, and everything released and the library stopped when the call ends, on
// every path.
#include <windows.h>
#include <vfw.h>

#include <cstdint>
#include <new>

#include "audio/avi_clip.h"

class AviSession {
public:
    explicit AviSession(AviClip& clip) : clip(clip) { AVIFileInit(); }
    ~AviSession() {
        if (clip.streamTable) {
            for (uint32_t i = 0; i < clip.streamTableSize; ++i)
                if (clip.streamTable[i]) AVIStreamRelease(static_cast<PAVISTREAM>(clip.streamTable[i]));
            delete[] clip.streamTable;
        }
        clip.streamTable = nullptr;
        clip.streamTableSize = 0;
        if (clip.file) AVIFileRelease(static_cast<PAVIFILE>(clip.file));
        clip.file = nullptr;
        AVIFileExit();
    }
    AviSession(const AviSession&) = delete;
    AviSession& operator=(const AviSession&) = delete;

    int32_t open(const char* path) {
        PAVIFILE file = nullptr;
        HRESULT hr = AVIFileOpenA(&file, path ? path : "", OF_READ | OF_SHARE_DENY_WRITE, nullptr);
        if (hr != AVIERR_OK) return int32_t(hr ? hr : E_FAIL);
        clip.file = file;
        return 0;
    }

    // Reads the file info into the clip; false on failure.
    bool readInfo() {
        AVIFILEINFOA info{};
        if (AVIFileInfoA(file(), &info, sizeof info) != AVIERR_OK) return false;
        clip.fileInfo.streams = info.dwStreams;
        clip.fileInfo.width = info.dwWidth;
        clip.fileInfo.height = info.dwHeight;
        clip.fileInfo.scale = info.dwScale;
        clip.fileInfo.rate = info.dwRate;
        return true;
    }

    // A table of entries null streams; false when it cannot be had.
    bool allocateTable(uint32_t entries) {
        clip.streamTable = new (std::nothrow) void*[entries]();
        clip.streamTableSize = clip.streamTable ? entries : 0;
        return clip.streamTable != nullptr;
    }

    // Fetches stream `number` of the given type into table entry `entry`.
    bool getStream(uint32_t entry, DWORD type, LONG number) {
        if (entry >= clip.streamTableSize) return false;
        PAVISTREAM stream = nullptr;
        if (AVIFileGetStream(file(), &stream, type, number) != AVIERR_OK || !stream) return false;
        clip.streamTable[entry] = stream;
        return true;
    }

    PAVISTREAM stream(int entry) const {
        if (entry < 0 || uint32_t(entry) >= clip.streamTableSize) return nullptr;
        return static_cast<PAVISTREAM>(clip.streamTable[entry]);
    }

private:
    PAVIFILE file() const { return static_cast<PAVIFILE>(clip.file); }
    AviClip& clip;
};

// Copies what is used of a stream's information into the clip's record; false on failure.
inline bool readStreamInfo(PAVISTREAM stream, ClipStreamInfo& out) {
    AVISTREAMINFOA info{};
    if (!stream || AVIStreamInfoA(stream, &info, sizeof info) != AVIERR_OK) return false;
    out.type = info.fccType;
    out.handler = info.fccHandler;
    out.scale = info.dwScale;
    out.rate = info.dwRate;
    out.length = info.dwLength;
    out.suggestedBufferSize = info.dwSuggestedBufferSize;
    out.sampleSize = info.dwSampleSize;
    out.frameRight = info.rcFrame.right;
    out.frameBottom = info.rcFrame.bottom;
    static_assert(sizeof out.name == sizeof info.szName);
    for (size_t i = 0; i < sizeof out.name; ++i) out.name[i] = info.szName[i];
    out.name[sizeof out.name - 1] = '\0';
    return true;
}

// Reads the stream's format block into buffer (capacity cap, the rest of a longer block is
// dropped); returns the bytes kept, 0 on failure.
inline LONG readStreamFormat(PAVISTREAM stream, unsigned char* buffer, LONG cap) {
    LONG size = 0;
    if (!stream || AVIStreamReadFormat(stream, 0, nullptr, &size) != AVIERR_OK || size <= 0) return 0;
    // Only the leading fields are used; a longer block is read into a buffer of its own size.
    unsigned char* whole = size <= cap ? buffer : new (std::nothrow) unsigned char[size];
    if (!whole) return 0;
    LONG got = size;
    bool ok = AVIStreamReadFormat(stream, 0, whole, &got) == AVIERR_OK && got > 0;
    if (whole != buffer) {
        for (LONG i = 0; i < cap && i < got; ++i) buffer[i] = whole[i];
        delete[] whole;
    }
    if (!ok) return 0;
    return got < cap ? got : cap;
}

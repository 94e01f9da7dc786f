#pragma once
// What the program reads of a media file or script through AVIFile: the clip properties
// report and the wave export both work on this one record, which lives for the whole run.
// AVIFile itself is opened and closed by every call; nothing stays open between calls.
#include <cstdint>

#include "audio/wave_format.h"

// The parts of the file information that are used.
struct ClipFileInfo {
    uint32_t streams = 0;
    uint32_t width = 0;
    uint32_t height = 0;
    uint32_t scale = 0;
    uint32_t rate = 0;
};

// The parts of a stream's information that are used.
struct ClipStreamInfo {
    uint32_t type = 0;
    uint32_t handler = 0;  // fccHandler
    uint32_t scale = 0;
    uint32_t rate = 0;
    uint32_t length = 0;  // in frames (video) or sample frames (audio)
    uint32_t suggestedBufferSize = 0;
    uint32_t sampleSize = 0;  // bytes per sample frame; 0 for variable-sized samples
    int32_t frameRight = 0;
    int32_t frameBottom = 0;
    char name[64] = {};
};

struct AviClip {
    // Held only while a call runs; null between calls.
    void* file = nullptr;
    void** streamTable = nullptr;
    uint32_t streamTableSize = 0;

    ClipFileInfo fileInfo;
    int videoIndex = -1;  // index into the stream table of the last video stream found
    int audioIndex = -1;  // and of the last audio stream found
    int videoCount = 0;
    int audioCount = 0;
    ClipStreamInfo videoInfo;
    ClipStreamInfo audioInfo;
    WaveFormat audioFormat;

    // Clip properties results.
    uint32_t handlerCode = 0;
    char handlerText[16] = {};
    int clipWidth = 0;
    int clipHeight = 0;
    float framesPerSecond = 0;

    // Wave export results, read by the save-wave panel.
    int audioStreamIndex = 0;  // 0 with fewer than 2 streams, else 1
    char audioReport[128] = {};
    bool tooBig = false;
    char messageScratch[256] = {};
};

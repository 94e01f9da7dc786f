#include "riff_media.h"

#include <algorithm>
#include <cstdio>

std::string le16(uint32_t v) {
    std::string s(2, '\0');
    s[0] = char(v & 0xFF);
    s[1] = char(v >> 8 & 0xFF);
    return s;
}

std::string le32(uint32_t v) { return le16(v & 0xFFFF) + le16(v >> 16); }

std::string riffChunk(const std::string& id, const std::string& data) {
    std::string s = id + le32(uint32_t(data.size())) + data;
    if (data.size() & 1) s += '\0';
    return s;
}

std::string riffList(const std::string& type, const std::string& listType, const std::string& body) {
    return type + le32(uint32_t(body.size() + 4)) + listType + body;
}

std::string waveFormatRecord(uint16_t tag, uint16_t channels, uint32_t rate, uint16_t bits) {
    uint32_t align = channels * bits / 8;
    return le16(tag) + le16(channels) + le32(rate) + le32(rate * align) + le16(align) + le16(bits);
}

std::string waveFile(const std::string& formatRecord, const std::string& data) {
    return riffList("RIFF", "WAVE", riffChunk("fmt ", formatRecord) + riffChunk("data", data));
}

std::string sampleBytes(size_t size, unsigned seed) {
    std::string s(size, '\0');
    uint32_t x = seed * 2654435761u + 7;
    for (char& c : s) {
        x = x * 1664525u + 1013904223u;
        c = char(x >> 23);
    }
    return s;
}

namespace {
std::string streamHeader(const std::string& type, const std::string& handler, uint32_t scale, uint32_t rate,
                         uint32_t length, uint32_t bufferSize, uint32_t sampleSize, uint32_t width,
                         uint32_t height) {
    return type + handler + le32(0) + le16(0) + le16(0) + le32(0) + le32(scale) + le32(rate) + le32(0) +
           le32(length) + le32(bufferSize) + le32(0xFFFFFFFF) + le32(sampleSize) + le16(0) + le16(0) +
           le16(width) + le16(height);
}
}  // namespace

std::string aviFile(const AviVideo* video, const AviAudio* audio) {
    uint32_t streams = (video ? 1 : 0) + (audio ? 1 : 0);
    uint32_t frameBytes = video ? video->width * video->height * 3 : 0;
    uint32_t blockAlign = audio ? audio->channels * audio->bits / 8u : 0;
    uint32_t audioFrames = audio ? uint32_t(audio->samples.size() / blockAlign) : 0;

    std::string strls;
    int videoNumber = -1, audioNumber = -1, next = 0;
    if (video) {
        videoNumber = next++;
        std::string bih = le32(40) + le32(video->width) + le32(video->height) + le16(1) + le16(24) + le32(0) +
                          le32(frameBytes) + le32(0) + le32(0) + le32(0) + le32(0);
        std::string body = riffChunk("strh", streamHeader("vids", video->handler, video->scale, video->rate,
                                                          video->frames, frameBytes, 0, video->width,
                                                          video->height)) +
                           riffChunk("strf", bih);
        if (video->name) body += riffChunk("strn", std::string(video->name) + '\0');
        strls += riffList("LIST", "strl", body);
    }
    if (audio) {
        audioNumber = next++;
        std::string body =
            riffChunk("strh", streamHeader("auds", std::string(4, '\0'), blockAlign, audio->rate * blockAlign,
                                           audioFrames, audio->framesPerChunk * blockAlign, blockAlign, 0, 0)) +
            riffChunk("strf", waveFormatRecord(1, audio->channels, audio->rate, audio->bits));
        strls += riffList("LIST", "strl", body);
    }
    uint32_t microSec = video ? uint32_t(1000000ull * video->scale / video->rate) : 0;
    std::string avih = le32(microSec) + le32(0) + le32(0) + le32(0x10) + le32(video ? video->frames : 0) + le32(0) +
                       le32(streams) + le32(0) + le32(video ? video->width : 0) + le32(video ? video->height : 0) +
                       le32(0) + le32(0) + le32(0) + le32(0);
    std::string hdrl = riffList("LIST", "hdrl", riffChunk("avih", avih) + strls);

    // Chunks interleaved: a video frame, then the audio that belongs with it.
    std::string movi, index;
    auto add = [&](const std::string& id, const std::string& data) {
        index += id + le32(0x10) + le32(uint32_t(movi.size() + 4)) + le32(uint32_t(data.size()));
        movi += riffChunk(id, data);
    };
    char videoId[5], audioId[5];
    snprintf(videoId, sizeof videoId, "%02ddb", videoNumber < 0 ? 0 : videoNumber);
    snprintf(audioId, sizeof audioId, "%02dwb", audioNumber < 0 ? 0 : audioNumber);
    uint32_t videoLeft = video ? video->frames : 0;
    size_t audioAt = 0;
    unsigned frame = 0;
    while (videoLeft > 0 || (audio && audioAt < audio->samples.size())) {
        if (videoLeft > 0) {
            add(videoId, sampleBytes(frameBytes, 1000 + frame++));
            --videoLeft;
        }
        if (audio && audioAt < audio->samples.size()) {
            size_t n = std::min<size_t>(size_t(audio->framesPerChunk) * blockAlign, audio->samples.size() - audioAt);
            add(audioId, audio->samples.substr(audioAt, n));
            audioAt += n;
        }
    }
    std::string body = hdrl + riffList("LIST", "movi", movi) + riffChunk("idx1", index);
    return riffList("RIFF", "AVI ", body);
}

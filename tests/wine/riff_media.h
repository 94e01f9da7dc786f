#pragma once
// Test media written as RIFF bytes by hand: AVIFile's own writing cannot make audio files
// under Wine, and the tests need exact control of every field anyway.
#include <cstdint>
#include <string>

std::string le16(uint32_t v);
std::string le32(uint32_t v);
// A chunk: its id, its size, the data and a pad byte when the size is odd.
std::string riffChunk(const std::string& id, const std::string& data);
std::string riffList(const std::string& type, const std::string& listType, const std::string& body);

// A plain 16-byte PCM or float format record.
std::string waveFormatRecord(uint16_t tag, uint16_t channels, uint32_t rate, uint16_t bits);
// A WAV file with the given format record and data.
std::string waveFile(const std::string& formatRecord, const std::string& data);

// Deterministic sample bytes.
std::string sampleBytes(size_t size, unsigned seed);

struct AviVideo {
    uint32_t width = 8, height = 6, frames = 10, rate = 25, scale = 1;
    const char* handler = "DIB ";
    const char* name = "Test video";
};
struct AviAudio {
    uint16_t channels = 2, bits = 16;
    uint32_t rate = 48000;
    std::string samples;       // interleaved frames
    uint32_t framesPerChunk = 1921;
};
// An AVI with an idx1 index; video and/or audio (pass null to leave a stream out).
std::string aviFile(const AviVideo* video, const AviAudio* audio);

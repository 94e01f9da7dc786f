// Speed of the wave export's writing side: the same read loop, splitting and file writing
// the program uses, fed from memory instead of AVIFile, so only our own work and the disk
// are measured. Usage: bench_wave_export <output folder ending in a separator> [MiB]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "audio/wave_writer.h"

namespace {
// Six channels of 16-bit audio, taken from a few MiB of noise in memory over and over.
struct MemorySource {
    std::vector<unsigned char> ring;
    uint32_t sampleSize = 12;

    static int read(void* context, uint32_t start, uint32_t frames, unsigned char* buffer, uint32_t bufferSize,
                    uint32_t* framesRead, uint32_t* bytesRead) {
        auto* self = static_cast<MemorySource*>(context);
        uint32_t fit = bufferSize / self->sampleSize;
        if (frames > fit) frames = fit;
        size_t bytes = size_t(frames) * self->sampleSize;
        size_t at = (uint64_t(start) * self->sampleSize) % self->ring.size();
        if (at + bytes > self->ring.size()) at = 0;
        std::memcpy(buffer, self->ring.data() + at, bytes);
        *framesRead = frames;
        *bytesRead = uint32_t(bytes);
        return 0;
    }
};

double secondsOf(int (*write)(const WaveJob&, const AudioSource&, const ExportControls&), const WaveJob& job,
                 const AudioSource& source, int* result) {
    ExportControls none;
    auto start = std::chrono::steady_clock::now();
    *result = write(job, source, none);
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}
}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <output folder/> [MiB]\n", argv[0]);
        return 2;
    }
    std::string folder = argv[1];
    uint64_t mib = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 1024;

    MemorySource memory;
    memory.ring.resize(8u << 20);
    uint32_t x = 12345;
    for (unsigned char& b : memory.ring) {
        x = x * 1664525u + 1013904223u;
        b = static_cast<unsigned char>(x >> 24);
    }
    AudioSource source;
    source.context = &memory;
    source.read = MemorySource::read;

    WaveJob job;
    job.format.formatTag = 1;
    job.format.channels = 6;
    job.format.samplesPerSec = 48000;
    job.format.blockAlign = 12;
    job.format.avgBytesPerSec = 48000 * 12;
    job.format.bitsPerSample = 16;
    job.sampleSize = 12;
    job.lengthFrames = uint32_t((mib << 20) / 12);
    job.quiet = true;
    double megabytes = double(uint64_t(job.lengthFrames) * 12) / 1e6;

    std::string single = folder + "bench_single.wav";
    std::string split = folder + "bench_split.wav";
    int result = 0;
    job.outputName = single.c_str();
    double singleSeconds = secondsOf(writeSingleWave, job, source, &result);
    if (result != waveWritten) return 1;
    job.outputName = split.c_str();
    double splitSeconds = secondsOf(writeChannelWaves, job, source, &result);
    if (result != waveWritten) return 1;

    std::printf("data_mb %.1f\n", megabytes);
    std::printf("single_seconds %.3f\nsingle_mb_per_s %.1f\n", singleSeconds, megabytes / singleSeconds);
    std::printf("split_seconds %.3f\nsplit_mb_per_s %.1f\n", splitSeconds, megabytes / splitSeconds);
    return 0;
}

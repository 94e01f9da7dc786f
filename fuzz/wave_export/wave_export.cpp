// The wave export fed with any format block and a stream handler that answers reads with
// whatever counts the input says: the loop must stay inside its buffers and end.
#include <cstdint>
#include <cstring>
#include <string>

#include "audio/audio_report.h"
#include "audio/wave_export_plan.h"
#include "audio/wave_header.h"
#include "audio/wave_writer.h"
#include "support/message_box_recorder.h"
#include "support/temp_folder.h"

namespace {
struct ScriptedSource {
    const uint8_t* answers;
    size_t size;
    size_t at = 0;
    int reads = 0;

    uint8_t next() { return at < size ? answers[at++] : 0; }
    static int read(void* context, uint32_t start, uint32_t frames, unsigned char* buffer, uint32_t bufferSize,
                    uint32_t* framesRead, uint32_t* bytesRead) {
        auto* self = static_cast<ScriptedSource*>(context);
        if (++self->reads > 64) return 1;  // keep each input short
        uint8_t a = self->next(), b = self->next();
        if (a == 0xFF) return 1;
        *framesRead = a == 0xFE ? frames + b : uint32_t(a) * 97;
        *bytesRead = uint32_t(b) * 401;
        // A handler writes at most the buffer it was given.
        std::memset(buffer, a, *bytesRead < bufferSize ? *bytesRead : bufferSize);
        return 0;
    }
};

const TempFolder& folder() {
    static TempFolder dir;
    return dir;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 6) return 0;
    size_t blockSize = data[0] % 41;
    if (size < 1 + blockSize + 5) return 0;
    const uint8_t* block = data + 1;
    const uint8_t* rest = block + blockSize;
    uint32_t sampleSize = rest[0] | rest[1] << 8;
    uint32_t length = rest[2] | rest[3] << 8;
    int mode = rest[4] % 3;

    AviClip clip;
    ExportFacts facts;
    facts.infoRead = true;
    facts.audioFound = true;
    facts.formatCode = readWaveFormat(block, blockSize, &clip.audioFormat);
    clip.audioInfo.length = length;
    clip.audioInfo.sampleSize = sampleSize;
    boxes::reset();
    int step = planExport(clip, facts, "fuzz.avs", nullptr, mode);
    if (step != exportStepSingleFile && step != exportStepChannelFiles) return 0;

    ScriptedSource scripted{rest + 5, size - (1 + blockSize + 5)};
    AudioSource source;
    source.context = &scripted;
    source.read = ScriptedSource::read;
    WaveJob job;
    job.format = clip.audioFormat;
    job.formatCode = facts.formatCode;
    job.lengthFrames = length;
    job.sampleSize = sampleSize;
    std::string out = folder().file("fuzz.wav");
    job.outputName = out.c_str();
    job.quiet = true;
    ExportControls none;
    if (step == exportStepSingleFile)
        writeSingleWave(job, source, none);
    else
        writeChannelWaves(job, source, none);
    return 0;
}

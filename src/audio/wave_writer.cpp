#include "audio/wave_writer.h"

#include <chrono>
#include <cstdio>
#include <cstring>
#include <vector>

#include "base/bounded_text.h"
#include "audio/channel_split.h"
#include "audio/wave_header.h"
#include "base/line_file.h"

const char* const waveCreateFailedText = "Could not create the wave file\n\n%s";
const char* const waveReadFailedText =
    "Reading the audio failed at sample %u of %u.\n\nThe partial file has been deleted.";
const char* const channelReadFailedText =
    "Reading the audio failed at sample %u of %u.\n\nThe partial files have been deleted.";
const char* const waveWriteFailedText =
    "Writing the wave file failed.\n\nThe partial file has been deleted.\n\n%s";
const char* const channelWriteFailedText =
    "Writing the wave files failed.\n\nThe partial files have been deleted.\n\n%s";

namespace {
const char* const saveWaveTitle = "Save Wave";
const char* const overwriteText = "The file already exists.  Do you wish to overwrite the file";
const char* const overwriteTitle = "Save Audio as Wave";
const char* const pausedTitle = "Save Wave is Paused";
const char* const singlePauseText =
    "To continue saving the wave file click \" No \"\n\nTo Cancel click \" Yes \", the partial "
    "file will be deleted";
const char* const channelPauseText =
    "To continue saving the wave files click \" No \"\n\nTo Cancel click \" Yes \", the partial "
    "files will need to be deleted manually by you or you can overwrite them.";
const char* const unknownFormatText = "Save audio will not work";
const char* const unknownFormatTitle = " Unknow data format ";
const char* const doneText = "Done\n save time\n%i sec";

// Output goes through large stdio buffers: the blocks are small, and several files written
// side by side would otherwise cost a system call per file per block.
constexpr size_t outputBufferSize = 1u << 20;

// A WAV file is written under a temporary name beside its final one and takes the final name
// only when complete: a kill, a cancel or a failed read never leaves a file whose header
// promises more data than it holds, and an older file of that name survives until then.
struct PartFile {
    char name[300] = {};
    char temp[310] = {};
    FILE* file = nullptr;

    ~PartFile() {
        if (file) discard();
    }

    bool create(const char* finalName) {
        copyText(name, finalName);
        if (!finalName || strlen(finalName) >= sizeof name) return false;
        formatText(temp, sizeof temp, "%s.part", name);
        file = openForWriting(temp);
        if (file) setvbuf(file, nullptr, _IOFBF, outputBufferSize);
        return file != nullptr;
    }
    bool close() {
        if (!file) return true;
        bool good = fflush(file) == 0 && !ferror(file);
        good = fclose(file) == 0 && good;
        file = nullptr;
        return good;
    }
    bool commit() { return replaceFile(temp, name); }
    void discard() {
        close();
        if (temp[0]) removeFile(temp);
    }
};

long long millisecondsNow() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void setProgress(const ExportControls& controls, int percent) {
    if (controls.setProgress) controls.setProgress(controls.context, percent);
}

void showDone(const WaveJob& job, long long startMs) {
    if (job.quiet) return;
    char text[64];
    formatText(text, sizeof text, doneText, int((millisecondsNow() - startMs) / 1000));
    showMessageBox(job.owner, text, saveWaveTitle, mbOk);
}

void showWithName(const WaveJob& job, const char* format, const char* name) {
    char text[400];
    formatText(text, sizeof text, format, name ? name : "");
    showMessageBox(job.owner, text, saveWaveTitle, mbOk);
}

struct LoopEnd {
    int result = waveWritten;
    uint32_t position = 0;
};

// Reads the stream block by block and hands every block to write(buffer, frames, bytes),
// updating the progress bar and serving the pause button once per block.
template <class Write>
LoopEnd readLoop(const WaveJob& job, const AudioSource& source, const ExportControls& controls,
                 uint32_t framesPerRead, const char* pauseText, unsigned char* buffer, Write&& write) {
    LoopEnd end;
    uint32_t length = job.lengthFrames;
    while (end.position < length) {
        uint32_t wanted = length - end.position;
        if (wanted > framesPerRead) wanted = framesPerRead;
        uint32_t framesRead = 0, bytesRead = 0;
        int rc = source.read ? source.read(source.context, end.position, wanted, buffer,
                                           waveReadBufferSize, &framesRead, &bytesRead)
                             : 1;
        // A read that delivers nothing would never end the loop; the stream is short.
        if (rc != 0 || framesRead == 0) {
            end.result = waveReadFailed;
            return end;
        }
        if (framesRead > wanted) framesRead = wanted;
        if (bytesRead > waveReadBufferSize) bytesRead = waveReadBufferSize;
        if (!write(buffer, framesRead, bytesRead)) {
            end.result = waveWriteFailed;
            return end;
        }
        setProgress(controls, int(uint64_t(end.position) * 100 / length));
        if (controls.pausePressed && controls.pausePressed(controls.context) &&
            showMessageBox(job.owner, pauseText, pausedTitle, mbYesNo | mbIconQuestion) == answerYes) {
            end.result = waveCancelled;
            return end;
        }
        end.position += framesRead;
    }
    return end;
}

bool sampleSizeUsable(const WaveJob& job) {
    return job.sampleSize > 0 && job.sampleSize <= waveReadBufferSize;
}

void showUnknownFormat(const WaveJob& job) {
    showMessageBox(job.owner, unknownFormatText, unknownFormatTitle, mbOk);
}
}  // namespace

int writeSingleWave(const WaveJob& job, const AudioSource& source, const ExportControls& controls) {
    if (!sampleSizeUsable(job)) {
        showUnknownFormat(job);
        return waveUnsupported;
    }
    if (!job.quiet && fileExists(job.outputName) &&
        showMessageBox(job.owner, overwriteText, overwriteTitle, mbYesNo) != answerYes)
        return waveDeclined;

    PartFile part;
    if (!part.create(job.outputName)) {
        showWithName(job, waveCreateFailedText, job.outputName);
        return waveCreateFailed;
    }
    FILE* out = part.file;
    uint64_t totalBytes = uint64_t(job.lengthFrames) * job.sampleSize;
    unsigned char header[waveHeaderSize];
    singleWaveHeader(header, job.format, job.formatCode, totalBytes);

    std::vector<unsigned char> buffer(waveReadBufferSize);
    long long startMs = millisecondsNow();
    LoopEnd end;
    if (fwrite(header, 1, sizeof header, out) != sizeof header) {
        end.result = waveWriteFailed;
    } else {
        uint32_t sampleSize = job.sampleSize;
        end = readLoop(job, source, controls, waveReadBufferSize / sampleSize, singlePauseText,
                       buffer.data(), [&](const unsigned char* data, uint32_t frames, uint32_t bytes) {
                           uint64_t whole = uint64_t(frames) * sampleSize;
                           size_t count = bytes < whole ? bytes : size_t(whole);
                           return fwrite(data, 1, count, out) == count;
                       });
    }
    if (end.result == waveWritten && (totalBytes & 1) && fputc(0, out) == EOF)
        end.result = waveWriteFailed;
    bool closed = part.close();
    if (end.result == waveWritten && !closed) end.result = waveWriteFailed;
    if (end.result == waveWritten && !part.commit()) {
        part.discard();
        setProgress(controls, 0);
        showWithName(job, waveCreateFailedText, job.outputName);
        return waveCreateFailed;
    }

    if (end.result == waveWritten) {
        setProgress(controls, 100);
        showDone(job, startMs);
        return waveWritten;
    }
    setProgress(controls, 0);
    part.discard();
    if (end.result == waveReadFailed) {
        char text[200];
        formatText(text, sizeof text, waveReadFailedText, unsigned(end.position),
                   unsigned(job.lengthFrames));
        showMessageBox(job.owner, text, saveWaveTitle, mbOk);
    } else if (end.result == waveWriteFailed) {
        showWithName(job, waveWriteFailedText, job.outputName);
    }
    return end.result;
}

int writeChannelWaves(const WaveJob& job, const AudioSource& source, const ExportControls& controls) {
    unsigned channels = job.format.channels;
    unsigned bytesPerSample = job.format.bitsPerSample / 8u;
    size_t frameSize = size_t(bytesPerSample) * channels;
    // Splitting needs whole bytes per sample that add up to the stream's sample frames;
    // anything else would give files whose headers promise data they do not hold.
    if (channels == 0 || bytesPerSample < 1 || bytesPerSample > 4 || job.format.bitsPerSample % 8 ||
        frameSize != job.sampleSize) {
        showUnknownFormat(job);
        return waveUnsupported;
    }
    unsigned written = channels < channelFileCount ? channels : channelFileCount;

    char base[270];
    size_t nameLength = job.outputName ? strnlen(job.outputName, sizeof base) : 0;
    copyTextN(base, sizeof base, job.outputName, nameLength >= 4 ? nameLength - 4 : 0);
    char names[channelFileCount][268];
    PartFile parts[channelFileCount];
    FILE* files[channelFileCount] = {};
    for (unsigned c = 0; c < written; ++c) {
        formatText(names[c], sizeof names[c], "%s%s.wav", base, channelFileSuffixes[c]);
        if (!parts[c].create(names[c])) {
            for (unsigned k = 0; k < c; ++k) parts[k].discard();
            showWithName(job, waveCreateFailedText, names[c]);
            return waveCreateFailed;
        }
        files[c] = parts[c].file;
    }

    uint64_t totalBytes = uint64_t(job.lengthFrames) * job.sampleSize;
    unsigned char header[waveHeaderSize];
    channelWaveHeader(header, job.format, job.formatCode, totalBytes);
    int failedFile = -1;
    for (unsigned c = 0; c < written && failedFile < 0; ++c)
        if (fwrite(header, 1, sizeof header, files[c]) != sizeof header) failedFile = int(c);

    std::vector<unsigned char> buffer(waveReadBufferSize);
    // Each channel's samples of one block go to one place, written with one call per file.
    size_t maxFrames = waveReadBufferSize / frameSize;
    size_t channelBytes = maxFrames * bytesPerSample;
    std::vector<unsigned char> split(channelBytes * written);
    unsigned char* outputs[channelFileCount];
    for (unsigned c = 0; c < written; ++c) outputs[c] = split.data() + c * channelBytes;

    long long startMs = millisecondsNow();
    LoopEnd end;
    if (failedFile >= 0) {
        end.result = waveWriteFailed;
    } else {
        end = readLoop(job, source, controls, channelFramesPerRead, channelPauseText, buffer.data(),
                       [&](const unsigned char* data, uint32_t frames, uint32_t bytes) {
                           size_t count = frames;
                           if (count > bytes / frameSize) count = bytes / frameSize;
                           splitChannels(data, count, frameSize, bytesPerSample, written, outputs);
                           size_t size = count * bytesPerSample;
                           for (unsigned c = 0; c < written; ++c)
                               if (fwrite(outputs[c], 1, size, files[c]) != size) {
                                   failedFile = int(c);
                                   return false;
                               }
                           return true;
                       });
    }
    for (unsigned c = 0; c < written; ++c)
        if (!parts[c].close() && end.result == waveWritten) {
            end.result = waveWriteFailed;
            failedFile = int(c);
        }
    // Only complete files get their names; each one replaces its old file in one step.
    for (unsigned c = 0; c < written && end.result == waveWritten; ++c)
        if (!parts[c].commit()) {
            for (unsigned k = c; k < written; ++k) parts[k].discard();
            setProgress(controls, 0);
            showWithName(job, waveCreateFailedText, names[c]);
            return waveCreateFailed;
        }
    for (unsigned c = 0; c < written; ++c)
        if (end.result != waveWritten) parts[c].discard();

    if (end.result == waveWritten) {
        setProgress(controls, 100);
        showDone(job, startMs);
        return waveWritten;
    }
    setProgress(controls, 0);
    if (end.result == waveReadFailed) {
        char text[200];
        formatText(text, sizeof text, channelReadFailedText, unsigned(end.position),
                   unsigned(job.lengthFrames));
        showMessageBox(job.owner, text, saveWaveTitle, mbOk);
    } else if (end.result == waveWriteFailed) {
        showWithName(job, channelWriteFailedText, failedFile >= 0 ? names[failedFile] : "");
    }
    return end.result;
}

#include "audio/wave_export.h"

#include <windows.h>
#include <commctrl.h>
#include <vfw.h>

#include "audio/avi_session_win32.h"
#include "audio/wave_format.h"

namespace {
struct StreamSource {
    PAVISTREAM stream;
    uint32_t sampleSize;
};

int readFromStream(void* context, uint32_t start, uint32_t frames, unsigned char* buffer,
                   uint32_t bufferSize, uint32_t* framesRead, uint32_t* bytesRead) {
    auto* source = static_cast<StreamSource*>(context);
    // Ask only for what fits: some handlers refuse a request larger than the buffer.
    uint32_t fit = bufferSize / source->sampleSize;
    if (frames > fit) frames = fit;
    LONG bytes = 0, samples = 0;
    HRESULT hr = AVIStreamRead(source->stream, LONG(start), LONG(frames), buffer, LONG(bufferSize),
                               &bytes, &samples);
    if (hr != AVIERR_OK || bytes < 0 || samples < 0) return 1;
    *framesRead = uint32_t(samples);
    *bytesRead = uint32_t(bytes);
    return 0;
}

struct PanelControls {
    HWND owner;
    HWND pauseButton;
    HWND progressBar;
};

void setProgressBar(void* context, int percent) {
    auto* panel = static_cast<PanelControls*>(context);
    if (!panel->progressBar) return;
    SendMessageA(panel->progressBar, PBM_SETPOS, WPARAM(percent), 0);
    // The loop dispatches nothing, so the bar paints itself now.
    UpdateWindow(panel->progressBar);
}

bool pauseButtonPressed(void* context) {
    auto* panel = static_cast<PanelControls*>(context);
    HWND watched = panel->owner ? panel->owner : panel->pauseButton;
    if (!watched) return false;
    MSG msg;
    if (!PeekMessageA(&msg, watched, 0, 0, PM_REMOVE)) return false;
    return panel->pauseButton && msg.message == WM_LBUTTONDOWN && msg.hwnd == panel->pauseButton;
}
}  // namespace

int exportAudio(AviClip& clip, const char* scriptPath, const char* outputName, WindowHandle owner,
                const WaveProgressControls* controls, int mode, bool quiet) {
    AviSession session(clip);
    ExportFacts facts;
    facts.openResult = session.open(scriptPath);
    if (facts.openResult == 0) facts.infoRead = session.readInfo();
    int audioEntry = exportAudioStreamIndex(clip.fileInfo.streams);
    clip.audioStreamIndex = audioEntry;
    if (facts.infoRead && session.allocateTable(clip.fileInfo.streams + 1)) {
        if (audioEntry == 1) session.getStream(0, streamtypeVIDEO, 0);
        if (session.getStream(uint32_t(audioEntry), streamtypeAUDIO, 0) &&
            readStreamInfo(session.stream(audioEntry), clip.audioInfo)) {
            facts.audioFound = true;
            unsigned char format[64];
            LONG size = readStreamFormat(session.stream(audioEntry), format, sizeof format);
            facts.formatCode = readWaveFormat(format, size_t(size), &clip.audioFormat);
        }
    }

    int step = planExport(clip, facts, scriptPath, owner, mode);
    if (step == exportStepReportMade) return waveWritten;
    if (step == exportStepNone) return waveNotOpened;

    StreamSource streamSource{session.stream(audioEntry), clip.audioInfo.sampleSize};
    AudioSource source;
    source.context = &streamSource;
    source.read = readFromStream;

    PanelControls panel{static_cast<HWND>(owner), controls ? static_cast<HWND>(controls->pauseButton) : nullptr,
                        controls ? static_cast<HWND>(controls->progressBar) : nullptr};
    ExportControls exportControls;
    exportControls.context = &panel;
    exportControls.setProgress = setProgressBar;
    exportControls.pausePressed = pauseButtonPressed;

    WaveJob job;
    job.format = clip.audioFormat;
    job.formatCode = facts.formatCode;
    job.lengthFrames = clip.audioInfo.length;
    job.sampleSize = clip.audioInfo.sampleSize;
    job.outputName = outputName;
    job.owner = owner;
    job.quiet = quiet;
    return step == exportStepChannelFiles ? writeChannelWaves(job, source, exportControls)
                                          : writeSingleWave(job, source, exportControls);
}

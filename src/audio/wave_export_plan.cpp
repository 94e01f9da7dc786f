#include "audio/wave_export_plan.h"

#include "base/bounded_text.h"
#include "audio/audio_report.h"
#include "audio/avifile_codes.h"
#include "audio/wave_header.h"
#include "audio/wave_writer.h"

namespace {
const char* const openErrorTitle = "Error AVIFileOpen:";
const char* const infoFailedTitle = "Error... Get Avi File Info Failed";
const char* const noAudioText =
    "Your script contains no audio stream.\n\nThere is no Video wave spec.\n\n%s";
const char* const noAudioTitle = "Error... Streamtype AUDIO not found";
const char* const tooBigText =
    "Huston, we have a problem!\n\nCannot create a wave file larger than 4,294,967,287 bytes.\n\n"
    "Yep, that is four gigabytes.\n\nTo save the channels as individual wave files click \nthe "
    "check box.";
const char* const tooBigTitle = "We just ran out of numbers";
const char* const unknownFormatText = "Save audio will not work";
const char* const unknownFormatTitle = " Unknow data format ";
}  // namespace

void exportOpenErrorText(char* out, unsigned cap, int32_t code) {
    switch (code) {
    case regdbErrClassNotReg: copyText(out, cap, "Error... File Class not Registered"); break;
    case aviErrMemory: copyText(out, cap, "Error...  Insufficient memory"); break;
    case aviErrBadFormat: copyText(out, cap, "Avi File Format error..."); break;
    case aviErrFileRead: copyText(out, cap, "Disk Error While Reading File"); break;
    case aviErrFileOpen: copyText(out, cap, "Disk Error While Opening File"); break;
    // A handler may fail with a code of its own; the user still learns that the open failed.
    default: formatText(out, cap, "Error... AVIFileOpen failed 0x%08X", unsigned(code)); break;
    }
}

int planExport(AviClip& clip, const ExportFacts& facts, const char* scriptPath, WindowHandle owner,
               int mode) {
    // A report is made afresh: nothing of an earlier script may survive into it. The writing
    // modes leave it alone, so the open panel keeps showing what it measured.
    if (mode == exportModeReport) copyText(clip.audioReport, audioReportNoFile);
    clip.tooBig = false;

    if (facts.openResult != 0) {
        char text[128];
        exportOpenErrorText(text, sizeof text, facts.openResult);
        showMessageBox(owner, text, openErrorTitle, mbOk);
        copyText(clip.audioReport, audioReportNoFile);
        return exportStepNone;
    }
    if (!facts.infoRead) {
        showMessageBox(owner, scriptPath ? scriptPath : "", infoFailedTitle, mbOk);
        return exportStepNone;
    }
    if (!facts.audioFound) {
        formatText(clip.messageScratch, sizeof clip.messageScratch, noAudioText,
                   scriptPath ? scriptPath : "");
        showMessageBox(owner, clip.messageScratch, noAudioTitle, mbOk);
        copyText(clip.audioReport, audioReportNoAudio);
        return exportStepNone;
    }

    uint64_t totalBytes = uint64_t(clip.audioInfo.length) * clip.audioInfo.sampleSize;
    if (mode != exportModeChannels && audioTooBigForOneFile(totalBytes)) {
        showMessageBox(owner, tooBigText, tooBigTitle, mbOk);
        clip.tooBig = true;
    }
    // Variable-sized samples (compressed audio) cannot be cut into sample frames.
    uint32_t sampleSize = clip.audioInfo.sampleSize;
    if (facts.formatCode == waveCodeRefused || sampleSize == 0 || sampleSize > waveReadBufferSize) {
        showMessageBox(owner, unknownFormatText, unknownFormatTitle, mbOk);
        return exportStepNone;
    }

    if (mode == exportModeReport) {
        formatAudioReport(clip.audioReport, sizeof clip.audioReport, clip.audioFormat,
                          facts.formatCode, clip.audioInfo.length, totalBytes);
        return exportStepReportMade;
    }
    if (mode == exportModeChannels || clip.tooBig) return exportStepChannelFiles;
    return exportStepSingleFile;
}

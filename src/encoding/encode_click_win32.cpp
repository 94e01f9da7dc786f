// The click on the encode button: the output name, the colour-space test, the save question,
// the encoder run, and what follows each result.
#include <cstring>

#include "app/command_helpers_win32.h"
#include "app/panels_win32.h"
#include "app/shell_events.h"
#include "app/views_layout_win32.h"
#include "base/bounded_text.h"
#include "encoding/colour_space.h"
#include "encoding/encode_script.h"
#include "encoding/file_pick_win32.h"
#include "storage/encoder_list.h"
#include "viewer/clip_info.h"

namespace {

const char nothingToEncodeText[] =
    "You have elected to send nothing to an encoder.\n"
    "Open a script file or save the one your working on, please.";
const char mismatchText[] =
    "The script you wish to encode is reporting a different color-space than that which the "
    "encoder requires.\n\nPlease correct and try again.";
const char saveFirstText[] = "Do you wish to save your work before encoding ?\nYou really should.";
const char addEncoderText[] =
    "You need to add an encoder for Zandolin to use.\nIf you wish to add an encoder to the encoder "
    "list click OK\n\nor Right-click the encode button at anytime to add or modify your ecoder "
    "settings.";

// The media filter entry the dialog starts on for an extension; 0 leaves it to the dialog.
int mediaFilterIndex(const char* extension) {
    static const char* const order[] = {"mpg", "m2v", "m1v", "mp2", "ac3", "wav"};
    for (int i = 0; i < 6; ++i)
        if (strcmp(extension, order[i]) == 0) return i + 1;
    return 0;
}

const char* projectScript(const AppState& app) {
    return app.views.projectScriptPath[0] ? app.views.projectScriptPath : app.project.projectScriptPath;
}

const char* scriptToEncode(const AppState& app) {
    return app.encodeProject ? projectScript(app) : app.views.sourceScriptPath;
}

// Chooses the encoder's output on a first pass; the replayed pass after the WAV export
// keeps the name chosen then.
void chooseOutput(AppState& app, HWND main) {
    EncodingState& s = app.encoding;
    const char* source = app.views.sourceScriptPath;
    const bool namesOutput = probeOutputExtension(app.views.programFolder, main, s.outputExtension, s.outputFilter);
    if (!namesOutput || !source[0]) {
        copyText(s.encoderOutputFile, noOutputFileMarker);
        return;
    }
    char initial[260];
    const size_t length = strlen(source);
    copyTextN(initial, sizeof initial, source, length > 4 ? length - 4 : 0);
    // The dialog gives a typed name the extension of the filter it shows, so an extension
    // the media list lacks gets an entry of its own, shown first.
    char filter[sizeof mediaOutputFilter + 128] = {};
    int index = mediaFilterIndex(s.outputExtension);
    size_t used = 0;
    if (index == 0 && s.outputExtension[0]) {
        used = formatText(filter, sizeof filter, "Encoder output (%s)", s.outputFilter) + 1;
        used += copyText(filter + used, sizeof filter - used, s.outputFilter) + 1;
        index = 1;
    }
    memcpy(filter + used, mediaOutputFilter, sizeof mediaOutputFilter);
    pickFile(main, "Encoder output file", s.outputExtension, filter, index, initial, true, s.encoderOutputFile,
             sizeof s.encoderOutputFile);
    copyText(s.lastEncoderOutput, s.encoderOutputFile);
}

// True when the encoder asks for a pixel format the script does not deliver.
bool colourSpaceRefused(AppState& app, HWND main) {
    EncoderEntry entry;
    readEncoder(app.views.programFolder, main, &entry, 0);
    if (entry.colourSpace == 0) return false;
    // An unreadable clip must not pass on the code of a clip read earlier.
    app.clip.handlerCode = 0;
    readClipInfo(app.clip, scriptToEncode(app), main, false);
    return colourSpaceMismatch(entry.colourSpace, app.clip.handlerCode);
}

void afterEncode(AppState& app, int result, HWND main) {
    if (result == encodeNoEncoder) {
        // OK does what a right-click on the encode button does. Opened here rather than by
        // rewriting the current message into a right-click: the click may have come from F7
        // or be handled on a mouse move, messages the right-click phase rightly ignores.
        if (showMessageBox(main, addEncoderText, "Encode File", mbOkCancel) == answerOk) openEncoderSetupPanel(app);
    } else if (result == encodeSaveWaveFirst) {
        // On the timer's first tick the panel saves the audio by itself, named after the chosen
        // output, and clicks the encode button again with saveWaveThenEncode set.
        openSaveWavePanel(app);
        if (app.panelKind == panelSaveWave) SetTimer(main, timerSaveWaveContinue, 500, nullptr);
    } else {
        const int view = app.views.currentView;
        const char* script = scriptToEncode(app);
        if ((view == viewVideoEditor || view == viewMediaViewer) && checkScriptForPlayer(app, script)) {
            app.player.openMedia(script, view);
            takeClipFromPlayer(app);
        }
        if (view == viewScriptPreview) app.views.currentView = viewScriptEditor;
        layOutAndRefresh(app);
    }
}

}  // namespace

void runEncodeClick(AppState& app) {
    HWND main = windowAt(winMain);
    EncodingState& s = app.encoding;
    if (!app.saveWaveThenEncode) chooseOutput(app, main);
    if (!app.views.sourceScriptPath[0] || !s.encoderOutputFile[0]) {
        // A cancelled output dialog ends the click without a word.
        if (s.encoderOutputFile[0]) showMessageBox(main, nothingToEncodeText, "Encode Script #02a", mbOk);
    } else if (colourSpaceRefused(app, main)) {
        showMessageBox(main, mismatchText, "Error! Color-Space Mismatch, Encode", mbOk);
    } else if (app.scriptModified) {
        // No encoder starts on this click: the user clicks again once the script is saved.
        if (showMessageBox(main, saveFirstText, "Encode File", mbYesNo) == answerYes) app.pendingSaveAs = true;
    } else {
        if (app.views.currentView != viewScriptEditor && app.player.graphBuilt()) app.player.closePlayer();
        EncodeRequest request;
        request.programFolder = app.views.programFolder;
        request.mainWindow = main;
        request.sourceScriptPath = app.views.sourceScriptPath;
        request.projectScriptPath = projectScript(app);
        request.encodeProject = app.encodeProject;
        request.encoderOutputFile = s.encoderOutputFile;
        request.saveWaveThenEncode = app.saveWaveThenEncode;
        afterEncode(app, encodeScript(request), main);
    }
    app.saveWaveThenEncode = false;
}

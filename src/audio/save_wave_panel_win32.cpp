#include "audio/save_wave_panel_win32.h"

#include <commctrl.h>
#include <commdlg.h>

#include <cstring>

#include "app/app_state_win32.h"
#include "app/panels_win32.h"
#include "app/shell_events.h"
#include "app/views_layout_win32.h"
#include "audio/wave_export.h"
#include "base/bounded_text.h"
#include "dialogs/panel_open_win32.h"
#include "editor/script_editor.h"

namespace {

enum SaveWaveResult { resultNone = 0, resultSave = 1, resultChange = 2, resultStartByItself = 3 };

const char* const unsavedText =
    "Your script has been modified or has not been saved.\n\nUntil I can get this fixed can you please cancel "
    "out of this dialog window, save your source script and try again.\n\nThank you.";
const char* const unsavedTitle = "Sorry...  Save Wave Dlg";
const char* const forcedChannelsText =
    "This version of Zandolin will not save wave files that are larger that four gigabytes.\n\nThe channels "
    "will be saved as individual wave files.";
const char* const mediaFilter =
    "Mpeg video and audio (.mpg)\0*.mpg\0Mpeg 2 video (.m2v)\0*.m2v\0Mpeg 1 video (.m1v)\0*.m1v\0"
    "Mpeg audio (.mp2)\0*.mp2\0Audio ac3 (.ac3)\0*.ac3\0Wav audio (.wav)\0*.wav\0All Files (*.*)\0*.*\0";

// The script in the editor is on disk as it is shown: the export reads the file, not the editor.
// The editor's own flag counts too, because the loop does not record edits while a panel is open.
bool scriptSaved(const AppState& app) {
    return app.views.sourceScriptPath[0] && strcmp(app.views.sourceTitle, "untitled") != 0 && !app.scriptModified &&
           !scriptEditor.modified();
}

void enableButtons(const SaveWavePanel& p, bool on) {
    EnableWindow(p.closeButton, on);
    EnableWindow(p.saveButton, on);
    EnableWindow(p.changeButton, on);
    // Pausing only means something while the export runs.
    EnableWindow(p.pauseButton, !on);
}

// Runs the panel's state; returns what the shell has to do.
int stepPanel(SaveWavePanel& p, HWND control) {
    if (control && control == p.saveButton) {
        enableButtons(p, false);
        return resultSave;
    }
    if (control && control == p.changeButton) return resultChange;
    if (control) return resultNone;
    switch (p.state) {
    case saveWaveButtonsBack:
        enableButtons(p, true);
        p.state = saveWaveIdle;
        break;
    case saveWaveShowName:
        p.state = saveWaveIdle;
        SetWindowTextA(p.outputLabel, p.outputName);
        break;
    case saveWaveNameFromScript: {
        p.state = saveWaveIdle;
        char name[saveWaveNameSize];
        waveNameReplacingEnd(name, sizeof name, p.outputName);
        copyText(p.outputName, name);
        break;
    }
    case saveWaveStartByItself:
        enableButtons(p, false);
        return resultStartByItself;
    default: break;
    }
    return resultNone;
}

void runExport(AppState& app, SaveWavePanel& p, int mode, bool quiet) {
    WaveProgressControls controls;
    controls.pauseButton = p.pauseButton;
    controls.progressBar = p.progressBar;
    exportAudio(app.clip, p.scriptPath, p.outputName, app.panelHost.frame, &controls, mode, quiet);
}

void save(AppState& app, SaveWavePanel& p) {
    HWND frame = app.panelHost.frame;
    if (scriptSaved(app)) {
        int mode = SendMessageA(p.eachChannelBox, BM_GETCHECK, 0, 0) == BST_CHECKED ? exportModeChannels
                                                                                   : exportModeSingle;
        if (app.clip.tooBig) {
            MessageBoxA(frame, forcedChannelsText, "Save Audio as Wave", MB_OK);
            mode = exportModeChannels;
        }
        runExport(app, p, mode, false);
    } else {
        MessageBoxA(frame, unsavedText, unsavedTitle, MB_OK);
    }
    p.state = saveWaveButtonsBack;
    stepPanel(p, nullptr);
}

void change(AppState& app, SaveWavePanel& p) {
    HWND frame = app.panelHost.frame;
    if (!scriptSaved(app)) {
        MessageBoxA(frame, unsavedText, unsavedTitle, MB_OK);
        return;
    }
    char chosen[260] = {};
    OPENFILENAMEA dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = app.panelHost.owner;
    dialog.lpstrFilter = mediaFilter;
    dialog.nFilterIndex = 6;  // "Wav audio"
    dialog.lpstrFile = chosen;
    dialog.nMaxFile = sizeof chosen;
    dialog.lpstrTitle = "Save Wave";
    dialog.lpstrDefExt = "wav";
    dialog.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    if (GetSaveFileNameA(&dialog) && chosen[0]) {
        copyText(p.outputName, chosen);
    } else {
        copyText(p.outputName, p.scriptPath);
        p.state = saveWaveNameFromScript;
        stepPanel(p, nullptr);
    }
    p.state = saveWaveShowName;
    stepPanel(p, nullptr);
}

void startByItself(AppState& app, SaveWavePanel& p) {
    waveNameReplacingEnd(p.outputName, sizeof p.outputName, app.encoding.lastEncoderOutput);
    SetWindowTextA(p.outputLabel, p.outputName);
    UpdateWindow(p.outputLabel);
    runExport(app, p, exportModeSingle, true);
    closePanel(app);
    app.saveWaveThenEncode = true;
    // Posted: a click sent from inside the panel's handler would be cleared with the panel's
    // own click flag before the control events could see it.
    PostMessageA(windowAt(winEncode), BM_CLICK, 0, 0);
}

}  // namespace

// The script in the editor: the project script while the project is shown and encoded.
void openSaveWavePanel(AppState& app) {
    PanelHost& host = app.panelHost;
    SaveWavePanel& p = app.saveWavePanel;
    p = SaveWavePanel{};
    copyText(p.scriptPath, app.encodeProject ? app.views.projectScriptPath : app.views.sourceScriptPath);
    waveNameFromScript(p.outputName, sizeof p.outputName, p.scriptPath);
    exportAudio(app.clip, p.scriptPath, nullptr, windowAt(winMain), nullptr, exportModeReport, false);
    int w = 0, h = 0;
    if (!beginPanel(app, panelSaveWave, "Save Audio as Wave ", 1.2, w, h)) return;

    p.closeButton = host.createCancelButton(w - 120, h - 42, 110, 32);
    SetWindowTextA(p.closeButton, "Close / Cancel");
    p.saveButton = host.createTextButton("Save", w - 178, h - 42, 50, 32);
    p.pauseButton = host.createTextButton2("Pause or Cancel Wave Save", w - 430, h - 42, 210, 32);
    EnableWindow(p.pauseButton, FALSE);
    p.eachChannelBox = host.createCheckBox(host.frame, "Save each channel as wave file", 20, 35, 250, 15);
    host.createStaticText("Source", 20, 80, 60, 20);
    host.createStaticText(p.scriptPath, 30, 100, w - 220, 40);
    host.createStaticText("Output", 20, 150, 60, 20);
    p.outputLabel = host.createStaticText(p.outputName, 30, 170, w - 220, 60);
    // The hint points at the Change button beside it, so it ends where the button begins.
    const int hintWidth = 270, hintX = w - 100 - hintWidth > 10 ? w - 100 - hintWidth : 10;
    host.createStaticText("To change the saved file name click Change ->", hintX, 240, hintWidth, 20);
    p.changeButton = host.createTextButton("Change", w - 100, h - 118, 64, 26);
    p.progressBar = host.createProgressBar(10, h - 70, w - 20, 20);
    if (p.progressBar) SendMessageA(p.progressBar, PBM_SETRANGE, 0, MAKELPARAM(0, 100));

    SaveWaveInfoLine lines[saveWaveInfoLineCount];
    buildSaveWaveInfoLines(parseSaveWaveReport(app.clip.audioReport), lines);
    for (const SaveWaveInfoLine& line : lines)
        host.createStaticText(line.text, saveWaveInfoX, h - line.fromBottom, line.width, line.height);
    // The info lines are narrow: in the dialog font they fit.
    for (HWND c = GetWindow(host.frame, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) useDialogFont(host, c);
    showPanel(app);
}

void handleSaveWavePanel(AppState& app) {
    ShellEvents& e = shellEvents;
    SaveWavePanel& p = app.saveWavePanel;
    if (e.timer222) {
        e.timer222 = 0;
        KillTimer(windowAt(winMain), timerSaveWaveContinue);
        p.state = saveWaveStartByItself;
        if (stepPanel(p, nullptr) == resultStartByItself) startByItself(app, p);
        return;
    }
    if (!e.buttonClicked) return;
    e.buttonClicked = 0;
    switch (stepPanel(p, reinterpret_cast<HWND>(e.eventSender))) {
    case resultSave: save(app, p); break;
    case resultChange: change(app, p); break;
    default: break;
    }
}

// The loop's side of the panels: the open kind's handler, and the one close every panel
// goes through.
#include "app/panels_win32.h"

#include "app/app_state_win32.h"
#include "app/shell_events.h"
#include "app/subsystem_hooks_win32.h"
#include "app/views_layout_win32.h"

void runPanelHandler(AppState& app) {
    switch (app.panelKind) {
    case panelEncoderSetup: handleEncoderSetupPanel(app); break;
    case panelScriptOptions: handleScriptOptionsPanel(app); break;
    case panelToolButtons: handleToolButtonPanel(app); break;
    case panelFilterParameters: handleFilterParameterPanel(app); break;
    case panelOptions: handleOptionsPanel(app); break;
    case panelSaveWave: handleSaveWavePanel(app); break;
    case panelFilterGraphList: handleFilterListPanel(app); break;
    case panelAbout: handleAboutPanel(app); break;
    case panelScenePreview: handleScenePreviewPanel(app); break;
    case panelCompressors: handleCompressorPanel(app); break;
    default: break;
    }
}

void closePanel(AppState& app) {
    ShellEvents& e = shellEvents;
    const int kind = app.panelKind;
    if (kind == panelFilterGraphList) {
        HWND list = windowAt(winFilterGraphList);
        SetParent(list, windowAt(winMain));
        ShowWindow(list, SW_HIDE);
    }
    if (kind == panelAbout) releaseAboutPanel(app);
    if (kind == panelScenePreview) {
        releaseScenePreviewPanel(app);
        // The preview moved the player; the shell's own position is the one to show again.
        app.player.seekToFrame(app.currentFrame);
    }
    app.panelStep = 0;
    app.panelKind = panelNone;
    app.panelOpen = false;
    if (app.panelWindow) {
        e.panelBeingDestroyed = 1;
        DestroyWindow(app.panelWindow);
        e.panelBeingDestroyed = 0;
        app.panelWindow = nullptr;
    }
    app.panelHost.frame = nullptr;
    app.panelHost.panelKind = panelNone;
    app.panelHost.panelStep = 0;
    app.panelHost.okButton = nullptr;
    app.panelHost.cancelButton = nullptr;
    e.editChanged = 0;
    e.buttonClicked = 0;
    app.views.filterListActive = false;
    app.avisynth.clearParameterString();
    updateStatusBar(app);
    SetFocus(app.views.currentView == viewScriptEditor ? windowAt(winEditor) : windowAt(winVideo));
}

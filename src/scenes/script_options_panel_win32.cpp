// The script writing options panel: "++" or "+" between the scenes of the project script.
#include "app/panels_win32.h"
#include "dialogs/panel_open_win32.h"
#include "scenes/script_options_layout.h"

namespace {
enum { plusPlusSlot = 0, plusSlot = 1 };
}

void openScriptOptionsPanel(AppState& app) {
    int w = 0, h = 0;
    if (!beginPanel(app, panelScriptOptions, "Script Writing Options", 1.0, w, h)) return;
    PanelHost& host = app.panelHost;
    host.spliceChoice = app.views.spliceChoice;  // a working copy until OK
    ScriptOptionsLayout l = scriptOptionsLayout(w, h);
    host.createCancelButton(l.cancel.x, l.cancel.y, l.cancel.width, l.cancel.height);
    host.createOkButton(l.ok.x, l.ok.y, l.ok.width, l.ok.height);
    // The dialog font keeps the three lines of the explanation inside their 50 pixels.
    useDialogFont(host, host.createStaticText("Zandolin must join together the clips created with the\nScene Editor.  You may use "
                          "AlignedSplice or UnAlignedSplice,\nplease select one.",
                          l.explanation.x, l.explanation.y, l.explanation.width, l.explanation.height));
    host.panelControls[plusPlusSlot] =
        host.createRadioOne("++", l.plusPlus.x, l.plusPlus.y, l.plusPlus.width, l.plusPlus.height);
    host.panelControls[plusSlot] = host.createRadioTwo("+", l.plus.x, l.plus.y, l.plus.width, l.plus.height);
    useDialogFont(host, host.createStaticText("AlignedSplice", l.alignedLabel.x, l.alignedLabel.y,
                                              l.alignedLabel.width, l.alignedLabel.height));
    useDialogFont(host, host.createStaticText("UnAlignedSplice", l.unalignedLabel.x, l.unalignedLabel.y,
                                              l.unalignedLabel.width, l.unalignedLabel.height));
    HWND checked = host.panelControls[spliceShowsPlusPlus(host.spliceChoice) ? plusPlusSlot : plusSlot];
    if (checked) SendMessageA(checked, BM_SETCHECK, BST_CHECKED, 0);
    showPanel(app);
}

void handleScriptOptionsPanel(AppState& app) {
    PanelHost& host = app.panelHost;
    if (!panelButtonClicked(host.okButton)) return;
    HWND plusPlus = host.panelControls[plusPlusSlot];
    host.spliceChoice = spliceChoiceFromRadio(plusPlus && SendMessageA(plusPlus, BM_GETCHECK, 0, 0) == BST_CHECKED);
    app.views.spliceChoice = host.spliceChoice;
    app.sceneList.spliceChoice = host.spliceChoice;
    closePanel(app);
    saveSettingsNow(app);
}

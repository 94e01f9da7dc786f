#include "dialogs/panel_open_win32.h"

#include "app/shell_events.h"

bool beginPanel(AppState& app, int kind, const char* title, double factor, int& clientWidth, int& clientHeight) {
    PanelHost& host = app.panelHost;
    host.instance = app.instance ? app.instance : host.instance;
    host.programFolder = app.views.programFolder;
    if (!host.dialogFont) host.dialogFont = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    host.okButton = host.cancelButton = nullptr;
    for (HWND& control : host.panelControls) control = nullptr;
    if (!host.createFrame(windowAt(winMain), title, factor)) return false;
    host.panelKind = kind;
    host.panelStep = 0;
    RECT client = {};
    GetClientRect(host.frame, &client);
    clientWidth = client.right;
    clientHeight = client.bottom;
    return true;
}

void showPanel(AppState& app) {
    PanelHost& host = app.panelHost;
    app.panelOpen = true;
    app.panelKind = host.panelKind;
    app.panelStep = 0;
    app.panelWindow = host.frame;
    SetFocus(host.frame);
}

void useDialogFont(const PanelHost& host, HWND control) {
    if (control && host.dialogFont) SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(host.dialogFont), TRUE);
}

bool panelButtonClicked(HWND control) {
    const ShellEvents& e = shellEvents;
    return control && e.buttonClicked && e.eventSender == reinterpret_cast<intptr_t>(control);
}

void saveSettingsNow(AppState& app) {
    HWND main = windowAt(winMain);
    RECT r = {};
    GetWindowRect(main, &r);
    app.views.currentRect = {r.left, r.top, r.right, r.bottom};
    saveUserSettings(app.views, main);
}

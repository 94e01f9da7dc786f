// The "Button Setup Dialog": chooses the program of one tool button and edits its template.
#include <windows.h>
#include <shellapi.h>

#include "app/panels_win32.h"
#include "app/shell_events.h"
#include "app/views_layout_win32.h"
#include "base/bounded_text.h"
#include "editor/source_path.h"
#include "encoding/file_pick_win32.h"
#include "encoding/panel_layouts.h"
#include "encoding/tool_buttons_win32.h"
#include "storage/settings.h"

namespace {

struct ToolButtonPanel {
    int button = 0;
    char path[260] = {};
    HWND iconButton = nullptr;
    HWND fileTitle = nullptr;
    HWND commandLine = nullptr;
    HICON icon = nullptr;
};
ToolButtonPanel panel;

void place(HWND window, const ControlPlace& p) {
    if (window) MoveWindow(window, p.x, p.y, p.width, p.height, TRUE);
}

void showIcon(AppState& app, const char* path) {
    if (panel.icon) DestroyIcon(panel.icon);
    panel.icon = path[0] ? ExtractIconA(app.instance, path, 0) : nullptr;
    // ExtractIcon answers 1 for a file that holds no icon.
    if (panel.icon == reinterpret_cast<HICON>(1)) panel.icon = nullptr;
    if (panel.iconButton) SendMessageA(panel.iconButton, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(panel.icon));
}

void chooseProgram(AppState& app) {
    char chosen[260];
    if (!pickFile(windowAt(winMain), "Add Tool", "exe", toolProgramFilter, 0, "", false, chosen, sizeof chosen))
        return;
    copyText(panel.path, chosen);
    ToolButtonLayout layout = toolButtonLayout(0, 0);
    place(panel.fileTitle, layout.chosenTitle);
    SetWindowTextA(panel.fileTitle, fileTitleOf(chosen));
    showIcon(app, chosen);
    SetWindowTextA(panel.commandLine, "%filename");
}

// Stores the button's program and template in the settings file and in the running views.
void save(AppState& app) {
    char title[260] = {};
    GetWindowTextA(panel.fileTitle, title, sizeof title);
    if (!title[0]) panel.path[0] = '\0';
    char command[256] = {};
    GetWindowTextA(panel.commandLine, command, sizeof command);
    Settings settings;
    copyText(settings.programFolder, app.views.programFolder);
    settings.owner = windowAt(winMain);
    formatText(settings.keyToReplace, sizeof settings.keyToReplace, "button %i", panel.button);
    copyText(settings.newPath, panel.path);
    copyText(settings.newCommandLine, command);
    replaceToolButtonLines(settings);
}

}  // namespace

void openToolButtonPanel(AppState& app, int button) {
    if (button < 1 || button > toolButtonCount) return;
    HWND main = windowAt(winMain);
    // The panel shows what the settings file holds now, not the running copy.
    Settings settings;
    copyText(settings.programFolder, app.views.programFolder);
    settings.owner = main;
    readPresets(settings);
    PanelHost& host = app.panelHost;
    if (!host.createFrame(main, "Button Setup Dialog", 1.0)) return;
    if (panel.icon) DestroyIcon(panel.icon);
    panel = ToolButtonPanel{};
    panel.button = button;
    copyText(panel.path, settings.toolPath[button - 1]);
    RECT client = {};
    GetClientRect(host.frame, &client);
    const ToolButtonLayout l = toolButtonLayout(client.right, client.bottom);
    host.createCancelButton(l.cancel.x, l.cancel.y, l.cancel.width, l.cancel.height);
    host.createOkButton(l.ok.x, l.ok.y, l.ok.width, l.ok.height);
    panel.iconButton = host.createIconButton(l.iconButton.x, l.iconButton.y, l.iconButton.width, l.iconButton.height);
    showIcon(app, panel.path);
    char prompt[200];
    formatText(prompt, sizeof prompt,
               button == 6 ? "Please chose a tool to launch for button number %i. This button should be used "
                             "with your external viewer/player."
                           : "Please chose a tool to launch for button number %i.",
               button);
    host.createStaticText(prompt, l.prompt.x, l.prompt.y, l.prompt.width, l.prompt.height);
    panel.fileTitle = host.createStaticText(panel.path[0] ? fileTitleOf(panel.path) : "", l.fileTitle.x,
                                            l.fileTitle.y, l.fileTitle.width, l.fileTitle.height);
    host.createStaticText("Click here", l.clickHere.x, l.clickHere.y, l.clickHere.width, l.clickHere.height);
    host.createStaticText("Command line", l.commandLabel.x, l.commandLabel.y, l.commandLabel.width,
                          l.commandLabel.height);
    panel.commandLine = host.createEditBox(l.commandLine.x, l.commandLine.y, l.commandLine.width, l.commandLine.height);
    if (panel.commandLine) SetWindowTextA(panel.commandLine, settings.toolCommand[button - 1]);
    app.panelWindow = host.frame;
    app.panelOpen = true;
    app.panelKind = panelToolButtons;
    app.panelStep = 0;
}

void handleToolButtonPanel(AppState& app) {
    ShellEvents& e = shellEvents;
    if (!e.buttonClicked) return;
    HWND control = reinterpret_cast<HWND>(e.eventSender);
    e.buttonClicked = 0;
    if (control && control == panel.iconButton) {
        chooseProgram(app);
    } else if (control && control == app.panelHost.okButton) {
        save(app);
        if (panel.icon) DestroyIcon(panel.icon);
        panel.icon = nullptr;
        closePanel(app);
        reloadToolButtons(app);
        layoutRefresh(app);  // the encode tip and the button icons follow the new settings
    }
}

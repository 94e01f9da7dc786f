// A click on one of the six tool buttons: the checks, the launch with the main window
// minimized, and the reload of the script the tool may have changed.
#include "app/panels_win32.h"
#include "app/shell_events.h"
#include "app/views_layout_win32.h"
#include "base/bounded_text.h"
#include "editor/script_editor.h"
#include "encoding/tool_buttons_win32.h"
#include "encoding/tool_launch.h"
#include "storage/settings.h"

namespace {

const int toolButtonIndices[toolButtonCount] = {winToolButton1, winToolButton2, winToolButton3,
                                                winToolButton4, winToolButton5, winToolButton6};

const char noProgramText[] =
    "You must assign an external program to a button.\n\nButton six should be your external video "
    "player. \n\nClick OK now or Right-click a tool button at anytime to add or modify your tool "
    "button settings.";
const char invalidProgramText[] = "The file name or path is invalid, Please reset the tool button";

// OK on an invitation to right-click turns into a right-click on the button, which the
// loop's right-click phase of this pass acts on.
void offerSetup(AppState& app, int button, const char* text, const char* title) {
    if (showMessageBox(windowAt(winMain), text, title, mbOkCancel) != answerOk) return;
    app.currentMessage.wParam = 2;
    app.currentMessage.hwnd = toolButtonWindow(button);
}

// The tool may have changed the script it was given: take the file back into the editor.
void reloadScript(AppState& app) {
    if (app.scriptModified) return;
    if (app.views.sourceScriptPath[0]) {
        app.document.load(app.views.sourceScriptPath);
        scriptEditor.setSavePoint();
    }
    app.document.clearModified();
    shellEvents.editChanged = 0;
    app.views.titleMark = ' ';
    applyView(app);
}

}  // namespace

HWND toolButtonWindow(int button) {
    if (button < 1 || button > toolButtonCount) return nullptr;
    return windowAt(toolButtonIndices[button - 1]);
}

int toolButtonNumber(HWND control) {
    if (!control) return 0;
    for (int k = 1; k <= toolButtonCount; ++k)
        if (toolButtonWindow(k) == control) return k;
    return 0;
}

void reloadToolButtons(AppState& app) {
    Settings settings;
    copyText(settings.programFolder, app.views.programFolder);
    settings.owner = windowAt(winMain);
    if (readPresets(settings) != presetsRead) return;
    for (int n = 0; n < toolButtonCount; ++n) {
        copyText(app.views.toolPath[n], settings.toolPath[n]);
        copyText(app.views.toolCommand[n], settings.toolCommand[n]);
    }
}

void launchToolButton(AppState& app, int button, const char* scriptPath) {
    if (button < 1 || button > toolButtonCount) return;
    HWND main = windowAt(winMain);
    ToolLaunchRequest request;
    request.buttonNumber = button;
    request.programPath = app.views.toolPath[button - 1];
    request.commandTemplate = app.views.toolCommand[button - 1];
    request.sourceScriptPath = app.views.sourceScriptPath;
    request.projectScriptPath = app.views.projectScriptPath;
    request.previewScriptPath = scriptPath && *scriptPath ? scriptPath : app.document.previewScriptPath();
    request.encoderOutputFile = app.encoding.encoderOutputFile;
    request.encodeProject = app.encodeProject;
    request.scriptModified = app.scriptModified;
    request.currentView = app.views.currentView;
    const int code = launchTool(request, false, main);
    if (code == toolNoProgram) {
        offerSetup(app, button, noProgramText, "Launch Tool");
    } else if (code == toolFileInvalid) {
        offerSetup(app, button, invalidProgramText, "File Invalid");
    } else if (code == toolLaunched) {
        SendMessageA(main, WM_SYSCOMMAND, SC_MINIMIZE, 0);
        if (app.player.graphBuilt()) app.player.closePlayer();
        app.views.launchMarker = button == 6 && app.scriptModified && app.views.currentView == viewScriptEditor;
        launchTool(request, true, main);
        app.views.launchMarker = false;
        SendMessageA(main, WM_SYSCOMMAND, SC_RESTORE, 0);
        reloadScript(app);
    }
}

// A click on one of the six tool buttons: the checks, the launch with the main window
// minimized.
#include "app/panels_win32.h"
#include "app/shell_events.h"
#include "base/bounded_text.h"
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

// OK on an invitation to right-click does what a right-click on the button does: it opens
// the button's setup panel (directly, as the click may be handled on a message the
// right-click phase ignores).
void offerSetup(AppState& app, int button, const char* text, const char* title) {
    if (showMessageBox(windowAt(winMain), text, title, mbOkCancel) == answerOk) openToolButtonPanel(app, button);
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
    request.projectScriptPath = app.views.projectScriptPath[0] ? app.views.projectScriptPath : app.project.projectScriptPath;
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
        launchTool(request, true, main);
        SendMessageA(main, WM_SYSCOMMAND, SC_RESTORE, 0);
        // Tells the click handler that a launch completed: the tool may have changed the
        // script, which is then taken back from disk.
        app.views.launchMarker = true;
    }
}

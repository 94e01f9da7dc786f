#include "encoding/child_process.h"
#include "encoding/command_template.h"
#include "encoding/tool_launch.h"

int launchTool(const ToolLaunchRequest& request, bool launch, WindowHandle mainWindow) {
    bool launchMarker = false;
    int code = checkToolLaunch(request, &launchMarker);
    if (code != toolLaunched || !launch) return code;
    char command[toolCommandCap];
    if (!toolCommandLine(request, launchMarker, command, sizeof command)) return toolNoProgram;
    runAndWait(mainWindow, command);
    return toolLaunched;
}

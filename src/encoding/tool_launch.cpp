#include "encoding/tool_launch.h"

#include "encoding/command_template.h"
#include "base/line_file.h"

int checkToolLaunch(const ToolLaunchRequest& request, bool* launchMarker) {
    bool marker = false;
    if (launchMarker) *launchMarker = false;
    if (request.buttonNumber < 1 || request.buttonNumber > 6) return toolNotATool;
    if (!request.programPath || !*request.programPath) return toolNoProgram;
    if (request.buttonNumber == 6) marker = request.scriptModified && request.currentView == 1;
    if (launchMarker) *launchMarker = marker;
    if (!fileExists(request.programPath)) return toolFileInvalid;
    return toolLaunched;
}

bool toolCommandLine(const ToolLaunchRequest& request, bool launchMarker, char* out, size_t cap) {
    const char* script = request.encodeProject ? request.projectScriptPath : request.sourceScriptPath;
    const char* input = launchMarker ? request.previewScriptPath : script;
    return buildToolCommandLine(out, cap, request.programPath, request.commandTemplate, input, script,
                                request.encoderOutputFile);
}

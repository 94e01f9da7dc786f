#pragma once
// Starting the program of a tool button.
#include <cstddef>

#include "base/message_box.h"

// What launchTool needs to know of the clicked button and the application state.
struct ToolLaunchRequest {
    int buttonNumber = 0;  // 1..6; 0 for the encode button or no control
    const char* programPath = "";
    const char* commandTemplate = "";
    const char* sourceScriptPath = "";
    const char* projectScriptPath = "";
    const char* previewScriptPath = "";  // "windat.avs", written before a click on button six
    const char* encoderOutputFile = "";
    bool encodeProject = false;
    bool scriptModified = false;
    int currentView = 1;  // 1 Script Editor
};

enum ToolLaunchCode { toolNoProgram = 0, toolLaunched = 1, toolNotATool = 2, toolFileInvalid = 6 };

// The checks of a click: toolNotATool, toolNoProgram, toolFileInvalid, else toolLaunched.
// launchMarker tells whether the preview script is the input (button six with unsaved text in
// the Script Editor).
int checkToolLaunch(const ToolLaunchRequest& request, bool* launchMarker);
// The command line of a checked button; false when its template needs an output file and none
// is known.
bool toolCommandLine(const ToolLaunchRequest& request, bool launchMarker, char* out, size_t cap);

// Checks the button and, with launch set, starts its program and waits for its end (the
// caller minimizes and restores the main window). Returns a ToolLaunchCode; toolNoProgram
// also when the template needs an output name and none is known.
int launchTool(const ToolLaunchRequest& request, bool launch, WindowHandle mainWindow);

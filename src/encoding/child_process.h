#pragma once
// Starting an external program (an encoder or a tool) and waiting for its end.
#include "base/message_box.h"

// Runs a complete, already quoted command line as a child process and blocks until it has
// ended. When it cannot be started, "Create External Process failed." is shown, owned by
// mainWindow, and the call returns at once. Returns whether the child was started.
bool runAndWait(WindowHandle mainWindow, const char* commandLine);

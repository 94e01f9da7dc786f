#pragma once
// The run marker and the restoring of the scene list at start-up (see session_recovery.h).
#include "app/app_state_win32.h"

// Start-up, in place of emptying the row file: asks when the last run did not end cleanly and
// rows are left; empties the row file unless they are to be restored. True when restoring.
bool beginSession(AppState& app);
// After the command line: reopens the source script the restored rows were cut from, in the
// Video Editor.
void reopenRecoveredSource(AppState& app);
// Every loop pass: keeps the marker's source script in step with the one in use.
void noteSessionSource(AppState& app);
// Clean end of the run.
void endSession(AppState& app);

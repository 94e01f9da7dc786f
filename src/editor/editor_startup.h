#pragma once
// The editor's share of start-up: the tip texts and the script named on the command line.
#include "base/message_box.h"
#include "editor/script_document.h"
#include "editor/source_path.h"

// Loads "btip.txt" when beginner tips or the alpha flag are on, then "alpha.txt" when the alpha
// flag is on (relative to the working folder); then sets the save point and empties the undo
// buffer.
void loadStartupTexts(const ScriptDocument& document, bool beginnerTips, bool alpha);

// The extension of a command line taken as one quoted path ("avs", "avsi", ...).
void commandLineExtension(char* out, size_t cap, const char* arguments);

enum CommandLineScript { commandLineIgnored = 0, commandLineLoaded = 1, commandLineFailed = 2 };

// Opens an "avs"/"avsi" script named on the command line (its first and last characters, the
// quotes, dropped). On success sets the save point and the source path; on failure shows
// "Unknow error while opening file" titled "Open file".
CommandLineScript openCommandLineScript(const ScriptDocument& document, const char* arguments,
                                        SourcePath& source, WindowHandle owner);

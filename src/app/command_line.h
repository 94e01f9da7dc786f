#pragma once
// The start-up command line: one quoted path; a script opens in the Script Editor.

// True when the argument text names an "avs" or "avsi" script; path then receives the text
// without its first and last characters (the quotes).
bool commandLineScript(const char* arguments, char* path, int cap);

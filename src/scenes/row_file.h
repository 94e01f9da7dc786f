#pragma once
// The row data file "rowdat.vlr" in the program folder: one scene row per line, CR LF after
// each, rows in the order of their numbers. Rewrites go through "rowtemp.vlr", which replaces
// the row file in one step when it is complete.
#include <cstddef>

#include "base/message_box.h"
#include "scenes/scene_row.h"

enum RowRewriteMode { rewriteDelete = 0, rewriteReplace = 1, rewriteInsert = 2 };

// folder + name into out; false (and out empty) when the path does not fit, so a cut path
// never names some other file.
bool folderFilePath(char* out, size_t cap, const char* folder, const char* name);

// Empties the row file (start-up, New Project). On failure shows the file's path titled
// "Could not open display file" and returns false.
bool emptyRowFile(const char* programFolder, WindowHandle owner);

// Appends one row line. On failure shows "not open" titled with the file's path; the row is lost.
bool appendRow(const char* programFolder, const char* rowLine, WindowHandle owner);

// Rewrites the row file around row n: delete drops line n, replace writes rowLine instead of
// it, insert writes rowLine before it. The lines after are renumbered from n (delete) or n + 1.
// Returns 0, 1 when the row file cannot be read (with the "Cannot open rowdat.vlr!" box), 2 when
// the new file could not be written (the old one is left as it was), 3 for a row number below 1.
int rewriteRowFile(const char* programFolder, int rowNumber, RowRewriteMode mode, const char* rowLine,
                   WindowHandle owner);

// Number of lines in the row file; 0 when it is missing.
int countRows(const char* programFolder);

// Reads row n (1-based); false when the file has fewer rows.
bool readRow(const char* programFolder, int rowNumber, SceneRow& row);

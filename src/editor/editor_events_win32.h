#pragma once
// What the shell calls to drive the editor's helpers: from the window procedure (the editor's
// notifications), the loop (timer 25555, keys in the filter list) and the commands.
#include <windows.h>

#include <cstddef>
#include <cstdint>

#include "editor/doc_lookup.h"
#include "editor/filter_search.h"

// Reads every item of the filter list (text and item data: 1 plug-in, 0 internal) into the
// name table used by styling, the tip and the documentation lookup. Call after it is filled.
void loadFunctionNames(HWND filterList);

// WM_NOTIFY code 2000 from the editor while syntax highlighting is on.
void onStyleNeeded(intptr_t position);
// WM_NOTIFY code 2001: the typed-character check. Returns the character-match flag. On a match
// selects the first matching name in the filter list, puts the word in part 2 and
// "Press Enter for Filter Dlg" in part 3 of the status bar and starts timer 25555 on the main
// window (10 ms while a tip shows, else 650 ms).
bool onCharAdded(int ch);
// Timer 25555 fired: kills it and shows the selected filter name as a call tip at the caret.
void onTipTimer();
// Cancels the tip and its timer (Esc, Shift+Enter, leaving the word).
void cancelTip();

// A key typed while the filter list has the focus, by its key name. Updates the search text,
// the status bar's part 3 and the list's selection; returns what the caller must do next
// (insert the name, open the parameter dialog, or nothing).
FilterSearchAction onFilterSearchKey(const char* keyName);

// Reads the filter list's selected name and plug-in flag into editorAssist.
bool readSelectedFilter();
// Reads the selection and replaces the editor's selection with the selected name.
void insertSelectedFilter();

// F1: runs the documentation lookup on the editor's selection with the shell's "open" and
// "find" actions and the clipboard.
DocLookupResult lookUpDocumentationForSelection(HWND owner, const char* docFolder);
// Asks for the documentation folder with an open dialog ("AviSynth doc"); true when chosen.
bool askDocumentationFolder(HWND owner, char* folder, size_t cap);

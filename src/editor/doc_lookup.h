#pragma once
// F1 in the editor: opens the AviSynth documentation page of the selected function name, or
// takes a selected call apart for the parameter dialog.
#include <cstddef>
#include <string>

#include "editor/function_names.h"

enum DocLookupResult {
    docNothing = 0,        // too short a selection, or not a function name
    docPageOpened = 1,
    docFolderOpened = 2,   // the page failed; the documentation folder was opened instead
    docFolderUnusable = 3, // both failed: the caller asks for the folder and tries again
    docCallSelected = 4,   // a call was selected: open the parameter dialog on it
};

// The platform's shell action ("open" or "find") on a path; true when it started.
using ShellAction = bool (*)(const char* verb, const char* path, void* context);
// Puts text on the clipboard.
using ClipboardWriter = void (*)(const char* text, void* context);

struct DocLookupPlatform {
    ShellAction shell = nullptr;
    ClipboardWriter clipboard = nullptr;
    void* context = nullptr;
};

// What a call selection yields.
struct SelectedCall {
    char name[260] = {};
    bool plugin = false;
    std::string arguments;  // the text between "(" and the next ")"
};

// "%s\\corefilters\\%s.htm" or "%s\\externalfilters\\%s.htm".
void formatDocPage(char* out, size_t cap, const char* docFolder, const char* name, bool plugin);

// Runs the lookup on the selected text. For docCallSelected, call is filled; otherwise its
// name is cleared.
DocLookupResult lookUpDocumentation(const std::string& selection, const char* docFolder,
                                    const FunctionNameTable& names, const DocLookupPlatform& platform,
                                    SelectedCall& call);

// The folder of a chosen file: the path up to and without its file title.
void folderOfFile(char* out, size_t cap, const char* path);

#pragma once
// The editor's helpers that the window procedure and the loop reach: the function-name table
// read from the filter list, the styling pass, the tip, the filter search and the last
// selected filter or call. Global beside the editor wrapper for the same reason.
#include "editor/doc_lookup.h"
#include "editor/editor_styling.h"
#include "editor/filter_search.h"
#include "editor/function_names.h"
#include "editor/function_tip.h"

struct EditorAssist {
    FunctionNameTable names;
    EditorStyling styling;
    FunctionTip tip;
    FilterSearch search;
    char selectedFilter[260] = {};  // the filter list's selected name
    bool selectedPlugin = false;    // and its plug-in flag
    SelectedCall selectedCall;      // the call an F1 on a selection found
};

extern EditorAssist editorAssist;

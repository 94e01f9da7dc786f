#pragma once
// Pieces of the AviSynth error reports as the tests expect them.
#include <cstdio>
#include <string>

#include "avisynth/avs_string_table.h"

// The text of a string-table entry.
inline std::string entry(int id) {
    char text[2048];
    loadAvsText(nullptr, id, text, sizeof text);
    return text;
}

// The closing lines of a report of the given level.
inline std::string tail(int level) {
    char text[80];
    snprintf(text, sizeof text, "\n\nAVSERR_%02i\nConsult the Zandolin documentation for details.", level);
    return text;
}

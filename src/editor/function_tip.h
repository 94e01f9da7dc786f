#pragma once
// The function-name tip while typing: a word at the caret that begins some function name
// selects that name in the filter list and, after a short wait, shows it as a call tip.
#include <cstddef>

#include "editor/function_names.h"

constexpr unsigned tipTimerId = 25555;
constexpr unsigned tipDelayFirst = 650;     // ms before the first tip
constexpr unsigned tipDelayShowing = 10;    // ms while a tip already shows
constexpr int tipColour = 0x0000C8;
constexpr size_t tipTextSize = 128;

struct FunctionTip {
    char word[64] = {};       // the typed word, when it matched
    size_t wordStart = 0;     // its position in the editor
    bool showing = false;     // a call tip is up
    bool matched = false;     // the last typed character gave a match
};

// Runs on every character added to the editor. Returns true (a match) when the word around the
// caret has at least 2 characters, begins some function name and is not already a whole name;
// tip.word and tip.wordStart are then set. Otherwise the tip is cancelled.
bool checkTypedCharacter(FunctionTip& tip, int ch, const FunctionNameTable& names);

// Milliseconds to wait before showing the tip for a match.
inline unsigned tipDelay(const FunctionTip& tip) { return tip.showing ? tipDelayShowing : tipDelayFirst; }

// The tip text for a function name, at most tipTextSize - 1 characters.
void formatTipText(char* out, size_t cap, const char* name);

// Shows the tip for the given name at the caret (cancelling any tip first) and marks it up.
void showFunctionTip(FunctionTip& tip, const char* name);
void cancelFunctionTip(FunctionTip& tip);

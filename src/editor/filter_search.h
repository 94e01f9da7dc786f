#pragma once
// The incremental search typed into the filter list: keys arrive by their key names.
#include <cstddef>

constexpr size_t filterSearchLimit = 32;

enum FilterSearchAction {
    searchIgnored = 0,     // nothing to do
    searchChanged = 1,     // the text changed: show it and select the first matching name
    searchCancelTip = 2,   // Esc
    searchInsert = 3,      // Enter or Num Enter: insert the selected name
    searchOpenParameters = 4,  // Tab: open the parameter dialog for the selected name
};

struct FilterSearch {
    char text[filterSearchLimit + 1] = {};

    void clear() { text[0] = '\0'; }
    // Applies one key, named as the platform names keys ("A", "-", "Backspace", "Enter").
    FilterSearchAction applyKey(const char* keyName);
};

// "Filter search = %s" for the status bar.
void formatFilterSearchStatus(char* out, size_t cap, const FilterSearch& search);

#include "editor/filter_search.h"

#include <cstring>

#include "base/bounded_text.h"

FilterSearchAction FilterSearch::applyKey(const char* keyName) {
    if (!keyName) return searchIgnored;
    if (std::strcmp(keyName, "Esc") == 0) return searchCancelTip;
    if (std::strcmp(keyName, "Enter") == 0 || std::strcmp(keyName, "Num Enter") == 0) return searchInsert;
    if (std::strcmp(keyName, "Tab") == 0) return searchOpenParameters;
    size_t used = std::strlen(text);
    if (std::strcmp(keyName, "Backspace") == 0) {
        if (used > 0) text[used - 1] = '\0';
        return searchChanged;
    }
    if (keyName[0] == '\0' || keyName[1] != '\0') return searchIgnored;
    if (used < filterSearchLimit) {
        text[used] = keyName[0] == '-' ? '_' : keyName[0];
        text[used + 1] = '\0';
    }
    return searchChanged;
}

void formatFilterSearchStatus(char* out, size_t cap, const FilterSearch& search) {
    formatText(out, cap, "Filter search = %s", search.text);
}

#include "editor/function_names.h"

#include <algorithm>

void FunctionNameTable::clear() {
    names.clear();
    for (auto& r : byFirst) r = {};
    longestName = 0;
}

void FunctionNameTable::add(const char* name, bool plugin) {
    if (!name || !*name) return;
    FunctionName entry;
    entry.name = name;
    entry.lower = entry.name;
    for (char& c : entry.lower) c = static_cast<char>(lowerAscii(static_cast<unsigned char>(c)));
    entry.plugin = plugin;
    names.push_back(std::move(entry));
}

void FunctionNameTable::sort() {
    std::stable_sort(names.begin(), names.end(),
                     [](const FunctionName& a, const FunctionName& b) { return a.lower < b.lower; });
    names.erase(std::unique(names.begin(), names.end(),
                            [](const FunctionName& a, const FunctionName& b) { return a.lower == b.lower; }),
                names.end());
    for (auto& r : byFirst) r = {};
    longestName = 0;
    for (size_t i = 0; i < names.size(); ++i) {
        auto c = static_cast<unsigned char>(names[i].lower[0]);
        if (byFirst[c].empty()) byFirst[c].first = i;
        byFirst[c].last = i + 1;
        longestName = std::max(longestName, names[i].lower.size());
    }
}

NameRange FunctionNameTable::narrow(NameRange range, size_t depth, unsigned char c) const {
    c = lowerAscii(c);
    if (depth == 0) return byFirst[c];
    // Within the range all names share depth characters; a name of exactly that length sorts
    // first, the rest are ordered by their character at depth.
    auto charAt = [depth](const FunctionName& n) -> int {
        return depth < n.lower.size() ? static_cast<unsigned char>(n.lower[depth]) : -1;
    };
    size_t lo = range.first, hi = range.last;
    while (lo < hi) {  // first with charAt >= c
        size_t mid = lo + (hi - lo) / 2;
        if (charAt(names[mid]) < c) lo = mid + 1; else hi = mid;
    }
    size_t first = lo;
    if (first >= range.last || charAt(names[first]) != c) return {first, first};
    hi = range.last;
    while (lo < hi) {  // first with charAt > c
        size_t mid = lo + (hi - lo) / 2;
        if (charAt(names[mid]) <= c) lo = mid + 1; else hi = mid;
    }
    return {first, lo};
}

NameRange FunctionNameTable::withPrefix(const char* text, size_t length) const {
    NameRange range = all();
    for (size_t i = 0; i < length && !range.empty(); ++i)
        range = narrow(range, i, static_cast<unsigned char>(text[i]));
    return range;
}

long FunctionNameTable::find(const char* text, size_t length) const {
    if (length == 0) return -1;
    NameRange range = withPrefix(text, length);
    return wholeAt(range, length) ? static_cast<long>(range.first) : -1;
}

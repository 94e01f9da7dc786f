#pragma once
// The function names that AviSynth reports, each marked internal or plug-in, kept sorted
// without regard to case so that styling and the tip can narrow a prefix by binary search
// instead of asking the combo box for every character.
#include <cstddef>
#include <string>
#include <vector>

struct FunctionName {
    std::string lower;  // the name in lower case, for comparisons
    std::string name;   // as AviSynth spells it
    bool plugin = false;
};

// A range [first, last) of the sorted names that share a prefix.
struct NameRange {
    size_t first = 0;
    size_t last = 0;
    bool empty() const { return first >= last; }
};

class FunctionNameTable {
public:
    void clear();
    // Collects a name; call sort() after the last one. Empty names are ignored.
    void add(const char* name, bool plugin);
    // Sorts without regard to case; of names equal but for case the first added is kept.
    void sort();

    size_t size() const { return names.size(); }
    const FunctionName& at(size_t i) const { return names[i]; }
    size_t longest() const { return longestName; }

    NameRange all() const { return {0, names.size()}; }
    // The names of range (which share their first depth characters) whose next character is c
    // (any case).
    NameRange narrow(NameRange range, size_t depth, unsigned char c) const;
    // Names beginning with text (any case).
    NameRange withPrefix(const char* text, size_t length) const;
    // The index of the name equal to text (any case), or -1.
    long find(const char* text, size_t length) const;
    long find(const std::string& text) const { return find(text.data(), text.size()); }
    // True when range holds a name exactly depth characters long (it sorts first).
    bool wholeAt(NameRange range, size_t depth) const {
        return !range.empty() && names[range.first].lower.size() == depth;
    }

private:
    std::vector<FunctionName> names;
    NameRange byFirst[256] = {};
    size_t longestName = 0;
};

inline unsigned char lowerAscii(unsigned char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c + 32) : c;
}

#pragma once
// Container styling: runs the script styler over the editor's text when the editor asks.
#include <cstddef>
#include <vector>

#include "editor/function_names.h"

struct StylingPass {
    size_t start = 0;   // first position styled
    size_t length = 0;  // characters styled
};

class EditorStyling {
public:
    // Styles from the start of the line that holds the end of the styled text up to position
    // (SCN_STYLENEEDED). Returns the region styled.
    StylingPass styleTo(size_t position, const FunctionNameTable& names);
    const StylingPass& lastPass() const { return last; }

private:
    std::vector<unsigned char> styles;
    StylingPass last;
};

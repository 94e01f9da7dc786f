#include "editor/editor_styling.h"

#include <algorithm>

#include "editor/script_editor.h"
#include "editor/script_styler.h"

namespace {
constexpr int styleMask = 31;
}

StylingPass EditorStyling::styleTo(size_t position, const FunctionNameTable& names) {
    last = {};
    size_t docLength = scriptEditor.length();
    size_t endStyled = static_cast<size_t>(scriptEditor.call(sciGetEndStyled));
    intptr_t line = scriptEditor.call(sciLineFromPosition, endStyled);
    size_t start = static_cast<size_t>(scriptEditor.call(sciPositionFromLine, static_cast<uintptr_t>(line)));
    position = std::min(position, docLength);
    if (position <= start) return last;
    // Enough text after the requested end for a name that starts before it to be finished.
    size_t windowEnd = std::min(docLength, position + names.longest() + 1);
    size_t windowLength = windowEnd - start;
    const char* text = scriptEditor.rangePointer(start, windowLength);
    if (!text) return last;
    if (styles.size() < windowLength) styles.resize(windowLength);
    size_t styled = styleScript(text, windowLength, position - start, windowEnd == docLength, names,
                                styles.data());
    scriptEditor.call(sciStartStyling, start, styleMask);
    size_t runStart = 0;
    for (size_t i = 1; i <= styled; ++i) {
        if (i == styled || styles[i] != styles[runStart]) {
            scriptEditor.call(sciSetStyling, i - runStart, styles[runStart]);
            runStart = i;
        }
    }
    last = {start, styled};
    return last;
}

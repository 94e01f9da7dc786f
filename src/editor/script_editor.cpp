#include "editor/script_editor.h"

ScriptEditor scriptEditor;

size_t ScriptEditor::length() const {
    intptr_t n = call(sciGetLength);
    return n > 0 ? static_cast<size_t>(n) : 0;
}

std::string ScriptEditor::text() const {
    size_t n = length();
    std::string out(n + 1, '\0');
    // The component writes at most wParam characters and then a terminating zero.
    intptr_t got = call(sciGetText, n, reinterpret_cast<intptr_t>(out.data()));
    out.resize(got > 0 && static_cast<size_t>(got) <= n ? static_cast<size_t>(got) : 0);
    return out;
}

std::string ScriptEditor::selectedText() const {
    intptr_t n = call(sciGetSelText);
    if (n <= 0) return {};
    // Older components count the zero, newer ones do not: room for both.
    std::string out(static_cast<size_t>(n) + 1, '\0');
    call(sciGetSelText, 0, reinterpret_cast<intptr_t>(out.data()));
    out.resize(static_cast<size_t>(n));
    while (!out.empty() && out.back() == '\0') out.pop_back();
    return out;
}

const char* ScriptEditor::rangePointer(size_t start, size_t count) const {
    return reinterpret_cast<const char*>(call(sciGetRangePointer, start, static_cast<intptr_t>(count)));
}

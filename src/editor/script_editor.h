#pragma once
// The editor wrapper: the editing component's direct-call binding. One global instance, because
// the window procedure, the loop and the commands all drive the same editor.
#include <cstddef>
#include <cstdint>
#include <string>

#include "editor/scintilla_contract.h"

// The component's direct function: same numbers and arguments as its window messages.
using EditorDirectFunction = intptr_t (*)(intptr_t pointer, unsigned message, uintptr_t wParam,
                                          intptr_t lParam);

class ScriptEditor {
public:
    void bind(EditorDirectFunction function, intptr_t pointer) {
        directFunction = function;
        directPointer = pointer;
    }
    void unbind() { bind(nullptr, 0); }
    bool bound() const { return directFunction != nullptr; }

    // Unbound, every message answers 0 so callers never need a guard.
    intptr_t call(unsigned message, uintptr_t wParam = 0, intptr_t lParam = 0) const {
        return directFunction ? directFunction(directPointer, message, wParam, lParam) : 0;
    }
    intptr_t callText(unsigned message, uintptr_t wParam, const char* text) const {
        return call(message, wParam, reinterpret_cast<intptr_t>(text));
    }

    size_t length() const;
    // The whole text; sized from the reported length, never written past.
    std::string text() const;
    void setText(const char* text) const { callText(sciSetText, 0, text ? text : ""); }
    // The selected text (empty when nothing is selected).
    std::string selectedText() const;
    // A read-only view of [start, start + count) of the text, valid until the next change.
    const char* rangePointer(size_t start, size_t count) const;
    // The word around the caret, as the component sees words.
    size_t caret() const { return static_cast<size_t>(call(sciGetCurrentPos)); }
    void replaceSelection(const char* text) const { callText(sciReplaceSel, 0, text ? text : ""); }
    void setSavePoint() const { call(sciSetSavePoint); }
    bool modified() const { return call(sciGetModify) != 0; }

private:
    EditorDirectFunction directFunction = nullptr;
    intptr_t directPointer = 0;
};

extern ScriptEditor scriptEditor;

#include "editor/function_tip.h"

#include "base/bounded_text.h"
#include "editor/script_editor.h"

bool checkTypedCharacter(FunctionTip& tip, int ch, const FunctionNameTable& names) {
    tip.matched = false;
    if (ch == ' ' || ch == '(') {
        cancelFunctionTip(tip);
        return false;
    }
    const ScriptEditor& ed = scriptEditor;
    size_t caret = ed.caret();
    auto start = static_cast<size_t>(ed.call(sciWordStartPosition, caret, 1));
    auto end = static_cast<size_t>(ed.call(sciWordEndPosition, caret, 1));
    size_t length = end > start ? end - start : 0;
    const char* word = length ? ed.rangePointer(start, length) : nullptr;
    if (caret == start || length < 2 || length >= sizeof tip.word || !word ||
        names.withPrefix(word, length).empty() || names.find(word, length) >= 0) {
        cancelFunctionTip(tip);
        return false;
    }
    copyTextN(tip.word, sizeof tip.word, word, length);
    tip.wordStart = start;
    tip.matched = true;
    return true;
}

void formatTipText(char* out, size_t cap, const char* name) {
    char text[tipTextSize];
    formatText(text, sizeof text, "%s\nUse Up or Down Arrows to Scan List\nPress Enter for Parameter Dlg\nPress Shift+Tab to open list",
               name ? name : "");
    copyText(out, cap, text);
}

void showFunctionTip(FunctionTip& tip, const char* name) {
    char text[tipTextSize];
    formatTipText(text, sizeof text, name);
    scriptEditor.call(sciCallTipCancel);
    scriptEditor.call(sciCallTipSetFore, tipColour);
    scriptEditor.callText(sciCallTipShow, scriptEditor.caret(), text);
    tip.showing = true;
}

void cancelFunctionTip(FunctionTip& tip) {
    scriptEditor.call(sciCallTipCancel);
    tip.showing = false;
}

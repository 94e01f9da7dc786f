#include "editor/number_sign_toggle.h"

#include "editor/script_editor.h"

void toggleNumberSign() {
    const ScriptEditor& ed = scriptEditor;
    intptr_t selStart = ed.call(sciGetSelectionStart);
    intptr_t selEnd = ed.call(sciGetSelectionEnd);
    intptr_t firstLine = ed.call(sciLineFromPosition, static_cast<uintptr_t>(selStart));
    intptr_t lastLine = ed.call(sciLineFromPosition, static_cast<uintptr_t>(selEnd));
    ed.call(sciBeginUndoAction);
    for (intptr_t line = firstLine; line <= lastLine; ++line) {
        intptr_t start = ed.call(sciPositionFromLine, static_cast<uintptr_t>(line));
        intptr_t end = ed.call(sciGetLineEndPosition, static_cast<uintptr_t>(line));
        if (start < end && ed.call(sciGetCharAt, static_cast<uintptr_t>(start)) == '#') {
            ed.call(sciSetSel, static_cast<uintptr_t>(start), start + 1);
            ed.replaceSelection("");
        } else {
            ed.callText(sciInsertText, static_cast<uintptr_t>(start), "#");
        }
    }
    ed.call(sciEndUndoAction);
    intptr_t next = ed.call(sciPositionFromLine, static_cast<uintptr_t>(lastLine + 1));
    // Past the last line the component answers -1: stay at the end of the text.
    if (next < 0) next = static_cast<intptr_t>(ed.length());
    ed.call(sciGotoPos, static_cast<uintptr_t>(next));
}

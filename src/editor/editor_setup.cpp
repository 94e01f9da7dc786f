#include "editor/editor_setup.h"

#include "editor/script_editor.h"

int lineNumberMarginWidth(int fontSize, bool lineNumbers) {
    return lineNumbers ? static_cast<int>(fontSize * 3.4) : 0;
}

void applyEditorSetup(const EditorLook& look) {
    if (look.fontName && *look.fontName) scriptEditor.callText(sciStyleSetFont, styleGlobalDefault, look.fontName);
    scriptEditor.call(sciStyleSetSize, styleGlobalDefault, look.fontSize);
    // The container styles the text (newer components ignore this and do so by default).
    scriptEditor.call(sciSetLexer, 0);
    scriptEditor.call(sciStyleClearAll);
    const int colours[] = {colourPlain, colourInternalName, colourPluginName, colourComment, colourString};
    for (int style = stylePlain; style <= styleString; ++style)
        scriptEditor.call(sciStyleSetFore, static_cast<uintptr_t>(style), colours[style - stylePlain]);
    scriptEditor.call(sciSetMarginWidthN, 0, lineNumberMarginWidth(look.fontSize, look.lineNumbers));
    scriptEditor.call(sciSetMarginWidthN, 1, 0);
    scriptEditor.call(sciSetMouseDwellTime, 1000);
}

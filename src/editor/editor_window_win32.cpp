#include "editor/editor_window_win32.h"

#include "editor/script_editor.h"

// The component's own notification record begins like this on every platform.
struct EditorNotifyHeader {
    NMHDR header;
    intptr_t position;
    int ch;
};

HMODULE loadEditorLibrary(const char* path) { return LoadLibraryA(path); }

bool bindEditorWindow(HWND editor) {
    if (!editor) return false;
    auto function = reinterpret_cast<EditorDirectFunction>(SendMessageA(editor, sciGetDirectFunction, 0, 0));
    auto pointer = static_cast<intptr_t>(SendMessageA(editor, sciGetDirectPointer, 0, 0));
    if (!function || !pointer) {
        scriptEditor.unbind();
        return false;
    }
    scriptEditor.bind(function, pointer);
    return true;
}

EditorNotification readEditorNotification(LPARAM lParam) {
    EditorNotification out;
    const auto* n = reinterpret_cast<const EditorNotifyHeader*>(lParam);
    if (!n) return out;
    out.code = n->header.code;
    if (out.code == scnStyleNeeded || out.code == scnCharAdded) {
        out.position = n->position;
        out.ch = n->ch;
    }
    return out;
}

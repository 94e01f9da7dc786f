#include "editor/editor_events_win32.h"

#include "avisynth/list_controls.h"

#include <commctrl.h>
#include <commdlg.h>
#include <shellapi.h>

#include <cstring>
#include <string>

#include "base/bounded_text.h"
#include "app/window_table.h"
#include "editor/editor_assist.h"
#include "editor/script_editor.h"

namespace {

HWND window(int index) { return static_cast<HWND>(windowTable.handle[index]); }

void setStatusPart(int part, const char* text) {
    if (window(winStatusBar)) SendMessageA(window(winStatusBar), SB_SETTEXTA, static_cast<WPARAM>(part),
                                           reinterpret_cast<LPARAM>(text));
}

// The list item's text, bounded by the buffer.
bool listItemText(HWND list, LRESULT index, char* out, size_t cap) {
    out[0] = '\0';
    if (index < 0) return false;
    LRESULT length = SendMessageA(list, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == CB_ERR) return false;
    std::string text(static_cast<size_t>(length) + 1, '\0');
    SendMessageA(list, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    copyText(out, cap, text.c_str());
    return true;
}

void selectFirstBeginningWith(const char* text) {
    HWND list = window(winFilterList);
    if (!list) return;
    LRESULT index = SendMessageA(list, CB_FINDSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text));
    if (index != CB_ERR) SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

bool shellAction(const char* verb, const char* path, void* context) {
    auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteA(static_cast<HWND>(context), verb, path, nullptr, nullptr, SW_SHOWNORMAL));
    return result > 32;
}

void putOnClipboard(const char* text, void* context) {
    if (!OpenClipboard(static_cast<HWND>(context))) return;
    EmptyClipboard();
    size_t size = std::strlen(text) + 1;
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
    if (memory) {
        if (void* p = GlobalLock(memory)) {
            std::memcpy(p, text, size);
            GlobalUnlock(memory);
            if (!SetClipboardData(CF_TEXT, memory)) GlobalFree(memory);
        } else {
            GlobalFree(memory);
        }
    }
    CloseClipboard();
}

}  // namespace

// Read through the binding's list calls, which skip the filter list's tooltip subclass.
void loadFunctionNames(HWND filterList) {
    editorAssist.names.clear();
    int count = filterList ? comboItemCount(filterList) : 0;
    for (int i = 0; i < count; ++i) {
        char name[260];
        comboItemText(filterList, i, name, sizeof name);
        if (name[0]) editorAssist.names.add(name, comboItemData(filterList, i) == 1);
    }
    editorAssist.names.sort();
}

void onStyleNeeded(intptr_t position) {
    if (position < 0) return;
    editorAssist.styling.styleTo(static_cast<size_t>(position), editorAssist.names);
}

bool onCharAdded(int ch) {
    FunctionTip& tip = editorAssist.tip;
    if (!checkTypedCharacter(tip, ch, editorAssist.names)) {
        if (window(winMain)) KillTimer(window(winMain), tipTimerId);
        return false;
    }
    selectFirstBeginningWith(tip.word);
    setStatusPart(2, tip.word);
    setStatusPart(3, "Press Enter for Filter Dlg");
    if (window(winMain)) SetTimer(window(winMain), tipTimerId, tipDelay(tip), nullptr);
    return true;
}

void onTipTimer() {
    if (window(winMain)) KillTimer(window(winMain), tipTimerId);
    char name[tipTextSize] = {};
    HWND list = window(winFilterList);
    if (list) listItemText(list, SendMessageA(list, CB_GETCURSEL, 0, 0), name, sizeof name);
    showFunctionTip(editorAssist.tip, name);
}

void cancelTip() {
    if (window(winMain)) KillTimer(window(winMain), tipTimerId);
    cancelFunctionTip(editorAssist.tip);
}

FilterSearchAction onFilterSearchKey(const char* keyName) {
    FilterSearchAction action = editorAssist.search.applyKey(keyName);
    switch (action) {
    case searchChanged: {
        char status[128];
        formatFilterSearchStatus(status, sizeof status, editorAssist.search);
        setStatusPart(3, status);
        selectFirstBeginningWith(editorAssist.search.text);
        break;
    }
    case searchCancelTip: cancelTip(); break;
    case searchInsert: insertSelectedFilter(); break;
    default: break;
    }
    return action;
}

bool readSelectedFilter() {
    HWND list = window(winFilterList);
    editorAssist.selectedFilter[0] = '\0';
    editorAssist.selectedPlugin = false;
    if (!list) return false;
    LRESULT index = SendMessageA(list, CB_GETCURSEL, 0, 0);
    if (!listItemText(list, index, editorAssist.selectedFilter, sizeof editorAssist.selectedFilter)) return false;
    editorAssist.selectedPlugin = SendMessageA(list, CB_GETITEMDATA, static_cast<WPARAM>(index), 0) == 1;
    return true;
}

void insertSelectedFilter() {
    if (readSelectedFilter()) scriptEditor.replaceSelection(editorAssist.selectedFilter);
}

DocLookupResult lookUpDocumentationForSelection(HWND owner, const char* docFolder) {
    DocLookupPlatform platform{shellAction, putOnClipboard, owner};
    return lookUpDocumentation(scriptEditor.selectedText(), docFolder, editorAssist.names, platform,
                               editorAssist.selectedCall);
}

bool askDocumentationFolder(HWND owner, char* folder, size_t cap) {
    char file[MAX_PATH] = {};
    OPENFILENAMEA dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = "htm (*.htm)\0*.htm\0";
    dialog.lpstrFile = file;
    dialog.nMaxFile = sizeof file;
    dialog.lpstrTitle = "AviSynth doc";
    dialog.lpstrDefExt = "htm";
    dialog.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    if (!GetOpenFileNameA(&dialog)) return false;
    folderOfFile(folder, cap, file);
    return true;
}

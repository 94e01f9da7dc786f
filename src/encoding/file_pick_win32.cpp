#include "encoding/file_pick_win32.h"

#include <commdlg.h>

#include "base/bounded_text.h"

bool pickFile(HWND owner, const char* title, const char* defaultExtension, const char* filter,
              int filterIndex, const char* initialName, bool save, char* out, size_t cap) {
    char name[270];
    copyText(name, initialName);
    OPENFILENAMEA dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter;
    dialog.nFilterIndex = static_cast<DWORD>(filterIndex);
    dialog.lpstrFile = name;
    dialog.nMaxFile = sizeof name;
    dialog.lpstrTitle = title;
    dialog.lpstrDefExt = defaultExtension;
    // A save dialog must accept a name that does not exist yet: an encoder's output is new.
    dialog.Flags = save ? OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY
                        : OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
    const BOOL chosen = save ? GetSaveFileNameA(&dialog) : GetOpenFileNameA(&dialog);
    copyText(out, cap, chosen ? name : "");
    return chosen != FALSE;
}

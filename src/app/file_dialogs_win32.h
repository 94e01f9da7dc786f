#pragma once
// The common dialogs over FileDialogs: the script dialog, the general dialog, the font dialog,
// the editor font and dropped files.
#include <windows.h>

#include <cstring>

#include "app/file_dialogs.h"

enum ScriptDialogMode { scriptDialogSave = 0, scriptDialogOpen = 1 };
enum GeneralDialogMode { generalDialogOpen = 0, generalDialogSave = 1 };

// 0 when a name was chosen (it is then the last path), 1 when cancelled.
int scriptDialog(FileDialogs& dialogs, HWND owner, const char* currentName, int mode);
// The chosen path, or an empty text when cancelled. filter is a key or a complete list of
// `length` bytes (zero bytes inside). initialName, when given, replaces the last path as the
// starting name.
const char* generalDialog(FileDialogs& dialogs, HWND owner, const char* title, const char* defaultExtension,
                          const char* filter, size_t length, int mode, const char* initialName = nullptr);
inline const char* generalDialog(FileDialogs& dialogs, HWND owner, const char* title, const char* defaultExtension,
                                 const char* key, int mode) {
    return generalDialog(dialogs, owner, title, defaultExtension, key, strlen(key), mode);
}
// A new font, or null when cancelled; the stored description and face are rewritten.
HFONT fontDialog(FileDialogs& dialogs, HWND owner);
// The editor font from the stored description, or null when there is none.
HFONT buildFont(FileDialogs& dialogs, HWND owner);
// The dropped path, or null: several files, or a name too long for its buffer, are refused
// with a box. The drop is finished in every case.
const char* droppedFile(FileDialogs& dialogs, HWND owner, HDROP drop);

#include "base/message_box.h"

#include <windows.h>

int showMessageBox(WindowHandle owner, const char* text, const char* title, unsigned flags) {
    return MessageBoxA(static_cast<HWND>(owner), text ? text : "", title ? title : "", flags);
}

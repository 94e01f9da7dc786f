#include "app/key_name_win32.h"

#include "base/bounded_text.h"

void readKeyName(LPARAM keyData, char* name, size_t size) {
    if (!name || size == 0) return;
    const UINT scanCode = (static_cast<UINT>(keyData) >> 16) & 0xFF;
    const bool extended = (keyData >> 24) & 1;
    const char* fixed = nullptr;
    switch (MapVirtualKeyA(scanCode, MAPVK_VSC_TO_VK)) {
    case VK_RETURN: fixed = extended ? "Num Enter" : "Enter"; break;
    case VK_ESCAPE: fixed = "Esc"; break;
    case VK_TAB: fixed = "Tab"; break;
    case VK_BACK: fixed = "Backspace"; break;
    }
    if (fixed) {
        copyText(name, size, fixed);
        return;
    }
    name[0] = '\0';
    GetKeyNameTextA(static_cast<LONG>(keyData), name, static_cast<int>(size));
}

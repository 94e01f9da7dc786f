#include <windows.h>

#include <cstring>
#include <string>

#include "base/bounded_text.h"
#include "avisynth/list_controls.h"

namespace {
HWND hwnd(WindowHandle w) { return static_cast<HWND>(w); }
constexpr UINT sciAppendText = 2282;
}  // namespace

int comboAddItem(WindowHandle combo, const char* text) {
    LRESULT index = SendMessageA(hwnd(combo), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    return index < 0 ? -1 : static_cast<int>(index);
}

void comboSetItemData(WindowHandle combo, int index, long data) {
    SendMessageA(hwnd(combo), CB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(data));
}

int comboItemCount(WindowHandle combo) {
    LRESULT n = SendMessageA(hwnd(combo), CB_GETCOUNT, 0, 0);
    return n < 0 ? 0 : static_cast<int>(n);
}

void comboItemText(WindowHandle combo, int index, char* dst, size_t cap) {
    if (!dst || cap == 0) return;
    dst[0] = 0;
    LRESULT length = SendMessageA(hwnd(combo), CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length < 0) return;
    // The control writes the whole item; read into a buffer that fits, then cut.
    std::string text(static_cast<size_t>(length) + 1, '\0');
    SendMessageA(hwnd(combo), CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    copyText(dst, cap, text.c_str());
}

long comboItemData(WindowHandle combo, int index) {
    return static_cast<long>(SendMessageA(hwnd(combo), CB_GETITEMDATA, static_cast<WPARAM>(index), 0));
}

void editorAppendText(WindowHandle editor, const char* text) {
    if (!text) return;
    SendMessageA(hwnd(editor), sciAppendText, strlen(text), reinterpret_cast<LPARAM>(text));
}

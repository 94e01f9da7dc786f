#include <windows.h>

#include <cstring>
#include <string>

#include "base/bounded_text.h"
#include "avisynth/list_controls.h"

namespace {
HWND hwnd(WindowHandle w) { return static_cast<HWND>(w); }
constexpr UINT sciAppendText = 2282;

// The combo box's own procedure, called directly: the filter list carries a tooltip whose
// subclass only relays mouse messages, yet under Wine it costs a server round trip on every
// message, which for hundreds of names adds tens of milliseconds to start-up.
LRESULT comboMessage(WindowHandle combo, UINT message, WPARAM wParam, LPARAM lParam) {
    HWND window = hwnd(combo);
    auto procedure = reinterpret_cast<WNDPROC>(GetClassLongPtrA(window, GCLP_WNDPROC));
    if (!procedure) return SendMessageA(window, message, wParam, lParam);
    return CallWindowProcA(procedure, window, message, wParam, lParam);
}
}  // namespace

int comboAddItem(WindowHandle combo, const char* text) {
    LRESULT index = comboMessage(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    return index < 0 ? -1 : static_cast<int>(index);
}

void comboSetItemData(WindowHandle combo, int index, long data) {
    comboMessage(combo, CB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(data));
}

void comboHoldRedraw(WindowHandle combo, bool hold) {
    comboMessage(combo, WM_SETREDRAW, hold ? FALSE : TRUE, 0);
}

int comboItemCount(WindowHandle combo) {
    LRESULT n = comboMessage(combo, CB_GETCOUNT, 0, 0);
    return n < 0 ? 0 : static_cast<int>(n);
}

void comboItemText(WindowHandle combo, int index, char* dst, size_t cap) {
    if (!dst || cap == 0) return;
    dst[0] = 0;
    LRESULT length = comboMessage(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length < 0) return;
    // The control writes the whole item; read into a buffer that fits, then cut.
    std::string text(static_cast<size_t>(length) + 1, '\0');
    comboMessage(combo, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    copyText(dst, cap, text.c_str());
}

long comboItemData(WindowHandle combo, int index) {
    return static_cast<long>(comboMessage(combo, CB_GETITEMDATA, static_cast<WPARAM>(index), 0));
}

void editorAppendText(WindowHandle editor, const char* text) {
    if (!text) return;
    SendMessageA(hwnd(editor), sciAppendText, strlen(text), reinterpret_cast<LPARAM>(text));
}

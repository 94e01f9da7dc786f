#include <strings.h>

#include "base/bounded_text.h"
#include "avisynth/list_controls.h"
#include "avisynth/native_controls.h"

namespace {
NativeComboBox* box(WindowHandle w) { return static_cast<NativeComboBox*>(w); }
bool valid(NativeComboBox* b, int index) { return b && index >= 0 && index < static_cast<int>(b->items.size()); }
}  // namespace

int comboAddItem(WindowHandle combo, const char* text) {
    NativeComboBox* b = box(combo);
    if (!b || !text) return -1;
    size_t at = 0;
    while (at < b->items.size() && strcasecmp(b->items[at].text.c_str(), text) <= 0) ++at;
    b->items.insert(b->items.begin() + static_cast<long>(at), NativeComboBox::Item{text, 0});
    return static_cast<int>(at);
}

void comboSetItemData(WindowHandle combo, int index, long data) {
    if (valid(box(combo), index)) box(combo)->items[static_cast<size_t>(index)].data = data;
}

void comboHoldRedraw(WindowHandle, bool) {}

int comboItemCount(WindowHandle combo) { return box(combo) ? static_cast<int>(box(combo)->items.size()) : 0; }

void comboItemText(WindowHandle combo, int index, char* dst, size_t cap) {
    copyText(dst, cap, valid(box(combo), index) ? box(combo)->items[static_cast<size_t>(index)].text.c_str() : "");
}

long comboItemData(WindowHandle combo, int index) {
    return valid(box(combo), index) ? box(combo)->items[static_cast<size_t>(index)].data : -1;
}

void editorAppendText(WindowHandle editor, const char* text) {
    if (editor && text) static_cast<NativeEditor*>(editor)->text += text;
}

#pragma once
// The two controls the function lists reach: the sorted filter combo box (items with item
// data) and the editor that receives the listing.
#include <cstddef>

#include "base/message_box.h"

// Adds a name; returns the index where the sorted list put it, or -1.
int comboAddItem(WindowHandle combo, const char* text);
void comboSetItemData(WindowHandle combo, int index, long data);
// Stops (hold) and restarts the combo box's repainting, around filling it with many names.
void comboHoldRedraw(WindowHandle combo, bool hold);
int comboItemCount(WindowHandle combo);
// Copies the item's text, cut to cap; empty for a bad index.
void comboItemText(WindowHandle combo, int index, char* dst, size_t cap);
long comboItemData(WindowHandle combo, int index);
// Appends text at the end of the editor's document.
void editorAppendText(WindowHandle editor, const char* text);

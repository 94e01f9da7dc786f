#pragma once
// The name of the key behind a character message, as the key tests of the loop spell it.
#include <windows.h>

#include <cstddef>

// Enter, Num Enter, Esc, Tab and Backspace are told by their key code, because the platform's
// key names differ between systems ("Return" and "Escape" under Wine, translated names in
// other languages); every other key keeps the platform's name.
void readKeyName(LPARAM keyData, char* name, size_t size);

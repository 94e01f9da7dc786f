#pragma once
// Loads an entry of the program's string table (the AviSynth report texts, 11201 to 11212).
#include <cstddef>

// Returns the length copied (0 when the entry is missing); dst is always terminated.
size_t loadAvsText(void* instance, int id, char* dst, size_t cap);

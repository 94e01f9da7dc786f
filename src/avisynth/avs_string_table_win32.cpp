#include <windows.h>

#include "avisynth/avs_string_table.h"

size_t loadAvsText(void* instance, int id, char* dst, size_t cap) {
    if (!dst || cap == 0) return 0;
    dst[0] = 0;
    int n = LoadStringA(static_cast<HINSTANCE>(instance), static_cast<UINT>(id), dst, static_cast<int>(cap));
    return n > 0 ? static_cast<size_t>(n) : 0;
}

#include "base/bounded_text.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

size_t copyTextN(char* dst, size_t cap, const char* src, size_t count) {
    if (!dst || cap == 0) return 0;
    size_t n = 0;
    if (src) {
        while (n + 1 < cap && n < count && src[n] != '\0') {
            dst[n] = src[n];
            ++n;
        }
    }
    dst[n] = '\0';
    return n;
}

size_t copyText(char* dst, size_t cap, const char* src) {
    return copyTextN(dst, cap, src, static_cast<size_t>(-1));
}

size_t appendText(char* dst, size_t cap, const char* src) {
    if (!dst || cap == 0) return 0;
    size_t used = strnlen(dst, cap);
    if (used >= cap) {  // not terminated: treat the buffer as full
        dst[cap - 1] = '\0';
        return cap - 1;
    }
    return used + copyText(dst + used, cap - used, src);
}

size_t formatText(char* dst, size_t cap, const char* format, ...) {
    if (!dst || cap == 0) return 0;
    va_list args;
    va_start(args, format);
    int n = vsnprintf(dst, cap, format, args);
    va_end(args);
    if (n < 0) {
        dst[0] = '\0';
        return 0;
    }
    return static_cast<size_t>(n) < cap ? static_cast<size_t>(n) : cap - 1;
}

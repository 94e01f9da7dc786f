#pragma once
// Texts live in fixed buffers; every copy, append and format goes through these helpers,
// which cut what does not fit and always leave a terminating zero.
#include <cstddef>

// Copies src (null means empty) into dst of capacity cap; returns the length written.
size_t copyText(char* dst, size_t cap, const char* src);
// Copies at most count characters of src.
size_t copyTextN(char* dst, size_t cap, const char* src, size_t count);
// Appends src to the text already in dst; returns the new length.
size_t appendText(char* dst, size_t cap, const char* src);
// printf into dst; returns the length written (never more than cap - 1).
size_t formatText(char* dst, size_t cap, const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 3, 4)))
#endif
    ;

template <size_t N>
size_t copyText(char (&dst)[N], const char* src) { return copyText(dst, N, src); }
template <size_t N>
size_t appendText(char (&dst)[N], const char* src) { return appendText(dst, N, src); }

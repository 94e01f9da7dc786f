#pragma once
// Windows tests only: the frame code the renderer window inside `parent` shows on screen.
#include <windows.h>

#include <cstdint>

#include "support/frame_code.h"

// The frame number read from the screen, or -1 when no readable code is shown.
inline int frameShownIn(HWND parent) {
    HWND video = GetWindow(parent, GW_CHILD);
    if (!video || !IsWindowVisible(video)) return -1;
    RECT r;
    GetWindowRect(video, &r);
    const int w = r.right - r.left, h = r.bottom - r.top;
    if (w < 24 || h < 8) return -1;
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    BITMAPINFO bi{};
    bi.bmiHeader = {sizeof(BITMAPINFOHEADER), w, h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(mem, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(mem, dib);
    BitBlt(mem, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
    GdiFlush();
    const int code = bits ? readFrameCodeFromPixels(static_cast<uint8_t*>(bits), w, h, 4) : -1;
    SelectObject(mem, old);
    DeleteObject(dib);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    return code;
}

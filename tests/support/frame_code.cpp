#include "support/frame_code.h"

#include <cstddef>

int readFrameCode(const std::function<int(int x, int y)>& luminance, int left, int top, int width, int height) {
    if (width < 24 || height < 2) return -1;
    // The band is a sixteenth of the height: look a quarter into it from the bottom.
    int y = top + height - 1 - height / 64;
    int bits[24];
    for (int cell = 0; cell < 24; ++cell) {
        int x = left + static_cast<int>((cell * 2 + 1) * static_cast<long long>(width) / 48);
        bits[cell] = luminance(x, y) >= 128 ? 1 : 0;
    }
    if (bits[0] != 1 || bits[1] != 0 || bits[22] != 0 || bits[23] != 1) return -1;
    int frame = 0;
    for (int cell = 2; cell <= 21; ++cell) frame = frame << 1 | bits[cell];
    return frame;
}

int readFrameCodeFromPixels(const uint8_t* pixels, int width, int height, int bytesPerPixel) {
    size_t stride = (static_cast<size_t>(width) * bytesPerPixel + 3) & ~size_t(3);
    auto luminance = [&](int x, int y) {
        const uint8_t* p = pixels + stride * static_cast<size_t>(height - 1 - y) + static_cast<size_t>(x) * bytesPerPixel;
        return (p[0] + p[1] * 2 + p[2]) / 4;
    };
    return readFrameCode(luminance, 0, 0, width, height);
}

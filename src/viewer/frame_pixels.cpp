#include "viewer/frame_pixels.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr uint32_t fourcc(char a, char b, char c, char d) {
    return uint32_t(uint8_t(a)) | uint32_t(uint8_t(b)) << 8 | uint32_t(uint8_t(c)) << 16 | uint32_t(uint8_t(d)) << 24;
}

uint8_t clip255(int v) { return static_cast<uint8_t>(v < 0 ? 0 : v > 255 ? 255 : v); }

// Studio-range BT.601, 16.16 fixed point.
void yuvToRgb(int y, int u, int v, uint8_t* bgr) {
    int c = (y - 16) * 76309, d = u - 128, e = v - 128;
    bgr[2] = clip255((c + 104597 * e + 32768) >> 16);
    bgr[1] = clip255((c - 25675 * d - 53279 * e + 32768) >> 16);
    bgr[0] = clip255((c + 132201 * d + 32768) >> 16);
}

size_t rgbStride(int width, int bytes) { return (static_cast<size_t>(width) * bytes + 3) & ~size_t(3); }

void put16(uint8_t* p, uint32_t v) { p[0] = uint8_t(v); p[1] = uint8_t(v >> 8); }
void put32(uint8_t* p, uint32_t v) { put16(p, v & 0xFFFF); put16(p + 2, v >> 16); }

}  // namespace

PixelLayout pixelLayoutOf(uint32_t compression, int bitCount) {
    if (compression == 0 && bitCount == 32) return layoutRgb32;
    if (compression == 0 && bitCount == 24) return layoutRgb24;
    if (compression == fourcc('Y', 'U', 'Y', '2')) return layoutYuy2;
    if (compression == fourcc('Y', 'V', '1', '2')) return layoutYv12;
    return layoutUnknown;
}

size_t layoutFrameBytes(PixelLayout layout, int width, int height) {
    if (width <= 0 || height <= 0) return 0;
    size_t w = static_cast<size_t>(width), h = static_cast<size_t>(height);
    switch (layout) {
    case layoutRgb32: return w * 4 * h;
    case layoutRgb24: return rgbStride(width, 3) * h;
    case layoutYuy2: return w * 2 * h;
    case layoutYv12: return w * h + 2 * ((w / 2) * (h / 2));
    default: return 0;
    }
}

void frameToRgb32(PixelLayout layout, const uint8_t* src, int width, int height, uint8_t* dst) {
    size_t w = static_cast<size_t>(width);
    for (int row = 0; row < height; ++row) {
        uint8_t* out = dst + w * 4 * static_cast<size_t>(height - 1 - row);  // bottom-up
        switch (layout) {
        case layoutRgb32:
            std::memcpy(out, src + w * 4 * static_cast<size_t>(height - 1 - row), w * 4);
            break;
        case layoutRgb24: {
            const uint8_t* in = src + rgbStride(width, 3) * static_cast<size_t>(height - 1 - row);
            for (size_t x = 0; x < w; ++x) {
                out[x * 4] = in[x * 3];
                out[x * 4 + 1] = in[x * 3 + 1];
                out[x * 4 + 2] = in[x * 3 + 2];
                out[x * 4 + 3] = 255;
            }
            break;
        }
        case layoutYuy2: {
            const uint8_t* in = src + w * 2 * static_cast<size_t>(row);
            for (size_t x = 0; x < w; ++x) {
                size_t pair = x / 2 * 4;
                yuvToRgb(in[x * 2], in[pair + 1], in[pair + 3], out + x * 4);
                out[x * 4 + 3] = 255;
            }
            break;
        }
        case layoutYv12: {
            size_t cw = w / 2, ch = static_cast<size_t>(height) / 2;
            const uint8_t* yPlane = src + w * static_cast<size_t>(row);
            const uint8_t* vPlane = src + w * static_cast<size_t>(height);
            const uint8_t* uPlane = vPlane + cw * ch;
            size_t crow = ch ? std::min(static_cast<size_t>(row) / 2, ch - 1) : 0;
            for (size_t x = 0; x < w; ++x) {
                size_t cx = cw ? std::min(x / 2, cw - 1) : 0;
                int u = cw && ch ? uPlane[crow * cw + cx] : 128;
                int v = cw && ch ? vPlane[crow * cw + cx] : 128;
                yuvToRgb(yPlane[x], u, v, out + x * 4);
                out[x * 4 + 3] = 255;
            }
            break;
        }
        default: std::memset(out, 0, w * 4); break;
        }
    }
}

std::vector<uint8_t> frameToBitmapFile(PixelLayout layout, const uint8_t* src, int width, int height) {
    std::vector<uint8_t> rgb(static_cast<size_t>(width) * 4 * static_cast<size_t>(height));
    frameToRgb32(layout, src, width, height, rgb.data());
    size_t stride = rgbStride(width, 3), image = stride * static_cast<size_t>(height);
    std::vector<uint8_t> file(54 + image, 0);
    uint8_t* p = file.data();
    p[0] = 'B';
    p[1] = 'M';
    put32(p + 2, static_cast<uint32_t>(file.size()));
    put32(p + 10, 54);
    put32(p + 14, 40);
    put32(p + 18, static_cast<uint32_t>(width));
    put32(p + 22, static_cast<uint32_t>(height));
    put16(p + 26, 1);
    put16(p + 28, 24);
    put32(p + 34, static_cast<uint32_t>(image));
    for (int row = 0; row < height; ++row) {
        const uint8_t* in = rgb.data() + static_cast<size_t>(width) * 4 * static_cast<size_t>(row);
        uint8_t* out = p + 54 + stride * static_cast<size_t>(row);
        for (int x = 0; x < width; ++x) std::memcpy(out + x * 3, in + x * 4, 3);
    }
    return file;
}

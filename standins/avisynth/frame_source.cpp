#include "frame_source.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

namespace standin {
namespace {

constexpr uint32_t fourcc(char a, char b, char c, char d) {
    return uint32_t(uint8_t(a)) | uint32_t(uint8_t(b)) << 8 | uint32_t(uint8_t(c)) << 16 | uint32_t(uint8_t(d)) << 24;
}

bool isYv12(const ClipInfo& c) { return (c.pixelType & ((1u << 3) | (1u << 31))) == ((1u << 3) | (1u << 31)); }
bool isYuy2(const ClipInfo& c) { return (c.pixelType & ((1u << 2) | (1u << 30))) == ((1u << 2) | (1u << 30)) && (c.pixelType & (1u << 29)); }
bool isRgb24(const ClipInfo& c) { return (c.pixelType & 1u) && (c.pixelType & (1u << 28)); }

// 3 x 5 glyphs of the digits, one row per 3 bits.
const uint8_t glyphs[10][5] = {
    {7, 5, 5, 5, 7}, {2, 6, 2, 2, 7}, {7, 1, 7, 4, 7}, {7, 1, 7, 1, 7}, {5, 5, 7, 1, 1},
    {7, 4, 7, 1, 7}, {7, 4, 7, 5, 7}, {7, 1, 1, 1, 1}, {7, 5, 7, 5, 7}, {7, 5, 7, 1, 7},
};

// Luma of one pixel: a vertical gradient, the moving bar, and the frame number at the top left.
uint8_t luma(const ClipInfo& c, int frame, int x, int y, const char* number, int scale) {
    int barWidth = c.width / 16 > 0 ? c.width / 16 : 1;
    int barX = static_cast<int>((int64_t(frame) * 8) % (c.width > 0 ? c.width : 1));
    if (x >= barX && x < barX + barWidth) return 235;
    int cellX = x / scale, cellY = y / scale;
    int digit = (cellX - 1) / 4;
    if (cellY >= 1 && cellY <= 5 && cellX >= 1 && digit < static_cast<int>(std::strlen(number))) {
        int gx = (cellX - 1) % 4;
        if (gx < 3 && (glyphs[number[digit] - '0'][cellY - 1] >> (2 - gx) & 1)) return 255;
        return 16;
    }
    return static_cast<uint8_t>(40 + (c.height > 0 ? y * 120 / c.height : 0));
}

// A machine-readable frame code along the bottom edge, where nobody looks: a band of
// max(2, height / 16) rows split into 24 equal cells; cells 0 and 23 white, 1 and 22 black,
// cells 2..21 the frame number's bits 19..0 (white for 1). Tests read it back from screenshots.
void drawFrameCode(std::vector<uint8_t>& y, int w, int h, int frame) {
    int band = h / 16 > 2 ? h / 16 : 2;
    if (band > h) band = h;
    for (int row = h - band; row < h; ++row) {
        for (int col = 0; col < w; ++col) {
            int cell = static_cast<int>(int64_t(col) * 24 / w);
            bool white = cell == 0 || cell == 23;
            if (cell >= 2 && cell <= 21) white = (frame >> (21 - cell)) & 1;
            y[static_cast<size_t>(row) * w + col] = white ? 235 : 16;
        }
    }
}

}  // namespace

VideoFormat videoFormatOf(const ClipInfo& c) {
    VideoFormat f;
    size_t w = static_cast<size_t>(c.width), h = static_cast<size_t>(c.height);
    if (isYv12(c)) {
        f.compression = f.handler = fourcc('Y', 'V', '1', '2');
        f.bitCount = 12;
        f.frameBytes = w * h + 2 * ((w / 2) * (h / 2));
    } else if (isYuy2(c)) {
        f.compression = f.handler = fourcc('Y', 'U', 'Y', '2');
        f.bitCount = 16;
        f.frameBytes = w * 2 * h;
    } else {
        f.compression = 0;
        f.handler = fourcc('D', 'I', 'B', ' ');
        f.bitCount = isRgb24(c) ? 24 : 32;
        f.frameBytes = ((w * static_cast<size_t>(f.bitCount) / 8 + 3) & ~size_t(3)) * h;
    }
    return f;
}

void renderFrame(const ClipInfo& c, int frame, uint8_t* dst, size_t size) {
    VideoFormat f = videoFormatOf(c);
    if (!dst || size < f.frameBytes || !c.hasVideo()) return;
    char number[16];
    std::snprintf(number, sizeof number, "%d", frame);
    int scale = c.height / 40 > 0 ? c.height / 40 : 1;
    int w = c.width, h = c.height;
    std::vector<uint8_t> y(static_cast<size_t>(w) * static_cast<size_t>(h));
    for (int row = 0; row < h; ++row)
        for (int col = 0; col < w; ++col) y[static_cast<size_t>(row) * w + col] = luma(c, frame, col, row, number, scale);
    if (w > 0 && h > 0) drawFrameCode(y, w, h, frame);

    if (isYv12(c)) {
        std::memcpy(dst, y.data(), y.size());
        std::memset(dst + y.size(), 128, f.frameBytes - y.size());
    } else if (isYuy2(c)) {
        for (size_t i = 0; i < y.size(); i += 2) {
            dst[i * 2] = y[i];
            dst[i * 2 + 1] = 128;
            dst[i * 2 + 2] = y[i + 1];
            dst[i * 2 + 3] = 128;
        }
    } else {
        int bytes = f.bitCount / 8;
        size_t stride = f.frameBytes / static_cast<size_t>(h);
        std::memset(dst, 0, f.frameBytes);
        for (int row = 0; row < h; ++row) {
            uint8_t* line = dst + stride * static_cast<size_t>(h - 1 - row);  // bottom-up, as DIBs are
            for (int col = 0; col < w; ++col) {
                uint8_t v = y[static_cast<size_t>(row) * w + col];
                uint8_t* px = line + static_cast<size_t>(col) * bytes;
                px[0] = px[1] = px[2] = v;
                if (bytes == 4) px[3] = 255;
            }
        }
    }
}

int deliveredSampleType(const ClipInfo& c, bool allowFloat) {
    return c.sampleType == 16 && !allowFloat ? 2 : c.sampleType;
}

int bytesPerSample(int sampleType) {
    switch (sampleType) {
    case 1: return 1;
    case 2: return 2;
    case 4: return 3;
    default: return 4;
    }
}

void renderAudio(const ClipInfo& c, int sampleType, int64_t start, int64_t count, uint8_t* dst) {
    int bytes = bytesPerSample(sampleType);
    const double twoPi = 6.283185307179586;
    for (int64_t n = 0; n < count; ++n) {
        for (int ch = 0; ch < c.channels; ++ch) {
            double phase = std::fmod(double(start + n) * 440.0 * (ch + 1), double(c.audioRate));
            double v = 0.25 * std::sin(twoPi * phase / c.audioRate);
            uint8_t* out = dst + (n * c.channels + ch) * bytes;
            switch (sampleType) {
            case 1: out[0] = static_cast<uint8_t>(128 + std::lround(v * 127)); break;
            case 2: {
                int16_t s = static_cast<int16_t>(std::lround(v * 32767));
                std::memcpy(out, &s, 2);
                break;
            }
            case 4: {
                int32_t s = static_cast<int32_t>(std::lround(v * 8388607));
                out[0] = static_cast<uint8_t>(s);
                out[1] = static_cast<uint8_t>(s >> 8);
                out[2] = static_cast<uint8_t>(s >> 16);
                break;
            }
            case 8: {
                int32_t s = static_cast<int32_t>(std::lround(v * 2147483647.0));
                std::memcpy(out, &s, 4);
                break;
            }
            default: {
                float s = static_cast<float>(v);
                std::memcpy(out, &s, 4);
                break;
            }
            }
        }
    }
}

}  // namespace standin

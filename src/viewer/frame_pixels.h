#pragma once
// Pixel layouts a clip's video stream delivers, and their conversion to the RGB the video
// renderer and the bitmap grabs take. One converter serves both, so a grab holds exactly the
// pixels shown.
#include <cstddef>
#include <cstdint>
#include <vector>

enum PixelLayout { layoutUnknown = 0, layoutRgb32, layoutRgb24, layoutYuy2, layoutYv12 };

// From a bitmap header's compression and bit count.
PixelLayout pixelLayoutOf(uint32_t compression, int bitCount);
size_t layoutFrameBytes(PixelLayout layout, int width, int height);
// RGB rows are bottom-up with 4-byte aligned strides, YUV rows top-down, as the stream gives them.
// Converts one frame to bottom-up RGB32 (stride width x 4).
void frameToRgb32(PixelLayout layout, const uint8_t* src, int width, int height, uint8_t* dst);
// A whole 24-bit bitmap file (headers and bottom-up rows) of one frame.
std::vector<uint8_t> frameToBitmapFile(PixelLayout layout, const uint8_t* src, int width, int height);

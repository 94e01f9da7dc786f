#pragma once
// Reads back the frame code the stand-in draws along the bottom edge of every frame
// (24 cells: white, black, 20 bits of the frame number, black, white), from any picture of
// the video scaled to a rectangle.
#include <cstdint>
#include <functional>

// luminance(x, y) gives 0..255 for a point of the picture; the video fills the rectangle
// left, top, width, height. Returns the frame number, or -1 when no code is seen there.
int readFrameCode(const std::function<int(int x, int y)>& luminance, int left, int top, int width, int height);

// The same on a bottom-up 24-bit or 32-bit pixel buffer holding exactly the video.
int readFrameCodeFromPixels(const uint8_t* pixels, int width, int height, int bytesPerPixel);

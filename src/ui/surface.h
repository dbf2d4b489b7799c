// An off-screen 24-bit drawing target with the program's own pixel code.
// Rows lie bottom-up in memory (row y at (height - y - 1) * stride), three
// bytes per pixel in the order blue, green, red.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "ui/colour.h"

namespace kavalto {

// Fill, line and shade operations draw a pixel only when it lies strictly
// inside the box.
struct ClipBox {
    int32_t minX = 0;
    int32_t minY = 0;
    int32_t maxX = 20000;
    int32_t maxY = 20000;
};

struct Surface {
    int32_t width = 0;
    int32_t height = 0;
    int32_t stride = 0;
    std::vector<uint8_t> pixels;
    ClipBox clip;

    bool empty() const { return pixels.empty(); }
    uint8_t* Row(int32_t y) { return pixels.data() + static_cast<size_t>(height - y - 1) * static_cast<size_t>(stride); }
    const uint8_t* Row(int32_t y) const {
        return pixels.data() + static_cast<size_t>(height - y - 1) * static_cast<size_t>(stride);
    }
    bool Contains(int32_t x, int32_t y) const { return x >= 0 && y >= 0 && x < width && y < height; }
};

inline int32_t SurfaceStride(int32_t width) {
    return static_cast<int32_t>(((static_cast<int64_t>(width) * 24 + 31) / 8) & ~int64_t{3});
}

inline constexpr int32_t kLargestSurfaceSide = 100000;

// A size of 0 or less becomes 2. False, with the surface left empty, when
// the memory cannot be had (or a side exceeds kLargestSurfaceSide); the
// caller reports it.
bool Create(Surface& surface, int32_t width, int32_t height);
void Free(Surface& surface);

// Outside the surface: black.
Colour PixelAt(const Surface& surface, int32_t x, int32_t y);
void SetPixel(Surface& surface, int32_t x, int32_t y, Colour colour);

void Fill(Surface& surface, Colour colour);
void FillRect(Surface& surface, Colour colour, int32_t x, int32_t y, int32_t width, int32_t height);
// Both ends are drawn.
void HorizontalLine(Surface& surface, Colour colour, int32_t x1, int32_t x2, int32_t y);
void VerticalLine(Surface& surface, Colour colour, int32_t x, int32_t y1, int32_t y2);

// Factor 0..255: below 128 darker (v * f / 128), from 128 lighter
// (v + (256 - v) * (f - 128) / 128).
uint8_t ShadeValue(uint8_t value, int32_t factor);
void Shade(Surface& surface, int32_t x, int32_t y, int32_t factor);
void ShadeRect(Surface& surface, int32_t x, int32_t y, int32_t width, int32_t height, int32_t factor);

// Copies between surfaces skip whatever lies outside either of them.
void CopyAll(Surface& target, const Surface& source);
void PlaceSurface(Surface& target, const Surface& source, int32_t x, int32_t y);
void CopyRect(Surface& target, int32_t dx, int32_t dy, int32_t width, int32_t height, const Surface& source,
              int32_t sx, int32_t sy);

// Every source pixel goes to its scaled place; pixels hit twice average,
// pixels left empty are interpolated along rows, then along columns.
void Scale(const Surface& source, Surface& target);

// Rows upside down: the top row of the picture first in memory.
void FlipRows(Surface& surface);

}  // namespace kavalto

#include "ui/surface.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <stdexcept>

namespace kavalto {
namespace {

bool InsideClip(const Surface& s, int32_t x, int32_t y) {
    return x > s.clip.minX && x < s.clip.maxX && y > s.clip.minY && y < s.clip.maxY && s.Contains(x, y);
}

// The columns x1..x2 of a row that are inside both the clip box and the
// surface; empty when first > last.
void ClippedSpan(const Surface& s, int64_t x1, int64_t x2, int32_t& first, int32_t& last) {
    first = static_cast<int32_t>(std::max<int64_t>({x1, int64_t{s.clip.minX} + 1, 0}));
    last = static_cast<int32_t>(std::min<int64_t>({x2, int64_t{s.clip.maxX} - 1, int64_t{s.width} - 1}));
}

bool RowInsideClip(const Surface& s, int32_t y) {
    return y > s.clip.minY && y < s.clip.maxY && y >= 0 && y < s.height;
}

void PutPixel(uint8_t* p, Colour c) {
    p[0] = c.blue;
    p[1] = c.green;
    p[2] = c.red;
}

}  // namespace

bool Create(Surface& surface, int32_t width, int32_t height) {
    if (width <= 0) width = 2;
    if (height <= 0) height = 2;
    Free(surface);
    if (width > kLargestSurfaceSide || height > kLargestSurfaceSide) return false;
    const int32_t stride = SurfaceStride(width);
    try {
        surface.pixels.assign(static_cast<size_t>(stride) * static_cast<size_t>(height), 0);
    } catch (const std::bad_alloc&) {
        return false;
    } catch (const std::length_error&) {
        return false;
    }
    surface.width = width;
    surface.height = height;
    surface.stride = stride;
    surface.clip = ClipBox{};
    return true;
}

void Free(Surface& surface) {
    std::vector<uint8_t>().swap(surface.pixels);
    surface.width = 0;
    surface.height = 0;
    surface.stride = 0;
}

Colour PixelAt(const Surface& surface, int32_t x, int32_t y) {
    if (surface.empty() || !surface.Contains(x, y)) return {};
    const uint8_t* p = surface.Row(y) + x * 3;
    return Colour{p[2], p[1], p[0]};
}

void SetPixel(Surface& surface, int32_t x, int32_t y, Colour colour) {
    if (surface.empty() || !surface.Contains(x, y)) return;
    PutPixel(surface.Row(y) + x * 3, colour);
}

void Fill(Surface& surface, Colour colour) {
    if (surface.empty()) return;
    uint8_t* first = surface.Row(surface.height - 1);
    for (int32_t x = 0; x < surface.width; ++x) PutPixel(first + x * 3, colour);
    for (int32_t y = surface.height - 2; y >= 0; --y) {
        std::memcpy(surface.Row(y), first, static_cast<size_t>(surface.width) * 3);
    }
}

void FillRect(Surface& surface, Colour colour, int32_t x, int32_t y, int32_t width, int32_t height) {
    if (surface.empty() || width <= 0 || height <= 0) return;
    int32_t first = 0;
    int32_t last = 0;
    ClippedSpan(surface, x, int64_t{x} + width - 1, first, last);
    if (first > last) return;
    const int32_t top = std::max(y, 0);
    const int32_t bottom = static_cast<int32_t>(std::min<int64_t>(int64_t{y} + height, surface.height));
    for (int32_t row = top; row < bottom; ++row) {
        if (!RowInsideClip(surface, row)) continue;
        uint8_t* p = surface.Row(row);
        for (int32_t col = first; col <= last; ++col) PutPixel(p + col * 3, colour);
    }
}

void HorizontalLine(Surface& surface, Colour colour, int32_t x1, int32_t x2, int32_t y) {
    if (x2 < x1) std::swap(x1, x2);
    FillRect(surface, colour, x1, y, x2 - x1 + 1, 1);
}

void VerticalLine(Surface& surface, Colour colour, int32_t x, int32_t y1, int32_t y2) {
    if (y2 < y1) std::swap(y1, y2);
    FillRect(surface, colour, x, y1, 1, y2 - y1 + 1);
}

uint8_t ShadeValue(uint8_t value, int32_t factor) {
    int32_t v = value;
    if (factor < 128) {
        v = v * factor / 128;
    } else {
        v = v + (256 - v) * (factor - 128) / 128;
    }
    return static_cast<uint8_t>(std::clamp(v, 0, 255));
}

void Shade(Surface& surface, int32_t x, int32_t y, int32_t factor) {
    if (surface.empty() || !InsideClip(surface, x, y)) return;
    uint8_t* p = surface.Row(y) + x * 3;
    for (int i = 0; i < 3; ++i) p[i] = ShadeValue(p[i], factor);
}

void ShadeRect(Surface& surface, int32_t x, int32_t y, int32_t width, int32_t height, int32_t factor) {
    if (surface.empty() || width <= 0 || height <= 0) return;
    int32_t first = 0;
    int32_t last = 0;
    ClippedSpan(surface, x, int64_t{x} + width - 1, first, last);
    if (first > last) return;
    uint8_t table[256];
    for (int v = 0; v < 256; ++v) table[v] = ShadeValue(static_cast<uint8_t>(v), factor);
    const int32_t top = std::max(y, 0);
    const int32_t bottom = static_cast<int32_t>(std::min<int64_t>(int64_t{y} + height, surface.height));
    for (int32_t row = top; row < bottom; ++row) {
        if (!RowInsideClip(surface, row)) continue;
        uint8_t* p = surface.Row(row);
        for (int32_t i = first * 3; i < (last + 1) * 3; ++i) p[i] = table[p[i]];
    }
}

void CopyAll(Surface& target, const Surface& source) {
    if (target.empty() || source.empty()) return;
    if (target.width == source.width && target.height == source.height) {
        target.pixels = source.pixels;
        return;
    }
    CopyRect(target, 0, 0, source.width, source.height, source, 0, 0);
}

void PlaceSurface(Surface& target, const Surface& source, int32_t x, int32_t y) {
    CopyRect(target, x, y, source.width, source.height, source, 0, 0);
}

void CopyRect(Surface& target, int32_t dx, int32_t dy, int32_t width, int32_t height, const Surface& source,
              int32_t sx, int32_t sy) {
    if (target.empty() || source.empty() || width <= 0 || height <= 0) return;
    // Columns outside either surface are cut off on both sides alike.
    int32_t left = std::max({0, -dx, -sx});
    int32_t right = std::min({width, target.width - dx, source.width - sx});
    if (left >= right) return;
    const size_t bytes = static_cast<size_t>(right - left) * 3;
    for (int32_t row = 0; row < height; ++row) {
        const int32_t ty = dy + row;
        const int32_t sy2 = sy + row;
        if (ty < 0 || ty >= target.height || sy2 < 0 || sy2 >= source.height) continue;
        std::memmove(target.Row(ty) + (dx + left) * 3, source.Row(sy2) + (sx + left) * 3, bytes);
    }
}

void FlipRows(Surface& surface) {
    if (surface.empty()) return;
    std::vector<uint8_t> row(static_cast<size_t>(surface.stride));
    for (int32_t top = 0, bottom = surface.height - 1; top < bottom; ++top, --bottom) {
        uint8_t* a = surface.pixels.data() + static_cast<size_t>(top) * static_cast<size_t>(surface.stride);
        uint8_t* b = surface.pixels.data() + static_cast<size_t>(bottom) * static_cast<size_t>(surface.stride);
        std::memcpy(row.data(), a, row.size());
        std::memcpy(a, b, row.size());
        std::memcpy(b, row.data(), row.size());
    }
}

}  // namespace kavalto

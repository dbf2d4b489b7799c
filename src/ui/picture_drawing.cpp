#include "ui/picture_drawing.h"

#include <algorithm>

namespace kavalto {
namespace {

bool IsKey(const uint8_t* p, Colour key) { return p[2] == key.red && p[1] == key.green && p[0] == key.blue; }

void AverageNeighbours(Surface& surface, int32_t x, int32_t y) {
    static constexpr int32_t kSteps[4][2] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
    int32_t sum[3] = {0, 0, 0};
    int32_t count = 0;
    for (const auto& step : kSteps) {
        const int32_t nx = x + step[0];
        const int32_t ny = y + step[1];
        if (!surface.Contains(nx, ny)) continue;
        const uint8_t* n = surface.Row(ny) + nx * 3;
        for (int c = 0; c < 3; ++c) sum[c] += n[c];
        ++count;
    }
    if (count == 0) return;
    uint8_t* p = surface.Row(y) + x * 3;
    for (int c = 0; c < 3; ++c) p[c] = static_cast<uint8_t>(sum[c] / count);
}

}  // namespace

void DrawPicture(Surface& surface, const Picture& picture, int32_t x, int32_t y, int32_t pressedOffset,
                 int32_t lighten, bool enabled) {
    if (surface.empty() || picture.empty()) return;
    x += pressedOffset;
    y += pressedOffset;
    const int32_t firstRow = std::max(0, -y);
    const int32_t lastRow = std::min(picture.height, surface.height - y);
    const int32_t firstColumn = std::max(0, -x);
    const int32_t lastColumn = std::min(picture.width, surface.width - x);
    if (firstRow >= lastRow || firstColumn >= lastColumn) return;
    bool hasEdges = false;
    for (int32_t py = firstRow; py < lastRow; ++py) {
        uint8_t* target = surface.Row(y + py) + (x + firstColumn) * 3;
        const uint8_t* source = picture.At(firstColumn, py);
        for (int32_t px = firstColumn; px < lastColumn; ++px, source += 3, target += 3) {
            if (IsKey(source, kTransparentKey)) continue;
            if (IsKey(source, kEdgeKey)) {
                hasEdges = true;
                continue;
            }
            if (!enabled) {
                target[0] = kDisabledPictureGrey.blue;
                target[1] = kDisabledPictureGrey.green;
                target[2] = kDisabledPictureGrey.red;
                continue;
            }
            for (int c = 0; c < 3; ++c) target[c] = static_cast<uint8_t>(std::min(255, source[c] + lighten));
        }
    }
    if (!hasEdges) return;
    for (int32_t py = firstRow; py < lastRow; ++py) {
        for (int32_t px = firstColumn; px < lastColumn; ++px) {
            if (IsKey(picture.At(px, py), kEdgeKey)) AverageNeighbours(surface, x + px, y + py);
        }
    }
}

void ShadeMask(Surface& surface, const Picture& picture, int32_t x, int32_t y) {
    if (surface.empty() || picture.empty()) return;
    for (int32_t py = 0; py < picture.height; ++py) {
        for (int32_t px = 0; px < picture.width; ++px) {
            const uint8_t* mask = picture.At(px, py);
            if (mask[2] == 255 || !surface.Contains(x + px, y + py)) continue;
            uint8_t* p = surface.Row(y + py) + (x + px) * 3;
            for (int c = 0; c < 3; ++c) p[c] = ShadeValue(p[c], mask[0]);
        }
    }
}

}  // namespace kavalto

namespace kavalto {

bool PictureToSurface(const Picture& picture, Surface& surface) {
    if (picture.empty() || !Create(surface, picture.width, picture.height)) return false;
    const size_t rowBytes = static_cast<size_t>(picture.width) * 3;
    for (int32_t y = 0; y < picture.height; ++y) std::copy_n(picture.At(0, y), rowBytes, surface.Row(y));
    return true;
}

}  // namespace kavalto

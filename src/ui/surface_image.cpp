#include "ui/surface_image.h"

#include <algorithm>

namespace kavalto {

QImage SurfaceImage(const Surface& surface, const Rect& rect) {
    if (surface.empty()) return QImage();
    const int32_t left = std::max(rect.x, 0);
    const int32_t top = std::max(rect.y, 0);
    const int32_t right = std::min(rect.x + rect.width, surface.width);
    const int32_t bottom = std::min(rect.y + rect.height, surface.height);
    if (left >= right || top >= bottom) return QImage();
    QImage image(right - left, bottom - top, QImage::Format_RGB32);
    if (image.isNull()) return image;
    for (int32_t y = top; y < bottom; ++y) {
        const uint8_t* from = surface.Row(y) + left * 3;
        auto* to = reinterpret_cast<QRgb*>(image.scanLine(y - top));
        for (int32_t x = left; x < right; ++x, from += 3) *to++ = qRgb(from[2], from[1], from[0]);
    }
    return image;
}

QImage SurfaceImage(const Surface& surface) {
    return SurfaceImage(surface, Rect{0, 0, surface.width, surface.height});
}

}  // namespace kavalto

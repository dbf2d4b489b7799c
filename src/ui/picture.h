// A picture of the program: rows top-down, three bytes per pixel in the
// order blue, green, red, no row padding. Pure red pixels are transparent,
// pure green pixels are edge pixels that take the average of their drawn
// neighbours (see DrawPicture).
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "ui/colour.h"

class QImage;

namespace kavalto {

class Notifier;

inline constexpr int32_t kLargestPictureSide = 10000;

struct Picture {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint8_t> pixels;

    bool empty() const { return pixels.empty(); }
    const uint8_t* At(int32_t x, int32_t y) const {
        return pixels.data() + (static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)) * 3;
    }
};

inline constexpr Colour kTransparentKey{255, 0, 0};
inline constexpr Colour kEdgeKey{0, 255, 0};

// Makes the program's embedded pictures (and the application icon
// ":/kavalto.png") reachable through Qt's resource paths. LoadPicture does it
// itself; other users of the resources call it first.
void RegisterPictureResources();

// A picture of the program's own resources (picture_ids.h). A missing
// resource, a side of 0 or above 10000 give an empty picture; memory that
// cannot be had gives "Out of memory" (once per run) and an empty picture.
Picture LoadPicture(int32_t pictureId, Notifier& notifier);
// Any decoded image, whatever its pixel format, under the same rules.
Picture PictureFromImage(const QImage& image, Notifier& notifier);

}  // namespace kavalto
